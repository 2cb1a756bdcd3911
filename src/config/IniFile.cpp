#include "config/IniFile.h"

#include <algorithm>
#include <cstdint>

#include "platform/FileSystem.h"
#include "platform/TextCase.h"
#include "platform/Utf16.h"

namespace {

constexpr std::wstring_view kBlanks = L" \t";

std::wstring_view Trim(std::wstring_view text) noexcept
{
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::wstring_view::npos)
        return {};
    const size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

// The section name of a header line, or nullopt when the line is not a header.
std::optional<std::wstring_view> HeaderName(std::wstring_view line) noexcept
{
    line = Trim(line);
    if (line.empty() || line.front() != L'[')
        return std::nullopt;
    const size_t close = line.find(L']');
    return Trim(line.substr(1, close == std::wstring_view::npos ? std::wstring_view::npos : close - 1));
}

struct KeyValue
{
    std::wstring_view key;
    std::wstring_view value;
};

std::optional<KeyValue> SplitEntry(std::wstring_view line) noexcept
{
    const size_t equals = line.find(L'=');
    if (equals == std::wstring_view::npos)
        return std::nullopt;
    std::wstring_view value = Trim(line.substr(equals + 1));
    // A value written with quotes (to keep its outer blanks or quotes) reads without them.
    if (value.size() >= 2 && value.front() == L'"' && value.back() == L'"')
        value = value.substr(1, value.size() - 2);
    return KeyValue{Trim(line.substr(0, equals)), value};
}

std::wstring QuoteIfNeeded(std::wstring_view value)
{
    std::wstring text(value);
    // A value is one line; line breaks inside it would split the entry.
    for (wchar_t& c : text) {
        if (c == L'\r' || c == L'\n')
            c = L' ';
    }
    const bool needsQuotes = !text.empty() && (Trim(text).size() != text.size() ||
                                               (text.size() >= 2 && text.front() == L'"' && text.back() == L'"'));
    return needsQuotes ? L"\"" + text + L"\"" : text;
}

std::wstring DecodeUtf16(std::string_view bytes, bool bigEndian)
{
    std::u16string units(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i) {
        const auto first = static_cast<unsigned char>(bytes[2 * i]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        units[i] = static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    }
    return platform::FromUtf16(units);
}

bool IsValidUtf8(std::string_view bytes)
{
    return platform::ToUtf8(platform::FromUtf8(bytes)) == bytes;
}

std::wstring DecodeText(std::string_view bytes)
{
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF && static_cast<unsigned char>(bytes[1]) == 0xFE)
        return DecodeUtf16(bytes.substr(2), false);
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFE && static_cast<unsigned char>(bytes[1]) == 0xFF)
        return DecodeUtf16(bytes.substr(2), true);
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF")
        return platform::FromUtf8(bytes.substr(3));
    if (IsValidUtf8(bytes))
        return platform::FromUtf8(bytes);
    // Anything else is taken as Latin-1, whose bytes are their own code points.
    std::wstring text;
    text.reserve(bytes.size());
    for (char c : bytes)
        text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    return text;
}

std::vector<std::wstring_view> SplitLines(std::wstring_view text)
{
    std::vector<std::wstring_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of(L"\r\n", start);
        if (end == std::wstring_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + ((text[end] == L'\r' && end + 1 < text.size() && text[end + 1] == L'\n') ? 2 : 1);
    }
    return lines;
}

}  // namespace

IniFile::Loaded IniFile::LoadChecked(const std::wstring& path)
{
    platform::FileRead read = platform::ReadFileBounded(path, kMaxFileBytes);
    Loaded loaded;
    loaded.status = read.status;
    if (read.status == platform::ReadStatus::Read)
        loaded.file = Parse(read.bytes);
    return loaded;
}

IniFile IniFile::Load(const std::wstring& path)
{
    return LoadChecked(path).file;
}

IniFile IniFile::Parse(std::string_view bytes)
{
    IniFile file;
    file.m_sections.push_back(Section{});
    const std::wstring text = DecodeText(bytes);
    for (std::wstring_view line : SplitLines(text)) {
        if (const auto name = HeaderName(line))
            file.m_sections.push_back(Section{std::wstring(*name), {}});
        else
            file.m_sections.back().lines.emplace_back(line);
    }
    return file;
}

const IniFile::Section* IniFile::FindSection(std::wstring_view name) const noexcept
{
    // The unnamed leading block is not a section a caller can name.
    for (size_t i = 1; i < m_sections.size(); ++i) {
        if (platform::EqualsIgnoreCase(m_sections[i].name, name))
            return &m_sections[i];
    }
    return nullptr;
}

IniFile::Section* IniFile::FindSection(std::wstring_view name) noexcept
{
    return const_cast<Section*>(static_cast<const IniFile*>(this)->FindSection(name));
}

std::optional<std::wstring> IniFile::Find(std::wstring_view section, std::wstring_view key) const
{
    const Section* found = FindSection(section);
    if (found == nullptr)
        return std::nullopt;
    for (const std::wstring& line : found->lines) {
        const auto entry = SplitEntry(line);
        if (entry && platform::EqualsIgnoreCase(entry->key, Trim(key)))
            return std::wstring(entry->value);
    }
    return std::nullopt;
}

std::wstring IniFile::GetString(std::wstring_view section, std::wstring_view key, std::wstring_view defaultValue,
                                size_t bufferChars) const
{
    std::wstring value = Find(section, key).value_or(std::wstring(defaultValue));
    if (bufferChars > 0 && value.size() > bufferChars - 1)
        value.resize(bufferChars - 1);
    return value;
}

int32_t IniFile::GetInt(std::wstring_view section, std::wstring_view key, int32_t defaultValue) const
{
    const auto value = Find(section, key);
    if (!value)
        return defaultValue;
    std::wstring_view digits = *value;
    const bool negative = !digits.empty() && digits.front() == L'-';
    if (negative || (!digits.empty() && digits.front() == L'+'))
        digits.remove_prefix(1);
    int64_t number = 0;
    for (wchar_t c : digits) {
        if (c < L'0' || c > L'9')
            break;
        number = number * 10 + (c - L'0');
        if (number > INT32_MAX)
            break;
    }
    number = std::min<int64_t>(number, INT32_MAX);
    return static_cast<int32_t>(negative ? -number : number);
}

std::vector<std::wstring> IniFile::GetSectionLines(std::wstring_view section, size_t bufferChars) const
{
    std::vector<std::wstring> lines;
    const Section* found = FindSection(section);
    if (found == nullptr || bufferChars < 2)
        return lines;
    // Each line takes its characters and a terminator; the buffer ends with one more.
    size_t room = bufferChars - 1;
    for (const std::wstring& line : found->lines) {
        const std::wstring_view trimmed = Trim(line);
        if (trimmed.empty() || trimmed.front() == L';')
            continue;
        if (room <= 1)
            break;
        const size_t take = std::min(trimmed.size(), room - 1);
        lines.emplace_back(trimmed.substr(0, take));
        room -= take + 1;
        if (take < trimmed.size())
            break;
    }
    return lines;
}

void IniFile::Set(std::wstring_view section, std::wstring_view key, std::wstring_view value)
{
    const std::wstring line = std::wstring(Trim(key)) + L"=" + QuoteIfNeeded(value);
    Section* target = FindSection(section);
    if (target == nullptr) {
        if (m_sections.empty())
            m_sections.push_back(Section{});
        m_sections.push_back(Section{std::wstring(Trim(section)), {}});
        target = &m_sections.back();
    }
    for (std::wstring& existing : target->lines) {
        const auto entry = SplitEntry(existing);
        if (entry && platform::EqualsIgnoreCase(entry->key, Trim(key))) {
            existing = line;
            return;
        }
    }
    // New keys go after the section's last non-blank line, keeping blank separators below.
    auto position = target->lines.end();
    while (position != target->lines.begin() && Trim(*(position - 1)).empty())
        --position;
    target->lines.insert(position, line);
}

std::string IniFile::Serialize() const
{
    std::wstring text;
    for (size_t i = 0; i < m_sections.size(); ++i) {
        if (i > 0)
            text += L"[" + m_sections[i].name + L"]\r\n";
        for (const std::wstring& line : m_sections[i].lines)
            text += line + L"\r\n";
    }
    const std::u16string units = platform::ToUtf16(text);
    std::string bytes = "\xFF\xFE";
    bytes.reserve(2 + units.size() * 2);
    for (char16_t unit : units) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

bool IniFile::Save(const std::wstring& path) const
{
    return platform::WriteFileAtomically(path, Serialize());
}
