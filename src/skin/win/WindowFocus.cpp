#include "skin/win/WindowFocus.h"

void EnableKeepingFocus(HWND control, bool enable) noexcept
{
    if (control == nullptr)
        return;
    const HWND focus = GetFocus();
    if (!enable && focus != nullptr && (focus == control || IsChild(control, focus)))
    {
        const HWND dialog = GetAncestor(control, GA_ROOT);
        if (dialog != nullptr && dialog != control)
            SetFocus(dialog);
    }
    EnableWindow(control, enable ? TRUE : FALSE);
}
