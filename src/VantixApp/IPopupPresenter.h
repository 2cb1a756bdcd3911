#pragma once

#include <windows.h>

#include <string>

// A warning or confirmation to show: its layout file and the optional texts for its heading.
struct WarningRequest
{
    std::wstring layoutFile;
    // Appended to the heading as written (callers include the ": ").
    std::wstring appendText;
    // A language key that replaces the heading.
    std::wstring replacementKey;
};

// Where the main window's pop-ups are shown. The program shows them modally; tests put a
// recorder in its place to see which pop-up was asked for without a modal loop.
class IPopupPresenter
{
public:
    virtual ~IPopupPresenter() = default;
    // The pop-up's result: 1 (OK) or 2 (Cancel); -1 when it could not be shown.
    virtual INT_PTR ShowWarning(HWND owner, const WarningRequest& request) = 0;
};
