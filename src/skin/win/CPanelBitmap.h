#pragma once

#include <windows.h>

#include <memory>

#include "platform/win/WinHandles.h"
#include "skin/win/CGUIItem.h"

struct PanelBitmapDescription;

// A panel's BACKGROUND or MASK picture (kind 0): the panel's own copy of the cached picture,
// made for the owner window's drawing surface. It has no window (its handle stays kNoWindow).
class CPanelBitmap : public CGUIItem
{
public:
    // Null when the picture did not load or cannot be copied.
    [[nodiscard]] static std::unique_ptr<CPanelBitmap> Create(const PanelBitmapDescription& description, HWND owner);

    explicit CPanelBitmap(UniqueBitmap bitmap) noexcept;

    // Null once freed.
    [[nodiscard]] HBITMAP Bitmap() const noexcept { return m_bitmap.Get(); }
    [[nodiscard]] int Width() const noexcept { return m_size.cx; }
    [[nodiscard]] int Height() const noexcept { return m_size.cy; }
    // The panel's window is gone: the picture is not needed any more.
    void Free() noexcept { m_bitmap.Reset(); }

private:
    UniqueBitmap m_bitmap;
    SIZE m_size{};
};
