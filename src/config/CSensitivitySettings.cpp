#include "config/CSensitivitySettings.h"

#include "config/IMouseConfig.h"

std::optional<CSensitivitySettings::Range> CSensitivitySettings::RangeOf(int32_t resolution) noexcept
{
    if (resolution == kLowResolution)
        return Range{110, 800, 10};
    if (resolution == kHighResolution)
        return Range{220, 1800, 20};
    return std::nullopt;
}

int32_t CSensitivitySettings::Positions(const Range& range) noexcept
{
    return static_cast<int32_t>((range.maximum - range.minimum) / range.step) + 1;
}

int32_t CSensitivitySettings::ValueAt(const Range& range, int32_t position) noexcept
{
    return static_cast<int32_t>(range.minimum) + static_cast<int32_t>(range.step) * (position - 1);
}

int32_t CSensitivitySettings::PositionOf(const Range& range, int32_t value) noexcept
{
    const auto step = static_cast<int32_t>(range.step);
    return (value - static_cast<int32_t>(range.minimum) + step) / step;
}

bool CSensitivitySettings::ChooseResolution(int32_t resolution)
{
    const std::optional<Range> range = RangeOf(resolution);
    if (!range)
        return false;
    m_config.SetResolution(resolution);
    m_config.SetSensitivityRange(range->minimum, range->maximum, range->step);
    m_config.SetSensitivity(resolution);
    m_config.SetSensitivityX(resolution);
    m_config.SetSensitivityY(resolution);
    return true;
}

CSensitivitySettings::Range CSensitivitySettings::CurrentRange() const
{
    Range range;
    if (!m_config.GetSensitivityRange(range.minimum, range.maximum, range.step) || range.step == 0)
        return RangeOf(kLowResolution).value_or(Range{});
    return range;
}

void CSensitivitySettings::SetFromPosition(Axis axis, int32_t position)
{
    const int32_t value = ValueAt(CurrentRange(), position);
    switch (axis)
    {
    case Axis::Both: m_config.SetSensitivity(value); break;
    case Axis::X: m_config.SetSensitivityX(value); break;
    case Axis::Y: m_config.SetSensitivityY(value); break;
    }
}

int32_t CSensitivitySettings::PositionOf(Axis axis) const
{
    const int32_t value = axis == Axis::Both ? m_config.GetSensitivity()
                          : axis == Axis::X  ? m_config.GetSensitivityX()
                                             : m_config.GetSensitivityY();
    return PositionOf(CurrentRange(), value);
}

bool CSensitivitySettings::SetSeparate(bool separate)
{
    if (m_config.GetSensitivitySeparateXY() == separate)
        return false;
    m_config.SetSensitivitySeparateXY(separate);
    if (separate)
    {
        const int32_t value = m_config.GetSensitivity();
        m_config.SetSensitivityX(value);
        m_config.SetSensitivityY(value);
    }
    else
    {
        m_config.SetSensitivity(m_config.GetSensitivityX());
    }
    return true;
}
