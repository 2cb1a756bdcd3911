#pragma once

#include <cstdint>

// Colour values as the layouts and the drawing code store them: red + 256 x green + 65536 x
// blue, the byte order of a Windows COLORREF.
namespace Colour {

[[nodiscard]] constexpr int32_t Rgb(uint8_t red, uint8_t green, uint8_t blue) noexcept
{
    return red + 256 * green + 65536 * blue;
}

[[nodiscard]] constexpr uint8_t Red(int32_t colour) noexcept { return static_cast<uint8_t>(colour & 0xFF); }
[[nodiscard]] constexpr uint8_t Green(int32_t colour) noexcept { return static_cast<uint8_t>((colour >> 8) & 0xFF); }
[[nodiscard]] constexpr uint8_t Blue(int32_t colour) noexcept { return static_cast<uint8_t>((colour >> 16) & 0xFF); }

// The named colours of the layouts.
inline constexpr int32_t kRed = Rgb(255, 0, 0);
inline constexpr int32_t kGreen = Rgb(0, 255, 0);
inline constexpr int32_t kGreen2 = Rgb(1, 116, 6);
inline constexpr int32_t kGreen3 = Rgb(1, 71, 9);
inline constexpr int32_t kBlue = Rgb(0, 0, 255);
inline constexpr int32_t kBlack = Rgb(0, 0, 0);
inline constexpr int32_t kBlack2 = Rgb(11, 11, 11);
// One unit of red away from black: the layouts rely on the two being distinct values.
inline constexpr int32_t kBlack3 = Rgb(1, 0, 0);
inline constexpr int32_t kWhite = Rgb(255, 255, 255);
inline constexpr int32_t kDarkGrey = Rgb(58, 58, 58);
inline constexpr int32_t kMidGrey = Rgb(95, 95, 95);
inline constexpr int32_t kDarkGrey2 = Rgb(43, 43, 43);
inline constexpr int32_t kGrey3 = Rgb(105, 112, 119);

}  // namespace Colour
