#pragma once

#include <windows.h>

#include "skin/win/CCustomWindow.h"
#include "skin/win/IListPopup.h"

// The bitmap-drawn vertical scroll bar of a long list. It scrolls nothing itself: it reads the
// list's scroll state and sends the list ordinary vertical-scroll requests (WM_VSCROLL with
// SB_LINEUP, SB_LINEDOWN, SB_PAGEUP, SB_PAGEDOWN), following the list's new position after each.
//
// The list answers kStateMessage with a filled State (lParam points to it).
class CVScrollBar : public CCustomWindow
{
public:
    static constexpr UINT kStateMessage = WM_USER + 310;
    static constexpr UINT_PTR kRepeatTimer = 1;
    static constexpr UINT_PTR kFirstDelayTimer = 2;
    static constexpr UINT kRepeatMs = 50;
    static constexpr UINT kFirstDelayMs = 250;

    // The list's scroll state: positions 0 to max - page can be the top.
    struct State
    {
        int max = 0;
        int page = 0;
        int pos = 0;
    };

    // Heights of the pieces and of the bar.
    struct Geometry
    {
        int top = 0;        // h1: top end piece
        int arrowUp = 0;    // h2
        int arrowDown = 0;  // h3
        int bottom = 0;     // h4: bottom end piece
        int thumb = 0;      // ht
        int height = 0;     // H

        [[nodiscard]] int TrackLength() const noexcept { return height - thumb - bottom - arrowDown - arrowUp - top; }
        [[nodiscard]] int ThumbMin() const noexcept { return top + arrowUp; }
        [[nodiscard]] int ThumbMax() const noexcept { return height - bottom - arrowDown - thumb; }
        [[nodiscard]] bool OnArrowUp(int y) const noexcept { return y >= top && y <= top + arrowUp; }
        [[nodiscard]] bool OnArrowDown(int y) const noexcept
        {
            return y >= height - bottom - arrowDown && y <= height - bottom;
        }
        // Where the thumb lies for a list position, within its bounds.
        [[nodiscard]] int ThumbFor(const State& state) const noexcept;
        // The list position a thumb at `thumbTop` stands for.
        [[nodiscard]] int PositionFor(int thumbTop, const State& state) const noexcept;
    };

    // `pictures` are borrowed and must outlive the bar.
    CVScrollBar(const ListPopupScrollBar& pictures, COLORREF background) noexcept;

    bool CreateBar(HWND list, const RECT& rect);
    [[nodiscard]] Geometry BarGeometry() const noexcept;
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
    [[nodiscard]] State ListState() const noexcept;
    void Request(int code);
    void DrawPiece(HDC dc, HBITMAP picture, int y, int height) const;

    ListPopupScrollBar m_pictures;
    COLORREF m_background;
    int m_thumbTop = 0;
    bool m_dragging = false;
    bool m_upHeld = false;
    bool m_downHeld = false;
};
