#include "controls/CPHSlider.h"

#include "platform/win/WinHandles.h"
#include "skin/win/OutlineRegion.h"
#include "skin/win/PaintDc.h"
#include "vocabulary/Notifications.h"

bool CPHSlider::Create(const PictureArea& thumb, const PictureArea& highlight, const RectEdges& track, HWND trackWindow,
                       bool shaped)
{
    m_thumb = thumb;
    m_highlight = highlight ? highlight : thumb;
    m_track = trackWindow;
    m_scale = CSliderThumb(track, thumb.Width());
    m_enabled = true;
    const RECT rect{m_scale.Left(), track.top, m_scale.Left() + thumb.Width(), track.top + thumb.Height()};
    if (!CCustomWindow::Create(trackWindow, rect, WS_CHILD | WS_VISIBLE | WS_TABSTOP))
        return false;
    // The thumb stays above the track's other children.
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, GetWindowLongPtrW(Handle(), GWL_EXSTYLE) | WS_EX_TOPMOST);
    if (shaped) {
        UniqueRegion outline = KeyedOutlineRegion(thumb.bitmap);
        // The window owns a region it was given.
        if (outline && SetWindowRgn(Handle(), outline.Get(), TRUE))
            static_cast<void>(outline.Release());
    }
    return true;
}

void CPHSlider::SetRange(int32_t a, int32_t b)
{
    m_scale.SetRange(a, b);
    Place();
}

void CPHSlider::SetCapRange(int32_t lower, int32_t upper)
{
    m_scale.SetCapRange(lower, upper);
    Place();
}

void CPHSlider::SetMargins(int32_t left, int32_t right)
{
    m_scale.SetMargins(left, right);
    Place();
}

void CPHSlider::SetEnabled(bool enabled)
{
    m_enabled = enabled;
    if (!enabled && m_dragging) {
        m_dragging = false;
        ReleaseCapture();
    }
    Redraw();
}

void CPHSlider::SetValue(int32_t value)
{
    m_scale.SetValue(value);
    Place();
}

void CPHSlider::SetToolTip(std::wstring_view textKey)
{
    m_toolTip.SetText(Handle(), CToolTip::ShownText(textKey));
}

void CPHSlider::ReleaseAt(int32_t trackX)
{
    PlaceLeft(m_scale.ReleaseAt(trackX));
    Notify();
}

int32_t CPHSlider::TrackX(POINT point) const noexcept
{
    MapWindowPoints(Handle(), m_track, &point, 1);
    return point.x;
}

void CPHSlider::Place()
{
    // While dragged the thumb follows the pointer; it settles on its step when released.
    if (!m_dragging)
        PlaceLeft(m_scale.Left());
}

void CPHSlider::PlaceLeft(int32_t left)
{
    if (Handle() == nullptr)
        return;
    RECT where{};
    GetWindowRect(Handle(), &where);
    MapWindowPoints(HWND_DESKTOP, m_track, reinterpret_cast<POINT*>(&where), 2);
    if (where.left != left)
        SetWindowPos(Handle(), nullptr, left, where.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CPHSlider::Notify() const
{
    PostMessageW(m_track, Notification::kSliderMoved, static_cast<WPARAM>(m_scale.Value()),
                 static_cast<LPARAM>(Identifier()));
}

void CPHSlider::Redraw() const
{
    if (Handle() != nullptr)
        InvalidateRect(Handle(), nullptr, FALSE);
}

LRESULT CPHSlider::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    m_toolTip.Relay(Handle(), message, wParam, lParam);
    switch (message) {
    case WM_MOUSELEAVE:
        m_trackingLeave = false;
        m_hovering = false;
        Redraw();
        return 0;
    case WM_GETDLGCODE:
        // The arrow keys move the thumb instead of the dialog's focus.
        return DLGC_WANTARROWS;
    default:
        return CCustomWindow::OnMessage(message, wParam, lParam);
    }
}

void CPHSlider::OnPaint()
{
    PaintDc paint(Handle());
    if (paint)
        DrawPictureArea(paint.Get(), 0, 0, IsHighlighted() ? m_highlight : m_thumb);
}

void CPHSlider::OnLButtonDown(POINT point, WPARAM)
{
    if (!m_enabled)
        return;
    SetFocus(Handle());
    SetCapture(Handle());
    m_dragging = true;
    m_grabOffset = m_scale.CentreOf(m_scale.Value()) - TrackX(point);
    Redraw();
}

void CPHSlider::OnMouseMove(POINT point, WPARAM)
{
    if (!m_enabled)
        return;
    if (!m_trackingLeave) {
        TRACKMOUSEEVENT leave{sizeof(leave), TME_LEAVE, Handle(), 0};
        m_trackingLeave = TrackMouseEvent(&leave) != FALSE;
    }
    m_hovering = true;
    if (m_dragging) {
        const CSliderThumb::DragResult moved = m_scale.DragTo(TrackX(point) + m_grabOffset);
        PlaceLeft(moved.left);
        if (moved.changed)
            Notify();
    }
    Redraw();
}

void CPHSlider::OnLButtonUp(POINT point, WPARAM)
{
    if (!m_dragging)
        return;
    // Cleared first: giving the capture back must not end the drag a second time.
    m_dragging = false;
    ReleaseCapture();
    ReleaseAt(TrackX(point) + m_grabOffset);
    Redraw();
}

void CPHSlider::OnCaptureChanged(HWND newCapture)
{
    if (m_dragging && newCapture != Handle()) {
        // Another window took the mouse: the thumb settles where it was dragged to.
        m_dragging = false;
        ReleaseAt(m_scale.CentreOf(m_scale.Value()));
    }
    Redraw();
}

void CPHSlider::OnSetFocus(HWND)
{
    m_focused = true;
    Redraw();
}

void CPHSlider::OnKillFocus(HWND)
{
    m_focused = false;
    m_hovering = false;
    Redraw();
}

void CPHSlider::OnKeyDown(WPARAM key, LPARAM)
{
    if (!m_enabled || m_dragging)
        return;
    int32_t value = m_scale.Value();
    switch (key) {
    case VK_LEFT:
    case VK_DOWN: --value; break;
    case VK_RIGHT:
    case VK_UP: ++value; break;
    case VK_HOME: value = m_scale.CapMinimum(); break;
    case VK_END: value = m_scale.CapMaximum(); break;
    default: Default(); return;
    }
    const int32_t before = m_scale.Value();
    SetValue(value);
    if (m_scale.Value() != before)
        Notify();
}
