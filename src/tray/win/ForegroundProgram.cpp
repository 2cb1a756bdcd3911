#include "tray/win/ForegroundProgram.h"

#include "platform/win/WinHandles.h"

std::wstring ProgramPathOfWindow(HWND window)
{
    DWORD processId = 0;
    if (window == nullptr || GetWindowThreadProcessId(window, &processId) == 0)
        return {};
    UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process)
        return {};
    // Paths longer than MAX_PATH exist; 32767 is the longest Windows allows.
    std::wstring path(32768, L'\0');
    DWORD length = static_cast<DWORD>(path.size());
    if (!QueryFullProcessImageNameW(process.Get(), 0, path.data(), &length))
        return {};
    path.resize(length);
    return path;
}

bool IsOwnWindow(HWND window) noexcept
{
    DWORD processId = 0;
    return window != nullptr && GetWindowThreadProcessId(window, &processId) != 0 && processId == GetCurrentProcessId();
}
