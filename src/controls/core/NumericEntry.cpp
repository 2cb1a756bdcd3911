#include "controls/core/NumericEntry.h"

#include <algorithm>
#include <string>

namespace NumericEntry {

namespace {

constexpr uint32_t kBackspace = 8;
constexpr uint32_t kLeft = 37;
constexpr uint32_t kRight = 39;
constexpr uint32_t kDelete = 46;
// More digits than any 32-bit range holds.
constexpr size_t kMaxDigits = 10;

bool IsDigit(wchar_t c) noexcept
{
    return c >= L'0' && c <= L'9';
}

}  // namespace

bool PassesKey(uint32_t virtualKey) noexcept
{
    const bool digit = virtualKey >= '0' && virtualKey <= '9';
    const bool keypadDigit = virtualKey >= 96 && virtualKey <= 105;
    return virtualKey == kBackspace || virtualKey == kLeft || virtualKey == kRight || virtualKey == kDelete ||
           digit || keypadDigit;
}

bool CanBecome(std::wstring_view digits, int32_t minimum, int32_t maximum) noexcept
{
    if (digits.empty() || digits.size() > kMaxDigits || !std::all_of(digits.begin(), digits.end(), IsDigit))
        return false;
    if (digits.size() > 1 && digits.front() == L'0')
        return false;
    long long value = 0;
    for (const wchar_t c : digits)
        value = value * 10 + (c - L'0');
    // The numbers that begin with these digits, one more digit at a time: [value, value] with
    // none, [10 value, 10 value + 9] with one, ... A lone 0 begins nothing more.
    long long low = value;
    long long high = value;
    for (size_t length = digits.size(); length <= kMaxDigits && low <= maximum; ++length) {
        if (high >= minimum)
            return true;
        if (value == 0)
            break;
        low *= 10;
        high = high * 10 + 9;
    }
    return false;
}

bool AcceptsCharacter(std::wstring_view text, size_t selectionStart, size_t selectionEnd, wchar_t character,
                      int32_t minimum, int32_t maximum)
{
    if (character == static_cast<wchar_t>(kBackspace))
        return true;
    if (!IsDigit(character))
        return false;
    const size_t start = std::min({selectionStart, selectionEnd, text.size()});
    const size_t end = std::min(std::max(selectionStart, selectionEnd), text.size());
    std::wstring result(text.substr(0, start));
    result.push_back(character);
    result.append(text.substr(end));
    return CanBecome(result, minimum, maximum);
}

}  // namespace NumericEntry
