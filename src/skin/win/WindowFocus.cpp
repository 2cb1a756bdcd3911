#include "skin/win/WindowFocus.h"

namespace {

bool Holds(HWND control, HWND focus) noexcept
{
    return focus != nullptr && (focus == control || IsChild(control, focus));
}

}  // namespace

void EnableKeepingFocus(HWND control, bool enable) noexcept
{
    if (control == nullptr)
        return;
    const bool hadFocus = !enable && Holds(control, GetFocus());
    EnableWindow(control, enable ? TRUE : FALSE);
    const HWND dialog = hadFocus ? GetAncestor(control, GA_ROOT) : nullptr;
    if (dialog == nullptr || dialog == control)
        return;
    // Disabled first, so that the dialog manager, which hands the dialog's focus on to a
    // control it remembers or to its first enabled one, cannot choose this one. A remembered
    // control that no longer takes the focus is forgotten on the first try: hence a second.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const HWND focus = GetFocus();
        if (focus != nullptr && !Holds(control, focus))
            return;
        SetFocus(dialog);
    }
}
