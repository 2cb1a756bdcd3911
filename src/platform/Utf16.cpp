#include "platform/Utf16.h"

#include <algorithm>
#include <cstdint>

namespace platform {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr bool kWideIsUtf16 = sizeof(wchar_t) == 2;

bool IsHighSurrogate(char32_t c) noexcept { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char32_t c) noexcept { return c >= 0xDC00 && c <= 0xDFFF; }

// Decodes one code point from a UTF-16 sequence, advancing `pos`.
char32_t NextFromUtf16(std::u16string_view text, size_t& pos) noexcept
{
    const char32_t unit = text[pos++];
    if (IsHighSurrogate(unit) && pos < text.size() && IsLowSurrogate(text[pos]))
        return 0x10000 + ((unit - 0xD800) << 10) + (text[pos++] - 0xDC00);
    if (IsHighSurrogate(unit) || IsLowSurrogate(unit))
        return kReplacement;
    return unit;
}

// Decodes one code point from wide text (UTF-16 or UTF-32 by platform), advancing `pos`.
char32_t NextFromWide(std::wstring_view text, size_t& pos) noexcept
{
    if constexpr (kWideIsUtf16) {
        const std::u16string_view units(reinterpret_cast<const char16_t*>(text.data()), text.size());
        return NextFromUtf16(units, pos);
    } else {
        const char32_t c = static_cast<char32_t>(text[pos++]);
        return (c > 0x10FFFF || IsHighSurrogate(c) || IsLowSurrogate(c)) ? kReplacement : c;
    }
}

void AppendUtf16(std::u16string& out, char32_t c)
{
    if (c >= 0x10000) {
        c -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    } else {
        out.push_back(static_cast<char16_t>(c));
    }
}

void AppendWide(std::wstring& out, char32_t c)
{
    if constexpr (kWideIsUtf16) {
        std::u16string units;
        AppendUtf16(units, c);
        out.append(units.begin(), units.end());
    } else {
        out.push_back(static_cast<wchar_t>(c));
    }
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Decodes one code point of UTF-8; malformed or overlong sequences give U+FFFD and consume
// one byte, so that decoding always advances.
char32_t NextFromUtf8(std::string_view text, size_t& pos) noexcept
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    size_t length = 1;
    char32_t c = lead;
    char32_t minimum = 0;
    if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, c = lead & 0x07, minimum = 0x10000;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, c = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, c = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0x80) {
        ++pos;
        return kReplacement;
    }
    if (pos + length > text.size()) {
        ++pos;
        return kReplacement;
    }
    for (size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return kReplacement;
        }
        c = (c << 6) | (next & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || IsHighSurrogate(c) || IsLowSurrogate(c)) {
        ++pos;
        return kReplacement;
    }
    pos += length;
    return c;
}

}  // namespace

std::u16string ToUtf16(std::wstring_view text)
{
    std::u16string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();)
        AppendUtf16(out, NextFromWide(text, pos));
    return out;
}

std::wstring FromUtf16(std::u16string_view text)
{
    std::wstring out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();)
        AppendWide(out, NextFromUtf16(text, pos));
    return out;
}

std::wstring ReadUtf16Buffer(const char16_t* buffer, size_t capacity)
{
    const char16_t* end = std::find(buffer, buffer + capacity, u'\0');
    return FromUtf16(std::u16string_view(buffer, static_cast<size_t>(end - buffer)));
}

size_t WriteUtf16Buffer(std::wstring_view text, char16_t* buffer, size_t capacity) noexcept
{
    if (capacity == 0)
        return 0;
    std::fill(buffer, buffer + capacity, u'\0');
    size_t written = 0;
    for (size_t pos = 0; pos < text.size();) {
        const char32_t c = NextFromWide(text, pos);
        const size_t units = c >= 0x10000 ? 2 : 1;
        if (written + units > capacity - 1)
            break;
        if (units == 2) {
            buffer[written++] = static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            buffer[written++] = static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            buffer[written++] = static_cast<char16_t>(c);
        }
    }
    return written;
}

std::string ToUtf8(std::wstring_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();)
        AppendUtf8(out, NextFromWide(text, pos));
    return out;
}

std::wstring FromUtf8(std::string_view text)
{
    std::wstring out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();)
        AppendWide(out, NextFromUtf8(text, pos));
    return out;
}

}  // namespace platform
