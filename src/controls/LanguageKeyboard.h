#pragma once

#include "macro/win/CWinKeyboardPlatform.h"

// The keyboard keys are named in: the current language's layout, or the thread's without one.
[[nodiscard]] CWinKeyboardPlatform LanguageKeyboard();
