#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "WindowTestSupport.h"

// Real input for the tests under Wine: xdotool, a program of the X server's side, moves the
// pointer and presses buttons and keys as a user would, and Wine turns that into the window
// messages the program sees. Wine starts it as a host program without a process handle to
// wait on, so a test waits for the input's effect instead (PumpUntil).
namespace wintest {

// Starts `/usr/bin/xdotool <arguments>` on the test's display; false when it cannot start.
inline bool Xdotool(const std::wstring& arguments)
{
    std::wstring command = L"/usr/bin/xdotool " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    if (process.hThread != nullptr)
        CloseHandle(process.hThread);
    if (process.hProcess != nullptr)
        CloseHandle(process.hProcess);
    return true;
}

// A point of a window's client area on the screen, as xdotool's arguments "x y".
inline std::wstring ScreenArguments(HWND window, int x, int y)
{
    POINT point{x, y};
    ClientToScreen(window, &point);
    return std::to_wstring(point.x) + L" " + std::to_wstring(point.y);
}

// Moves the pointer into a corner of the screen away from the test's windows and waits until
// it got there.
inline bool ParkPointer()
{
    const int x = GetSystemMetrics(SM_CXSCREEN) - 1;
    const int y = GetSystemMetrics(SM_CYSCREEN) - 1;
    if (!Xdotool(L"mousemove " + std::to_wstring(x) + L" " + std::to_wstring(y)))
        return false;
    return PumpUntil([x, y] {
        POINT cursor{};
        return GetCursorPos(&cursor) && cursor.x == x && cursor.y == y;
    });
}

}  // namespace wintest
