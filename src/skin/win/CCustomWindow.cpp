#include "skin/win/CCustomWindow.h"

#include "platform/win/UnexpectedError.h"

bool CCustomWindow::RegisterClassOnce()
{
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = &CCustomWindow::WindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kClassName;
        return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}

bool CCustomWindow::Create(HWND parent, const RECT& rect, DWORD style, DWORD exStyle)
{
    if (Handle() != nullptr || !RegisterClassOnce())
        return false;
    const HWND window = CreateWindowExW(exStyle, kClassName, L"", style, rect.left, rect.top, rect.right - rect.left,
                                        rect.bottom - rect.top, parent, nullptr, GetModuleHandleW(nullptr), this);
    return window != nullptr;
}

LRESULT CCustomWindow::CallDefault(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(Handle(), message, wParam, lParam);
}

LRESULT CALLBACK CCustomWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    return platform::win::CallAtBarrier("the window procedure of a skin window",
                                        [&] { return Procedure(window, message, wParam, lParam); });
}

LRESULT CCustomWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = static_cast<CCustomWindow*>(FromHandle(window));
    if (self == nullptr && message == WM_NCCREATE) {
        self = static_cast<CCustomWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (self != nullptr)
            self->Bind(window);
    }
    if (self == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    const LRESULT result = self->Dispatch(message, wParam, lParam);
    if (message == WM_NCDESTROY)
        self->Unbind();
    return result;
}
