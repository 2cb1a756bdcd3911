// The text conversions every reader relies on.
#include <algorithm>
#include <vector>

#include "FuzzInput.h"
#include "FuzzTargets.h"
#include "platform/TextCase.h"
#include "platform/Utf16.h"

void FuzzText(std::span<const uint8_t> data)
{
    const std::wstring fromUtf8 = platform::FromUtf8(AsChars(data));
    FUZZ_CHECK(platform::FromUtf8(platform::ToUtf8(fromUtf8)) == fromUtf8);

    std::u16string units(data.size() / 2, u'\0');
    std::memcpy(units.data(), data.data(), units.size() * sizeof(char16_t));
    const std::wstring fromUtf16 = platform::FromUtf16(units);
    FUZZ_CHECK(platform::FromUtf16(platform::ToUtf16(fromUtf16)) == fromUtf16);
    (void)platform::ReadUtf16Buffer(units.data(), units.size());

    std::vector<char16_t> buffer(std::max<size_t>(1, data.empty() ? 1 : data[0] % 40));
    const size_t written = platform::WriteUtf16Buffer(fromUtf16, buffer.data(), buffer.size());
    FUZZ_CHECK(written < buffer.size() && buffer[written] == u'\0');

    FUZZ_CHECK(platform::EqualsIgnoreCase(fromUtf16, platform::FoldCase(fromUtf16)));
    FUZZ_CHECK(platform::ToUpper(fromUtf16).size() == fromUtf16.size());
    FUZZ_CHECK(platform::ToLower(fromUtf16).size() == fromUtf16.size());
}
