#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "VantixApp/CVantixApp.h"
#include "controls/CInstalledControls.h"
#include "platform/win/ScopedComInit.h"
#include "skin/win/CItemList.h"
#include "skin/win/CSkinEnvironment.h"
#include "WindowTestSupport.h"

// What the programs that show panels for screenshots (PanelGallery, ControlsGallery) share.
namespace galleryprogram {

// Ends the calling thread's loops (WM_QUIT) once standard input gives a line or closes; false
// when the watching thread cannot start.
inline bool QuitOnInputLine()
{
    const auto watch = [](void* parameter) -> DWORD {
        const auto thread = static_cast<DWORD>(reinterpret_cast<uintptr_t>(parameter));
        HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
        char c = 0;
        DWORD read = 0;
        if (input != nullptr && input != INVALID_HANDLE_VALUE)
            while (ReadFile(input, &c, 1, &read, nullptr) && read == 1 && c != '\n') {
            }
        PostThreadMessageW(thread, WM_QUIT, 0, 0);
        return 0;
    };
    const HANDLE watcher = CreateThread(nullptr, 0, watch,
                                        reinterpret_cast<void*>(static_cast<uintptr_t>(GetCurrentThreadId())), 0,
                                        nullptr);
    if (watcher == nullptr)
        return false;
    CloseHandle(watcher);
    return true;
}

// Runs the thread's messages (a dialog's keys through the dialog manager) until WM_QUIT.
inline void RunUntilQuit(HWND dialog = nullptr)
{
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (dialog != nullptr && IsDialogMessageW(dialog, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Keeps the thread's windows alive until standard input gives a line or closes: 0, or 1 when
// the waiting cannot start.
inline int RunUntilInputLine()
{
    if (!QuitOnInputLine())
        return 1;
    RunUntilQuit();
    return 0;
}

// The program's skin on a program folder in one language, with the custom controls installed,
// as start-up sets it up; taken down again when the object goes.
class ProgramSkin
{
public:
    ProgramSkin(std::wstring_view folder, std::wstring_view language)
    {
        const INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        CVantixApp::RegisterWindowClass(GetModuleHandleW(nullptr));
        (void)CVantixApp::PrepareSkin(wintest::WindowsPath(std::wstring(folder), true), language, m_languages);
        m_controls = std::make_unique<CInstalledControls>(CSkinEnvironment::Instance());
    }
    ~ProgramSkin()
    {
        m_controls.reset();
        CVantixApp::ReleaseSkin(m_languages);
    }
    ProgramSkin(const ProgramSkin&) = delete;
    ProgramSkin& operator=(const ProgramSkin&) = delete;

private:
    ScopedComInit m_com;
    CItemList m_languages;
    std::unique_ptr<CInstalledControls> m_controls;
};

}  // namespace galleryprogram
