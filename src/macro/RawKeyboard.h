#pragma once

#include <cstdint>

// Flags of a raw keyboard record (the values of RI_KEY_BREAK, RI_KEY_E0 and RI_KEY_E1).
inline constexpr uint16_t kRawKeyBreak = 0x1;
inline constexpr uint16_t kRawKeyE0 = 0x2;
inline constexpr uint16_t kRawKeyE1 = 0x4;

// The raw-input virtual key of a synthetic or unknown key (for example the fake Shift that
// precedes some E0 keys): it carries no key of its own.
inline constexpr uint16_t kRawNoVirtualKey = 255;

// The fields of a raw keyboard record that the key conversion reads, without the platform's
// headers.
struct RawKeyboard
{
    uint16_t makeCode = 0;
    uint16_t flags = 0;
    uint16_t virtualKey = 0;
};
