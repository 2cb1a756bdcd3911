#include "RegistryKey.h"

LONG RegistryKey::Create(HKEY parent, const wchar_t* subKey) noexcept
{
    return RegCreateKeyExW(parent, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, m_key.Put(),
                           nullptr);
}

LONG RegistryKey::SetString(const wchar_t* name, const std::wstring& value) noexcept
{
    // REG_SZ sizes count the terminating NUL.
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(m_key.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes);
}
