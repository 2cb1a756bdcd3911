#include "skin/CLangTable.h"

#include <algorithm>
#include <cstring>

#include "platform/TextCase.h"
#include "platform/Utf16.h"

namespace {

constexpr char16_t kCarriageReturn = u'\r';
constexpr char16_t kLineFeed = u'\n';
constexpr std::wstring_view kEndOfFile = L"END OF FILE";
constexpr std::wstring_view kRectKey = L"RECT";

// The key as lookups see it: spaces removed, ending at a NUL or line break, at most 59
// characters, case folded.
std::wstring LookupKey(std::wstring_view key)
{
    std::wstring result;
    for (wchar_t c : key) {
        if (c == L'\0' || c == L'\n' || c == L'\r' || result.size() == CLangTable::kMaxKeyLength)
            break;
        if (c != L' ')
            result.push_back(platform::FoldCase(c));
    }
    return result;
}

// Splits UTF-16 units into the file's lines.
class LineReader
{
public:
    explicit LineReader(std::u16string_view units) noexcept : m_units(units) {}

    [[nodiscard]] bool AtEnd() const noexcept { return m_position >= m_units.size(); }

    std::wstring Next()
    {
        const size_t start = m_position;
        while (m_position < m_units.size() && m_units[m_position] != kCarriageReturn)
            ++m_position;
        std::u16string_view line = m_units.substr(start, m_position - start);
        // A line is a C string: a NUL inside it ends it.
        line = line.substr(0, line.find(u'\0'));
        while (m_position < m_units.size() &&
               (m_units[m_position] == kCarriageReturn || m_units[m_position] == kLineFeed))
            ++m_position;
        return platform::FromUtf16(line);
    }

private:
    std::u16string_view m_units;
    size_t m_position = 0;
};

// A file in the wrong encoding reads as a handful of long lines of nonsense rather than failing,
// so the encoding is told from the bytes: a byte-order mark, else the zero bytes that the ASCII
// keys and line ends of UTF-16 text have in their high (little-endian) or low (big-endian) half.
LanguageFileFault EncodingFault(const unsigned char* bytes, size_t byteCount) noexcept
{
    if (byteCount >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE)
        return LanguageFileFault::None;
    if (byteCount >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF)
        return LanguageFileFault::BigEndian;
    if (byteCount >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF)
        return LanguageFileFault::NotUtf16;
    size_t zeroLow = 0;
    size_t zeroHigh = 0;
    const size_t units = byteCount / 2;
    for (size_t i = 0; i < units; ++i) {
        zeroLow += bytes[2 * i] == 0 ? 1 : 0;
        zeroHigh += bytes[2 * i + 1] == 0 ? 1 : 0;
    }
    if (zeroLow > zeroHigh)
        return LanguageFileFault::BigEndian;
    if (zeroHigh * 8 < units)
        return LanguageFileFault::NotUtf16;
    return LanguageFileFault::None;
}

}  // namespace

bool CLangTable::Read(const void* bytes, size_t byteCount)
{
    std::u16string units(byteCount / 2, u'\0');
    std::memcpy(units.data(), bytes, units.size() * sizeof(char16_t));

    LineReader reader(units);
    std::wstring pendingKey;
    bool ended = false;
    bool keyWithoutValue = false;
    for (size_t lineNumber = 0; !reader.AtEnd(); ++lineNumber) {
        std::wstring line = reader.Next();
        if (lineNumber == 0) {
            m_title = std::move(line);
        } else if (lineNumber >= 2) {
            if (platform::EqualsIgnoreCase(line, kEndOfFile)) {
                ended = true;
                break;
            }
            keyWithoutValue = lineNumber % 2 == 0;
            if (keyWithoutValue)
                pendingKey = std::move(line);
            else
                AddEntry(std::move(pendingKey), std::move(line));
        }
    }

    m_fault = EncodingFault(static_cast<const unsigned char*>(bytes), byteCount);
    if (byteCount == 0)
        m_fault = LanguageFileFault::Empty;
    if (m_fault == LanguageFileFault::None && (!ended || keyWithoutValue || byteCount % 2 != 0))
        m_fault = LanguageFileFault::Truncated;
    if (m_fault == LanguageFileFault::None && m_entries.empty())
        m_fault = LanguageFileFault::Empty;
    return !m_entries.empty();
}

void CLangTable::AddEntry(std::wstring key, std::wstring value)
{
    std::wstring lookupKey = LookupKey(key);
    m_firstEntryByKey.try_emplace(lookupKey, m_entries.size());
    m_entries.push_back(Entry{std::move(key), std::move(value), std::move(lookupKey)});
}

std::optional<std::wstring> CLangTable::Translate(std::wstring_view text) const
{
    if (text.empty())
        return std::nullopt;
    const std::wstring wanted = platform::FoldCase(text.substr(1));
    if (text.front() == L'$') {
        const auto found = m_firstEntryByKey.find(wanted);
        if (found == m_firstEntryByKey.end())
            return std::nullopt;
        return m_entries[found->second].value;
    }
    if (text.front() == L'#') {
        const auto found = std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry& entry) {
            return entry.foldedLookupKey.starts_with(wanted);
        });
        if (found == m_entries.end())
            return std::nullopt;
        return found->value;
    }
    return std::nullopt;
}

const CLangTable::Override* CLangTable::FindOverride(int32_t itemId, std::wstring_view key) const
{
    const auto found = std::find_if(m_overrides.begin(), m_overrides.end(), [&](const Override& o) {
        return o.itemId == itemId && platform::EqualsIgnoreCase(o.key, key);
    });
    return found == m_overrides.end() ? nullptr : &*found;
}

const std::wstring* CLangTable::FindTextOverride(int32_t itemId, std::wstring_view key) const
{
    const Override* found = FindOverride(itemId, key);
    return found == nullptr ? nullptr : std::get_if<std::wstring>(&found->value);
}

std::optional<LayoutRect> CLangTable::FindRectOverride(int32_t itemId) const
{
    const Override* found = FindOverride(itemId, kRectKey);
    if (found == nullptr)
        return std::nullopt;
    const auto* rect = std::get_if<LayoutRect>(&found->value);
    return rect == nullptr ? std::nullopt : std::optional<LayoutRect>(*rect);
}

void CLangTable::AddTextOverride(int32_t itemId, std::wstring key, std::wstring text)
{
    m_overrides.push_back(Override{itemId, std::move(key), std::move(text)});
}

void CLangTable::AddRectOverride(int32_t itemId, const LayoutRect& rect)
{
    m_overrides.push_back(Override{itemId, std::wstring(kRectKey), rect});
}

void CLangTable::AddFontSubstitution(int32_t search, int32_t replace)
{
    m_fontSubstitutions[search] = replace;
}

int32_t CLangTable::SubstituteFont(int32_t fontId) const
{
    const auto found = m_fontSubstitutions.find(fontId);
    return (found == m_fontSubstitutions.end() || found->second == 0) ? fontId : found->second;
}

void CLangTable::SetKeyboardLayout(std::wstring name, uintptr_t handle)
{
    m_keyboardLayoutName = std::move(name);
    m_keyboardLayout = handle;
}
