#pragma once

#include <windows.h>

// Hover tracking of the items that light up under the mouse (buttons, texts): the first move
// over the item takes the mouse capture, so the item hears the move that leaves it; a move
// over another window ends the hover and gives the capture back, unless the left button is
// held (a press that started on the item keeps it).
class CHoverTracker
{
public:
    enum class Change
    {
        None,
        Entered,  // the item is hovered now and holds the capture
        Left,     // the item is no longer hovered
    };

    // For WM_MOUSEMOVE on `window` (after default processing); `owner` is the item's owner or
    // parent window. Nothing happens while neither the owner nor an active window exists.
    Change OnMouseMove(HWND window, HWND owner, POINT point, WPARAM keys);

    [[nodiscard]] bool IsHovered() const noexcept { return m_hovered; }
    void Clear() noexcept { m_hovered = false; }

private:
    bool m_hovered = false;
};
