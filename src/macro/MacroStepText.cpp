#include "macro/MacroStepText.h"

#include <cstdlib>

#include "macro/KeyStroke.h"
#include "vocabulary/KeyFlags.h"
#include "vocabulary/NameKeys.h"

namespace {

constexpr int kIconKeyPress = 0;
constexpr int kIconKeyRelease = 1;
constexpr int kIconDelay = 2;
constexpr int kIconMouseButton = 4;

constexpr std::wstring_view kSecondsKey = L"$secondsdelay";

// The key's text, or the key itself when the table lacks it.
std::wstring Translated(const LanguageLookup& translate, std::wstring_view key)
{
    if (translate) {
        if (std::optional<std::wstring> text = translate(key))
            return std::move(*text);
    }
    return std::wstring(key);
}

// Seconds with three decimals from whole milliseconds, the way "%.3f" prints them, but built
// from integers so that no locale turns the point into a comma.
std::wstring Seconds(int32_t milliseconds)
{
    const long long magnitude = std::llabs(static_cast<long long>(milliseconds));
    std::wstring fraction = std::to_wstring(magnitude % 1000);
    fraction.insert(0, 3 - fraction.size(), L'0');
    std::wstring text = milliseconds < 0 ? L"-" : L"";
    return text + std::to_wstring(magnitude / 1000) + L'.' + fraction;
}

MacroStepText DescribeKey(const MacroEvent& event, const IKeyboardPlatform& keyboard)
{
    const bool extended = (event.KeyFlags() & kKeyFlagExtended) != 0;
    return {KeyName(keyboard, event.VirtualKey(), event.ScanCode(), extended),
            event.KeyDirection() == kKeyReleased ? kIconKeyRelease : kIconKeyPress};
}

MacroStepText DescribeButton(const MacroEvent& event, const LanguageLookup& translate)
{
    std::wstring key(NameKeys::ButtonNameKey(event.Button()));
    // A button without a name (only a damaged macro holds one) shows its number instead.
    if (key.empty() || key.front() != L'$')
        key = std::to_wstring(event.Button());
    key += event.ButtonDirection() == kKeyReleased ? L"Up" : L"Down";
    return {Translated(translate, key), kIconMouseButton};
}

MacroStepText DescribeDelay(const MacroEvent& event, const LanguageLookup& translate)
{
    return {Seconds(event.DelayMilliseconds()) + L' ' + Translated(translate, kSecondsKey), kIconDelay};
}

}  // namespace

MacroStepText DescribeMacroStep(const MacroEvent& event, const IKeyboardPlatform& keyboard,
                                const LanguageLookup& translate)
{
    switch (event.kind) {
    case MacroEventKind::Key:
        return DescribeKey(event, keyboard);
    case MacroEventKind::MouseButton:
        return DescribeButton(event, translate);
    case MacroEventKind::Delay:
        return DescribeDelay(event, translate);
    }
    return {{}, MacroStepText::kNoIcon};
}
