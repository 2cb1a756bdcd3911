// The key conversion with the real user32 calls. Only what the platform guarantees is checked:
// Wine, for one, answers every layout request with the US layout and names keys after X
// key symbols ("Control_R", "KP_Enter") or its own tables ("Right Ctrl", "Num Enter").
#include <windows.h>

#include <gtest/gtest.h>

#include "config/AssignmentInfo.h"
#include "macro/KeyStroke.h"
#include "macro/win/CWinKeyboardPlatform.h"
#include "macro/win/WinKeyInput.h"

namespace {

constexpr uint8_t kShiftStateFlagMask = kKeyFlagShift | kKeyFlagCtrl | kKeyFlagAlt;

LPARAM KeyParameter(UINT scanCode, bool extended, bool altHeld = false)
{
    LPARAM parameter = 1 | (static_cast<LPARAM>(scanCode) << 16);
    if (extended)
        parameter |= KF_EXTENDED << 16;
    if (altHeld)
        parameter |= KF_ALTDOWN << 16;
    return parameter;
}

class WinKeyboardTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_keyboard.LoadLayout(L"00000409")); }

    KeyStroke Convert(UINT message, WPARAM virtualKey, LPARAM parameter, bool* swallowed = nullptr)
    {
        KeyStroke record;
        const bool result = FromKeyMessage(record, ToKeyMessage(message, virtualKey, parameter), m_keyboard);
        if (swallowed != nullptr)
            *swallowed = result;
        return record;
    }

    CWinKeyboardPlatform m_keyboard;
};

}  // namespace

TEST(WinKeyboardLayoutTest, TheUsLayoutLoadsByName)
{
    CWinKeyboardPlatform keyboard;
    ASSERT_TRUE(keyboard.LoadLayout(L"00000409"));
    EXPECT_NE(keyboard.Layout(), nullptr);
    EXPECT_TRUE(keyboard.Activate());
}

TEST(WinKeyboardLayoutTest, AnEmptyNameLoadsTheDefaultLayout)
{
    CWinKeyboardPlatform keyboard;
    ASSERT_TRUE(keyboard.LoadLayout(L""));
    EXPECT_NE(keyboard.Layout(), nullptr);
}

TEST(WinKeyboardLayoutTest, WithoutALoadedLayoutTheThreadsLayoutAnswers)
{
    CWinKeyboardPlatform keyboard;
    EXPECT_NE(keyboard.Layout(), nullptr);
    EXPECT_EQ(keyboard.Layout(), GetKeyboardLayout(0));

    const HKL loaded = LoadKeyboardLayoutW(L"00000409", 0);
    ASSERT_NE(loaded, nullptr);
    keyboard.UseLayout(loaded);
    EXPECT_EQ(keyboard.Layout(), loaded);
    keyboard.UseLayout(nullptr);
    EXPECT_EQ(keyboard.Layout(), GetKeyboardLayout(0));
}

TEST_F(WinKeyboardTest, TheUsLayoutTypesItsKeys)
{
    EXPECT_EQ(m_keyboard.TypedText('A', 0x1E), L"a");
    EXPECT_EQ(m_keyboard.TypedText('1', 0x02), L"1");
    EXPECT_EQ(m_keyboard.CharToKey(L'1'), '1') << "no shift state for 1";
    EXPECT_EQ(m_keyboard.CharToKey(L'!') >> 8, IKeyboardPlatform::kShiftStateShift);
    EXPECT_EQ(m_keyboard.VirtualKeyToChar(VK_F1), 0u);
}

TEST_F(WinKeyboardTest, RightCtrlIsRefinedFlaggedAndNamed)
{
    bool swallowed = true;
    const KeyStroke record = Convert(WM_KEYDOWN, VK_CONTROL, KeyParameter(0x1D, true), &swallowed);
    EXPECT_FALSE(swallowed);
    EXPECT_EQ(record.virtualKey, VK_RCONTROL);
    EXPECT_EQ(record.scanCode, 0x1D);
    EXPECT_EQ(record.direction, kKeyPressed);
    EXPECT_EQ(record.flags, kKeyFlagExtended) << "Ctrl types no character, so no shift state";
    ASSERT_FALSE(record.name.empty());
    EXPECT_LE(record.name.size(), kMaxKeyNameLength);
    const std::wstring systemName = m_keyboard.KeyNameText(0x011D0000);
    EXPECT_EQ(record.name, systemName.empty() ? std::wstring(L"RCtrl") : systemName);
}

TEST_F(WinKeyboardTest, LeftAndRightKeysOfEachModifier)
{
    EXPECT_EQ(Convert(WM_KEYDOWN, VK_CONTROL, KeyParameter(0x1D, false)).virtualKey, VK_LCONTROL);
    EXPECT_EQ(Convert(WM_KEYDOWN, VK_SHIFT, KeyParameter(42, false)).virtualKey, VK_LSHIFT);
    EXPECT_EQ(Convert(WM_KEYDOWN, VK_SHIFT, KeyParameter(54, false)).virtualKey, VK_RSHIFT);
    const KeyStroke rightAlt = Convert(WM_SYSKEYDOWN, VK_MENU, KeyParameter(0x38, true, true));
    EXPECT_EQ(rightAlt.virtualKey, VK_RMENU);
    EXPECT_EQ(rightAlt.flags, kKeyFlagExtended | kKeyFlagAlt);
    EXPECT_EQ(Convert(WM_SYSKEYUP, VK_MENU, KeyParameter(0x38, false, true)).virtualKey, VK_LMENU);
}

TEST_F(WinKeyboardTest, NumericPadEnterIsSeparatorAndNamed)
{
    const KeyStroke record = Convert(WM_KEYDOWN, VK_RETURN, KeyParameter(0x1C, true));
    EXPECT_EQ(record.virtualKey, VK_SEPARATOR);
    EXPECT_EQ(record.flags & kKeyFlagExtended, kKeyFlagExtended);
    EXPECT_FALSE(record.name.empty());
    EXPECT_EQ(Convert(WM_KEYDOWN, VK_RETURN, KeyParameter(0x1C, false)).virtualKey, VK_RETURN);
}

TEST_F(WinKeyboardTest, KeysWithoutACharacterGetNoShiftState)
{
    // The real layouts type NUL with a Ctrl combination; keys without a character ignore that.
    for (WPARAM virtualKey : {VK_F1, VK_HOME, VK_CONTROL, VK_NUMLOCK}) {
        const UINT scanCode = MapVirtualKeyExW(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC, m_keyboard.Layout());
        EXPECT_EQ(Convert(WM_KEYDOWN, virtualKey, KeyParameter(scanCode, false)).flags & kShiftStateFlagMask, 0)
            << virtualKey;
    }
}

TEST_F(WinKeyboardTest, TheDigitOneNeedsNoShiftInTheUsLayout)
{
    const KeyStroke record = Convert(WM_KEYDOWN, '1', KeyParameter(0x02, false));
    EXPECT_EQ(record.flags, 0);
    EXPECT_FALSE(record.name.empty());
}

TEST_F(WinKeyboardTest, NamesAreNeverEmptyForCommonKeys)
{
    const std::pair<WPARAM, UINT> keys[] = {{'A', 0x1E},       {'Z', 0x2C},     {VK_SPACE, 0x39},
                                            {VK_ESCAPE, 0x01}, {VK_F1, 0x3B},   {VK_OEM_4, 0x1A}};
    for (const auto& [virtualKey, scanCode] : keys) {
        const KeyStroke record = Convert(WM_KEYDOWN, virtualKey, KeyParameter(scanCode, false));
        EXPECT_FALSE(record.name.empty()) << virtualKey;
        EXPECT_LE(record.name.size(), kMaxKeyNameLength);
    }
}

TEST_F(WinKeyboardTest, AutoRepeatIsIgnored)
{
    KeyStroke record;
    EXPECT_FALSE(FromKeyMessage(record, ToKeyMessage(WM_KEYDOWN, 'A', KeyParameter(0x1E, false)), m_keyboard));
    const std::wstring name = record.name;
    const LPARAM repeat = KeyParameter(0x10, false) | (KF_REPEAT << 16);
    EXPECT_TRUE(FromKeyMessage(record, ToKeyMessage(WM_KEYDOWN, 'Q', repeat), m_keyboard));
    EXPECT_EQ(record.virtualKey, 'A');
    EXPECT_EQ(record.name, name);
}

TEST_F(WinKeyboardTest, RawInputRecordsConvert)
{
    RAWKEYBOARD raw = {};
    raw.MakeCode = 0x1D;
    raw.Flags = RI_KEY_E0 | RI_KEY_BREAK;
    raw.VKey = VK_CONTROL;
    KeyStroke record;
    EXPECT_TRUE(FromRawKeyboard(record, ToRawKeyboard(raw), m_keyboard));
    EXPECT_EQ(record.virtualKey, VK_CONTROL);
    EXPECT_EQ(record.direction, kKeyReleased);
    EXPECT_EQ(record.flags, kKeyFlagExtended);
    EXPECT_FALSE(record.name.empty());

    raw.MakeCode = 0x1D;
    raw.Flags = RI_KEY_E1;
    raw.VKey = VK_PAUSE;
    EXPECT_FALSE(FromRawKeyboard(record, ToRawKeyboard(raw), m_keyboard)) << "Pause";
}

TEST(WinKeyInputTest, MessagesKeepTheirParameters)
{
    const KeyMessage message = ToKeyMessage(WM_SYSKEYUP, VK_F4, static_cast<LPARAM>(0xE03E0001u));
    EXPECT_EQ(message.message, kMessageSysKeyUp);
    EXPECT_EQ(message.wParam, static_cast<uintptr_t>(VK_F4));
    EXPECT_EQ(static_cast<uint32_t>(message.lParam), 0xE03E0001u);
}
