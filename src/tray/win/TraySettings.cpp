#include "tray/win/TraySettings.h"

#include <windows.h>

#include "platform/win/WinHandles.h"

namespace TraySettings {

namespace {

// The configurator reads at most this many bytes of a registry text; so does the companion.
constexpr DWORD kTextBytes = 80;

}  // namespace

bool ReadDisplaysOn() noexcept
{
    DWORD value = 1;
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, kUserKey, kDisplaysValue, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS)
        return true;
    return value != 0;
}

void WriteDisplaysOn(bool on) noexcept
{
    UniqueRegKey key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kUserKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.Put(), nullptr) !=
        ERROR_SUCCESS)
        return;
    const DWORD value = on ? 1 : 0;
    RegSetValueExW(key.Get(), kDisplaysValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
}

std::wstring ReadLanguageName()
{
    wchar_t buffer[kTextBytes / sizeof(wchar_t)] = {};
    DWORD size = sizeof(buffer);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kInstallationKey, L"Language", RRF_RT_REG_SZ, nullptr, buffer, &size) !=
        ERROR_SUCCESS)
        return {};
    buffer[std::size(buffer) - 1] = L'\0';
    return buffer;
}

}  // namespace TraySettings
