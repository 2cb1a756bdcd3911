#pragma once

#include <cstdint>
#include <string>

#include "macro/IKeyboardPlatform.h"
#include "macro/KeyMessage.h"
#include "macro/MacroEvent.h"
#include "macro/RawKeyboard.h"

// One key as the device and the user see it: the codes the device needs, a direction, the
// key flags (kKeyFlagExtended, kKeyFlagAlt, kKeyFlagCtrl, kKeyFlagShift of
// config/AssignmentInfo.h) and a display name in the current keyboard layout. The last* fields
// carry over from one conversion to the next, so one record serves a whole input stream.
struct KeyStroke
{
    uint16_t scanCode = 0;    // set-1 make code without the E0 prefix
    uint16_t virtualKey = 0;  // after the left/right refinement of key messages
    uint8_t direction = 0;    // kKeyPressed or kKeyReleased (macro/MacroEvent.h)
    uint8_t flags = 0;
    std::wstring name;
    uint16_t lastVirtualKey = 0;
    uint16_t lastScanCode = 0;

    // The macro step of this key (the two spare bytes stay zero).
    [[nodiscard]] MacroEvent ToMacroEvent() const noexcept
    {
        return MacroEvent::Key(scanCode, virtualKey, direction, flags);
    }
};

// The longest display name taken from the system.
inline constexpr size_t kMaxKeyNameLength = 20;

// The display name of a key: the system's name, else the short name of the key names table,
// else the upper-cased character the key types; empty only when all three are missing.
[[nodiscard]] std::wstring KeyName(const IKeyboardPlatform& keyboard, uint32_t virtualKey, uint32_t scanCode,
                                   bool extended);

// Fills the record from a window key message. True for messages the single-key entry field
// consumes without showing a name (other messages, auto-repeats, and a plain key down of the
// keys that field leaves to the system); false when the record holds a key to show.
// Other messages and auto-repeats leave the record unchanged.
bool FromKeyMessage(KeyStroke& record, const KeyMessage& message, const IKeyboardPlatform& keyboard);

// Fills the record from raw keyboard input. True when the event is a usable key: it has a
// make code, no E1 prefix (Pause), is not a synthetic E0 key, and is not Pause.
bool FromRawKeyboard(KeyStroke& record, const RawKeyboard& raw, const IKeyboardPlatform& keyboard);
