#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// What an edit field restricted to whole numbers in [minimum, maximum] lets through.
namespace NumericEntry {

// Virtual keys whose key-down messages reach the field: Backspace, Left, Right, Delete, the
// digits and the keypad digits. Every other key is swallowed.
[[nodiscard]] bool PassesKey(uint32_t virtualKey) noexcept;

// A typed character over `text`, whose selection [selectionStart, selectionEnd) it replaces:
// Backspace passes; a digit passes when the text it makes can still become a number in the
// range; everything else is swallowed.
[[nodiscard]] bool AcceptsCharacter(std::wstring_view text, size_t selectionStart, size_t selectionEnd,
                                    wchar_t character, int32_t minimum, int32_t maximum);

// True when `digits` is a number in the range, or the start of one that more typing can reach
// (so that, with a minimum of 10, typing 1 is not refused). A leading zero only stands for 0.
[[nodiscard]] bool CanBecome(std::wstring_view digits, int32_t minimum, int32_t maximum) noexcept;

}  // namespace NumericEntry
