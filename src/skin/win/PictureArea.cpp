#include "skin/win/PictureArea.h"

#include <algorithm>

#include "platform/win/WinHandles.h"
#include "skin/win/BitmapCopy.h"
#include "skin/win/PictureHandle.h"
#include "skin/win/ScopedSelect.h"

PictureArea PictureArea::Whole(const ResourceRecord* picture) noexcept
{
    return Whole(BitmapOf(picture));
}

PictureArea PictureArea::Whole(HBITMAP bitmap) noexcept
{
    const SIZE size = BitmapSize(bitmap);
    return Part(bitmap, 0, 0, size.cx, size.cy);
}

PictureArea PictureArea::Part(HBITMAP bitmap, int left, int top, int width, int height) noexcept
{
    if (bitmap == nullptr)
        return {};
    return PictureArea{bitmap, RECT{left, top, left + std::max(width, 0), top + std::max(height, 0)}};
}

void DrawPictureArea(HDC dc, int x, int y, const PictureArea& area)
{
    DrawPictureArea(dc, x, y, area.Width(), area.Height(), area);
}

void DrawPictureArea(HDC dc, int x, int y, int width, int height, const PictureArea& area)
{
    if (dc == nullptr || !area)
        return;
    const UniqueDc source = CreateCompatibleDc(dc);
    if (!source)
        return;
    const ScopedSelect selected(source.Get(), area.bitmap);
    BitBlt(dc, x, y, std::min(width, area.Width()), std::min(height, area.Height()), source.Get(), area.source.left,
           area.source.top, SRCCOPY);
}
