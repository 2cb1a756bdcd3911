#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"

// An INI document: "[section]" lines open sections, "key=value" lines give values. Section and
// key names are compared ignoring case and the first match wins; a missing file, section or key
// reads as the default. Loading accepts UTF-16 (either byte order, with its mark), UTF-8 and
// 8-bit files; saving writes UTF-16LE with a byte-order mark, which the Win32 profile functions
// also read, and replaces the file atomically. Lines that are not understood are kept as they
// are, so rewriting a file changes only the values that were set.
class IniFile
{
public:
    // Buffer sizes of the Win32 readers the profile files were designed around: a string
    // value is cut to 4095 characters and a whole section to 8191.
    static constexpr size_t kStringBufferChars = 4096;
    static constexpr size_t kSectionBufferChars = 8192;

    // Profile and settings files are a few hundred bytes; a larger file than this is refused
    // rather than read into memory whole.
    static constexpr uint64_t kMaxFileBytes = 1024 * 1024;

    IniFile() = default;

    struct Loaded;
    // The document, and whether the file was read, missing, too large or unreadable (all but
    // the first give an empty document).
    [[nodiscard]] static Loaded LoadChecked(const std::wstring& path);
    // An unreadable, too large or missing file gives an empty document.
    [[nodiscard]] static IniFile Load(const std::wstring& path);
    [[nodiscard]] static IniFile Parse(std::string_view bytes);

    [[nodiscard]] std::optional<std::wstring> Find(std::wstring_view section, std::wstring_view key) const;
    [[nodiscard]] std::wstring GetString(std::wstring_view section, std::wstring_view key,
                                         std::wstring_view defaultValue,
                                         size_t bufferChars = kStringBufferChars) const;
    // The leading decimal number of the value (0 when there is none); the default when the key
    // is missing.
    [[nodiscard]] int32_t GetInt(std::wstring_view section, std::wstring_view key, int32_t defaultValue) const;
    // The section's "key=value" lines as written, cut to the buffer as a whole.
    [[nodiscard]] std::vector<std::wstring> GetSectionLines(std::wstring_view section,
                                                            size_t bufferChars = kSectionBufferChars) const;

    void Set(std::wstring_view section, std::wstring_view key, std::wstring_view value);

    [[nodiscard]] std::string Serialize() const;
    [[nodiscard]] bool Save(const std::wstring& path) const;

private:
    struct Section
    {
        std::wstring name;
        std::vector<std::wstring> lines;  // everything after the header line, as read
    };

    [[nodiscard]] const Section* FindSection(std::wstring_view name) const noexcept;
    [[nodiscard]] Section* FindSection(std::wstring_view name) noexcept;

    std::vector<Section> m_sections;  // the first one, unnamed, holds lines before any header
};

struct IniFile::Loaded
{
    IniFile file;
    platform::ReadStatus status = platform::ReadStatus::Missing;
};
