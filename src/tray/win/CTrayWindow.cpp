#include "tray/win/CTrayWindow.h"

#include <windowsx.h>

#include <algorithm>

#include "tray/TrayMenu.h"
#include "tray/win/BoundWindowProc.h"
#include "tray/win/ForegroundProgram.h"
#include "tray/win/TrayResource.h"
#include "tray/win/TraySettings.h"

namespace {

// The one window of the process that the event hook reports to (the hook has no context).
CTrayWindow* g_hookTarget = nullptr;

void CopyText(wchar_t* target, size_t capacity, const std::wstring& text) noexcept
{
    const size_t length = std::min(text.size(), capacity - 1);
    std::copy_n(text.data(), length, target);
    target[length] = L'\0';
}

}  // namespace

CTrayWindow::CTrayWindow(tray::CTrayController& controller, std::wstring programDirectory)
    : m_controller(controller), m_programDirectory(std::move(programDirectory))
{
}

CTrayWindow::~CTrayWindow()
{
    if (m_window != nullptr)
        DestroyWindow(m_window);
}

bool CTrayWindow::Create(HINSTANCE instance, const std::wstring& displayFace)
{
    m_instance = instance;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = BoundWindowProc<CTrayWindow>;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_TRAY));
    windowClass.lpszClassName = kClassName;
    if (RegisterClassW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return false;
    if (!m_osd.Create(instance, m_programDirectory, displayFace))
        return false;
    // A hidden top-level window, not a message-only one: only top-level windows hear that the
    // shell's notification area was created again (after Explorer restarts).
    m_window = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"Peraxil 1800", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                               instance, this);
    return m_window != nullptr;
}

LRESULT CTrayWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == m_taskbarCreated && m_taskbarCreated != 0) {
        AddIcon();
        return 0;
    }
    switch (message) {
    case WM_CREATE:
        m_window = window;
        OnCreated();
        return 0;
    case kIconMessage:
        switch (LOWORD(lParam)) {
        case WM_CONTEXTMENU:
        case NIN_SELECT:
        case NIN_KEYSELECT:
            ShowMenu({GET_X_LPARAM(wParam), GET_Y_LPARAM(wParam)});
            break;
        case WM_LBUTTONDBLCLK:
            OpenConfigurator();
            break;
        default:
            break;
        }
        return 0;
    case WM_TIMER:
        if (wParam == kRefreshTimer)
            Refresh();
        return 0;
    case WM_DESTROY:
        g_hookTarget = nullptr;
        m_hook.Reset();
        KillTimer(window, kRefreshTimer);
        RemoveIcon();
        m_window = nullptr;
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void CTrayWindow::OnCreated()
{
    m_taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    g_hookTarget = this;
    // Out of context: the system tells this thread about every foreground change, from any
    // process, through its message loop; nothing is injected into other programs.
    m_hook.Reset(SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, OnWinEvent, 0, 0,
                                 WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS));
    SetTimer(m_window, kRefreshTimer, kRefreshMs, nullptr);
    m_foregroundPath = ProgramPathOfWindow(GetForegroundWindow());
    Refresh();
    AddIcon();
    // Start-up is complete: the measurement in bench/startup waits for this line.
    OutputDebugStringW(L"Peraxil1800Tray: main window painted\n");
}

void CALLBACK CTrayWindow::OnWinEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG, LONG, DWORD, DWORD) noexcept
{
    if (event != EVENT_SYSTEM_FOREGROUND || g_hookTarget == nullptr)
        return;
    platform::win::CallAtBarrier("the tray companion's foreground event", [&] { g_hookTarget->OnForeground(window); });
}

void CTrayWindow::OnForeground(HWND window)
{
    if (IsOwnWindow(window))
        return;
    m_foregroundPath = ProgramPathOfWindow(window);
    Refresh();
}

void CTrayWindow::Refresh()
{
    // The program in front may have changed without an event reaching us (a window closed):
    // ask again, unless it is one of ours (the menu).
    if (HWND front = GetForegroundWindow(); front != nullptr && !IsOwnWindow(front))
        m_foregroundPath = ProgramPathOfWindow(front);
    Display(m_controller.Refresh(m_foregroundPath));
    UpdateIcon();
}

void CTrayWindow::Display(const std::optional<tray::OsdMessage>& message)
{
    if (message)
        m_osd.Show(*message);
}

void CTrayWindow::ShowMenu(POINT at)
{
    Refresh();
    const std::vector<tray::TrayMenuEntry> entries =
        tray::BuildTrayMenu(m_controller.Mouse(), m_controller.Texts(), m_controller.DisplaysOn());
    HMENU menu = CreatePopupMenu();
    if (menu == nullptr)
        return;
    for (const tray::TrayMenuEntry& entry : entries) {
        if (entry.separator) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT flags = MF_STRING;
        if (entry.checked)
            flags |= MF_CHECKED;
        if (!entry.enabled)
            flags |= MF_GRAYED;
        AppendMenuW(menu, flags, entry.command, entry.text.c_str());
        if (entry.isDefault)
            SetMenuDefaultItem(menu, entry.command, FALSE);
    }
    // The menu closes when the user clicks elsewhere only if its owner is in front.
    SetForegroundWindow(m_window);
    const UINT command = static_cast<UINT>(TrackPopupMenuEx(
        menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON | TPM_BOTTOMALIGN, at.x, at.y, m_window, nullptr));
    DestroyMenu(menu);
    PostMessageW(m_window, WM_NULL, 0, 0);
    RunCommand(command);
}

void CTrayWindow::RunCommand(UINT command)
{
    switch (command) {
    case 0:
        return;
    case tray::TrayCommand::kOpenConfigurator:
        OpenConfigurator();
        return;
    case tray::TrayCommand::kToggleDisplays:
        ToggleDisplays();
        return;
    case tray::TrayCommand::kExit:
        DestroyWindow(m_window);
        return;
    default:
        break;
    }
    const int32_t index = tray::ProfileIndexOf(command);
    if (index < 0)
        return;
    std::optional<tray::OsdMessage> shown;
    if (!m_controller.ChooseProfile(index, shown))
        ReportFailure(m_controller.Texts().Text(L"$TraySwitchFailed"));
    Display(shown);
    UpdateIcon();
}

void CTrayWindow::ToggleDisplays()
{
    m_controller.SetDisplaysOn(!m_controller.DisplaysOn());
    TraySettings::WriteDisplaysOn(m_controller.DisplaysOn());
    if (!m_controller.DisplaysOn())
        m_osd.Hide();
}

void CTrayWindow::OpenConfigurator() const
{
    const std::wstring program = m_programDirectory + L"Vantix.exe";
    ShellExecuteW(nullptr, L"open", program.c_str(), nullptr, m_programDirectory.c_str(), SW_SHOWNORMAL);
}

bool CTrayWindow::AddIcon()
{
    m_iconImage = LoadIconW(m_instance, MAKEINTRESOURCEW(IDI_TRAY));
    m_icon = {};
    m_icon.cbSize = sizeof(m_icon);
    m_icon.hWnd = m_window;
    m_icon.uID = kIconId;
    m_icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP;
    m_icon.uCallbackMessage = kIconMessage;
    m_icon.hIcon = m_iconImage;
    CopyText(m_icon.szTip, std::size(m_icon.szTip), tray::TrayToolTip(m_controller.Mouse(), m_controller.Texts()));
    if (!Shell_NotifyIconW(NIM_ADD, &m_icon))
        return false;
    m_icon.uVersion = NOTIFYICON_VERSION_4;
    return Shell_NotifyIconW(NIM_SETVERSION, &m_icon) != FALSE;
}

void CTrayWindow::UpdateIcon()
{
    if (m_icon.hWnd == nullptr)
        return;
    m_icon.uFlags = NIF_TIP | NIF_SHOWTIP;
    CopyText(m_icon.szTip, std::size(m_icon.szTip), tray::TrayToolTip(m_controller.Mouse(), m_controller.Texts()));
    Shell_NotifyIconW(NIM_MODIFY, &m_icon);
}

void CTrayWindow::RemoveIcon() noexcept
{
    if (m_icon.hWnd != nullptr)
        Shell_NotifyIconW(NIM_DELETE, &m_icon);
    m_icon.hWnd = nullptr;
}

// The user hears of a failed choice in a balloon of the notification icon.
void CTrayWindow::ReportFailure(const std::wstring& text)
{
    if (m_icon.hWnd == nullptr)
        return;
    m_icon.uFlags = NIF_INFO;
    m_icon.dwInfoFlags = NIIF_WARNING;
    CopyText(m_icon.szInfoTitle, std::size(m_icon.szInfoTitle), m_controller.Texts().Text(L"$TrayTitle"));
    CopyText(m_icon.szInfo, std::size(m_icon.szInfo), text);
    Shell_NotifyIconW(NIM_MODIFY, &m_icon);
}
