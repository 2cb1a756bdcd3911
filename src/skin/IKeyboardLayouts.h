#pragma once

#include <cstdint>
#include <string_view>

// Keyboard layouts as the language set needs them: loaded by name ("00000409") and made active
// for the thread. The Windows implementation calls LoadKeyboardLayoutW and
// ActivateKeyboardLayout; tests record the calls.
class IKeyboardLayouts
{
public:
    virtual ~IKeyboardLayouts() = default;
    // The layout's handle; 0 when it cannot be loaded.
    [[nodiscard]] virtual uintptr_t Load(std::wstring_view name) = 0;
    virtual bool Activate(uintptr_t layout) = 0;

protected:
    IKeyboardLayouts() = default;
    IKeyboardLayouts(const IKeyboardLayouts&) = default;
    IKeyboardLayouts& operator=(const IKeyboardLayouts&) = default;
};
