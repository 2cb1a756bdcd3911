#pragma once

#include <windows.h>

#include <string>

// An open registry key, closed once. Move-only.
class RegistryKey
{
public:
    RegistryKey() noexcept = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    RegistryKey(RegistryKey&& other) noexcept;
    RegistryKey& operator=(RegistryKey&& other) noexcept;
    ~RegistryKey();

    // Opens or creates `subKey` below `parent` for writing; the Win32 error code.
    [[nodiscard]] LONG Create(HKEY parent, const wchar_t* subKey) noexcept;
    // A string value; an empty name sets the key's default value.
    [[nodiscard]] LONG SetString(const wchar_t* name, const std::wstring& value) noexcept;

    [[nodiscard]] HKEY Get() const noexcept { return m_key; }

private:
    void Close() noexcept;

    HKEY m_key = nullptr;
};
