#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/win/WinHandles.h"

// For the helper programs that show a window for a screenshot (scripts/take-screenshots.sh):
// the window stays, its messages running, until a line arrives on standard input or the input
// closes.
namespace wintest {

namespace detail {

// Ends the window thread's loop once standard input gives a line or closes.
inline DWORD WINAPI WaitForInputLine(void* parameter)
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

}  // namespace detail

// Runs the thread's messages until then; 1 when the waiting cannot start, else 0.
inline int RunUntilInputLine()
{
    const UniqueHandle waiter(CreateThread(nullptr, 0, &detail::WaitForInputLine,
                                           reinterpret_cast<void*>(static_cast<uintptr_t>(GetCurrentThreadId())), 0,
                                           nullptr));
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

}  // namespace wintest
