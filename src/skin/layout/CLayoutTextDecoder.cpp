#include "skin/layout/CLayoutTextDecoder.h"

#include <algorithm>
#include <array>

namespace {

constexpr char16_t kByteOrderMark = 0xFEFF;

// Windows-1252 for 80 to 9F; the five unassigned bytes map to the same code points, as the
// platform's conversion maps them.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t FromWindows1252(uint8_t byte) noexcept
{
    return (byte >= 0x80 && byte <= 0x9F) ? kWindows1252High[byte - 0x80] : char16_t{byte};
}

// The length of the UTF-8 sequence a lead byte starts; 0 for a byte that cannot lead one.
size_t SequenceLength(uint8_t lead) noexcept
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

enum class Utf8Step
{
    Ok,
    Incomplete,  // the data ends inside the sequence
    Invalid,
};

// Decodes one sequence at `pos` into `code`, checking continuation bytes, overlong forms,
// surrogates and the Unicode range.
Utf8Step DecodeUtf8(const std::vector<uint8_t>& data, size_t pos, char32_t& code, size_t& length) noexcept
{
    length = SequenceLength(data[pos]);
    if (length == 0)
        return Utf8Step::Invalid;
    static constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    static constexpr uint8_t kLeadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    code = data[pos] & kLeadMask[length];
    for (size_t i = 1; i < length; ++i) {
        if (pos + i >= data.size())
            return Utf8Step::Incomplete;
        if ((data[pos + i] & 0xC0) != 0x80)
            return Utf8Step::Invalid;
        code = (code << 6) | (data[pos + i] & 0x3F);
    }
    if (code < kMinimum[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return Utf8Step::Invalid;
    return Utf8Step::Ok;
}

void AppendCodePoint(std::u16string& text, char32_t code)
{
    if (code >= 0x10000) {
        code -= 0x10000;
        text.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
        text.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
    } else {
        text.push_back(static_cast<char16_t>(code));
    }
}

}  // namespace

bool CLayoutTextDecoder::LooksLikeUtf16(std::span<const uint8_t> block) noexcept
{
    const size_t units = block.size() / 2;
    if (units == 0)
        return false;
    if (block[0] == 0xFF && block[1] == 0xFE)
        return true;
    size_t zeroHigh = 0;
    size_t zeroLow = 0;
    for (size_t i = 0; i < units; ++i) {
        zeroLow += block[2 * i] == 0 ? 1 : 0;
        zeroHigh += block[2 * i + 1] == 0 ? 1 : 0;
    }
    return zeroHigh * 4 >= units && zeroHigh > zeroLow;
}

void CLayoutTextDecoder::DecideFromStart(std::vector<uint8_t>& data)
{
    if (data.size() < 2)
        return;  // too little to tell yet: decided with the next block or at the end
    if (data[0] == 0xFF && data[1] == 0xFE) {
        m_encoding = Encoding::Utf16LittleEndian;
        data.erase(data.begin(), data.begin() + 2);
    } else if (data[0] == 0xFE && data[1] == 0xFF) {
        m_encoding = Encoding::Utf16BigEndian;
        data.erase(data.begin(), data.begin() + 2);
    } else {
        m_encoding = Encoding::PerBlock;
    }
}

void CLayoutTextDecoder::Append(std::span<const uint8_t> block)
{
    std::vector<uint8_t> data;
    data.reserve(m_carry.size() + block.size());
    data.insert(data.end(), m_carry.begin(), m_carry.end());
    data.insert(data.end(), block.begin(), block.end());
    m_carry.clear();
    if (m_encoding == Encoding::Undecided) {
        DecideFromStart(data);
        if (m_encoding == Encoding::Undecided) {
            m_carry = std::move(data);
            return;
        }
    }
    if (m_encoding == Encoding::Utf16BigEndian)
        AppendUtf16(data, true);
    else if (m_encoding == Encoding::Utf16LittleEndian || LooksLikeUtf16(data))
        AppendUtf16(data, false);
    else
        AppendEightBit(data, false);
}

void CLayoutTextDecoder::AppendUtf16(const std::vector<uint8_t>& data, bool bigEndian)
{
    const size_t units = data.size() / 2;
    m_text.reserve(m_text.size() + units);
    for (size_t i = 0; i < units; ++i) {
        const uint8_t first = data[2 * i];
        const uint8_t second = data[2 * i + 1];
        m_text.push_back(bigEndian ? static_cast<char16_t>((first << 8) | second)
                                   : static_cast<char16_t>((second << 8) | first));
    }
    if (data.size() % 2 != 0)
        m_carry.push_back(data.back());
    m_carryIsUtf16Byte = !m_carry.empty();
}

void CLayoutTextDecoder::AppendEightBit(const std::vector<uint8_t>& data, bool final)
{
    m_carryIsUtf16Byte = false;
    std::u16string decoded;
    decoded.reserve(data.size());
    size_t pos = 0;
    bool valid = true;
    while (pos < data.size()) {
        char32_t code = 0;
        size_t length = 0;
        const Utf8Step step = DecodeUtf8(data, pos, code, length);
        if (step == Utf8Step::Incomplete && !final) {
            m_carry.assign(data.begin() + static_cast<std::ptrdiff_t>(pos), data.end());
            break;
        }
        if (step != Utf8Step::Ok) {
            valid = false;
            break;
        }
        AppendCodePoint(decoded, code);
        pos += length;
    }
    if (!valid) {
        m_carry.clear();
        decoded.clear();
        for (uint8_t byte : data)
            decoded.push_back(FromWindows1252(byte));
    }
    m_text += decoded;
}

std::u16string CLayoutTextDecoder::Finish()
{
    if (!m_carry.empty()) {
        const std::vector<uint8_t> rest = std::move(m_carry);
        m_carry.clear();
        // A lone odd byte after UTF-16 text is ignored; anything else is 8-bit text.
        if (!m_carryIsUtf16Byte)
            AppendEightBit(rest, true);
    }
    std::u16string text = std::move(m_text);
    m_text.clear();
    if (!text.empty() && text.front() == kByteOrderMark)
        text.erase(0, 1);
    return text;
}
