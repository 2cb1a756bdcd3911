// Shows the control gallery (CControlGallery) at the screen's top left corner, filled as a
// page would fill it, so that a screenshot can be taken of it (scripts/take-screenshots.sh).
//
// Usage: ControlGallery PROGRAM_FOLDER LANGUAGE
//   PROGRAM_FOLDER  the installation folder; a host path such as /work/build/program is read as
//                   drive Z:
//   LANGUAGE        the registry's language name (English, ChineseSimplified, ...)
//
// Prints "READY <width> <height>" once the gallery is drawn, then stays until a line is read
// from standard input. Prints "ERROR <reason>" and exits with 1 when the gallery cannot open.
#include <windows.h>

#include <shellapi.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "../../support/RealInput.h"
#include "CControlGallery.h"
#include "platform/win/WinHandles.h"

namespace {

std::wstring WindowsFolder(std::wstring folder)
{
    if (!folder.empty() && folder.front() == L'/')
        folder.insert(0, L"Z:");
    for (wchar_t& c : folder)
        if (c == L'/')
            c = L'\\';
    if (!folder.empty() && folder.back() != L'\\')
        folder.push_back(L'\\');
    return folder;
}

// Ends the window thread's loop once standard input gives a line or closes.
DWORD WINAPI WaitForInput(void* parameter)
{
    const auto thread = static_cast<DWORD>(reinterpret_cast<uintptr_t>(parameter));
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    char c = 0;
    DWORD read = 0;
    if (input != nullptr && input != INVALID_HANDLE_VALUE)
        while (ReadFile(input, &c, 1, &read, nullptr) && read == 1 && c != '\n')
        {
        }
    PostThreadMessageW(thread, WM_QUIT, 0, 0);
    return 0;
}

int Show()
{
    CControlGallery gallery;
    if (!gallery.Open())
    {
        std::printf("ERROR the gallery layout gives no items\n");
        return 1;
    }
    gallery.Fill();
    RedrawWindow(gallery.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    // Drawn once every queued paint has run.
    (void)wintest::PumpUntil([] { return GetQueueStatus(QS_PAINT | QS_POSTMESSAGE) == 0; });
    GdiFlush();
    std::printf("READY %d %d\n", CControlGallery::kWidth, CControlGallery::kHeight);
    std::fflush(stdout);

    const UniqueHandle waiter(CreateThread(
        nullptr, 0, &WaitForInput, reinterpret_cast<void*>(static_cast<uintptr_t>(GetCurrentThreadId())), 0, nullptr));
    if (!waiter)
        return 1;
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
    {
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
    if (arguments == nullptr || count != 3)
    {
        std::printf("ERROR usage: ControlGallery PROGRAM_FOLDER LANGUAGE\n");
        return 2;
    }
    const std::wstring folder = WindowsFolder(arguments[1]);
    const std::wstring language = arguments[2];
    LocalFree(arguments);
    const CGallerySkin skin(folder, language);
    return Show();
}
