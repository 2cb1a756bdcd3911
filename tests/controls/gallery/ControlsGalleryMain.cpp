// Shows the controls gallery for a look or a screenshot (scripts/take-screenshots.sh), at the
// screen's top left corner, in one language of a program folder.
//
// Usage: ControlsGallery PROGRAM_FOLDER LANGUAGE GALLERY_LAYOUT
//   PROGRAM_FOLDER  the installation folder (a host path such as /work/build/program is read
//                   as drive Z:)
//   LANGUAGE        the registry's language name (English, ChineseSimplified, ...)
//   GALLERY_LAYOUT  tests/controls/gallery/ControlsGallery.xml (host path or Windows path)
//
// Prints "READY <width> <height>" once the panel is drawn, then stays until a line is read from
// standard input or it is closed.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "../../support/WindowTestSupport.h"
#include "CControlsGallery.h"
#include "VantixApp/CVantixApp.h"
#include "controls/CInstalledControls.h"
#include "platform/win/ScopedComInit.h"
#include "skin/win/CItemList.h"
#include "skin/win/CSkinEnvironment.h"

namespace {

std::wstring WindowsPath(std::wstring path)
{
    if (!path.empty() && path.front() == L'/')
        path.insert(0, L"Z:");
    for (wchar_t& c : path)
        if (c == L'/')
            c = L'\\';
    return path;
}

DWORD WINAPI WaitForInput(void* parameter)
{
    const auto thread = static_cast<DWORD>(reinterpret_cast<uintptr_t>(parameter));
    HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    char c = 0;
    DWORD read = 0;
    if (input != nullptr && input != INVALID_HANDLE_VALUE)
        while (ReadFile(input, &c, 1, &read, nullptr) && read == 1 && c != '\n')
        {
        }
    PostThreadMessageW(thread, WM_QUIT, 0, 0);
    return 0;
}

int Show(const std::wstring& layout)
{
    CControlsGallery gallery(layout, nullptr);
    if (!gallery.CreateModeless(nullptr) || gallery.List() == nullptr)
    {
        std::printf("ERROR the gallery layout made no report list\n");
        return 1;
    }
    SetWindowPos(gallery.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    wintest::PumpUntil([] { return false; }, 300);
    RedrawWindow(gallery.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    wintest::PumpUntil([] { return false; }, 300);
    std::printf("READY %ld %ld\n", CControlsGallery::kSize.right, CControlsGallery::kSize.bottom);
    std::fflush(stdout);
    const HANDLE waiter = CreateThread(nullptr, 0, &WaitForInput,
                                       reinterpret_cast<void*>(static_cast<uintptr_t>(GetCurrentThreadId())), 0, nullptr);
    if (waiter == nullptr)
        return 1;
    CloseHandle(waiter);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
    {
        if (IsDialogMessageW(gallery.Handle(), &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace

int main()
{
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr || count != 4)
    {
        std::printf("ERROR usage: ControlsGallery PROGRAM_FOLDER LANGUAGE GALLERY_LAYOUT\n");
        return 2;
    }
    std::wstring folder = WindowsPath(arguments[1]);
    if (folder.back() != L'\\')
        folder.push_back(L'\\');
    const std::wstring language = arguments[2];
    const std::wstring layout = WindowsPath(arguments[3]);
    LocalFree(arguments);

    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    const ScopedComInit com;
    CVantixApp::RegisterWindowClass(GetModuleHandleW(nullptr));
    CItemList languageItems;
    CVantixApp::PrepareSkin(folder, language, languageItems);
    int result = 0;
    {
        const CInstalledControls installed(CSkinEnvironment::Instance());
        result = Show(layout);
    }
    CVantixApp::ReleaseSkin(languageItems);
    return result;
}
