#include "controls/core/CLevelBar.h"

#include <algorithm>
#include <cstdint>

CLevelBar::CLevelBar(int32_t left, int32_t right) noexcept : m_left(left), m_right(std::max(left, right)) {}

void CLevelBar::SetRange(int32_t a, int32_t b) noexcept
{
    m_minimum = std::min(a, b);
    m_maximum = std::max(a, b);
    m_value = std::clamp(m_value, m_minimum, m_maximum);
}

void CLevelBar::SetValue(int32_t value) noexcept
{
    m_value = std::clamp(value, m_minimum, m_maximum);
}

bool CLevelBar::PointAt(int32_t x) noexcept
{
    const int64_t width = int64_t{m_right} - m_left;
    // A bar without width has no place for any value but the minimum.
    const int64_t along = std::max(x, m_left) - int64_t{m_left};
    const int64_t value = width > 0 ? m_minimum + (int64_t{m_maximum} - m_minimum) * along / width : m_minimum;
    const int32_t previous = m_value;
    m_value = static_cast<int32_t>(std::clamp<int64_t>(value, m_minimum, m_maximum));
    return m_value != previous;
}

int32_t CLevelBar::FilledWidth() const noexcept
{
    const int64_t range = int64_t{m_maximum} - m_minimum;
    if (range == 0)
        return 0;
    return static_cast<int32_t>((int64_t{m_right} - m_left) * (int64_t{m_value} - m_minimum) / range);
}
