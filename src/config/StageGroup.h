#pragma once

#include <cstdint>
#include <vector>

struct StageEntry
{
    int32_t value = 0;
    int32_t valueX = 0;
    int32_t valueY = 0;
    uint8_t separateXY = 0;
};

// A value with X and Y parts and up to ten stages, used twice per profile: the resolution
// group (base resolution and DPI stages) and the sensitivity group.
//
// Stages are numbered from 1. A number past the last stage addresses the last stage. Stage 0,
// and any stage of a group that has no stages, addresses nothing: reads give 0 and writes are
// dropped, instead of reaching before the array.
class StageGroup
{
public:
    static constexpr uint32_t kMaxStages = 10;

    uint32_t rangeMin = 0;
    uint32_t rangeMax = 0;
    uint32_t rangeStep = 0;
    uint32_t activeStageCount = 0;
    int32_t currentStage = -1;
    int32_t value = 0;
    int32_t valueX = 0;
    int32_t valueY = 0;
    uint8_t separateXY = 0;

    [[nodiscard]] uint32_t StageCount() const noexcept { return static_cast<uint32_t>(m_stages.size()); }

    // Reallocates count zeroed stages (count clamped to 1..10) and selects stage 1.
    void SetStageCount(uint32_t count);

    // Copies up to StageCount() entries from another group, leaving the rest as they are.
    void CopyStageEntries(const StageGroup& source) noexcept;

    void SetActiveStageCount(uint32_t count) noexcept;

    // Selects a stage by number and returns the stored 0-based index (-1 for stage 0).
    int32_t Select(int32_t stage) noexcept;

    // The stage a number addresses, or null (see above).
    [[nodiscard]] StageEntry* Stage(uint32_t stage) noexcept;
    [[nodiscard]] const StageEntry* Stage(uint32_t stage) const noexcept;

    // Limits a value written to a stage to the range; the maximum is tested first.
    [[nodiscard]] int32_t Clamp(uint32_t v) const noexcept;

    // Shared rules for the index and selection arithmetic, also used by the configuration
    // manager's fallback stages.
    [[nodiscard]] static int32_t StageIndex(uint32_t stage, uint32_t stageCount) noexcept;
    [[nodiscard]] static int32_t SelectionIndex(int32_t stage, uint32_t stageCount) noexcept;
    [[nodiscard]] static int32_t ClampToRange(uint32_t v, uint32_t rangeMin, uint32_t rangeMax) noexcept;

private:
    std::vector<StageEntry> m_stages;
};
