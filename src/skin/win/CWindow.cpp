#include "skin/win/CWindow.h"

#include <windowsx.h>

#include <utility>

namespace {

constexpr wchar_t kBindingProperty[] = L"Vantix.Window";

POINT PointOf(LPARAM lParam) noexcept
{
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

}  // namespace

CWindow::~CWindow()
{
    if (m_window != nullptr) {
        const HWND window = m_window;
        RemovePropW(window, kBindingProperty);
        m_window = nullptr;
        DestroyWindow(window);
    }
}

CWindow* CWindow::FromHandle(HWND window) noexcept
{
    if (window == nullptr)
        return nullptr;
    return static_cast<CWindow*>(GetPropW(window, kBindingProperty));
}

void CWindow::Bind(HWND window) noexcept
{
    m_window = window;
    SetPropW(window, kBindingProperty, this);
}

void CWindow::Unbind() noexcept
{
    if (m_window != nullptr)
        RemovePropW(m_window, kBindingProperty);
    m_window = nullptr;
}

LRESULT CWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Handlers may send messages to their own window, so the message being handled is kept per
    // call and restored afterwards.
    const Message outer = std::exchange(m_current, Message{message, wParam, lParam});
    LRESULT result = 0;
    if (!Reflect(message, wParam, lParam, result))
        result = OnMessage(message, wParam, lParam);
    m_current = outer;
    return result;
}

LRESULT CWindow::Default()
{
    return CallDefault(m_current.id, m_current.wParam, m_current.lParam);
}

bool CWindow::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_DRAWITEM) {
        const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        CWindow* child = draw != nullptr ? FromHandle(draw->hwndItem) : nullptr;
        if (child == nullptr || child == this)
            return false;
        child->OnDrawItem(*draw);
        result = TRUE;
        return true;
    }
    if (message == WM_COMMAND && lParam != 0) {
        CWindow* child = FromHandle(reinterpret_cast<HWND>(lParam));
        if (child == nullptr || child == this || !child->OnReflectedCommand(HIWORD(wParam)))
            return false;
        result = 0;
        return true;
    }
    if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN || message == WM_CTLCOLOREDIT) {
        CWindow* child = FromHandle(reinterpret_cast<HWND>(lParam));
        if (child == nullptr || child == this)
            return false;
        HBRUSH brush = child->OnCtlColor(reinterpret_cast<HDC>(wParam));
        if (brush == nullptr)
            return false;
        result = reinterpret_cast<LRESULT>(brush);
        return true;
    }
    return false;
}

LRESULT CWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return Decode(message, wParam, lParam);
}

LRESULT CWindow::Decode(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return OnEraseBackground(reinterpret_cast<HDC>(wParam)) ? 1 : 0;
    case WM_TIMER: OnTimer(static_cast<UINT_PTR>(wParam)); return 0;
    case WM_COMMAND:
        OnCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam), LOWORD(wParam));
        return 0;
    case WM_MOUSEMOVE: OnMouseMove(PointOf(lParam), wParam); return 0;
    case WM_LBUTTONDOWN: OnLButtonDown(PointOf(lParam), wParam); return 0;
    case WM_LBUTTONUP: OnLButtonUp(PointOf(lParam), wParam); return 0;
    case WM_LBUTTONDBLCLK: OnLButtonDoubleClick(PointOf(lParam), wParam); return 0;
    case WM_RBUTTONDOWN: OnRButtonDown(PointOf(lParam), wParam); return 0;
    case WM_MOUSEWHEEL: OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam), PointOf(lParam)); return 0;
    case WM_CAPTURECHANGED: OnCaptureChanged(reinterpret_cast<HWND>(lParam)); return 0;
    case WM_SETFOCUS: OnSetFocus(reinterpret_cast<HWND>(wParam)); return 0;
    case WM_KILLFOCUS: OnKillFocus(reinterpret_cast<HWND>(wParam)); return 0;
    case WM_KEYDOWN: OnKeyDown(wParam, lParam); return 0;
    case WM_KEYUP: OnKeyUp(wParam, lParam); return 0;
    case WM_DESTROY: OnDestroy(); return 0;
    default: return OnOtherMessage(message, wParam, lParam);
    }
}
