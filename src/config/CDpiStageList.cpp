#include "config/CDpiStageList.h"

#include <algorithm>

#include "config/IMouseConfig.h"

CDpiStageList::CDpiStageList(uint32_t minimum, uint32_t maximum, uint32_t step, std::vector<Stage> stages,
                             uint32_t activeCount)
    : m_minimum(minimum), m_maximum(maximum), m_step(step != 0 ? step : 1), m_activeCount(activeCount),
      m_stages(std::move(stages))
{
    while (m_stages.size() < kShownStages)
    {
        const int32_t value = kDefaultValues[m_stages.size()];
        m_stages.push_back(Stage{value, value, value, false, false, false});
    }
    m_activeCount = std::min(m_activeCount, static_cast<uint32_t>(m_stages.size()));
    MarkEnabled();
}

CDpiStageList CDpiStageList::FromConfig(IMouseConfig& config)
{
    uint32_t minimum = 0;
    uint32_t maximum = 0;
    uint32_t step = 0;
    (void)config.GetResolutionRange(minimum, maximum, step);
    if (maximum == 0)
    {
        minimum = kDefaultMinimum;
        maximum = kDefaultMaximum;
        step = kDefaultStep;
    }
    const uint32_t count = config.GetResolutionStageCount();
    const int32_t current = config.GetResolutionStage();
    const uint32_t active = config.GetResolutionActiveStageCount();
    std::vector<Stage> stages;
    for (uint32_t number = 1; number <= count; ++number)
        stages.push_back(Stage{config.GetResolutionStageValue(number), config.GetResolutionStageValueX(number),
                               config.GetResolutionStageValueY(number), static_cast<int32_t>(number) == current,
                               number <= active, config.GetResolutionStageSeparateXY(number)});
    if (count != 0)
        return CDpiStageList(minimum, maximum, step, std::move(stages), active);
    // A profile that holds no stages yet (a new one, or one read from the mouse, which keeps
    // none) would open on five hidden tiles and a count of 0: it offers the defaults instead.
    CDpiStageList defaults(minimum, maximum, step, {}, kShownStages);
    (void)defaults.Select(0);
    return defaults;
}

bool CDpiStageList::StoreInto(IMouseConfig& config) const
{
    IMouseProfile* profile = config.GetActiveProfile();
    if (profile == nullptr)
        return false;
    // A number past a profile's last stage addresses its last stage: the padded stages need
    // places of their own, or they would overwrite it.
    // Stage values are kept within the profile's range: one it never had would store them all
    // as 0.
    uint32_t minimum = 0;
    uint32_t maximum = 0;
    uint32_t step = 0;
    if (!config.GetResolutionRange(minimum, maximum, step, profile) || maximum == 0)
        config.SetResolutionRange(m_minimum, m_maximum, m_step, profile);
    const auto size = static_cast<uint32_t>(m_stages.size());
    if (config.GetResolutionStageCount(profile) < size && !config.SetResolutionStageCount(size, profile))
        return false;
    config.SetResolutionActiveStageCount(m_activeCount, profile);
    for (uint32_t number = 1; number <= size; ++number)
    {
        const Stage& stage = m_stages[number - 1];
        config.SetResolutionStageValue(number, static_cast<uint32_t>(stage.value), profile);
        config.SetResolutionStageValueX(number, static_cast<uint32_t>(stage.xValue), profile);
        config.SetResolutionStageValueY(number, static_cast<uint32_t>(stage.yValue), profile);
        config.SetResolutionStageSeparateXY(number, stage.separate, profile);
        if (!stage.current)
            continue;
        (void)config.SelectResolutionStage(static_cast<int32_t>(number), profile);
        config.SetResolution(stage.value, profile);
        config.SetResolutionX(stage.xValue, profile);
        config.SetResolutionY(stage.yValue, profile);
        config.SetResolutionSeparateXY(stage.separate, profile);
    }
    return true;
}

int CDpiStageList::CurrentIndex() const noexcept
{
    const auto found = std::find_if(m_stages.begin(), m_stages.end(), [](const Stage& s) { return s.current; });
    return found != m_stages.end() ? static_cast<int>(found - m_stages.begin()) : -1;
}

void CDpiStageList::MarkEnabled() noexcept
{
    for (size_t index = 0; index < m_stages.size(); ++index)
        m_stages[index].enabled = index < m_activeCount;
    const int current = CurrentIndex();
    if (current >= 0 && !m_stages[static_cast<size_t>(current)].enabled && m_activeCount != 0)
    {
        m_stages[static_cast<size_t>(current)].current = false;
        m_stages[std::min<size_t>(m_activeCount, m_stages.size()) - 1].current = true;
    }
}

void CDpiStageList::ChangeActiveCount(int delta) noexcept
{
    const auto wanted = static_cast<int64_t>(m_activeCount) + delta;
    m_activeCount = static_cast<uint32_t>(std::clamp<int64_t>(wanted, 1, static_cast<int64_t>(m_stages.size())));
    MarkEnabled();
}

bool CDpiStageList::Select(size_t index) noexcept
{
    if (index >= m_stages.size())
        return false;
    for (size_t other = 0; other < m_stages.size(); ++other)
        m_stages[other].current = other == index;
    return true;
}

int32_t CDpiStageList::ValueOfPosition(int32_t position) const noexcept
{
    const int64_t value = static_cast<int64_t>(position) * m_step;
    return static_cast<int32_t>(std::clamp<int64_t>(value, m_minimum, std::max(m_minimum, m_maximum)));
}

int32_t CDpiStageList::PositionOfValue(int32_t value) const noexcept
{
    return static_cast<int32_t>(value / static_cast<int32_t>(m_step));
}

int32_t CDpiStageList::FirstPosition() const noexcept
{
    return static_cast<int32_t>(m_minimum / m_step);
}

int32_t CDpiStageList::LastPosition() const noexcept
{
    return static_cast<int32_t>(m_maximum / m_step);
}

CDpiStageList::Stage* CDpiStageList::Current() noexcept
{
    const int index = CurrentIndex();
    return index >= 0 ? &m_stages[static_cast<size_t>(index)] : nullptr;
}

void CDpiStageList::SetCurrentValue(Axis axis, int32_t value) noexcept
{
    Stage* stage = Current();
    if (stage == nullptr)
        return;
    switch (axis)
    {
    case Axis::Both: stage->value = value; break;
    case Axis::X: stage->xValue = value; break;
    case Axis::Y: stage->yValue = value; break;
    }
}

void CDpiStageList::SetCurrentSeparate(bool separate) noexcept
{
    Stage* stage = Current();
    if (stage == nullptr || stage->separate == separate)
        return;
    stage->separate = separate;
    if (separate)
        stage->xValue = stage->yValue = stage->value;
    else
        stage->value = stage->xValue;
}
