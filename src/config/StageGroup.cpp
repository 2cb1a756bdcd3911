#include "config/StageGroup.h"

#include <algorithm>

void StageGroup::SetStageCount(uint32_t count)
{
    count = std::clamp<uint32_t>(count, 1, kMaxStages);
    m_stages.assign(count, StageEntry{});
    Select(1);
}

void StageGroup::CopyStageEntries(const StageGroup& source) noexcept
{
    const size_t count = std::min(m_stages.size(), source.m_stages.size());
    std::copy_n(source.m_stages.begin(), count, m_stages.begin());
}

void StageGroup::SetActiveStageCount(uint32_t count) noexcept
{
    activeStageCount = std::min(StageCount(), count);
}

int32_t StageGroup::Select(int32_t stage) noexcept
{
    currentStage = SelectionIndex(stage, StageCount());
    return currentStage;
}

StageEntry* StageGroup::Stage(uint32_t stage) noexcept
{
    const int32_t index = StageIndex(stage, StageCount());
    return index < 0 ? nullptr : &m_stages[static_cast<size_t>(index)];
}

const StageEntry* StageGroup::Stage(uint32_t stage) const noexcept
{
    return const_cast<StageGroup*>(this)->Stage(stage);
}

int32_t StageGroup::Clamp(uint32_t v) const noexcept
{
    return ClampToRange(v, rangeMin, rangeMax);
}

int32_t StageGroup::StageIndex(uint32_t stage, uint32_t stageCount) noexcept
{
    if (stage == 0 || stageCount == 0)
        return -1;
    return static_cast<int32_t>(stage > stageCount ? stageCount - 1 : stage - 1);
}

int32_t StageGroup::SelectionIndex(int32_t stage, uint32_t stageCount) noexcept
{
    // Compared as unsigned like every other stage number, so a negative number selects the last.
    if (stageCount != 0 && static_cast<uint32_t>(stage) < stageCount)
        return stage - 1;
    return stageCount == 0 ? 0 : static_cast<int32_t>(stageCount - 1);
}

int32_t StageGroup::ClampToRange(uint32_t v, uint32_t rangeMin, uint32_t rangeMax) noexcept
{
    if (v > rangeMax)
        return static_cast<int32_t>(rangeMax);
    if (v < rangeMin)
        return static_cast<int32_t>(rangeMin);
    return static_cast<int32_t>(v);
}
