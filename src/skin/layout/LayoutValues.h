#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "skin/layout/ItemDescriptions.h"

// The value syntax of layout attributes and element texts.
namespace LayoutValues {

// Without white space (space, tab, line feed, vertical tab, form feed, carriage return) at
// both ends.
[[nodiscard]] std::wstring_view Trim(std::wstring_view text) noexcept;
[[nodiscard]] std::string_view Trim(std::string_view text) noexcept;

// Optional leading white space and sign, then decimal digits up to the first other character;
// empty or non-numeric text gives 0. A value beyond the 32-bit range saturates at its limit.
[[nodiscard]] int32_t ParseInteger(std::wstring_view text) noexcept;
[[nodiscard]] int32_t ParseInteger(std::string_view text) noexcept;

// An item identifier by name, ignoring case; -1 for an unknown or empty name.
[[nodiscard]] int32_t ParseIdentifier(std::wstring_view name);
// A colour value by name, ignoring case; nullopt for an unknown name.
[[nodiscard]] std::optional<int32_t> ParseColour(std::wstring_view name);
// First character L, R or C; anything else leaves the item's default.
[[nodiscard]] Justify ParseJustify(std::wstring_view text) noexcept;
// First character L: lower case (2), U: upper case (1), anything else: unchanged (0).
[[nodiscard]] int32_t ParseCaps(std::wstring_view text) noexcept;

// UTF-8 (as the XML reader hands out text) to wide text of at most maxUnits UTF-16 units; a
// character that would not fit whole is left out.
[[nodiscard]] std::wstring ToWide(std::string_view utf8, size_t maxUnits);
// The same cut applied to wide text.
[[nodiscard]] std::wstring CutToUtf16Units(std::wstring_view text, size_t maxUnits);

}  // namespace LayoutValues
