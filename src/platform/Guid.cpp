#include "platform/Guid.h"

#include <cwchar>

namespace {

int HexValue(wchar_t c) noexcept
{
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    if (c >= L'a' && c <= L'f')
        return c - L'a' + 10;
    if (c >= L'A' && c <= L'F')
        return c - L'A' + 10;
    return -1;
}

// Reads `digits` hex digits starting at `pos`; false when any of them is not a hex digit.
bool ReadHex(std::wstring_view text, size_t pos, size_t digits, uint64_t& value) noexcept
{
    value = 0;
    for (size_t i = 0; i < digits; ++i) {
        const int v = HexValue(text[pos + i]);
        if (v < 0)
            return false;
        value = (value << 4) | static_cast<uint64_t>(v);
    }
    return true;
}

}  // namespace

bool Guid::IsNull() const noexcept
{
    return *this == Guid{};
}

std::wstring Guid::ToString() const
{
    wchar_t buffer[40];
    swprintf(buffer, 40, L"{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
             static_cast<unsigned>(data1), data2, data3, data4[0], data4[1], data4[2], data4[3],
             data4[4], data4[5], data4[6], data4[7]);
    return buffer;
}

std::optional<Guid> Guid::Parse(std::wstring_view text) noexcept
{
    if (text.size() == 38 && text.front() == L'{' && text.back() == L'}')
        text = text.substr(1, 36);
    if (text.size() != 36 || text[8] != L'-' || text[13] != L'-' || text[18] != L'-' || text[23] != L'-')
        return std::nullopt;

    Guid guid;
    uint64_t value = 0;
    if (!ReadHex(text, 0, 8, value))
        return std::nullopt;
    guid.data1 = static_cast<uint32_t>(value);
    if (!ReadHex(text, 9, 4, value))
        return std::nullopt;
    guid.data2 = static_cast<uint16_t>(value);
    if (!ReadHex(text, 14, 4, value))
        return std::nullopt;
    guid.data3 = static_cast<uint16_t>(value);
    static constexpr size_t kBytePositions[8] = {19, 21, 24, 26, 28, 30, 32, 34};
    for (size_t i = 0; i < 8; ++i) {
        if (!ReadHex(text, kBytePositions[i], 2, value))
            return std::nullopt;
        guid.data4[i] = static_cast<uint8_t>(value);
    }
    return guid;
}

size_t GuidHash::operator()(const Guid& guid) const noexcept
{
    uint64_t halves[2];
    std::memcpy(halves, &guid, sizeof(halves));
    return std::hash<uint64_t>{}(halves[0] ^ (halves[1] * 0x9E3779B97F4A7C15ull));
}
