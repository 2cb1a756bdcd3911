#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <string>

#include "platform/win/WinHandles.h"
#include "tray/CTrayController.h"
#include "tray/win/COsdWindow.h"

// The companion's hidden window: it owns the notification icon and its menu, follows the
// foreground window through an event hook, refreshes slowly on a timer, and shows the
// displays the controller asks for. Every device read happens on an event: the program in
// front changed, the menu opened, a profile was chosen, or the refresh timer fired.
class CTrayWindow
{
public:
    static constexpr wchar_t kClassName[] = L"Peraxil1800Tray";
    // The notification icon's callback message; tests post it to open the menu.
    static constexpr UINT kIconMessage = WM_APP + 1;
    // How often the mouse is read while nothing else happens, to notice what the configurator
    // applied: slow enough to cost nothing, quick enough for a display to follow an Apply.
    static constexpr UINT kRefreshMs = 2000;

    CTrayWindow(tray::CTrayController& controller, std::wstring programDirectory);
    CTrayWindow(const CTrayWindow&) = delete;
    CTrayWindow& operator=(const CTrayWindow&) = delete;
    ~CTrayWindow();

    bool Create(HINSTANCE instance, const std::wstring& displayFace);

    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    static constexpr UINT_PTR kRefreshTimer = 1;
    static constexpr UINT kIconId = 1;

    static void CALLBACK OnWinEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object, LONG child, DWORD thread,
                                    DWORD time) noexcept;

    void OnCreated();
    void OnForeground(HWND window);
    void Refresh();
    void ShowMenu(POINT at);
    void RunCommand(UINT command);
    void Display(const std::optional<tray::OsdMessage>& message);
    bool AddIcon();
    void UpdateIcon();
    void RemoveIcon() noexcept;
    void OpenConfigurator() const;
    void ToggleDisplays();
    void ReportFailure(const std::wstring& text);

    tray::CTrayController& m_controller;
    std::wstring m_programDirectory;
    HINSTANCE m_instance = nullptr;
    HWND m_window = nullptr;
    COsdWindow m_osd;
    UniqueWinEventHook m_hook;
    NOTIFYICONDATAW m_icon{};
    HICON m_iconImage = nullptr;  // shared resource icon: not destroyed
    UINT m_taskbarCreated = 0;
    std::wstring m_foregroundPath;
};
