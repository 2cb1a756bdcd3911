#pragma once

#include <cstdint>

// The thumb of a vertical slider as numbers: it moves between the top of its track and the
// lowest place where it still fits, and reads as a percentage, 100 at the top and 0 at the
// bottom. Limits (both 0: none) narrow the percentages the slider reports.
class CVerticalThumb
{
public:
    static constexpr int32_t kTopValue = 100;

    CVerticalThumb(int32_t trackTop, int32_t trackBottom, int32_t thumbHeight) noexcept;

    // The smaller argument is the lower limit; 0 and 0 remove the limits.
    void SetLimits(int32_t lower, int32_t upper) noexcept;
    // Shows a value (within 0 to 100 and the limits) at its place on the track.
    void SetValue(int32_t value) noexcept;
    // Moves the thumb's top there, kept on the track; the top it took.
    int32_t DragTo(int32_t top) noexcept;
    // The value of the place the thumb was left at.
    int32_t Release() noexcept;

    [[nodiscard]] int32_t Top() const noexcept { return m_top; }
    [[nodiscard]] int32_t Value() const noexcept { return m_value; }
    // The thumb's top at the bottom of the track.
    [[nodiscard]] int32_t LowestTop() const noexcept;

private:
    [[nodiscard]] int32_t Limited(int32_t value) const noexcept;

    int32_t m_trackTop;
    int32_t m_trackBottom;
    int32_t m_thumbHeight;
    int32_t m_lower = 0;
    int32_t m_upper = 0;
    int32_t m_value = 0;
    int32_t m_top;
};
