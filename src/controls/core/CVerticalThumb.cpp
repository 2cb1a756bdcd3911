#include "controls/core/CVerticalThumb.h"

#include <algorithm>
#include <cstdint>

CVerticalThumb::CVerticalThumb(int32_t trackTop, int32_t trackBottom, int32_t thumbHeight) noexcept
    : m_trackTop(trackTop), m_trackBottom(trackBottom), m_thumbHeight(std::max(thumbHeight, 0)), m_top(0)
{
    m_top = LowestTop();
}

void CVerticalThumb::SetLimits(int32_t lower, int32_t upper) noexcept
{
    m_lower = std::min(lower, upper);
    m_upper = std::max(lower, upper);
}

int32_t CVerticalThumb::LowestTop() const noexcept
{
    // A track shorter than the thumb leaves it one place: the top.
    return std::max(m_trackBottom - m_thumbHeight, m_trackTop);
}

int32_t CVerticalThumb::Limited(int32_t value) const noexcept
{
    value = std::clamp(value, 0, kTopValue);
    return m_lower == 0 && m_upper == 0 ? value : std::clamp(value, m_lower, m_upper);
}

void CVerticalThumb::SetValue(int32_t value) noexcept
{
    m_value = Limited(value);
    const int64_t span = int64_t{LowestTop()} - m_trackTop;
    m_top = m_trackTop + static_cast<int32_t>(((kTopValue - m_value) * span + kTopValue / 2) / kTopValue);
}

int32_t CVerticalThumb::DragTo(int32_t top) noexcept
{
    m_top = std::clamp(top, m_trackTop, LowestTop());
    return m_top;
}

int32_t CVerticalThumb::Release() noexcept
{
    const int64_t span = int64_t{LowestTop()} - m_trackTop;
    // A thumb as tall as its track cannot move: it stands at the top.
    const int64_t fromTop = span > 0 ? std::min<int64_t>((int64_t{m_top} - m_trackTop) * kTopValue / span, kTopValue) : 0;
    m_value = Limited(kTopValue - static_cast<int32_t>(fromTop));
    return m_value;
}
