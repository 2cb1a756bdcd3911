#include "skin/win/CWinKeyboardLayouts.h"

#include <windows.h>

#include <string>

uintptr_t CWinKeyboardLayouts::Load(std::wstring_view name)
{
    const std::wstring terminated(name);
    return reinterpret_cast<uintptr_t>(LoadKeyboardLayoutW(terminated.c_str(), KLF_ACTIVATE));
}

bool CWinKeyboardLayouts::Activate(uintptr_t layout)
{
    if (layout == 0)
        return false;
    return ActivateKeyboardLayout(reinterpret_cast<HKL>(layout), 0) != nullptr;
}
