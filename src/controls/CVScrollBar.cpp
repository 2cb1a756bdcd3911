#include "controls/CVScrollBar.h"

#include <algorithm>

#include "platform/win/WinHandles.h"
#include "skin/win/BitmapCopy.h"
#include "skin/win/CMemDC2.h"
#include "skin/win/PaintDc.h"
#include "skin/win/ScopedSelect.h"

int CVScrollBar::Geometry::ThumbFor(const State& state) const noexcept
{
    const int range = state.max - state.page;
    // In whole numbers: the same truncation as track / range x pos, without rounding errors.
    const int offset = range > 0 ? static_cast<int>(static_cast<long long>(TrackLength()) * state.pos / range) : 0;
    return std::clamp(offset + arrowUp + top, ThumbMin(), std::max(ThumbMin(), ThumbMax()));
}

int CVScrollBar::Geometry::PositionFor(int thumbTop, const State& state) const noexcept
{
    const int range = state.max - state.page;
    if (range <= 0 || TrackLength() <= 0)
        return 0;
    return static_cast<int>(static_cast<long long>(thumbTop - arrowUp - top) * range / TrackLength());
}

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

CVScrollBar::Geometry CVScrollBar::BarGeometry() const noexcept
{
    Geometry geometry;
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

CVScrollBar::State CVScrollBar::ListState() const noexcept
{
    State state;
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

void CVScrollBar::Request(int code)
{
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
    const Geometry geometry = BarGeometry();
    const int span = BitmapSize(m_pictures.span).cy;
    DrawPiece(dc, m_pictures.top, 0, geometry.top);
    DrawPiece(dc, m_pictures.arrowUp, geometry.top, geometry.arrowUp);
    if (span > 0)
    {
        for (int y = geometry.top + geometry.arrowUp; y < geometry.height - 1; y += span)
            DrawPiece(dc, m_pictures.span, y, span);
    }
    const int downTop = geometry.height - (geometry.top + geometry.arrowUp);
    DrawPiece(dc, m_pictures.arrowDown, downTop, geometry.arrowDown);
    DrawPiece(dc, m_pictures.bottom, downTop + geometry.arrowDown, geometry.bottom);
    DrawPiece(dc, m_pictures.thumb, m_thumbTop, geometry.thumb);
}

void CVScrollBar::OnLButtonDown(POINT point, WPARAM)
{
    SetCapture(Handle());
    const Geometry geometry = BarGeometry();
    if (point.y >= m_thumbTop && point.y <= m_thumbTop + geometry.thumb)
    {
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
    if (timer == kFirstDelayTimer)
    {
        KillTimer(Handle(), kFirstDelayTimer);
        SetTimer(Handle(), kRepeatTimer, kRepeatMs, nullptr);
        return;
    }
    if (timer != kRepeatTimer)
        return;
    if (m_downHeld)
        Request(SB_LINEDOWN);
    else if (m_upHeld)
        Request(SB_LINEUP);
}

void CVScrollBar::OnMouseMove(POINT point, WPARAM keys)
{
    if (!m_dragging || (keys & MK_LBUTTON) == 0)
        return;
    const State state = ListState();
    if (state.max < state.page)
        return;
    const Geometry geometry = BarGeometry();
    const int y = std::clamp(static_cast<int>(point.y), 0, geometry.height);
    m_thumbTop = std::clamp(y - geometry.thumb / 2, geometry.ThumbMin(), std::max(geometry.ThumbMin(), geometry.ThumbMax()));
    const int target = geometry.PositionFor(m_thumbTop, state);
    for (int step = state.pos; step < target; ++step)
        Request(SB_LINEDOWN);
    for (int step = state.pos; step > target; --step)
        Request(SB_LINEUP);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void CVScrollBar::OnLButtonUp(POINT point, WPARAM)
{
    Follow();
    KillTimer(Handle(), kRepeatTimer);
    KillTimer(Handle(), kFirstDelayTimer);
    if (GetCapture() == Handle())
        ReleaseCapture();
    const Geometry geometry = BarGeometry();
    if (m_upHeld && geometry.OnArrowUp(point.y))
        Request(SB_LINEUP);
    else if (m_downHeld && geometry.OnArrowDown(point.y))
        Request(SB_LINEDOWN);
    else if (!m_dragging && !(point.y >= m_thumbTop && point.y <= m_thumbTop + geometry.thumb))
        Request(point.y > m_thumbTop ? SB_PAGEDOWN : SB_PAGEUP);
    m_dragging = false;
    m_upHeld = false;
    m_downHeld = false;
    // The list holds the mouse while it is open.
    SetCapture(GetParent(Handle()));
}
