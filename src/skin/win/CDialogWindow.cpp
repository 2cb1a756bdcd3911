#include "skin/win/CDialogWindow.h"

#include "platform/win/UnexpectedError.h"

INT_PTR CDialogWindow::RunModal(HWND owner)
{
    if (Handle() != nullptr)
        return -1;
    m_modal = true;
    const INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), owner,
                                           &CDialogWindow::DialogProc, reinterpret_cast<LPARAM>(this));
    m_modal = false;
    return result;
}

bool CDialogWindow::CreateModeless(HWND owner)
{
    if (Handle() != nullptr)
        return false;
    m_modal = false;
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), owner,
                              &CDialogWindow::DialogProc, reinterpret_cast<LPARAM>(this)) != nullptr;
}

void CDialogWindow::EndModal(INT_PTR result)
{
    if (Handle() == nullptr)
        return;
    if (m_modal)
        EndDialog(Handle(), result);
    else
        DestroyWindow(Handle());
}

LRESULT CDialogWindow::CallDefault(UINT, WPARAM, LPARAM)
{
    m_leftToDefault = true;
    return 0;
}

LRESULT CDialogWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        return OnInitDialog() ? TRUE : FALSE;
    // Controls of the program's send their own commands (identifier 0); these come from the dialog
    // manager's Enter and Escape.
    if (message == WM_COMMAND && FromHandle(reinterpret_cast<HWND>(lParam)) == nullptr) {
        if (LOWORD(wParam) == IDOK) {
            OnOK();
            return 0;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            return 0;
        }
    }
    return CWindow::OnMessage(message, wParam, lParam);
}

bool CDialogWindow::AnswersDirectly(UINT message) noexcept
{
    switch (message) {
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
        return true;
    default:
        return false;
    }
}

INT_PTR CALLBACK CDialogWindow::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    return platform::win::CallAtBarrier("the procedure of a dialog",
                                        [&] { return Procedure(window, message, wParam, lParam); });
}

INT_PTR CDialogWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = static_cast<CDialogWindow*>(FromHandle(window));
    if (self == nullptr && message == WM_INITDIALOG) {
        self = reinterpret_cast<CDialogWindow*>(lParam);
        if (self != nullptr)
            self->Bind(window);
    }
    if (self == nullptr)
        return FALSE;

    const bool outerLeftToDefault = self->m_leftToDefault;
    self->m_leftToDefault = false;
    const LRESULT result = self->Dispatch(message, wParam, lParam);
    const bool leftToDefault = self->m_leftToDefault;
    self->m_leftToDefault = outerLeftToDefault;
    if (message == WM_NCDESTROY)
        self->Unbind();

    if (message == WM_INITDIALOG)
        return static_cast<INT_PTR>(result);
    if (leftToDefault)
        return FALSE;
    if (AnswersDirectly(message))
        return static_cast<INT_PTR>(result);
    SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
    return TRUE;
}
