#pragma once

#include <windows.h>

#include <string>

#include "platform/win/WinHandles.h"

// A registry key opened for writing, closed once (the owner is UniqueRegKey). Move-only.
class RegistryKey
{
public:
    // Opens or creates `subKey` below `parent` for writing; the Win32 error code.
    [[nodiscard]] LONG Create(HKEY parent, const wchar_t* subKey) noexcept;
    // A string value; an empty name sets the key's default value.
    [[nodiscard]] LONG SetString(const wchar_t* name, const std::wstring& value) noexcept;

    [[nodiscard]] HKEY Get() const noexcept { return m_key.Get(); }

private:
    UniqueRegKey m_key;
};
