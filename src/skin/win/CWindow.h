#pragma once

#include <windows.h>

// The base of every window the program makes. A window object is bound to its window once,
// when the window is made (a window property names the object), and from then on the window's
// one procedure hands every message to Dispatch, which decodes the common messages into typed
// handlers. A handler that does not act calls Default(), which runs the window's default
// processing for the message being handled.
//
// Owner-drawn children report their drawing and colour requests to their parent; Dispatch
// reflects those back to the child's own OnDrawItem and OnCtlColor, so every item draws itself.
// Likewise a child of the program's sees its own command notifications first
// (OnReflectedCommand): an edit field turns its change notice into the notification the pages
// expect, and the parent never takes it for a click.
class CWindow
{
public:
    CWindow() noexcept = default;
    CWindow(const CWindow&) = delete;
    CWindow& operator=(const CWindow&) = delete;
    // Destroys a window that still exists (its children with it).
    virtual ~CWindow();

    [[nodiscard]] HWND Handle() const noexcept { return m_window; }
    // The object bound to a window, or null for windows that are not the program's.
    [[nodiscard]] static CWindow* FromHandle(HWND window) noexcept;

protected:
    struct Message
    {
        UINT id;
        WPARAM wParam;
        LPARAM lParam;
    };

    // Called by the flavours' window procedures; decodes and calls the handlers.
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    // Whatever the window class does by default with the message being handled.
    LRESULT Default();
    [[nodiscard]] const Message& CurrentMessage() const noexcept { return m_current; }

    void Bind(HWND window) noexcept;
    // The window is gone (WM_NCDESTROY): forget it.
    void Unbind() noexcept;

    virtual LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam) = 0;

    // Every message comes here first; the base decodes the ones below and passes the others to
    // OnOtherMessage.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    virtual void OnPaint() { Default(); }
    // True when the background was erased (or needs no erasing).
    virtual bool OnEraseBackground(HDC) { return Default() != 0; }
    virtual void OnTimer(UINT_PTR) { Default(); }
    // A command: `control` is the sending child window (null for menus and accelerators).
    virtual void OnCommand(HWND /*control*/, WORD /*notification*/, WORD /*identifier*/) { Default(); }
    virtual void OnMouseMove(POINT, WPARAM) { Default(); }
    virtual void OnLButtonDown(POINT, WPARAM) { Default(); }
    virtual void OnLButtonUp(POINT, WPARAM) { Default(); }
    virtual void OnLButtonDoubleClick(POINT, WPARAM) { Default(); }
    virtual void OnRButtonDown(POINT, WPARAM) { Default(); }
    virtual void OnMouseWheel(short /*delta*/, POINT) { Default(); }
    virtual void OnCaptureChanged(HWND) { Default(); }
    virtual void OnSetFocus(HWND) { Default(); }
    virtual void OnKillFocus(HWND) { Default(); }
    virtual void OnKeyDown(WPARAM, LPARAM) { Default(); }
    virtual void OnKeyUp(WPARAM, LPARAM) { Default(); }
    virtual void OnDestroy() { Default(); }
    // Reflected from the parent: the owner-drawn window draws itself.
    virtual void OnDrawItem(const DRAWITEMSTRUCT&) {}
    // Reflected from the parent: the brush for a static, button or edit child; null for the
    // default.
    virtual HBRUSH OnCtlColor(HDC) { return nullptr; }
    // Reflected from the parent: a command notification this window sent. True when it was
    // handled here; false passes it on to the parent's OnCommand.
    virtual bool OnReflectedCommand(WORD /*notification*/) { return false; }
    virtual LRESULT OnOtherMessage(UINT, WPARAM, LPARAM) { return Default(); }

private:
    LRESULT Decode(UINT message, WPARAM wParam, LPARAM lParam);
    // WM_DRAWITEM, WM_CTLCOLOR* and WM_COMMAND for a child of the program's: handled by the
    // child.
    bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    HWND m_window = nullptr;
    Message m_current{};
};
