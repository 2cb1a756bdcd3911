#pragma once

#include "skin/win/CWindow.h"

// A window of the program's own plain class ("VantixSkinWindow": double clicks, arrow cursor,
// no background brush): picture items, drop-down boxes and the other drawn controls. The object
// is bound while the window is made, so it sees WM_NCCREATE and WM_CREATE as well.
class CCustomWindow : public CWindow
{
public:
    static constexpr wchar_t kClassName[] = L"VantixSkinWindow";

    // Makes the window at `rect` in its parent's client coordinates; false when it fails.
    bool Create(HWND parent, const RECT& rect, DWORD style, DWORD exStyle = 0);

protected:
    LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The class's procedure: nothing it calls may unwind into the platform (see
    // platform/win/UnexpectedError.h).
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    static LRESULT Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static bool RegisterClassOnce();
};
