#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// wchar_t is UTF-16 on Windows and UTF-32 on Linux, while the binary blocks the device
// service exchanges (assignment parameters, names in records) always hold UTF-16. These
// conversions are the only place that difference is handled.
namespace platform {

[[nodiscard]] std::u16string ToUtf16(std::wstring_view text);
[[nodiscard]] std::wstring FromUtf16(std::u16string_view text);

// Reads a NUL-terminated UTF-16 string from a fixed buffer, never past `capacity` units.
[[nodiscard]] std::wstring ReadUtf16Buffer(const char16_t* buffer, size_t capacity);

// Writes `text` into a fixed buffer of `capacity` units, cut to capacity - 1 units and always
// NUL-terminated; the rest of the buffer is zeroed. A surrogate pair is never split. Returns the
// number of units written before the terminator.
size_t WriteUtf16Buffer(std::wstring_view text, char16_t* buffer, size_t capacity) noexcept;

// UTF-8 for file names and text files on the native build.
[[nodiscard]] std::string ToUtf8(std::wstring_view text);
[[nodiscard]] std::wstring FromUtf8(std::string_view text);

}  // namespace platform
