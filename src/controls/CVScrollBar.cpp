#include "controls/CVScrollBar.h"

#include <algorithm>

#include "platform/win/WinHandles.h"
#include "skin/win/BitmapCopy.h"
#include "skin/win/CMemDC2.h"
#include "skin/win/PaintDc.h"
#include "skin/win/ScopedSelect.h"

namespace {

int ScrollCode(ScrollRequest request) noexcept
{
    switch (request) {
    case ScrollRequest::LineUp: return SB_LINEUP;
    case ScrollRequest::LineDown: return SB_LINEDOWN;
    case ScrollRequest::PageUp: return SB_PAGEUP;
    case ScrollRequest::PageDown: return SB_PAGEDOWN;
    case ScrollRequest::None: break;
    }
    return -1;
}

}  // namespace

CVScrollBar::CVScrollBar(const ListPopupScrollBar& pictures, COLORREF background) noexcept
    : m_pictures(pictures), m_background(background)
{
}

bool CVScrollBar::CreateBar(HWND list, const RECT& rect)
{
    if (!CCustomWindow::Create(list, rect, WS_CHILD | WS_VISIBLE))
        return false;
    Follow();
    return true;
}

ScrollBarGeometry CVScrollBar::BarGeometry() const noexcept
{
    ScrollBarGeometry geometry;
    geometry.top = BitmapSize(m_pictures.top).cy;
    geometry.arrowUp = BitmapSize(m_pictures.arrowUp).cy;
    geometry.arrowDown = BitmapSize(m_pictures.arrowDown).cy;
    geometry.bottom = BitmapSize(m_pictures.bottom).cy;
    geometry.thumb = BitmapSize(m_pictures.thumb).cy;
    RECT client{};
    if (Handle() != nullptr)
        GetClientRect(Handle(), &client);
    geometry.height = client.bottom;
    return geometry;
}

ScrollState CVScrollBar::ListState() const noexcept
{
    ScrollState state;
    const HWND list = Handle() != nullptr ? GetParent(Handle()) : nullptr;
    if (list != nullptr)
        SendMessageW(list, kStateMessage, 0, reinterpret_cast<LPARAM>(&state));
    return state;
}

void CVScrollBar::Follow()
{
    m_thumbTop = BarGeometry().ThumbFor(ListState());
    if (Handle() != nullptr)
        InvalidateRect(Handle(), nullptr, FALSE);
}

void CVScrollBar::Request(ScrollRequest request)
{
    const int code = ScrollCode(request);
    if (code < 0)
        return;
    SendMessageW(GetParent(Handle()), WM_VSCROLL, MAKEWPARAM(code, 0), reinterpret_cast<LPARAM>(Handle()));
    Follow();
}

void CVScrollBar::DrawPiece(HDC dc, HBITMAP picture, int y, int height) const
{
    if (picture == nullptr || height <= 0)
        return;
    const UniqueDc source = CreateCompatibleDc(dc);
    const ScopedSelect selected(source.Get(), picture);
    // Every piece is as wide as the thumb.
    const int width = BitmapSize(m_pictures.thumb).cx;
    BitBlt(dc, 0, y, width, height, source.Get(), 0, 0, SRCCOPY);
}

void CVScrollBar::OnPaint()
{
    const PaintDc paint(Handle());
    if (!paint)
        return;
    RECT client{};
    GetClientRect(Handle(), &client);
    SetBkColor(paint.Get(), m_background);
    const CMemDC2 surface(paint.Get(), &client);
    const HDC dc = surface.Get();
    const ScrollBarGeometry geometry = BarGeometry();
    const int span = BitmapSize(m_pictures.span).cy;
    DrawPiece(dc, m_pictures.top, 0, geometry.top);
    DrawPiece(dc, m_pictures.arrowUp, geometry.top, geometry.arrowUp);
    if (span > 0) {
        for (int y = geometry.ThumbMin(); y < geometry.height - 1; y += span)
            DrawPiece(dc, m_pictures.span, y, span);
    }
    // The down arrow is drawn where it is hit, just over the bottom piece.
    DrawPiece(dc, m_pictures.arrowDown, geometry.DownArrowTop(), geometry.arrowDown);
    DrawPiece(dc, m_pictures.bottom, geometry.BottomPieceTop(), geometry.bottom);
    DrawPiece(dc, m_pictures.thumb, m_thumbTop, geometry.thumb);
}

void CVScrollBar::OnLButtonDown(POINT point, WPARAM)
{
    SetCapture(Handle());
    const ScrollBarGeometry geometry = BarGeometry();
    if (geometry.OnThumb(point.y, m_thumbTop)) {
        m_dragging = true;
        return;
    }
    m_upHeld = geometry.OnArrowUp(point.y);
    m_downHeld = !m_upHeld && geometry.OnArrowDown(point.y);
    if (m_upHeld || m_downHeld)
        SetTimer(Handle(), kFirstDelayTimer, kFirstDelayMs, nullptr);
}

void CVScrollBar::OnTimer(UINT_PTR timer)
{
    if (timer == kFirstDelayTimer) {
        KillTimer(Handle(), kFirstDelayTimer);
        SetTimer(Handle(), kRepeatTimer, kRepeatMs, nullptr);
        return;
    }
    if (timer != kRepeatTimer)
        return;
    if (m_downHeld)
        Request(ScrollRequest::LineDown);
    else if (m_upHeld)
        Request(ScrollRequest::LineUp);
}

void CVScrollBar::OnMouseMove(POINT point, WPARAM keys)
{
    if (!m_dragging || (keys & MK_LBUTTON) == 0)
        return;
    const ScrollState state = ListState();
    if (state.max < state.page)
        return;
    const ScrollBarGeometry geometry = BarGeometry();
    m_thumbTop = geometry.DraggedThumb(point.y);
    const int target = geometry.PositionFor(m_thumbTop, state);
    for (int step = state.pos; step < target; ++step)
        Request(ScrollRequest::LineDown);
    for (int step = state.pos; step > target; --step)
        Request(ScrollRequest::LineUp);
    // The thumb stays under the pointer while dragged; Request moved it to the list's position.
    m_thumbTop = geometry.DraggedThumb(point.y);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void CVScrollBar::OnLButtonUp(POINT point, WPARAM)
{
    Follow();
    KillTimer(Handle(), kRepeatTimer);
    KillTimer(Handle(), kFirstDelayTimer);
    if (GetCapture() == Handle())
        ReleaseCapture();
    Request(BarGeometry().ReleaseRequest(point.y, m_thumbTop, m_upHeld, m_downHeld, m_dragging));
    m_dragging = false;
    m_upHeld = false;
    m_downHeld = false;
    // The list holds the mouse while it is open.
    SetCapture(GetParent(Handle()));
}
