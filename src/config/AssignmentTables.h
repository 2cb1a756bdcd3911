#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "config/AssignmentInfo.h"

// The fixed tables around button and key assignments: which codes each button may take, and the
// defaults of a new profile. (The language keys naming codes and buttons are vocabulary/NameKeys.h.)
namespace AssignmentTables {

// Button numbers that hold button assignments on this mouse.
inline constexpr int32_t kButtonLeft = 1;
inline constexpr int32_t kButtonRight = 2;
inline constexpr int32_t kButtonWheel = 3;
inline constexpr int32_t kButtonScrollUp = 10;
inline constexpr int32_t kButtonScrollDown = 11;

// Scan codes of the keypad keys in the order a new profile assigns them: the top-row keys
// 1 to 0, minus and equals, then numeric-pad 1 to 9, 0, minus and plus.
inline constexpr std::array<uint32_t, 24> kKeypadKeys = {2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                                                         79, 80, 81, 75, 76, 77, 71, 72, 73, 82, 74, 78};

// The codes a button (or, with any other number, a keypad key) may take, in the order the
// choice list shows them. Codes 6 and 21 are implied by 5 and 20.
[[nodiscard]] std::span<const int32_t> AllowedFunctions(int32_t button) noexcept;
[[nodiscard]] bool IsFunctionAllowed(int32_t code, int32_t button) noexcept;

// Defaults of a new profile, in the order they are applied.
[[nodiscard]] const std::vector<std::pair<int32_t, AssignmentInfo>>& DefaultButtonAssignments();
[[nodiscard]] const std::vector<std::pair<uint32_t, AssignmentInfo>>& DefaultKeyAssignments();

// The default of one button or key; unassigned when it has none.
[[nodiscard]] AssignmentInfo DefaultButtonAssignment(int32_t button);
[[nodiscard]] AssignmentInfo DefaultKeyAssignment(uint32_t key);

}  // namespace AssignmentTables
