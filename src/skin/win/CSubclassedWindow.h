#pragma once

#include "skin/win/CWindow.h"

// A window of one of the platform's control classes (push button, static text) whose messages
// pass through the program first: the object is bound right after the control is made, and
// Default() hands a message on to the control's own procedure.
class CSubclassedWindow : public CWindow
{
public:
    CSubclassedWindow() noexcept = default;
    // Gives the control its own procedure back before the base destroys it, so the control's
    // class cleans up after itself. An attached control is left to its owner.
    ~CSubclassedWindow() override;

    // Makes the control at `rect` in its parent's client coordinates, with control identifier 0;
    // false when it fails.
    bool Create(const wchar_t* className, HWND parent, const RECT& rect, DWORD style, const wchar_t* text = L"",
                DWORD exStyle = 0);

    // Passes the messages of a control made by someone else (a list view's header) through the
    // object; the control stays its maker's, who destroys it. False when the object has a
    // window already or `control` is null.
    bool Attach(HWND control);

protected:
    LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The subclass procedure: nothing it calls may unwind into the platform (see
    // platform/win/UnexpectedError.h).
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    static LRESULT Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    WNDPROC m_controlProc = nullptr;
    bool m_attached = false;
};
