#include "skin/layout/LayoutValues.h"

#include <limits>

#include "platform/Utf16.h"
#include "skin/CLanguageSet.h"
#include "vocabulary/VocabularyTables.h"

namespace LayoutValues {
namespace {

template <typename Char>
constexpr bool IsSpace(Char c) noexcept
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

template <typename Char>
std::basic_string_view<Char> TrimText(std::basic_string_view<Char> text) noexcept
{
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

template <typename Char>
int32_t ParseIntegerText(std::basic_string_view<Char> text) noexcept
{
    size_t pos = 0;
    while (pos < text.size() && IsSpace(text[pos]))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';
    // Accumulated in 64 bits and clamped at each digit, so no length of digits overflows.
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        value = value * 10 + (text[pos] - '0');
        if (value > kLimit)
            value = kLimit;
    }
    if (negative)
        return static_cast<int32_t>(-value);
    return static_cast<int32_t>(value >= kLimit ? kLimit - 1 : value);
}

// Where wide text is UTF-32, a character beyond the basic plane takes two UTF-16 units.
template <size_t WideSize = sizeof(wchar_t)>
constexpr size_t Utf16Length(wchar_t c) noexcept
{
    if constexpr (WideSize > 2)
        return static_cast<uint32_t>(c) > 0xFFFF ? 2 : 1;
    return 1;
}

bool IsHighSurrogate(wchar_t c) noexcept
{
    return static_cast<uint32_t>(c) >= 0xD800 && static_cast<uint32_t>(c) <= 0xDBFF;
}

}  // namespace

std::wstring_view Trim(std::wstring_view text) noexcept { return TrimText(text); }
std::string_view Trim(std::string_view text) noexcept { return TrimText(text); }

int32_t ParseInteger(std::wstring_view text) noexcept { return ParseIntegerText(text); }
int32_t ParseInteger(std::string_view text) noexcept { return ParseIntegerText(text); }

int32_t ParseIdentifier(std::wstring_view name)
{
    if (name.empty())
        return -1;
    return VocabularyTables::NameToKey(VocabularyTables::Table::ItemIds, name);
}

std::optional<int32_t> ParseColour(std::wstring_view name)
{
    if (name.empty())
        return std::nullopt;
    const int32_t value = VocabularyTables::NameToKey(VocabularyTables::Table::Colours, name);
    if (value == VocabularyTables::kNoKey)
        return std::nullopt;
    return value;
}

Justify ParseJustify(std::wstring_view text) noexcept
{
    if (text.empty())
        return Justify::Default;
    switch (text.front()) {
    case L'L':
        return Justify::Left;
    case L'R':
        return Justify::Right;
    case L'C':
        return Justify::Centre;
    default:
        return Justify::Default;
    }
}

int32_t ParseCaps(std::wstring_view text) noexcept
{
    if (text.empty())
        return CLanguageSet::kCapsNone;
    if (text.front() == L'L')
        return CLanguageSet::kCapsLower;
    if (text.front() == L'U')
        return CLanguageSet::kCapsUpper;
    return CLanguageSet::kCapsNone;
}

std::wstring CutToUtf16Units(std::wstring_view text, size_t maxUnits)
{
    size_t units = 0;
    size_t end = 0;
    for (; end < text.size(); ++end) {
        const wchar_t c = text[end];
        // Where wide text is UTF-16 a pair is two elements; do not end between them.
        size_t length = Utf16Length(c);
        if (IsHighSurrogate(c) && end + 1 < text.size())
            length = 2;
        if (units + length > maxUnits)
            break;
        units += length;
        if (sizeof(wchar_t) == 2 && length == 2)
            ++end;
    }
    return std::wstring(text.substr(0, end));
}

std::wstring ToWide(std::string_view utf8, size_t maxUnits)
{
    // Four bytes of UTF-8 always hold at least one whole UTF-16 unit, so a prefix of four bytes
    // a unit is enough; converting a huge attribute whole only to cut it would be waste.
    constexpr size_t kBytesPerUnit = 4;
    const size_t enough = maxUnits > utf8.size() / kBytesPerUnit ? utf8.size() : maxUnits * kBytesPerUnit;
    return CutToUtf16Units(platform::FromUtf8(utf8.substr(0, enough)), maxUnits);
}

}  // namespace LayoutValues
