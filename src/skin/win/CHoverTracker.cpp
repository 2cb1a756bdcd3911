#include "skin/win/CHoverTracker.h"

CHoverTracker::Change CHoverTracker::OnMouseMove(HWND window, HWND owner, POINT point, WPARAM keys)
{
    const bool leftHeld = (keys & MK_LBUTTON) != 0;
    if (leftHeld && !m_hovered)
        return Change::None;
    if (GetCapture() != window) {
        if (GetActiveWindow() == nullptr || owner == nullptr)
            return Change::None;
        m_hovered = true;
        SetCapture(window);
        return Change::Entered;
    }
    POINT screen = point;
    ClientToScreen(window, &screen);
    const HWND under = WindowFromPoint(screen);
    if (under == nullptr || under == window)
        return Change::None;
    const bool wasHovered = m_hovered;
    m_hovered = false;
    if (!leftHeld)
        ReleaseCapture();
    return wasHovered ? Change::Left : Change::None;
}
