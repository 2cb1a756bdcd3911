#pragma once

#include <string>
#include <string_view>

// Case-insensitive comparison of names (profiles, macros, INI sections and keys). The folding
// is our own rather than the C library's so that both builds agree on every character,
// whatever the process locale: ASCII, Latin-1, Latin Extended-A, Greek and Cyrillic letters.
namespace platform {

[[nodiscard]] wchar_t FoldCase(wchar_t c) noexcept;
[[nodiscard]] std::wstring FoldCase(std::wstring_view text);
[[nodiscard]] bool EqualsIgnoreCase(std::wstring_view a, std::wstring_view b) noexcept;

}  // namespace platform
