#include "config/ProfileFileNames.h"

#include <array>
#include <cwchar>

#include "config/IniFile.h"
#include "platform/FileSystem.h"
#include "platform/TextCase.h"

namespace ProfileFileNames {
namespace {

constexpr std::wstring_view kForbidden = L"\\/:*?\"<>|";
constexpr std::array<std::wstring_view, 22> kReservedNames = {
    L"con",  L"prn",  L"aux",  L"nul",  L"com1", L"com2", L"com3", L"com4", L"com5", L"com6", L"com7",
    L"com8", L"com9", L"lpt1", L"lpt2", L"lpt3", L"lpt4", L"lpt5", L"lpt6", L"lpt7", L"lpt8", L"lpt9",
};

// Windows reserves a device name also with any extension ("NUL.txt") and trailing blanks.
bool IsReservedDeviceName(std::wstring_view name)
{
    std::wstring_view stem = name.substr(0, name.find(L'.'));
    while (!stem.empty() && stem.back() == L' ')
        stem.remove_suffix(1);
    const std::wstring folded = platform::FoldCase(stem);
    for (std::wstring_view reserved : kReservedNames) {
        if (folded == reserved)
            return true;
    }
    return false;
}

bool IsHighSurrogate(wchar_t c) noexcept
{
    return sizeof(wchar_t) == 2 && c >= 0xD800 && c <= 0xDBFF;
}

std::wstring NumberedCandidate(std::wstring_view mappedName, int number)
{
    wchar_t digits[8];
    swprintf(digits, 8, L"%04d", number);
    return Cut(mappedName, kNumberedPrefixLength) + digits;
}

bool BelongsToProfile(const std::wstring& path, std::wstring_view profileName, const FormerFile* former)
{
    const IniFile::Loaded loaded = IniFile::LoadChecked(path);
    if (loaded.status == platform::ReadStatus::Missing)
        return true;
    if (loaded.status != platform::ReadStatus::Read)
        return false;
    const std::wstring stored = loaded.file.GetString(L"PROPERTIES", L"name", L"");
    if (stored.empty() || stored == profileName)
        return true;
    return former != nullptr && stored == former->name && platform::IsSameFile(path, former->path);
}

}  // namespace

std::wstring Sanitize(std::wstring_view name)
{
    std::wstring mapped(name);
    for (wchar_t& c : mapped) {
        if (c < 32 || c == 127 || kForbidden.find(c) != std::wstring_view::npos)
            c = L'_';
    }
    for (auto it = mapped.rbegin(); it != mapped.rend() && (*it == L'.' || *it == L' '); ++it)
        *it = L'_';
    if (mapped.empty())
        return L"_";
    if (IsReservedDeviceName(mapped))
        mapped.insert(0, 1, L'_');
    return mapped;
}

std::wstring Cut(std::wstring_view text, size_t length)
{
    if (text.size() <= length)
        return std::wstring(text);
    if (length > 0 && IsHighSurrogate(text[length - 1]))
        --length;
    return std::wstring(text.substr(0, length));
}

std::wstring FromGiven(std::wstring_view baseName)
{
    return Sanitize(Cut(baseName, kMaxBaseNameLength));
}

std::optional<std::wstring> Generate(std::wstring_view profileName, const std::wstring& folder,
                                     const std::wstring& extension, const FormerFile* former)
{
    const std::wstring mapped = Sanitize(profileName);
    if (profileName.size() <= kMaxBaseNameLength &&
        BelongsToProfile(FilePath(folder, mapped, extension), profileName, former))
        return mapped;
    for (int number = 0; number < kNumberedCandidates; ++number) {
        std::wstring candidate = NumberedCandidate(mapped, number);
        if (BelongsToProfile(FilePath(folder, candidate, extension), profileName, former))
            return candidate;
    }
    return std::nullopt;
}

std::wstring FilePath(const std::wstring& folder, std::wstring_view baseName, const std::wstring& extension)
{
    return folder + std::wstring(baseName) + L"." + extension;
}

}  // namespace ProfileFileNames
