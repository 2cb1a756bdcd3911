#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "macro/IKeyboardPlatform.h"

// A keyboard layout described by tables, answering the questions of IKeyboardPlatform the way
// user32 does: system key names by scan code and extended flag, the character that
// MapVirtualKeyExW reports for a virtual key (upper-case letters for letter keys, as Windows
// answers), and which key and shift state types each character (VkKeyScanExW searches the
// layout's keys in order and takes the first match).
class FakeKeyboard final : public IKeyboardPlatform
{
public:
    struct Key
    {
        uint16_t virtualKey = 0;
        uint16_t scanCode = 0;
        uint32_t mappedChar = 0;  // MapVirtualKeyExW answer (bit 31: dead key)
        wchar_t plain = 0;        // typed with no modifier
        wchar_t shifted = 0;      // typed with Shift
        wchar_t altGr = 0;        // typed with Ctrl+Alt
    };

    void Name(uint16_t scanCode, bool extended, std::wstring name)
    {
        m_names[NameIndex(scanCode, extended)] = std::move(name);
    }
    void AddKey(const Key& key) { m_keys.push_back(key); }
    // The character Ctrl+@ types (NUL) in the US layouts: a trap for asking about "no character".
    void AddControlCharacter(uint16_t virtualKey, uint8_t state, wchar_t character)
    {
        m_controls.push_back({virtualKey, state, character});
    }

    [[nodiscard]] int32_t LastKeyParameter() const noexcept { return m_lastKeyParameter; }

    std::wstring KeyNameText(int32_t keyParameter) const override
    {
        m_lastKeyParameter = keyParameter;
        const auto parameter = static_cast<uint32_t>(keyParameter);
        const auto it = m_names.find(NameIndex((parameter >> 16) & 0xFF, (parameter & (1u << 24)) != 0));
        return it != m_names.end() ? it->second : std::wstring{};
    }

    uint32_t VirtualKeyToChar(uint32_t virtualKey) const override
    {
        for (const Key& key : m_keys) {
            if (key.virtualKey == virtualKey)
                return key.mappedChar;
        }
        return 0;
    }

    int16_t CharToKey(wchar_t character) const override
    {
        for (const Key& key : m_keys) {
            const std::pair<wchar_t, uint8_t> typed[] = {{key.plain, 0},
                                                         {key.shifted, kShiftStateShift},
                                                         {key.altGr, kShiftStateCtrl | kShiftStateAlt}};
            for (const auto& [typedChar, state] : typed) {
                if (typedChar != 0 && typedChar == character)
                    return static_cast<int16_t>((state << 8) | key.virtualKey);
            }
        }
        for (const Control& control : m_controls) {
            if (control.character == character)
                return static_cast<int16_t>((control.state << 8) | control.virtualKey);
        }
        return kNoKey;
    }

    std::wstring TypedText(uint32_t virtualKey, uint32_t scanCode) const override
    {
        for (const Key& key : m_keys) {
            if (key.virtualKey == virtualKey && key.scanCode == scanCode && key.plain != 0)
                return std::wstring(1, key.plain);
        }
        return {};
    }

    // A US English layout with the names Windows gives, except that the numeric-pad Enter and
    // the "[" key have none here, so the fallbacks show.
    static FakeKeyboard UnitedStates()
    {
        FakeKeyboard keyboard;
        const std::pair<uint16_t, const wchar_t*> plainNames[] = {
            {0x01, L"Esc"},   {0x02, L"1"},     {0x03, L"2"},     {0x0E, L"Backspace"}, {0x0F, L"Tab"},
            {0x10, L"Q"},     {0x1C, L"Enter"}, {0x1D, L"Ctrl"},  {0x1E, L"A"},         {0x2A, L"Shift"},
            {0x36, L"Right Shift"}, {0x38, L"Alt"}, {0x39, L"Space"}, {0x45, L"Pause"}, {0x3B, L"F1"},
        };
        for (const auto& [scanCode, name] : plainNames)
            keyboard.Name(scanCode, false, name);
        keyboard.Name(0x1D, true, L"Right Ctrl");
        keyboard.Name(0x38, true, L"Right Alt");
        keyboard.Name(0x45, true, L"Num Lock");
        keyboard.Name(0x48, true, L"Up");

        keyboard.AddKey({'1', 0x02, '1', L'1', L'!', 0});
        keyboard.AddKey({'2', 0x03, '2', L'2', L'@', 0});
        keyboard.AddKey({'6', 0x07, '6', L'6', L'^', 0});
        keyboard.AddKey({'A', 0x1E, 'A', L'a', L'A', 0});
        keyboard.AddKey({'Q', 0x10, 'Q', L'q', L'Q', 0});
        keyboard.AddKey({0xDB, 0x1A, '[', L'[', L'{', 0});
        keyboard.AddKey({' ', 0x39, ' ', L' ', 0, 0});
        keyboard.AddKey({13, 0x1C, '\r', L'\r', 0, 0});
        keyboard.AddControlCharacter('2', kShiftStateShift | kShiftStateCtrl, L'\0');
        return keyboard;
    }

    // A French AZERTY layout: the top row types symbols and needs Shift for its digits, while
    // MapVirtualKeyExW answers the digit keys with their digits, as it answers letter keys
    // with their capitals.
    static FakeKeyboard French()
    {
        FakeKeyboard keyboard;
        keyboard.Name(0x1D, false, L"Ctrl");
        keyboard.Name(0x1D, true, L"Ctrl droite");
        keyboard.Name(0x2A, false, L"Maj");
        keyboard.Name(0x36, false, L"Maj droite");
        keyboard.Name(0x02, false, L"&");
        keyboard.Name(0x10, false, L"A");
        keyboard.AddKey({'1', 0x02, '1', L'&', L'1', 0});
        keyboard.AddKey({'0', 0x0B, '0', 0x00E0, L'0', L'@'});
        keyboard.AddKey({'A', 0x10, 'A', L'a', L'A', 0});
        keyboard.AddKey({'Q', 0x1E, 'Q', L'q', L'Q', 0});
        keyboard.AddKey({0xDD, 0x1A, 0x8000005Eu, L'^', 0x00A8, 0});  // dead circumflex
        return keyboard;
    }

    // A German QWERTZ layout with no system names for its letter keys.
    static FakeKeyboard German()
    {
        FakeKeyboard keyboard;
        keyboard.Name(0x1D, false, L"Strg");
        keyboard.Name(0x1D, true, L"Strg-Rechts");
        keyboard.AddKey({'Z', 0x15, 'Z', L'z', L'Z', 0});
        keyboard.AddKey({'Y', 0x2C, 'Y', L'y', L'Y', 0});
        keyboard.AddKey({0xBA, 0x1A, 0xFC, 0x00FC, 0x00DC, 0});     // u with diaeresis
        keyboard.AddKey({0xBF, 0x2B, '#', L'#', L'\'', 0});
        keyboard.AddKey({'Q', 0x10, 'Q', L'q', L'Q', L'@'});
        return keyboard;
    }

private:
    struct Control
    {
        uint16_t virtualKey;
        uint8_t state;
        wchar_t character;
    };

    static uint32_t NameIndex(uint32_t scanCode, bool extended) { return scanCode | (extended ? 0x100u : 0u); }

    std::map<uint32_t, std::wstring> m_names;
    std::vector<Key> m_keys;
    std::vector<Control> m_controls;
    mutable int32_t m_lastKeyParameter = -1;
};
