#pragma once

#include <windows.h>

#include <string>

// The full path of the program file of the process that owns a window; empty when the window
// is gone or its process cannot be asked (another user's, or an elevated one).
[[nodiscard]] std::wstring ProgramPathOfWindow(HWND window);

// True for windows of this process (the companion's own menu and displays): they never change
// which program counts as being in front.
[[nodiscard]] bool IsOwnWindow(HWND window) noexcept;
