#include "skin/win/CSubclassedWindow.h"

#include "platform/win/UnexpectedError.h"

bool CSubclassedWindow::Create(const wchar_t* className, HWND parent, const RECT& rect, DWORD style,
                               const wchar_t* text, DWORD exStyle)
{
    if (Handle() != nullptr)
        return false;
    const HWND window = CreateWindowExW(exStyle, className, text, style, rect.left, rect.top, rect.right - rect.left,
                                        rect.bottom - rect.top, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (window == nullptr)
        return false;
    Bind(window);
    m_controlProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CSubclassedWindow::SubclassProc)));
    return true;
}

bool CSubclassedWindow::Attach(HWND control)
{
    if (Handle() != nullptr || control == nullptr)
        return false;
    Bind(control);
    m_attached = true;
    m_controlProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CSubclassedWindow::SubclassProc)));
    return true;
}

CSubclassedWindow::~CSubclassedWindow()
{
    if (Handle() != nullptr && m_controlProc != nullptr)
        SetWindowLongPtrW(Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_controlProc));
    if (m_attached)
        Unbind();
}

LRESULT CSubclassedWindow::CallDefault(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_controlProc == nullptr)
        return DefWindowProcW(Handle(), message, wParam, lParam);
    return CallWindowProcW(m_controlProc, Handle(), message, wParam, lParam);
}

LRESULT CALLBACK CSubclassedWindow::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    return platform::win::CallAtBarrier("the procedure of a subclassed control",
                                        [&] { return Procedure(window, message, wParam, lParam); });
}

LRESULT CSubclassedWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = static_cast<CSubclassedWindow*>(FromHandle(window));
    if (self == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    const LRESULT result = self->Dispatch(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(self->m_controlProc));
        self->Unbind();
    }
    return result;
}
