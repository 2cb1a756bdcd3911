#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// File access for the portable core. Paths are wide strings as the program builds them
// (program directory + folder + name); on Linux they are stored as UTF-8.
namespace platform {

#ifdef _WIN32
inline constexpr wchar_t kPathSeparator = L'\\';
#else
inline constexpr wchar_t kPathSeparator = L'/';
#endif

[[nodiscard]] std::filesystem::path ToFsPath(std::wstring_view path);
[[nodiscard]] std::wstring FromFsPath(const std::filesystem::path& path);

// The whole file; nullopt when it cannot be opened or read.
[[nodiscard]] std::optional<std::string> ReadFileBytes(const std::wstring& path);

enum class ReadStatus
{
    Read,
    Missing,   // no such file
    TooLarge,  // the file holds more than the bytes allowed
    Failed,    // the file is there but cannot be opened or read (a folder, no access, ...)
};
struct FileRead
{
    ReadStatus status = ReadStatus::Missing;
    std::string bytes;  // the whole file when status is Read, else empty
};
// The whole file when it holds at most maxBytes bytes. Reading stops as soon as more arrive, so
// a huge file costs no more memory than the bound.
[[nodiscard]] FileRead ReadFileBounded(const std::wstring& path, uint64_t maxBytes);

// Writes a temporary file beside the target, flushes it and renames it over the target, so a
// failed or interrupted write never leaves a torn file in place of a good one.
[[nodiscard]] bool WriteFileAtomically(const std::wstring& path, std::string_view bytes);

bool RemoveFile(const std::wstring& path) noexcept;

// True when both paths name one existing file (for example, two spellings that differ only in
// letter case on a case-insensitive file system).
[[nodiscard]] bool IsSameFile(const std::wstring& a, const std::wstring& b) noexcept;

// Names (without folder) of the regular files in a folder whose extension equals the given one
// ignoring case, in the order the file system returns them. Empty when the folder is missing.
[[nodiscard]] std::vector<std::wstring> ListFiles(const std::wstring& folder, std::wstring_view extension);

// File name and extension of a path: what follows its last separator ('\', '/' or a drive ':').
[[nodiscard]] std::wstring FileNameOf(std::wstring_view path);

}  // namespace platform
