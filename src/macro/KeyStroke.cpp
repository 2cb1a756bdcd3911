#include "macro/KeyStroke.h"

#include <algorithm>
#include <iterator>

#include "vocabulary/KeyFlags.h"
#include "vocabulary/VocabularyTables.h"

namespace {

constexpr uint32_t kScanCodeShift = 16;
constexpr uint32_t kScanCodeMask = 0xFF;

constexpr uint16_t kVkEnter = 13;
constexpr uint16_t kVkShift = 16;
constexpr uint16_t kVkControl = 17;
constexpr uint16_t kVkAlt = 18;
constexpr uint16_t kVkPause = 19;
constexpr uint16_t kVkNumLock = 144;

// Key messages report Ctrl, Alt and Enter without their side; the extended flag tells the
// right-hand key (and the numeric-pad Enter) from the main one.
struct SideByExtended
{
    uint16_t generic;
    uint16_t plain;
    uint16_t extended;
};
constexpr SideByExtended kSidesByExtended[] = {
    {kVkControl, 162, 163},
    {kVkAlt, 164, 165},
    {kVkEnter, kVkEnter, 108},
};

// Both Shift keys are plain keys; only their scan codes differ. Any other scan code keeps 16.
struct SideByScanCode
{
    uint16_t generic;
    uint16_t scanCode;
    uint16_t sided;
};
constexpr SideByScanCode kSidesByScanCode[] = {
    {kVkShift, 42, 160},
    {kVkShift, 54, 161},
};

// Keys whose plain key down the single-key entry field swallows instead of showing a name:
// editing, navigation, lock and Windows keys.
constexpr uint16_t kSwallowedKeys[] = {8, 9, 19, 20, 32, 36, 37, 38, 39, 40, 91, 92, 93, 144, 145};

struct ShiftStateFlag
{
    uint8_t state;
    uint8_t flag;
};
constexpr ShiftStateFlag kShiftStateFlags[] = {
    {IKeyboardPlatform::kShiftStateShift, kKeyFlagShift},
    {IKeyboardPlatform::kShiftStateCtrl, kKeyFlagCtrl},
    {IKeyboardPlatform::kShiftStateAlt, kKeyFlagAlt},
};

uint16_t RefineSide(uint16_t virtualKey, uint16_t scanCode, bool extended) noexcept
{
    for (const SideByExtended& side : kSidesByExtended) {
        if (side.generic == virtualKey)
            return extended ? side.extended : side.plain;
    }
    for (const SideByScanCode& side : kSidesByScanCode) {
        if (side.generic == virtualKey && side.scanCode == scanCode)
            return side.sided;
    }
    return virtualKey;
}

bool IsSwallowedKey(uint16_t virtualKey) noexcept
{
    return std::find(std::begin(kSwallowedKeys), std::end(kSwallowedKeys), virtualKey) != std::end(kSwallowedKeys);
}

// The key flags of the shift state that types the key's own character in the layout.
uint8_t ShiftStateFlags(const IKeyboardPlatform& keyboard, uint16_t virtualKey)
{
    // The low 16 bits are the character; bit 31 only marks a dead key.
    const auto character = static_cast<wchar_t>(keyboard.VirtualKeyToChar(virtualKey) & 0xFFFF);
    // A key without a character needs no shift state; asking for character 0 would find the
    // Ctrl+@ combination that types NUL. A character no key types needs none either.
    if (character == 0)
        return 0;
    const int16_t key = keyboard.CharToKey(character);
    if (key == IKeyboardPlatform::kNoKey)
        return 0;
    const auto state = static_cast<uint8_t>(static_cast<uint16_t>(key) >> 8);
    uint8_t flags = 0;
    for (const ShiftStateFlag& entry : kShiftStateFlags) {
        if ((state & entry.state) != 0)
            flags |= entry.flag;
    }
    return flags;
}

// Upper case of a letter read as Latin-1 (the name is built from one byte of the character).
wchar_t UpperCaseLatin1(wchar_t c) noexcept
{
    constexpr wchar_t kSmallYDiaeresis = 0xFF;
    constexpr wchar_t kCapitalYDiaeresis = 0x178;
    if (c == kSmallYDiaeresis)
        return kCapitalYDiaeresis;
    const bool small = (c >= L'a' && c <= L'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7);
    return small ? static_cast<wchar_t>(c - 0x20) : c;
}

std::wstring TypedCharacterName(const IKeyboardPlatform& keyboard, uint32_t virtualKey, uint32_t scanCode)
{
    const std::wstring typed = keyboard.TypedText(virtualKey, scanCode);
    if (typed.empty())
        return {};
    const auto lowByte = static_cast<wchar_t>(static_cast<uint32_t>(typed.front()) & 0xFF);
    if (lowByte == 0)
        return {};
    return std::wstring(1, UpperCaseLatin1(lowByte));
}

}  // namespace

std::wstring KeyName(const IKeyboardPlatform& keyboard, uint32_t virtualKey, uint32_t scanCode, bool extended)
{
    // Num Lock shares its scan code with Pause; only the extended form names Num Lock.
    uint32_t parameter = (scanCode & kScanCodeMask) << kScanCodeShift;
    if (extended || virtualKey == kVkNumLock)
        parameter |= kKeyParamExtended;
    std::wstring name = keyboard.KeyNameText(static_cast<int32_t>(parameter));
    if (!name.empty()) {
        if (name.size() > kMaxKeyNameLength)
            name.resize(kMaxKeyNameLength);
        return name;
    }
    const std::wstring_view shortName =
        VocabularyTables::KeyToName(VocabularyTables::Table::KeyNames, static_cast<int32_t>(virtualKey));
    if (!shortName.empty())
        return std::wstring(shortName);
    return TypedCharacterName(keyboard, virtualKey, scanCode);
}

bool FromKeyMessage(KeyStroke& record, const KeyMessage& message, const IKeyboardPlatform& keyboard)
{
    const bool isDown = message.message == kMessageKeyDown || message.message == kMessageSysKeyDown;
    const bool isUp = message.message == kMessageKeyUp || message.message == kMessageSysKeyUp;
    if (!isDown && !isUp)
        return true;
    const auto parameter = static_cast<uint32_t>(message.lParam);
    if (isDown && (parameter & kKeyParamWasDown) != 0)
        return true;  // auto-repeat: the key was recorded when it went down

    const auto scanCode = static_cast<uint16_t>((parameter >> kScanCodeShift) & kScanCodeMask);
    const bool extended = (parameter & kKeyParamExtended) != 0;
    record.virtualKey = RefineSide(static_cast<uint16_t>(message.wParam & 0xFFFF), scanCode, extended);
    record.direction = isDown ? kKeyPressed : kKeyReleased;
    record.scanCode = scanCode;
    record.lastScanCode = scanCode;
    record.flags = extended ? kKeyFlagExtended : 0;
    if ((parameter & kKeyParamAltHeld) != 0)
        record.flags |= kKeyFlagAlt;
    record.flags |= ShiftStateFlags(keyboard, record.virtualKey);
    record.name = KeyName(keyboard, record.virtualKey, scanCode, extended);
    return message.message == kMessageKeyDown && IsSwallowedKey(record.virtualKey);
}

bool FromRawKeyboard(KeyStroke& record, const RawKeyboard& raw, const IKeyboardPlatform& keyboard)
{
    record.scanCode = raw.makeCode;
    record.lastScanCode = raw.makeCode;
    // A synthetic key (virtual key 255) belongs to the key seen before it.
    record.virtualKey = raw.virtualKey == kRawNoVirtualKey ? record.lastVirtualKey : raw.virtualKey;
    record.lastVirtualKey = record.virtualKey;
    const bool extended = (raw.flags & kRawKeyE0) != 0;
    record.flags = extended ? kKeyFlagExtended : 0;
    record.direction = (raw.flags & kRawKeyBreak) != 0 ? kKeyReleased : kKeyPressed;
    record.name = KeyName(keyboard, record.virtualKey, record.scanCode, extended);

    const bool syntheticE0 = extended && raw.virtualKey == kRawNoVirtualKey;
    return raw.makeCode != 0 && (raw.flags & kRawKeyE1) == 0 && !syntheticE0 && record.virtualKey != kVkPause;
}
