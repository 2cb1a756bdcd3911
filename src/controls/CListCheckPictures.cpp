#include "controls/CListCheckPictures.h"

#include "skin/win/BitmapCopy.h"
#include "skin/win/OutlineRegion.h"
#include "skin/win/ScopedSelect.h"

CListCheckPictures::CListCheckPictures(HBITMAP unchecked, HBITMAP checked, HBITMAP mask)
    : m_unchecked(unchecked), m_checked(checked), m_outline(OutlineRegion(mask))
{
}

SIZE CListCheckPictures::Size() const noexcept
{
    return BitmapSize(m_unchecked != nullptr ? m_unchecked : m_checked);
}

void CListCheckPictures::Draw(HDC dc, const RECT& area, bool checked) const
{
    const HBITMAP picture = checked ? m_checked : m_unchecked;
    if (picture == nullptr)
        return;
    const SIZE size = BitmapSize(picture);
    const int left = area.left + (area.right - area.left - size.cx) / 2;
    const int top = area.top + (area.bottom - area.top - size.cy) / 2;
    const int saved = SaveDC(dc);
    if (m_outline) {
        // The outline in the surface's device coordinates, where the picture goes.
        const UniqueRegion clip(CreateRectRgn(0, 0, 0, 0));
        CombineRgn(clip.Get(), m_outline.Get(), nullptr, RGN_COPY);
        POINT origin{left, top};
        LPtoDP(dc, &origin, 1);
        OffsetRgn(clip.Get(), origin.x, origin.y);
        ExtSelectClipRgn(dc, clip.Get(), RGN_AND);
    }
    const UniqueDc source = CreateCompatibleDc(dc);
    const ScopedSelect selected(source.Get(), picture);
    BitBlt(dc, left, top, size.cx, size.cy, source.Get(), 0, 0, SRCCOPY);
    RestoreDC(dc, saved);
}
