#include "RegistryKey.h"

#include <utility>

RegistryKey::RegistryKey(RegistryKey&& other) noexcept : m_key(std::exchange(other.m_key, nullptr)) {}

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept
{
    if (this != &other) {
        Close();
        m_key = std::exchange(other.m_key, nullptr);
    }
    return *this;
}

RegistryKey::~RegistryKey()
{
    Close();
}

void RegistryKey::Close() noexcept
{
    if (m_key != nullptr)
        RegCloseKey(std::exchange(m_key, nullptr));
}

LONG RegistryKey::Create(HKEY parent, const wchar_t* subKey) noexcept
{
    Close();
    return RegCreateKeyExW(parent, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &m_key, nullptr);
}

LONG RegistryKey::SetString(const wchar_t* name, const std::wstring& value) noexcept
{
    // REG_SZ sizes count the terminating NUL.
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(m_key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes);
}
