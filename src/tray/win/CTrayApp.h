#pragma once

#include <windows.h>

#include <string>

#include "platform/win/WinHandles.h"

// The companion's life: one copy per desktop (a second start ends at once, quietly), COM for
// the device service, the installation's texts and fonts, the hidden window and its message
// loop.
class CTrayApp
{
public:
    explicit CTrayApp(HINSTANCE instance) noexcept : m_instance(instance) {}
    CTrayApp(const CTrayApp&) = delete;
    CTrayApp& operator=(const CTrayApp&) = delete;
    ~CTrayApp();

    // The process's exit code.
    int Run();

    // "Local\Peraxil1800Tray-<desktop>": one per session and desktop.
    [[nodiscard]] static std::wstring InstanceName();

private:
    [[nodiscard]] bool IsOnlyCopy();
    // Registers the installation's fonts for this process; the typeface the displays use.
    std::wstring PrepareFonts(int32_t languageId);

    HINSTANCE m_instance;
    UniqueHandle m_instanceMutex;
    bool m_comInitialized = false;
    std::wstring m_programDirectory;
    std::wstring m_fontFile;
};
