#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

class IMouseConfig;
class IMouseProfile;

// The DPI stages as the stages pop-up edits them: the resolution range, how many stages are
// active, and at least five stages, each with its values, its X/Y switch and its current and
// enabled marks. The performance page reads it from a profile (padding to five stages with the
// default values) and stores it back when the user confirms; the pop-up edits it in between.
class CDpiStageList
{
public:
    struct Stage
    {
        int32_t value = 0;
        int32_t xValue = 0;
        int32_t yValue = 0;
        bool current = false;
        bool enabled = false;
        bool separate = false;
    };

    static constexpr size_t kShownStages = 5;
    // The values of stages a profile lacks, by place.
    static constexpr std::array<int32_t, kShownStages> kDefaultValues = {800, 1200, 1800, 4000, 5600};
    // The range of a profile whose stages were never given one (nothing sets it when profiles
    // are made or read from the mouse): it spans the factory stages.
    static constexpr uint32_t kDefaultMinimum = 100;
    static constexpr uint32_t kDefaultMaximum = 5600;
    static constexpr uint32_t kDefaultStep = 100;

    CDpiStageList() = default;
    CDpiStageList(uint32_t minimum, uint32_t maximum, uint32_t step, std::vector<Stage> stages,
                  uint32_t activeCount);

    // The active profile's stages, padded to five: an added stage has its place's default
    // value in value, X and Y and is neither current, enabled nor separate. A profile
    // without stages gets the five defaults, all active, the first current.
    [[nodiscard]] static CDpiStageList FromConfig(IMouseConfig& config);
    // Stores the active count and every stage into the active profile, growing its stage
    // count first so that no stage overwrites another, and makes the stage marked current the
    // profile's current stage and resolution. False without an active profile.
    bool StoreInto(IMouseConfig& config) const;

    [[nodiscard]] uint32_t Minimum() const noexcept { return m_minimum; }
    [[nodiscard]] uint32_t Maximum() const noexcept { return m_maximum; }
    [[nodiscard]] uint32_t Step() const noexcept { return m_step; }
    [[nodiscard]] uint32_t ActiveCount() const noexcept { return m_activeCount; }
    [[nodiscard]] size_t Size() const noexcept { return m_stages.size(); }
    [[nodiscard]] const Stage& At(size_t index) const { return m_stages.at(index); }
    [[nodiscard]] const std::vector<Stage>& Stages() const noexcept { return m_stages; }
    // The place (from 0) of the stage marked current; -1 when none is.
    [[nodiscard]] int CurrentIndex() const noexcept;

    // Marks the stages below the active count enabled. A current stage that is no longer
    // enabled hands its mark to the last enabled stage.
    void MarkEnabled() noexcept;
    // Changes the active count by `delta`, kept within 1 and the number of stages, and marks
    // again.
    void ChangeActiveCount(int delta) noexcept;
    // Makes the stage at `index` (from 0) the current one; false for a place outside the list.
    bool Select(size_t index) noexcept;

    // The value of a pop-up slider position (position × step), kept within the range.
    [[nodiscard]] int32_t ValueOfPosition(int32_t position) const noexcept;
    // The slider position that shows `value`, and the first and last positions.
    [[nodiscard]] int32_t PositionOfValue(int32_t value) const noexcept;
    [[nodiscard]] int32_t FirstPosition() const noexcept;
    [[nodiscard]] int32_t LastPosition() const noexcept;

    // Which value of the current stage a slider sets.
    enum class Axis : uint8_t
    {
        Both,
        X,
        Y
    };
    void SetCurrentValue(Axis axis, int32_t value) noexcept;
    // Sets the current stage's X/Y switch. Turning it on gives X and Y the value; turning it
    // off gives the value X. Nothing changes when the switch is already so.
    void SetCurrentSeparate(bool separate) noexcept;

private:
    [[nodiscard]] Stage* Current() noexcept;

    uint32_t m_minimum = 0;
    uint32_t m_maximum = 0;
    uint32_t m_step = 1;
    uint32_t m_activeCount = 1;
    std::vector<Stage> m_stages;
};
