#include "controls/core/ScrollBarGeometry.h"

#include <algorithm>

int ScrollBarGeometry::ThumbMax() const noexcept
{
    // A bar too short for its pieces keeps the thumb at its top.
    return std::max(ThumbMin(), height - bottom - arrowDown - thumb);
}

int ScrollBarGeometry::ThumbFor(const ScrollState& state) const noexcept
{
    const int range = state.max - state.page;
    // Whole numbers give the same truncation as track / range x pos without rounding errors;
    // a list with nothing to scroll has no range to divide by.
    const long long offset = range > 0 ? static_cast<long long>(TrackLength()) * state.pos / range : 0;
    return static_cast<int>(std::clamp<long long>(offset + arrowUp + top, ThumbMin(), ThumbMax()));
}

int ScrollBarGeometry::PositionFor(int thumbTop, const ScrollState& state) const noexcept
{
    const int range = state.max - state.page;
    if (range <= 0 || TrackLength() <= 0)
        return 0;
    return static_cast<int>(static_cast<long long>(thumbTop - arrowUp - top) * range / TrackLength());
}

int ScrollBarGeometry::DraggedThumb(int y) const noexcept
{
    return std::clamp(std::clamp(y, 0, height) - thumb / 2, ThumbMin(), ThumbMax());
}

ScrollRequest ScrollBarGeometry::ReleaseRequest(int y, int thumbTop, bool upHeld, bool downHeld,
                                                bool dragging) const noexcept
{
    if (upHeld && OnArrowUp(y))
        return ScrollRequest::LineUp;
    if (downHeld && OnArrowDown(y))
        return ScrollRequest::LineDown;
    if (dragging || upHeld || downHeld || OnThumb(y, thumbTop))
        return ScrollRequest::None;
    return y > thumbTop ? ScrollRequest::PageDown : ScrollRequest::PageUp;
}
