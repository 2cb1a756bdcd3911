#pragma once

#include <cstdint>
#include <optional>

class IMouseConfig;

// The active profile's sensitivity as the performance page shows it: the range that belongs to
// each base resolution, the slider position of a value, and the X/Y switch. A position p of a
// range stands for minimum + step × (p − 1), so 800 has 70 positions and 1800 has 80.
class CSensitivitySettings
{
public:
    struct Range
    {
        uint32_t minimum = 0;
        uint32_t maximum = 0;
        uint32_t step = 1;
    };
    enum class Axis : uint8_t
    {
        Both,
        X,
        Y
    };
    static constexpr int32_t kLowResolution = 800;
    static constexpr int32_t kHighResolution = 1800;

    // The range of a base resolution; none for a resolution other than 800 and 1800.
    [[nodiscard]] static std::optional<Range> RangeOf(int32_t resolution) noexcept;
    [[nodiscard]] static int32_t Positions(const Range& range) noexcept;
    [[nodiscard]] static int32_t ValueAt(const Range& range, int32_t position) noexcept;
    [[nodiscard]] static int32_t PositionOf(const Range& range, int32_t value) noexcept;

    explicit CSensitivitySettings(IMouseConfig& config) noexcept : m_config(config) {}

    // A resolution button: the base resolution, its range, and every sensitivity at the top
    // of it. Other resolutions are refused.
    bool ChooseResolution(int32_t resolution);
    // The active profile's range as stored.
    [[nodiscard]] Range CurrentRange() const;
    // A slider moved to `position`: the value it stands for in the current range.
    void SetFromPosition(Axis axis, int32_t position);
    // Where the slider of an axis shows the stored value.
    [[nodiscard]] int32_t PositionOf(Axis axis) const;
    // Sets X and Y apart or together. Setting them apart gives X and Y the combined value;
    // linking them gives the combined value X's. False when the switch was already so.
    bool SetSeparate(bool separate);

private:
    IMouseConfig& m_config;
};
