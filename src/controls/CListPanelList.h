#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>
#include <vector>

#include "controls/CVScrollBar.h"
#include "controls/core/ListRows.h"
#include "skin/win/CCustomWindow.h"
#include "skin/win/CToolTip.h"
#include "skin/win/IListPopup.h"

// The list inside a list panel: one column of owner-drawn rows, one per entry of the request,
// sorted by text (ignoring case) when asked. The row under the mouse is highlighted; a click
// chooses it (after a short pause, so the highlight is seen), a right click or losing the focus
// dismisses the list. A row whose entry has a sub-list opens that sub-list as a cascaded panel
// to its right first. The list holds the mouse capture, so a click outside it reaches it too.
// A long list gets a drawn scroll bar along its right edge and scrolls by it, the wheel and the
// arrow keys; a list without one does not scroll.
//
// The end is posted to the panel as kCompletionMessage: wParam the chosen sub-entry (or -1),
// lParam the chosen entry's position in the request (or -1).
class CListPanelList : public CCustomWindow
{
public:
    static constexpr UINT kCompletionMessage = WM_USER + 304;
    static constexpr UINT_PTR kChoiceTimer = 1;
    static constexpr UINT kChoiceDelayMs = 250;
    static constexpr int kTextIndent = 4;
    static constexpr int kWheelStep = WHEEL_DELTA;
    // Cascaded sub-lists show at most this many rows.
    static constexpr size_t kMaxSubListRows = 5;

    // `request` must outlive the list.
    explicit CListPanelList(const ListPopupRequest& request) noexcept : m_request(request) {}
    ~CListPanelList() override;

    // Makes the list in `panel` at `area` and takes the mouse capture.
    bool CreateList(HWND panel, const RECT& area);

    [[nodiscard]] int RowCount() const noexcept { return static_cast<int>(m_rows.size()); }
    // The request position of the row's entry; -1 for a row outside the list.
    [[nodiscard]] int EntryOfRow(int row) const noexcept;
    [[nodiscard]] bool IsInactive(int row) const noexcept;
    [[nodiscard]] int HoveredRow() const noexcept { return m_hoveredRow; }
    [[nodiscard]] int TopRow() const noexcept { return m_topRow; }
    [[nodiscard]] int LineHeight() const noexcept { return m_lineHeight; }
    [[nodiscard]] bool HasScrollBar() const noexcept { return m_scrollBar != nullptr; }
    [[nodiscard]] CVScrollBar* ScrollBar() const noexcept { return m_scrollBar.get(); }
    [[nodiscard]] bool IsChoicePending() const noexcept { return m_pending; }
    // The row's rectangle in the list's client coordinates (it may lie outside when scrolled).
    [[nodiscard]] RECT RowRect(int row) const noexcept;
    // The row at a client point; -1 outside the rows.
    [[nodiscard]] int RowAt(POINT point) const noexcept;

    // Chooses the hovered row as a click would.
    void ChooseHovered();
    // Scrolls by whole lines (negative: up), within the list.
    void ScrollLines(int lines);

protected:
    void OnPaint() override;
    bool OnEraseBackground(HDC) override { return true; }
    void OnMouseMove(POINT point, WPARAM keys) override;
    void OnLButtonDown(POINT point, WPARAM keys) override;
    void OnLButtonDoubleClick(POINT point, WPARAM keys) override { OnLButtonDown(point, keys); }
    void OnRButtonDown(POINT point, WPARAM keys) override;
    void OnTimer(UINT_PTR timer) override;
    void OnKillFocus(HWND newFocus) override;
    void OnMouseWheel(short delta, POINT point) override;
    void OnKeyDown(WPARAM key, LPARAM keyData) override;
    void OnKeyUp(WPARAM key, LPARAM keyData) override;
    LRESULT OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void MeasureLines();
    void CreateScrollBar(const RECT& client);
    // True when the mouse message at `point` belongs to the scroll bar (and was handed on).
    bool PassToScrollBar(UINT message, POINT point, WPARAM keys);
    LRESULT OnScrollRequest(WPARAM request);
    void SetHovered(int row);
    void UpdateToolTip(int row);
    void OpenSubList(int row);
    void StartChoice();
    void PostCompletion(int subEntry, int entry) const;
    void MoveHover(int step);
    void PaintRow(HDC dc, int row, const RECT& rect) const;
    [[nodiscard]] int VisibleRows() const noexcept;
    [[nodiscard]] const ListPopupEntry* EntryAt(int row) const noexcept;

    const ListPopupRequest& m_request;
    std::vector<size_t> m_rows;
    CToolTip m_toolTip;
    int m_hoveredRow = -1;
    int m_toolTipRow = -1;
    int m_subEntry = -1;
    bool m_pending = false;
    int m_lineHeight = 18;
    int m_topRow = 0;
    int m_scrollBarWidth = 0;
    std::unique_ptr<CVScrollBar> m_scrollBar;
    int m_wheelRest = 0;
};
