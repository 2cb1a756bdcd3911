#pragma once

#include <string>

// The companion's own settings and the installation's: the user's on-screen displays switch
// (HKEY_CURRENT_USER, the tray's key) and the installation's language (HKEY_LOCAL_MACHINE).
namespace TraySettings {

inline constexpr wchar_t kInstallationKey[] = L"Software\\Dunmo\\Peraxil1800";
inline constexpr wchar_t kUserKey[] = L"Software\\Dunmo\\Peraxil1800\\Tray";
inline constexpr wchar_t kDisplaysValue[] = L"ShowDisplays";

[[nodiscard]] bool ReadDisplaysOn() noexcept;
void WriteDisplaysOn(bool on) noexcept;
// The registry's language name; empty when there is none.
[[nodiscard]] std::wstring ReadLanguageName();

}  // namespace TraySettings
