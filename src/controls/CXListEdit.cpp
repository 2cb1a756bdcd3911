#include "controls/CXListEdit.h"

bool CXListEdit::CreateIn(HWND list)
{
    if (!CreateField(list, RECT{0, 0, 0, 0}))
        return false;
    ShowWindow(Handle(), SW_HIDE);
    SetLimit(kMaxLength);
    return true;
}

bool CXListEdit::FilterInput(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    const bool enterOrEscape = wParam == VK_RETURN || wParam == VK_ESCAPE;
    if (message == WM_KEYDOWN && enterOrEscape) {
        result = 0;
        m_onEnd(wParam == VK_RETURN);
        return true;
    }
    // Their characters would only beep.
    if (message == WM_CHAR && (wParam == L'\r' || wParam == 27)) {
        result = 0;
        return true;
    }
    return CEditItem::FilterInput(message, wParam, lParam, result);
}

LRESULT CXListEdit::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_GETDLGCODE)
        return DLGC_WANTALLKEYS | CEditItem::OnMessage(message, wParam, lParam);
    if (message == WM_KILLFOCUS && IsWindowVisible(Handle()))
        m_onEnd(true);
    return CEditItem::OnMessage(message, wParam, lParam);
}
