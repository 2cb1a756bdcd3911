#pragma once

#include <cstdint>

// Function codes a button or keypad key can carry; -1 is "unassigned".
namespace FunctionCode {
inline constexpr int32_t kUnassigned = -1;
inline constexpr int32_t kClick = 0;
inline constexpr int32_t kMenu = 1;
inline constexpr int32_t kUniversalScrolling = 2;
inline constexpr int32_t kDoubleClick = 3;
inline constexpr int32_t kSingleKey = 4;
inline constexpr int32_t kMacro = 5;
inline constexpr int32_t kMacroByName = 6;
inline constexpr int32_t kButtonOff = 7;
inline constexpr int32_t kOnTheFlySensitivity = 9;
inline constexpr int32_t kProfile = 20;
inline constexpr int32_t kProfileByName = 21;
inline constexpr int32_t kBackward = 31;
inline constexpr int32_t kForward = 32;
inline constexpr int32_t kScrollUp = 39;
inline constexpr int32_t kScrollDown = 40;
inline constexpr int32_t kLast = 61;
}  // namespace FunctionCode
