#pragma once

#include <cstdint>

// Window key message numbers (the values of WM_KEYDOWN and its siblings).
inline constexpr uint32_t kMessageKeyDown = 0x100;
inline constexpr uint32_t kMessageKeyUp = 0x101;
inline constexpr uint32_t kMessageSysKeyDown = 0x104;
inline constexpr uint32_t kMessageSysKeyUp = 0x105;

// Bits of a key message's lParam: scan code in bits 16..23, then these.
inline constexpr uint32_t kKeyParamExtended = 1u << 24;
inline constexpr uint32_t kKeyParamAltHeld = 1u << 29;
inline constexpr uint32_t kKeyParamWasDown = 1u << 30;

// A window message as the key conversion sees it, without the platform's headers: the message
// number and its two word-sized parameters (wParam holds the virtual-key code).
struct KeyMessage
{
    uint32_t message = 0;
    uintptr_t wParam = 0;
    intptr_t lParam = 0;
};
