#include <gtest/gtest.h>

#include <set>

#include "config/AssignmentInfo.h"
#include "macro/KeyStroke.h"
#include "FakeKeyboard.h"

namespace {

constexpr uint32_t kWmChar = 0x102;

struct MessageBits
{
    bool extended = false;
    bool altHeld = false;
    bool wasDown = false;
};

// A key message as Windows builds it: repeat count 1, scan code, flags, and bit 31 for releases.
KeyMessage Message(uint32_t message, uint16_t virtualKey, uint16_t scanCode, MessageBits bits = {})
{
    uint32_t lParam = 1u | (static_cast<uint32_t>(scanCode) << 16);
    if (bits.extended)
        lParam |= 1u << 24;
    if (bits.altHeld)
        lParam |= 1u << 29;
    const bool release = message == kMessageKeyUp || message == kMessageSysKeyUp;
    if (bits.wasDown || release)
        lParam |= 1u << 30;
    if (release)
        lParam |= 1u << 31;
    return {message, virtualKey, static_cast<intptr_t>(static_cast<int32_t>(lParam))};
}

KeyStroke Convert(const KeyMessage& message, const IKeyboardPlatform& keyboard, bool* result = nullptr)
{
    KeyStroke record;
    const bool swallowed = FromKeyMessage(record, message, keyboard);
    if (result != nullptr)
        *result = swallowed;
    return record;
}

void ExpectSameRecord(const KeyStroke& a, const KeyStroke& b)
{
    EXPECT_EQ(a.scanCode, b.scanCode);
    EXPECT_EQ(a.virtualKey, b.virtualKey);
    EXPECT_EQ(a.direction, b.direction);
    EXPECT_EQ(a.flags, b.flags);
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.lastVirtualKey, b.lastVirtualKey);
    EXPECT_EQ(a.lastScanCode, b.lastScanCode);
}

constexpr uint8_t kShiftStateFlagMask = kKeyFlagShift | kKeyFlagCtrl | kKeyFlagAlt;

}  // namespace

// --- KeyName ----------------------------------------------------------------------------

TEST(KeyNameTest, TheSystemNameComesFirst)
{
    const FakeKeyboard us = FakeKeyboard::UnitedStates();
    EXPECT_EQ(KeyName(us, 163, 0x1D, true), L"Right Ctrl");
    EXPECT_EQ(us.LastKeyParameter(), 0x011D0000) << "scan code in bits 16..23, extended in bit 24";
    EXPECT_EQ(KeyName(us, 162, 0x1D, false), L"Ctrl");
    EXPECT_EQ(us.LastKeyParameter(), 0x001D0000);
}

TEST(KeyNameTest, NumLockAsksForTheExtendedScanCode)
{
    const FakeKeyboard us = FakeKeyboard::UnitedStates();
    EXPECT_EQ(KeyName(us, 144, 0x45, false), L"Num Lock");
    EXPECT_EQ(us.LastKeyParameter(), 0x01450000);
    EXPECT_EQ(KeyName(us, 19, 0x45, false), L"Pause") << "Pause shares the scan code, not extended";
    EXPECT_EQ(us.LastKeyParameter(), 0x00450000);
}

TEST(KeyNameTest, OnlyTheLowByteOfTheScanCodeReachesTheParameter)
{
    const FakeKeyboard us = FakeKeyboard::UnitedStates();
    EXPECT_EQ(KeyName(us, 162, 0x11D, false), L"Ctrl");
    EXPECT_EQ(us.LastKeyParameter(), 0x001D0000);
}

TEST(KeyNameTest, WithoutASystemNameTheShortNameIsUsed)
{
    const FakeKeyboard us = FakeKeyboard::UnitedStates();
    EXPECT_EQ(KeyName(us, 108, 0x1C, true), L"NumRet");
    const FakeKeyboard silent;
    EXPECT_EQ(KeyName(silent, 163, 0x1D, true), L"RCtrl");
    EXPECT_EQ(KeyName(silent, 160, 0x2A, false), L"LShft");
    EXPECT_EQ(KeyName(silent, 123, 0x58, false), L"F12");
    EXPECT_EQ(KeyName(silent, 144, 0x45, false), L"Numl");
}

TEST(KeyNameTest, ALetterWithoutAnyNameIsItsUpperCaseLetter)
{
    const FakeKeyboard german = FakeKeyboard::German();
    EXPECT_EQ(KeyName(german, 'Z', 0x15, false), L"Z");
    EXPECT_EQ(KeyName(german, 'Y', 0x2C, false), L"Y");
    EXPECT_EQ(KeyName(german, 0xBA, 0x1A, false), std::wstring(1, wchar_t{0xDC})) << "u with diaeresis";
    EXPECT_EQ(KeyName(german, 0xBF, 0x2B, false), L"#") << "not a letter: as typed";
    const FakeKeyboard us = FakeKeyboard::UnitedStates();
    EXPECT_EQ(KeyName(us, 0xDB, 0x1A, false), L"[");
}

TEST(KeyNameTest, TheCharacterNameUsesTheLowByteOfTheCharacter)
{
    FakeKeyboard keyboard;
    keyboard.AddKey({0xBA, 0x27, 0x0436, 0x0436, 0x0416, 0});  // Cyrillic small zhe
    EXPECT_EQ(KeyName(keyboard, 0xBA, 0x27, false), L"6") << "U+0436 has the low byte of '6'";
    keyboard.AddKey({0xC0, 0x29, 0x00FF, 0x00FF, 0, 0});
    EXPECT_EQ(KeyName(keyboard, 0xC0, 0x29, false), std::wstring(1, wchar_t{0x178})) << "y with diaeresis";
    keyboard.AddKey({0xC1, 0x35, 0x00F7, 0x00F7, 0, 0});
    EXPECT_EQ(KeyName(keyboard, 0xC1, 0x35, false), std::wstring(1, wchar_t{0xF7})) << "division sign: no letter";
    keyboard.AddKey({0xDE, 0x28, 0x0100, 0x0100, 0, 0});
    EXPECT_EQ(KeyName(keyboard, 0xDE, 0x28, false), L"") << "a low byte of 0 gives no character";
}

TEST(KeyNameTest, AKeyWithNothingAtAllHasAnEmptyName)
{
    const FakeKeyboard us = FakeKeyboard::UnitedStates();
    EXPECT_EQ(KeyName(us, 0xE8, 0x00, false), L"");
}

TEST(KeyNameTest, SystemNamesAreCutToTwentyCharacters)
{
    FakeKeyboard keyboard;
    keyboard.Name(0x1D, false, L"A very long control key name");
    EXPECT_EQ(KeyName(keyboard, 162, 0x1D, false), L"A very long control ");
}

// --- FromKeyMessage: left/right refinement ----------------------------------------------

TEST(KeyMessageTest, RightCtrlIsExtendedAndNamedBySystem)
{
    const FakeKeyboard us = FakeKeyboard::UnitedStates();
    bool swallowed = true;
    const KeyStroke record = Convert(Message(kMessageKeyDown, 17, 0x1D, {.extended = true}), us, &swallowed);
    EXPECT_FALSE(swallowed);
    EXPECT_EQ(record.virtualKey, 163);
    EXPECT_EQ(record.scanCode, 0x1D);
    EXPECT_EQ(record.lastScanCode, 0x1D);
    EXPECT_EQ(record.direction, kKeyPressed);
    EXPECT_EQ(record.flags, kKeyFlagExtended);
    EXPECT_EQ(record.name, L"Right Ctrl");
}

TEST(KeyMessageTest, LeftCtrlIsPlain)
{
    const KeyStroke record = Convert(Message(kMessageKeyDown, 17, 0x1D), FakeKeyboard::UnitedStates());
    EXPECT_EQ(record.virtualKey, 162);
    EXPECT_EQ(record.flags, 0);
    EXPECT_EQ(record.name, L"Ctrl");
}

TEST(KeyMessageTest, ShiftSidesComeFromTheScanCode)
{
    const FakeKeyboard us = FakeKeyboard::UnitedStates();
    EXPECT_EQ(Convert(Message(kMessageKeyDown, 16, 42), us).virtualKey, 160);
    EXPECT_EQ(Convert(Message(kMessageKeyDown, 16, 54), us).virtualKey, 161);
    EXPECT_EQ(Convert(Message(kMessageKeyDown, 16, 54), us).name, L"Right Shift");
    EXPECT_EQ(Convert(Message(kMessageKeyDown, 16, 0), us).virtualKey, 16) << "unknown scan code: unchanged";
    EXPECT_EQ(Convert(Message(kMessageKeyDown, 16, 42, {.extended = true}), us).virtualKey, 160);
}

TEST(KeyMessageTest, AltSidesComeFromTheExtendedFlag)
{
    const FakeKeyboard us = FakeKeyboard::UnitedStates();
    const KeyStroke right =
        Convert(Message(kMessageSysKeyDown, 18, 0x38, {.extended = true, .altHeld = true}), us);
    EXPECT_EQ(right.virtualKey, 165);
    EXPECT_EQ(right.flags, kKeyFlagExtended | kKeyFlagAlt);
    EXPECT_EQ(right.name, L"Right Alt");
    const KeyStroke left = Convert(Message(kMessageSysKeyDown, 18, 0x38, {.altHeld = true}), us);
    EXPECT_EQ(left.virtualKey, 164);
    EXPECT_EQ(left.flags, kKeyFlagAlt);
}

TEST(KeyMessageTest, NumericPadEnterIs108AndNamedNumRetWithoutASystemName)
{
    const FakeKeyboard us = FakeKeyboard::UnitedStates();
    const KeyStroke pad = Convert(Message(kMessageKeyDown, 13, 0x1C, {.extended = true}), us);
    EXPECT_EQ(pad.virtualKey, 108);
    EXPECT_EQ(pad.flags & kKeyFlagExtended, kKeyFlagExtended);
    EXPECT_EQ(pad.name, L"NumRet");
    const KeyStroke main = Convert(Message(kMessageKeyDown, 13, 0x1C), us);
    EXPECT_EQ(main.virtualKey, 13);
    EXPECT_EQ(main.name, L"Enter");
}

TEST(KeyMessageTest, OtherKeysKeepTheirVirtualKey)
{
    const FakeKeyboard us = FakeKeyboard::UnitedStates();
    for (uint16_t virtualKey : {9, 65, 112, 160, 163, 255})
        EXPECT_EQ(Convert(Message(kMessageKeyDown, virtualKey, 0x10, {.extended = true}), us).virtualKey, virtualKey);
}

// --- FromKeyMessage: messages, repeats, results -----------------------------------------

TEST(KeyMessageTest, ReleasesGiveDirectionOne)
{
    const FakeKeyboard us = FakeKeyboard::UnitedStates();
    EXPECT_EQ(Convert(Message(kMessageKeyUp, 'A', 0x1E), us).direction, kKeyReleased);
    EXPECT_EQ(Convert(Message(kMessageSysKeyUp, 18, 0x38), us).direction, kKeyReleased);
    EXPECT_EQ(Convert(Message(kMessageSysKeyDown, 18, 0x38), us).direction, kKeyPressed);
}

TEST(KeyMessageTest, AutoRepeatIsIgnoredUntilTheRelease)
{
    const FakeKeyboard us = FakeKeyboard::UnitedStates();
    KeyStroke record;
    EXPECT_FALSE(FromKeyMessage(record, Message(kMessageKeyDown, 'A', 0x1E), us));
    const KeyStroke first = record;

    EXPECT_TRUE(FromKeyMessage(record, Message(kMessageKeyDown, 'Q', 0x10, {.wasDown = true}), us));
    ExpectSameRecord(record, first);
    EXPECT_TRUE(FromKeyMessage(record, Message(kMessageSysKeyDown, 'A', 0x1E, {.wasDown = true}), us));
    ExpectSameRecord(record, first);

    EXPECT_FALSE(FromKeyMessage(record, Message(kMessageKeyUp, 'A', 0x1E), us)) << "a release has bit 30 set";
    EXPECT_EQ(record.direction, kKeyReleased);
    EXPECT_EQ(record.virtualKey, 'A');
}

TEST(KeyMessageTest, OtherMessagesAreSwallowedAndChangeNothing)
{
    const FakeKeyboard us = FakeKeyboard::UnitedStates();
    KeyStroke record;
    record.name = L"before";
    record.virtualKey = 7;
    const KeyStroke before = record;
    for (uint32_t message : {kWmChar, 0x0u, 0x103u, 0x106u, 0x0FFu})
        EXPECT_TRUE(FromKeyMessage(record, Message(message, 'A', 0x1E), us)) << message;
    ExpectSameRecord(record, before);
}

TEST(KeyMessageTest, APlainKeyDownOfTheEditingAndLockKeysIsSwallowed)
{
    const FakeKeyboard us = FakeKeyboard::UnitedStates();
    const std::set<uint16_t> swallowedKeys = {8, 9, 19, 20, 32, 36, 37, 38, 39, 40, 91, 92, 93, 144, 145};
    for (uint16_t virtualKey = 0; virtualKey < 256; ++virtualKey) {
        KeyStroke record;
        const bool swallowed = FromKeyMessage(record, Message(kMessageKeyDown, virtualKey, 0x48), us);
        EXPECT_EQ(swallowed, swallowedKeys.count(virtualKey) == 1) << virtualKey;
        EXPECT_EQ(record.scanCode, 0x48) << "the record is filled either way";
        EXPECT_EQ(record.direction, kKeyPressed);
    }
}

TEST(KeyMessageTest, SystemKeyDownsAndReleasesOfThoseKeysAreShown)
{
    const FakeKeyboard us = FakeKeyboard::UnitedStates();
    KeyStroke record;
    EXPECT_FALSE(FromKeyMessage(record, Message(kMessageSysKeyDown, 9, 0x0F, {.altHeld = true}), us));
    EXPECT_EQ(record.name, L"Tab");
    EXPECT_FALSE(FromKeyMessage(record, Message(kMessageKeyUp, 32, 0x39), us));
    EXPECT_EQ(record.name, L"Space");
    EXPECT_FALSE(FromKeyMessage(record, Message(kMessageKeyUp, 144, 0x45), us));
    EXPECT_EQ(record.name, L"Num Lock");
}

TEST(KeyMessageTest, TheAltHeldBitSetsFlagBitOne)
{
    const FakeKeyboard us = FakeKeyboard::UnitedStates();
    EXPECT_EQ(Convert(Message(kMessageSysKeyDown, 112, 0x3B, {.altHeld = true}), us).flags, kKeyFlagAlt);
    EXPECT_EQ(Convert(Message(kMessageKeyDown, 112, 0x3B), us).flags, 0);
}

TEST(KeyMessageTest, FlagsAreRebuiltForEveryKey)
{
    const FakeKeyboard us = FakeKeyboard::UnitedStates();
    KeyStroke record;
    FromKeyMessage(record, Message(kMessageSysKeyDown, 17, 0x1D, {.extended = true, .altHeld = true}), us);
    EXPECT_EQ(record.flags, kKeyFlagExtended | kKeyFlagAlt);
    FromKeyMessage(record, Message(kMessageKeyDown, 112, 0x3B), us);
    EXPECT_EQ(record.flags, 0);
}

// --- FromKeyMessage: shift state of the character ---------------------------------------

TEST(KeyMessageTest, ShiftStateFlagsDifferBetweenLayouts)
{
    // The "1" key: US types "1" unshifted; AZERTY types "&" and needs Shift for "1".
    const KeyMessage one = Message(kMessageKeyDown, '1', 0x02);
    EXPECT_EQ(Convert(one, FakeKeyboard::UnitedStates()).flags & kShiftStateFlagMask, 0);
    EXPECT_EQ(Convert(one, FakeKeyboard::French()).flags & kShiftStateFlagMask, kKeyFlagShift);
    EXPECT_EQ(Convert(one, FakeKeyboard::French()).name, L"&");
}

TEST(KeyMessageTest, LetterKeysReportTheShiftOfTheirCapital)
{
    // MapVirtualKeyExW answers letter keys with their capital, which only Shift types.
    EXPECT_EQ(Convert(Message(kMessageKeyDown, 'A', 0x1E), FakeKeyboard::UnitedStates()).flags, kKeyFlagShift);
}

TEST(KeyMessageTest, ACharacterTypedWithAltGrSetsCtrlAndAlt)
{
    FakeKeyboard keyboard;
    keyboard.AddKey({'E', 0x12, 0x20AC, L'e', L'E', 0x20AC});  // a layout whose E key reports the euro sign
    EXPECT_EQ(Convert(Message(kMessageKeyDown, 'E', 0x12), keyboard).flags, kKeyFlagCtrl | kKeyFlagAlt);
}

TEST(KeyMessageTest, ADeadKeyIsAskedAboutItsOwnCharacter)
{
    FakeKeyboard keyboard;
    keyboard.AddKey({'6', 0x07, '6', L'6', L'^', 0});
    keyboard.AddKey({0xDD, 0x1A, 0x8000005Eu, 0, 0, 0});  // a dead circumflex that reports bit 31
    EXPECT_EQ(Convert(Message(kMessageKeyDown, 0xDD, 0x1A), keyboard).flags, kKeyFlagShift)
        << "bit 31 marks the dead key; the character is ^, typed with Shift+6 here";
    EXPECT_EQ(Convert(Message(kMessageKeyDown, 0xDD, 0x1A), FakeKeyboard::French()).flags, 0)
        << "AZERTY types the circumflex on that key unshifted";
}

TEST(KeyMessageTest, KeysWithoutACharacterGetNoShiftState)
{
    // The US layouts type NUL with Ctrl+Shift+2; a key without a character must not pick that up.
    const FakeKeyboard us = FakeKeyboard::UnitedStates();
    for (uint16_t virtualKey : {17, 112, 38, 144})
        EXPECT_EQ(Convert(Message(kMessageKeyDown, virtualKey, 0x1D), us).flags & kShiftStateFlagMask, 0) << virtualKey;
}

TEST(KeyMessageTest, ACharacterNoKeyTypesGetsNoShiftState)
{
    FakeKeyboard keyboard;
    keyboard.AddKey({0xC1, 0x73, L'?', 0, 0, 0});
    EXPECT_EQ(Convert(Message(kMessageKeyDown, 0xC1, 0x73), keyboard).flags, 0);
}

// --- FromRawKeyboard --------------------------------------------------------------------

TEST(RawKeyboardTest, AnE0KeyIsExtendedAndUsable)
{
    const FakeKeyboard us = FakeKeyboard::UnitedStates();
    KeyStroke record;
    EXPECT_TRUE(FromRawKeyboard(record, {0x1D, kRawKeyE0, 17}, us));
    EXPECT_EQ(record.scanCode, 0x1D);
    EXPECT_EQ(record.lastScanCode, 0x1D);
    EXPECT_EQ(record.virtualKey, 17) << "raw input is not refined";
    EXPECT_EQ(record.lastVirtualKey, 17);
    EXPECT_EQ(record.flags, kKeyFlagExtended);
    EXPECT_EQ(record.direction, kKeyPressed);
    EXPECT_EQ(record.name, L"Right Ctrl");
}

TEST(RawKeyboardTest, TheBreakFlagMakesARelease)
{
    KeyStroke record;
    EXPECT_TRUE(FromRawKeyboard(record, {0x1E, kRawKeyBreak, 'A'}, FakeKeyboard::UnitedStates()));
    EXPECT_EQ(record.direction, kKeyReleased);
    EXPECT_EQ(record.flags, 0) << "raw input carries no shift state";
    EXPECT_EQ(record.name, L"A");
}

TEST(RawKeyboardTest, PauseIsNeverUsable)
{
    const FakeKeyboard us = FakeKeyboard::UnitedStates();
    KeyStroke record;
    EXPECT_FALSE(FromRawKeyboard(record, {0x1D, kRawKeyE1, 19}, us)) << "Pause arrives with the E1 prefix";
    EXPECT_FALSE(FromRawKeyboard(record, {0x45, 0, 19}, us)) << "and virtual key 19 is refused on its own";
    EXPECT_FALSE(FromRawKeyboard(record, {0x1D, kRawKeyE1, 17}, us)) << "any E1 event is refused";
}

TEST(RawKeyboardTest, AMissingMakeCodeIsNotUsable)
{
    KeyStroke record;
    EXPECT_FALSE(FromRawKeyboard(record, {0, 0, 'A'}, FakeKeyboard::UnitedStates()));
    EXPECT_EQ(record.virtualKey, 'A') << "the record is filled anyway";
}

TEST(RawKeyboardTest, VirtualKey255KeepsTheLastOne)
{
    const FakeKeyboard us = FakeKeyboard::UnitedStates();
    KeyStroke record;
    EXPECT_TRUE(FromRawKeyboard(record, {0x1E, 0, 'A'}, us));
    EXPECT_TRUE(FromRawKeyboard(record, {0x10, 0, kRawNoVirtualKey}, us));
    EXPECT_EQ(record.virtualKey, 'A');
    EXPECT_EQ(record.lastVirtualKey, 'A');
    EXPECT_EQ(record.scanCode, 0x10);
    EXPECT_EQ(record.lastScanCode, 0x10);
    EXPECT_EQ(record.name, L"Q") << "named by the new scan code";
}

TEST(RawKeyboardTest, ASyntheticE0KeyIsNotUsable)
{
    const FakeKeyboard us = FakeKeyboard::UnitedStates();
    KeyStroke record;
    EXPECT_TRUE(FromRawKeyboard(record, {0x48, kRawKeyE0, 38}, us));
    EXPECT_FALSE(FromRawKeyboard(record, {0x2A, kRawKeyE0, kRawNoVirtualKey}, us));
    EXPECT_EQ(record.virtualKey, 38);
    EXPECT_EQ(record.flags, kKeyFlagExtended);
}

TEST(RawKeyboardTest, ALastKeyOfPauseMakes255Unusable)
{
    const FakeKeyboard us = FakeKeyboard::UnitedStates();
    KeyStroke record;
    FromRawKeyboard(record, {0x45, 0, 19}, us);
    EXPECT_FALSE(FromRawKeyboard(record, {0x45, 0, kRawNoVirtualKey}, us));
    EXPECT_EQ(record.virtualKey, 19);
}

TEST(RawKeyboardTest, FlagsFromAnEarlierKeyDoNotStay)
{
    const FakeKeyboard us = FakeKeyboard::UnitedStates();
    KeyStroke record;
    FromRawKeyboard(record, {0x1D, kRawKeyE0 | kRawKeyBreak, 17}, us);
    FromRawKeyboard(record, {0x1E, 0, 'A'}, us);
    EXPECT_EQ(record.flags, 0);
    EXPECT_EQ(record.direction, kKeyPressed);
}

TEST(RawKeyboardTest, KeyMessagesDoNotTouchTheLastVirtualKey)
{
    const FakeKeyboard us = FakeKeyboard::UnitedStates();
    KeyStroke record;
    FromRawKeyboard(record, {0x1E, 0, 'A'}, us);
    FromKeyMessage(record, Message(kMessageKeyDown, 'Q', 0x10), us);
    EXPECT_EQ(record.lastVirtualKey, 'A');
    EXPECT_EQ(record.lastScanCode, 0x10);
}

// --- the record as a macro step ---------------------------------------------------------

TEST(KeyStrokeTest, AMacroStepHoldsTheFirstFourFields)
{
    KeyStroke record;
    FromKeyMessage(record, Message(kMessageKeyUp, 17, 0x1D, {.extended = true}), FakeKeyboard::UnitedStates());
    const MacroEvent event = record.ToMacroEvent();
    EXPECT_EQ(event, MacroEvent::Key(0x1D, 163, kKeyReleased, kKeyFlagExtended));
    const uint8_t bytes[8] = {0x1D, 0, 163, 0, kKeyReleased, kKeyFlagExtended, 0, 0};
    EXPECT_EQ(0, std::memcmp(event.data, bytes, sizeof(bytes)));
}
