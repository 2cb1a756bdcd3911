#pragma once

#include <cstdint>
#include <string_view>

// The language keys that name function codes and button numbers.
namespace NameKeys {

// Language key naming a function code; empty for codes outside 0 to 61.
[[nodiscard]] std::wstring_view FunctionNameKey(int32_t code) noexcept;

// Language key naming a button number; "<null>" for 0, empty for numbers without a name.
[[nodiscard]] std::wstring_view ButtonNameKey(int32_t button) noexcept;

}  // namespace NameKeys
