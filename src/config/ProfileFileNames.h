#pragma once

#include <optional>
#include <string>
#include <string_view>

// File base names of profile files in the save folder. A profile name becomes a file name, so
// characters that a file name cannot hold or that would leave the folder (separators, ":",
// wildcards, quotes, "<", ">", "|", control characters), trailing dots and blanks, and the
// reserved device names (CON, NUL, COM1 ...) are mapped to "_" in the base name. The name
// inside the file stays exact.
namespace ProfileFileNames {

// Names shorter than this are used whole; longer ones are cut and numbered.
inline constexpr size_t kMaxBaseNameLength = 127;
inline constexpr size_t kNumberedPrefixLength = 123;
inline constexpr int kNumberedCandidates = 100;

[[nodiscard]] std::wstring Sanitize(std::wstring_view name);

// Cuts text to at most `length` characters without splitting a UTF-16 surrogate pair.
[[nodiscard]] std::wstring Cut(std::wstring_view text, size_t length);

// A base name given by a caller: cut to 127 characters, then sanitised.
[[nodiscard]] std::wstring FromGiven(std::wstring_view baseName);

// The file a profile had before a rename, which the renamed profile may keep.
struct FormerFile
{
    std::wstring path;
    std::wstring name;  // the name the file holds for the profile
};

// The base name under which a profile of this name is saved in the folder. Candidates are tried
// in order: the mapped name itself (short names only), then its first 123 characters followed
// by 0000 to 0099. A candidate is taken when its file is missing, holds no name, holds exactly
// this profile's name, or is the former file holding the former name. A file of another name,
// even one differing only in letter case (the same file on Windows for "Work" and "work"), or
// one that cannot be read, is another profile's. nullopt when no candidate is left.
[[nodiscard]] std::optional<std::wstring> Generate(std::wstring_view profileName, const std::wstring& folder,
                                                   const std::wstring& extension,
                                                   const FormerFile* former = nullptr);

[[nodiscard]] std::wstring FilePath(const std::wstring& folder, std::wstring_view baseName,
                                    const std::wstring& extension);

}  // namespace ProfileFileNames
