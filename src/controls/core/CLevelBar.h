#pragma once

#include <cstdint>

// A level bar as numbers: a value within a range (0 to 10 unless set) shown as the part of the
// bar, from its left edge, that is filled; a point on the bar picks the value under it.
class CLevelBar
{
public:
    static constexpr int32_t kDefaultMinimum = 0;
    static constexpr int32_t kDefaultMaximum = 10;

    // The bar's left and right edges, in the coordinates points are given in.
    CLevelBar(int32_t left, int32_t right) noexcept;

    // The smaller argument is the minimum; the value is kept within the range.
    void SetRange(int32_t a, int32_t b) noexcept;
    void SetValue(int32_t value) noexcept;
    // The value under `x` (left of the bar: the minimum), kept within the range; true when it
    // changed.
    bool PointAt(int32_t x) noexcept;

    [[nodiscard]] int32_t Value() const noexcept { return m_value; }
    [[nodiscard]] int32_t Minimum() const noexcept { return m_minimum; }
    [[nodiscard]] int32_t Maximum() const noexcept { return m_maximum; }
    // How many pixels from the left edge the value fills.
    [[nodiscard]] int32_t FilledWidth() const noexcept;

private:
    int32_t m_left;
    int32_t m_right;
    int32_t m_minimum = kDefaultMinimum;
    int32_t m_maximum = kDefaultMaximum;
    int32_t m_value = kDefaultMinimum;
};
