#pragma once

#include "skin/IKeyboardLayouts.h"

// Keyboard layouts through user32: loaded (and activated) with LoadKeyboardLayoutW, made active
// for the thread with ActivateKeyboardLayout.
class CWinKeyboardLayouts : public IKeyboardLayouts
{
public:
    [[nodiscard]] uintptr_t Load(std::wstring_view name) override;
    bool Activate(uintptr_t layout) override;
};
