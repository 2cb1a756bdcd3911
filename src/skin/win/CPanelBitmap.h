#pragma once

#include <windows.h>

#include <memory>

#include "skin/win/CGUIItem.h"

struct PanelBitmapDescription;
struct ResourceRecord;

// A panel's BACKGROUND or MASK picture (kind 0): the cached picture itself, which the cache
// keeps until the program ends, drawn without a copy. It has no window (its handle stays
// kNoWindow).
class CPanelBitmap : public CGUIItem
{
public:
    // Null when the picture did not load.
    [[nodiscard]] static std::unique_ptr<CPanelBitmap> Create(const PanelBitmapDescription& description, HWND owner);

    // `bitmap` is not owned; `record`, when given, is the cache's record of it.
    explicit CPanelBitmap(HBITMAP bitmap, const ResourceRecord* record = nullptr) noexcept;

    // Null once freed.
    [[nodiscard]] HBITMAP Bitmap() const noexcept { return m_bitmap; }
    [[nodiscard]] int Width() const noexcept { return m_size.cx; }
    [[nodiscard]] int Height() const noexcept { return m_size.cy; }
    // The panel's window is gone: the picture is not needed any more.
    void Free() noexcept { m_bitmap = nullptr; }
    // The picture has served its one use (a mask's outline is cut): the cache may give its
    // memory back when nothing else fetched it. The item is freed either way.
    void GiveBack();

private:
    HBITMAP m_bitmap;  // the cache's
    const ResourceRecord* m_record;
    SIZE m_size{};
};
