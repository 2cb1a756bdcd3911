#pragma once

#include <windows.h>

#include "macro/KeyMessage.h"
#include "macro/RawKeyboard.h"

// The platform's key messages and raw keyboard records in the portable form of the key
// conversion (macro/KeyStroke.h).

static_assert(kMessageKeyDown == WM_KEYDOWN && kMessageKeyUp == WM_KEYUP);
static_assert(kMessageSysKeyDown == WM_SYSKEYDOWN && kMessageSysKeyUp == WM_SYSKEYUP);
static_assert(kRawKeyBreak == RI_KEY_BREAK && kRawKeyE0 == RI_KEY_E0 && kRawKeyE1 == RI_KEY_E1);

[[nodiscard]] inline KeyMessage ToKeyMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    return {message, static_cast<uintptr_t>(wParam), static_cast<intptr_t>(lParam)};
}

[[nodiscard]] inline RawKeyboard ToRawKeyboard(const RAWKEYBOARD& raw) noexcept
{
    return {raw.MakeCode, raw.Flags, raw.VKey};
}
