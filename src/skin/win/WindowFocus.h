#pragma once

#include <windows.h>

// Enables or disables `control`. A control that is disabled while it has the keyboard focus
// (a button that disables itself when clicked, say) first hands the focus to its dialog:
// otherwise the focus is lost and the dialog's keys (Enter, Escape, F1) stop working until the
// user leaves the window and comes back.
void EnableKeepingFocus(HWND control, bool enable) noexcept;
