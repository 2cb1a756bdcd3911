#pragma once

#include <windows.h>

#include <memory>

#include "skin/win/CGUIItem.h"

struct PanelBitmapDescription;

// A panel's BACKGROUND or MASK picture (kind 0): the cached picture itself, which the cache
// keeps until the program ends, drawn without a copy. It has no window (its handle stays
// kNoWindow).
class CPanelBitmap : public CGUIItem
{
public:
    // Null when the picture did not load.
    [[nodiscard]] static std::unique_ptr<CPanelBitmap> Create(const PanelBitmapDescription& description, HWND owner);

    // `bitmap` is not owned.
    explicit CPanelBitmap(HBITMAP bitmap) noexcept;

    // Null once freed.
    [[nodiscard]] HBITMAP Bitmap() const noexcept { return m_bitmap; }
    [[nodiscard]] int Width() const noexcept { return m_size.cx; }
    [[nodiscard]] int Height() const noexcept { return m_size.cy; }
    // The panel's window is gone: the picture is not needed any more.
    void Free() noexcept { m_bitmap = nullptr; }

private:
    HBITMAP m_bitmap;  // the cache's
    SIZE m_size{};
};
