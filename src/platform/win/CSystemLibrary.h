#pragma once

#include <windows.h>

#include "platform/win/WinHandles.h"

// A system library loaded when a rarely used command first needs it. The file dialogs and the
// shell bring in the printing and encryption libraries (several megabytes) that a program
// importing them carries from its first moment, though most runs never open a dialog. Loaded
// only from the system folder, so no copy beside the program is taken instead. Users keep it
// for the rest of the run (a function-local static): the shell may still work on its threads
// after a call returns.
class CSystemLibrary
{
public:
    explicit CSystemLibrary(const wchar_t* name) noexcept;

    [[nodiscard]] bool IsLoaded() const noexcept { return static_cast<bool>(m_module); }

    // The exported function `name` typed as `Function` (a function type, e.g.
    // decltype(GetOpenFileNameW)); null when the library or the function is missing.
    template <typename Function>
    [[nodiscard]] Function* Find(const char* name) const noexcept
    {
        if (!m_module)
            return nullptr;
        return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(m_module.Get(), name)));
    }

private:
    UniqueModule m_module;
};
