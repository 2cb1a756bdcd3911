#pragma once

#include <windows.h>

#include "controls/core/ScrollBarGeometry.h"
#include "skin/win/CCustomWindow.h"
#include "skin/win/IListPopup.h"

// The bitmap-drawn vertical scroll bar of a long list. It scrolls nothing itself: it reads the
// list's scroll state and sends the list ordinary vertical-scroll requests (WM_VSCROLL with
// SB_LINEUP, SB_LINEDOWN, SB_PAGEUP, SB_PAGEDOWN), following the list's new position after each.
//
// The list answers kStateMessage with a filled ScrollState (lParam points to it).
class CVScrollBar : public CCustomWindow
{
public:
    static constexpr UINT kStateMessage = WM_USER + 310;
    static constexpr UINT_PTR kRepeatTimer = 1;
    static constexpr UINT_PTR kFirstDelayTimer = 2;
    static constexpr UINT kRepeatMs = 50;
    static constexpr UINT kFirstDelayMs = 250;

    // `pictures` are borrowed and must outlive the bar.
    CVScrollBar(const ListPopupScrollBar& pictures, COLORREF background) noexcept;

    bool CreateBar(HWND list, const RECT& rect);
    [[nodiscard]] ScrollBarGeometry BarGeometry() const noexcept;
    [[nodiscard]] int ThumbTop() const noexcept { return m_thumbTop; }
    // Reads the list's position and moves the thumb there.
    void Follow();

protected:
    void OnPaint() override;
    bool OnEraseBackground(HDC) override { return true; }
    void OnLButtonDown(POINT point, WPARAM keys) override;
    void OnLButtonUp(POINT point, WPARAM keys) override;
    void OnMouseMove(POINT point, WPARAM keys) override;
    void OnTimer(UINT_PTR timer) override;

private:
    [[nodiscard]] ScrollState ListState() const noexcept;
    void Request(ScrollRequest request);
    void DrawPiece(HDC dc, HBITMAP picture, int y, int height) const;

    ListPopupScrollBar m_pictures;
    COLORREF m_background;
    int m_thumbTop = 0;
    bool m_dragging = false;
    bool m_upHeld = false;
    bool m_downHeld = false;
};
