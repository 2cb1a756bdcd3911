#pragma once

#include <windows.h>

#include "platform/win/UnexpectedError.h"

// The window procedure of the companion's window classes: binds the object passed to
// CreateWindowExW once, at WM_NCCREATE, and hands every later message to its noexcept
// HandleMessage at the platform's barrier. Messages before the binding, and after
// WM_NCDESTROY, go to DefWindowProcW.
template <typename Window>
LRESULT CALLBACK BoundWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* bound = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY)
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    if (bound == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    return platform::win::CallAtBarrier("the window procedure of the tray companion",
                                        [&] { return bound->HandleMessage(window, message, wParam, lParam); });
}
