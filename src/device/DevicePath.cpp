#include "device/DevicePath.h"

#include <string>

namespace {

constexpr size_t kDigitCount = 4;

wchar_t ToUpper(wchar_t c) noexcept
{
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

std::wstring Upper(std::wstring_view text)
{
    std::wstring result(text);
    for (wchar_t& c : result)
        c = ToUpper(c);
    return result;
}

int HexValue(wchar_t c) noexcept
{
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    if (c >= L'A' && c <= L'F')
        return c - L'A' + 10;
    return -1;
}

}  // namespace

namespace DevicePath {

uint32_t ParseHexAfter(std::wstring_view path, std::wstring_view marker)
{
    if (marker.empty())
        return 0;
    const std::wstring upperPath = Upper(path);
    const size_t found = upperPath.find(Upper(marker));
    if (found == std::wstring::npos)
        return 0;
    const std::wstring_view digits = std::wstring_view(upperPath).substr(found + marker.size(), kDigitCount);
    uint32_t value = 0;
    for (wchar_t c : digits)
    {
        const int digit = HexValue(c);
        if (digit < 0)
            break;
        value = value * 16 + static_cast<uint32_t>(digit);
    }
    return value;
}

bool NamesDevice(std::wstring_view path, uint32_t vendorId, uint32_t productId)
{
    return ParseHexAfter(path, kVendorMarker) == vendorId && ParseHexAfter(path, kProductMarker) == productId;
}

}  // namespace DevicePath
