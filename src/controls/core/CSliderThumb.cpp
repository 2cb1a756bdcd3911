#include "controls/core/CSliderThumb.h"

#include <algorithm>
#include <cstdint>

namespace {

// Rounds a / b to the nearest whole number for b > 0, halves away from zero.
int64_t RoundedQuotient(int64_t a, int64_t b) noexcept
{
    return a >= 0 ? (a + b / 2) / b : -((-a + b / 2) / b);
}

}  // namespace

CSliderThumb::CSliderThumb(const RectEdges& track, int32_t thumbWidth) noexcept
    : m_track(track), m_thumbWidth(std::max(thumbWidth, 0))
{
}

void CSliderThumb::SetRange(int32_t a, int32_t b) noexcept
{
    m_minimum = std::min(a, b);
    m_maximum = std::max(a, b);
    m_capMinimum = m_minimum;
    m_capMaximum = m_maximum;
    m_value = Clamp(m_value);
}

void CSliderThumb::SetCapRange(int32_t lower, int32_t upper) noexcept
{
    const auto clip = [this](int32_t bound) { return std::clamp(bound, m_minimum, m_maximum); };
    m_capMinimum = clip(std::min(lower, upper));
    m_capMaximum = clip(std::max(lower, upper));
    m_value = Clamp(m_value);
}

void CSliderThumb::SetMargins(int32_t left, int32_t right) noexcept
{
    m_leftMargin = left;
    m_rightMargin = right;
}

void CSliderThumb::SetValue(int32_t value) noexcept
{
    m_value = Clamp(value);
}

int32_t CSliderThumb::Clamp(int32_t value) const noexcept
{
    return std::clamp(value, m_capMinimum, m_capMaximum);
}

int32_t CSliderThumb::TrackStart() const noexcept
{
    return m_track.left + m_leftMargin;
}

int32_t CSliderThumb::TrackEnd() const noexcept
{
    // Margins wider than the track leave a track without length, not one that runs backwards.
    return std::max(m_track.right - m_rightMargin, TrackStart());
}

int32_t CSliderThumb::CentreOf(int32_t value) const noexcept
{
    const int64_t steps = int64_t{m_maximum} - m_minimum;
    if (steps == 0)
        return TrackStart();
    const int64_t length = int64_t{TrackEnd()} - TrackStart();
    return TrackStart() + static_cast<int32_t>(RoundedQuotient((int64_t{value} - m_minimum) * length, steps));
}

int32_t CSliderThumb::ValueAt(int32_t x) const noexcept
{
    const int64_t length = int64_t{TrackEnd()} - TrackStart();
    if (length == 0)
        return Clamp(m_minimum);
    const int64_t along = std::clamp(x, TrackStart(), TrackEnd()) - int64_t{TrackStart()};
    const int64_t steps = int64_t{m_maximum} - m_minimum;
    return Clamp(static_cast<int32_t>(m_minimum + RoundedQuotient(along * steps, length)));
}

CSliderThumb::DragResult CSliderThumb::DragTo(int32_t centreX) noexcept
{
    // Nor does the thumb pass the ends of its cap range (a neighbour, on a zone slider).
    const int32_t centre = std::clamp(centreX, CentreOf(m_capMinimum), CentreOf(m_capMaximum));
    const int32_t value = ValueAt(centre);
    const bool changed = value != m_value;
    m_value = value;
    return DragResult{centre - m_thumbWidth / 2, changed};
}

int32_t CSliderThumb::ReleaseAt(int32_t centreX) noexcept
{
    m_value = ValueAt(centreX);
    return Left();
}
