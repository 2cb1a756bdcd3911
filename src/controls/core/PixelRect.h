#pragma once

#include <cstdint>

// A rectangle of pixels (left and top inside, right and bottom just outside), for the controls'
// arithmetic without the platform's RECT.
struct PixelRect
{
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    [[nodiscard]] int32_t Width() const noexcept { return right - left; }
    [[nodiscard]] int32_t Height() const noexcept { return bottom - top; }

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};
