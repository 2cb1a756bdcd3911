#pragma once

#include "skin/win/CWindow.h"

// A window made from a dialog template of the program's resources, run modally (the platform's
// modal loop, with its Enter and Escape handling) or made modeless. The object is bound when
// WM_INITDIALOG arrives; messages before it get the dialog manager's defaults.
//
// A handler that calls Default() leaves the message to the dialog manager; any other handler
// answers it, and its result becomes the message's result.
class CDialogWindow : public CWindow
{
public:
    explicit CDialogWindow(int templateId) noexcept : m_templateId(templateId) {}

    // Runs the dialog modally over `owner`; the value given to EndModal, or -1 when the window
    // could not be made.
    INT_PTR RunModal(HWND owner);
    // Makes the dialog without a loop of its own; false when it fails.
    bool CreateModeless(HWND owner);
    // Ends a modal run with the result, or destroys a modeless dialog.
    void EndModal(INT_PTR result);

    [[nodiscard]] int TemplateId() const noexcept { return m_templateId; }
    [[nodiscard]] bool IsModal() const noexcept { return m_modal; }

protected:
    LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // WM_INITDIALOG; true lets the dialog manager give the focus to the first control.
    virtual bool OnInitDialog() { return true; }
    // Enter and Escape of the dialog manager (IDOK and IDCANCEL commands without a control of
    // the program's). They end the dialog with 1 and 2.
    virtual void OnOK() { EndModal(IDOK); }
    virtual void OnCancel() { EndModal(IDCANCEL); }

private:
    // The dialog procedure: nothing it calls may unwind into the platform (see
    // platform/win/UnexpectedError.h).
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    static INT_PTR Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Messages whose dialog-procedure result is the answer itself, not DWLP_MSGRESULT.
    static bool AnswersDirectly(UINT message) noexcept;

    int m_templateId;
    bool m_modal = false;
    bool m_leftToDefault = false;
};
