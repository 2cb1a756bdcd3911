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

// Case conversion of displayed text over the same letters. Unlike folding, it leaves letters
// that are already small (long s, final sigma) as they are.
[[nodiscard]] wchar_t ToUpper(wchar_t c) noexcept;
[[nodiscard]] std::wstring ToUpper(std::wstring_view text);
[[nodiscard]] std::wstring ToLower(std::wstring_view text);

}  // namespace platform
