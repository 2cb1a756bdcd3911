#pragma once

#include <cstdint>
#include <string>

// The keyboard-layout questions that key naming asks the system. Everything is answered in
// one keyboard layout, the implementation's: the current language's, or the thread's current
// layout when none is loaded. The Windows implementation is CWinKeyboardPlatform (macro/win);
// tests use a table-driven stand-in.
class IKeyboardPlatform
{
public:
    // Shift-state bits in the high byte of CharToKey's answer.
    static constexpr uint8_t kShiftStateShift = 0x1;
    static constexpr uint8_t kShiftStateCtrl = 0x2;
    static constexpr uint8_t kShiftStateAlt = 0x4;
    // CharToKey's answer when no key types the character.
    static constexpr int16_t kNoKey = -1;

    virtual ~IKeyboardPlatform() = default;

    // The system's name of a key (GetKeyNameTextW): keyParameter holds the scan code in bits
    // 16..23 and the extended flag in bit 24. Empty when the system has no name.
    [[nodiscard]] virtual std::wstring KeyNameText(int32_t keyParameter) const = 0;

    // The unshifted character of a virtual key (MapVirtualKeyExW, translation type 2): the
    // character in the low 16 bits, bit 31 set for a dead key, 0 when the key types nothing.
    [[nodiscard]] virtual uint32_t VirtualKeyToChar(uint32_t virtualKey) const = 0;

    // The key that types a character (VkKeyScanExW): the virtual key in the low byte and the
    // shift state needed (kShiftState* bits) in the high byte; kNoKey when no key types it.
    [[nodiscard]] virtual int16_t CharToKey(wchar_t character) const = 0;

    // What a key types with every key released (ToUnicode); empty when nothing.
    [[nodiscard]] virtual std::wstring TypedText(uint32_t virtualKey, uint32_t scanCode) const = 0;

protected:
    IKeyboardPlatform() = default;
    IKeyboardPlatform(const IKeyboardPlatform&) = default;
    IKeyboardPlatform& operator=(const IKeyboardPlatform&) = default;
};
