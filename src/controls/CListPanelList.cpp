#include "controls/CListPanelList.h"

#include <algorithm>

#include "controls/CListPanel.h"
#include "platform/win/WinHandles.h"
#include "platform/win/WindowDc.h"
#include "skin/CLanguageSet.h"
#include "skin/win/CListPanelItem.h"
#include "skin/win/CMemDC2.h"
#include "skin/win/CSkinEnvironment.h"
#include "skin/win/PaintDc.h"
#include "skin/win/ScopedSelect.h"

namespace {

std::vector<std::wstring> TextsOf(const std::vector<ListPopupEntry>& entries)
{
    std::vector<std::wstring> texts;
    texts.reserve(entries.size());
    for (const ListPopupEntry& entry : entries)
        texts.push_back(entry.text);
    return texts;
}

PixelRect PixelsOf(const RECT& rect) noexcept
{
    return PixelRect{rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace

bool CListPanelList::CreateList(HWND panel, const RECT& area)
{
    m_rows = ListRows::Order(TextsOf(m_request.entries), m_request.sorted);
    if (!CCustomWindow::Create(panel, area, WS_CHILD | WS_VISIBLE))
        return false;
    MeasureLines();
    const int height = area.bottom - area.top;
    if (ListRows::WantsScrollBar(height, m_rows.size(), m_request.scrollBar.width))
        CreateScrollBar(RECT{0, 0, area.right - area.left, height});
    m_toolTip.Ensure(Handle());
    SetCapture(Handle());
    return true;
}

CListPanelList::~CListPanelList()
{
    // The bar is a child of the list's window: it goes first.
    m_scrollBar.reset();
}

void CListPanelList::CreateScrollBar(const RECT& client)
{
    auto bar = std::make_unique<CVScrollBar>(m_request.scrollBar, static_cast<COLORREF>(m_request.colours.background));
    const int width = m_request.scrollBar.width;
    if (!bar->CreateBar(Handle(), RECT{client.right - width, 0, client.right, client.bottom}))
        return;
    m_scrollBarWidth = width;
    m_scrollBar = std::move(bar);
}

bool CListPanelList::PassToScrollBar(UINT message, POINT point, WPARAM keys)
{
    if (!m_scrollBar)
        return false;
    RECT bar{};
    GetWindowRect(m_scrollBar->Handle(), &bar);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&bar), 2);
    if (!PtInRect(&bar, point))
        return false;
    SendMessageW(m_scrollBar->Handle(), message, keys, MAKELPARAM(point.x - bar.left, point.y - bar.top));
    return true;
}

LRESULT CListPanelList::OnScrollRequest(WPARAM request)
{
    switch (LOWORD(request)) {
    case SB_LINEUP: ScrollLines(-1); break;
    case SB_LINEDOWN: ScrollLines(1); break;
    case SB_PAGEUP: ScrollLines(-VisibleRows()); break;
    case SB_PAGEDOWN: ScrollLines(VisibleRows()); break;
    default: break;
    }
    return 0;
}

void CListPanelList::MeasureLines()
{
    const WindowDc dc(Handle());
    const HFONT font = m_request.font != nullptr
                           ? m_request.font
                           : reinterpret_cast<HFONT>(SendMessageW(GetParent(Handle()), WM_GETFONT, 0, 0));
    const ScopedSelect selected(dc.Get(), font);
    TEXTMETRICW metrics{};
    if (dc && GetTextMetricsW(dc.Get(), &metrics))
        m_lineHeight = metrics.tmHeight + 1;
}

int CListPanelList::EntryOfRow(int row) const noexcept
{
    if (row < 0 || row >= RowCount())
        return -1;
    return static_cast<int>(m_rows[static_cast<size_t>(row)]);
}

const ListPopupEntry* CListPanelList::EntryAt(int row) const noexcept
{
    const int entry = EntryOfRow(row);
    return entry < 0 ? nullptr : &m_request.entries[static_cast<size_t>(entry)];
}

bool CListPanelList::IsInactive(int row) const noexcept
{
    const ListPopupEntry* entry = EntryAt(row);
    return entry != nullptr && entry->subList != nullptr && entry->subList->Entries().empty();
}

RECT CListPanelList::RowRect(int row) const noexcept
{
    RECT client{};
    GetClientRect(Handle(), &client);
    const int top = (row - m_topRow) * m_lineHeight;
    return RECT{0, top, client.right - m_scrollBarWidth, top + m_lineHeight};
}

int CListPanelList::RowAt(POINT point) const noexcept
{
    RECT client{};
    GetClientRect(Handle(), &client);
    client.right -= m_scrollBarWidth;
    if (!PtInRect(&client, point))
        return -1;
    return ListRows::RowAt(point.y, m_lineHeight, m_topRow, RowCount());
}

int CListPanelList::VisibleRows() const noexcept
{
    RECT client{};
    GetClientRect(Handle(), &client);
    return ListRows::VisibleRows(client.bottom, m_lineHeight);
}

void CListPanelList::ScrollLines(int lines)
{
    // Without the scroll bar the list does not scroll at all.
    if (!HasScrollBar())
        return;
    const int top = ListRows::ClampTop(m_topRow + lines, RowCount(), VisibleRows());
    if (top == m_topRow)
        return;
    m_topRow = top;
    InvalidateRect(Handle(), nullptr, FALSE);
}

void CListPanelList::SetHovered(int row)
{
    if (row == m_hoveredRow)
        return;
    m_hoveredRow = row;
    InvalidateRect(Handle(), nullptr, FALSE);
}

void CListPanelList::UpdateToolTip(int row)
{
    if (row == m_toolTipRow)
        return;
    m_toolTipRow = row;
    const ListPopupEntry* entry = EntryAt(row);
    m_toolTip.SetText(Handle(), entry != nullptr ? CToolTip::ShownText(entry->tooltip) : std::wstring());
}

void CListPanelList::OnMouseMove(POINT point, WPARAM keys)
{
    if (m_pending || PassToScrollBar(WM_MOUSEMOVE, point, keys))
        return;
    m_toolTip.Relay(Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
    const int row = RowAt(point);
    UpdateToolTip(row);
    // An inactive row, like the space outside the rows, leaves nothing highlighted.
    SetHovered(IsInactive(row) ? -1 : row);
}

void CListPanelList::OnLButtonDown(POINT point, WPARAM keys)
{
    if (m_pending || PassToScrollBar(WM_LBUTTONDOWN, point, keys))
        return;
    ChooseHovered();
}

void CListPanelList::ChooseHovered()
{
    if (m_pending)
        return;
    const ListPopupEntry* entry = EntryAt(m_hoveredRow);
    if (entry != nullptr && entry->subList != nullptr)
        OpenSubList(m_hoveredRow);
    StartChoice();
}

void CListPanelList::OpenSubList(int row)
{
    CListPanelItem& subList = *EntryAt(row)->subList;
    // Beside the list, beyond its scroll bar.
    RECT rowRect = RowRect(row);
    rowRect.right += m_scrollBarWidth;
    MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&rowRect), 2);
    const size_t shownRows = std::min(subList.Entries().size(), kMaxSubListRows);
    const int height = static_cast<int>(shownRows) * m_lineHeight + 2 * subList.BorderWidth();
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST), &monitor);
    const PixelRect place =
        ListRows::CascadePlace(PixelsOf(rowRect), subList.Width(), height, PixelsOf(monitor.rcWork));
    const ListPopupRequest request =
        subList.MakeRequest(GetParent(Handle()), RECT{place.left, place.top, place.right, place.bottom});
    CListPanel cascaded(request);
    const int chosen = cascaded.Open();
    if (chosen >= 0 && static_cast<size_t>(chosen) < subList.Entries().size()) {
        subList.SetCurrentText(subList.EntryText(chosen));
        m_subEntry = chosen;
    }
    // The cascaded list held the mouse; the choice still ends here.
    if (IsWindow(Handle()))
        SetCapture(Handle());
}

void CListPanelList::StartChoice()
{
    m_pending = true;
    SetTimer(Handle(), kChoiceTimer, kChoiceDelayMs, nullptr);
}

void CListPanelList::OnRButtonDown(POINT, WPARAM)
{
    m_hoveredRow = -1;
    m_subEntry = -1;
    InvalidateRect(Handle(), nullptr, FALSE);
    StartChoice();
}

void CListPanelList::OnTimer(UINT_PTR timer)
{
    if (timer != kChoiceTimer)
        return;
    KillTimer(Handle(), kChoiceTimer);
    m_pending = false;
    PostCompletion(m_subEntry, EntryOfRow(m_hoveredRow));
}

void CListPanelList::PostCompletion(int subEntry, int entry) const
{
    PostMessageW(GetParent(Handle()), kCompletionMessage, static_cast<WPARAM>(subEntry), static_cast<LPARAM>(entry));
}

void CListPanelList::OnKillFocus(HWND newFocus)
{
    // The dialog manager parks the focus on the panel while it activates; the panel hands it
    // straight back.
    if (newFocus != nullptr && newFocus == GetParent(Handle()))
        return;
    const ListPopupEntry* entry = EntryAt(m_hoveredRow);
    // The cascaded panel of the hovered row has the focus now; it ends first.
    if (entry != nullptr && entry->subList != nullptr)
        return;
    m_hoveredRow = -1;
    m_subEntry = -1;
    PostCompletion(0, -1);
}

void CListPanelList::OnMouseWheel(short delta, POINT)
{
    m_wheelRest += delta;
    const int lines = m_wheelRest / kWheelStep;
    m_wheelRest -= lines * kWheelStep;
    ScrollLines(-lines);
    if (m_scrollBar)
        m_scrollBar->Follow();
}

void CListPanelList::MoveHover(int step)
{
    int row = m_hoveredRow < 0 ? (step > 0 ? -1 : RowCount()) : m_hoveredRow;
    do
        row += step;
    while (row >= 0 && row < RowCount() && IsInactive(row));
    if (row < 0 || row >= RowCount())
        return;
    SetHovered(row);
    ScrollLines(ListRows::TopShowing(row, m_topRow, VisibleRows()) - m_topRow);
}

void CListPanelList::OnKeyDown(WPARAM key, LPARAM)
{
    if (m_pending)
        return;
    if (key == VK_UP)
        MoveHover(-1);
    else if (key == VK_DOWN)
        MoveHover(1);
    if (m_scrollBar)
        m_scrollBar->Follow();
    // Other keys, the right arrow among them, do nothing in the list.
}

void CListPanelList::OnKeyUp(WPARAM, LPARAM) {}

LRESULT CListPanelList::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_GETDLGCODE)
        return DLGC_WANTARROWS;
    if (message == WM_VSCROLL)
        return OnScrollRequest(wParam);
    if (message == CVScrollBar::kStateMessage && lParam != 0) {
        *reinterpret_cast<ScrollState*>(lParam) = ScrollState{RowCount(), VisibleRows(), m_topRow};
        return 0;
    }
    return CCustomWindow::OnOtherMessage(message, wParam, lParam);
}

void CListPanelList::OnPaint()
{
    const PaintDc paint(Handle());
    if (!paint)
        return;
    RECT client{};
    GetClientRect(Handle(), &client);
    SetBkColor(paint.Get(), static_cast<COLORREF>(m_request.colours.background));
    const CMemDC2 surface(paint.Get(), &client);
    const HFONT font = m_request.font != nullptr
                           ? m_request.font
                           : reinterpret_cast<HFONT>(SendMessageW(GetParent(Handle()), WM_GETFONT, 0, 0));
    const ScopedSelect selected(surface.Get(), font);
    for (int row = m_topRow; row < RowCount(); ++row) {
        const RECT rect = RowRect(row);
        if (rect.top >= client.bottom)
            break;
        PaintRow(surface.Get(), row, rect);
    }
}

void CListPanelList::PaintRow(HDC dc, int row, const RECT& rect) const
{
    const ListPopupColours& colours = m_request.colours;
    COLORREF background = static_cast<COLORREF>(colours.background);
    COLORREF text = static_cast<COLORREF>(colours.text);
    if (IsInactive(row)) {
        background = static_cast<COLORREF>(colours.inactiveBackground);
        text = static_cast<COLORREF>(colours.inactiveText);
    } else if (row == m_hoveredRow) {
        background = static_cast<COLORREF>(colours.highlightBackground);
        text = static_cast<COLORREF>(colours.highlightText);
    }
    const UniqueBrush fill(CreateSolidBrush(background));
    FillRect(dc, &rect, fill.Get());
    std::wstring shown = CSkinEnvironment::Instance().Languages().ShowText(EntryAt(row)->text);
    RECT textRect = rect;
    textRect.left += kTextIndent;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, text);
    DrawTextW(dc, shown.data(), static_cast<int>(shown.size()), &textRect,
              DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}
