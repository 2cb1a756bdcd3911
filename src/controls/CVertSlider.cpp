#include "controls/CVertSlider.h"

#include "skin/layout/ItemDescriptions.h"
#include "skin/win/PaintDc.h"
#include "vocabulary/Notifications.h"

MadeItem CVertSlider::Make(const VerticalSliderDescription& description, const IItemMakeContext& context)
{
    // Without its picture the thumb would have no size to grab.
    const PictureArea thumb = PictureArea::Whole(description.picture);
    if (!thumb)
        return {};
    const RectEdges track = EdgesOf(description.rect);
    auto slider = std::make_unique<CVertSlider>();
    if (!slider->Create(description.identifier, context.Parent(), thumb,
                        RECT{track.left, track.top, track.right, track.bottom}))
        return {};
    slider->SetToolTip(description.tooltip);
    const HWND window = slider->Handle();
    return MadeItem{std::move(slider), window, context.Parent()};
}

bool CVertSlider::Create(int32_t identifier, HWND owner, const PictureArea& thumb, const RECT& track)
{
    m_picture = thumb;
    m_track = track;
    m_thumb.emplace(track.top, track.bottom, thumb.Height());
    const RECT rect{track.left, m_thumb->Top(), track.left + thumb.Width(), m_thumb->Top() + thumb.Height()};
    if (!CCustomWindow::Create(owner, rect, WS_CHILD | WS_VISIBLE | WS_TABSTOP))
        return false;
    SetCommon(identifier, ItemKind::VerticalSlider, Handle(), owner);
    return true;
}

void CVertSlider::SetBackground(HBITMAP bitmap, int x1, int y1, int x2, int y2)
{
    m_picture = PictureArea::Part(bitmap, x1, y1, x2 - x1, y2 - y1);
    if (Handle() != nullptr)
        InvalidateRect(Handle(), nullptr, FALSE);
}

void CVertSlider::SetLimits(int32_t lower, int32_t upper) noexcept
{
    if (m_thumb)
        m_thumb->SetLimits(lower, upper);
}

void CVertSlider::SetValue(int32_t value)
{
    if (!m_thumb)
        return;
    m_thumb->SetValue(value);
    MoveTop(m_thumb->Top());
}

void CVertSlider::SetToolTip(std::wstring_view textKey)
{
    m_toolTip.SetText(Handle(), CToolTip::ShownText(textKey));
}

int32_t CVertSlider::ScreenY(POINT point) const noexcept
{
    ClientToScreen(Handle(), &point);
    return point.y;
}

void CVertSlider::MoveTop(int32_t top)
{
    if (Handle() != nullptr)
        SetWindowPos(Handle(), nullptr, m_track.left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CVertSlider::Notify() const
{
    PostMessageW(Owner(), Notification::kSliderMoved, static_cast<WPARAM>(Value()), static_cast<LPARAM>(Identifier()));
}

LRESULT CVertSlider::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    m_toolTip.Relay(Handle(), message, wParam, lParam);
    if (message == WM_GETDLGCODE)
        return DLGC_WANTARROWS;
    return CCustomWindow::OnMessage(message, wParam, lParam);
}

void CVertSlider::OnPaint()
{
    PaintDc paint(Handle());
    if (paint)
        DrawPictureArea(paint.Get(), 0, 0, m_picture);
}

void CVertSlider::OnLButtonDown(POINT point, WPARAM)
{
    if (!m_thumb)
        return;
    SetFocus(Handle());
    m_grabY = ScreenY(point);
    m_grabTop = m_thumb->Top();
    m_dragging = true;
    SetCapture(Handle());
}

void CVertSlider::OnMouseMove(POINT point, WPARAM)
{
    if (m_dragging)
        MoveTop(m_thumb->DragTo(m_grabTop + ScreenY(point) - m_grabY));
}

void CVertSlider::OnLButtonUp(POINT point, WPARAM)
{
    if (!m_dragging)
        return;
    MoveTop(m_thumb->DragTo(m_grabTop + ScreenY(point) - m_grabY));
    // Cleared first: giving the capture back must not end the drag a second time.
    m_dragging = false;
    ReleaseCapture();
    m_thumb->Release();
    Notify();
}

void CVertSlider::OnCaptureChanged(HWND newCapture)
{
    if (m_dragging && newCapture != Handle()) {
        m_dragging = false;
        m_thumb->Release();
        Notify();
    }
}

void CVertSlider::OnKeyDown(WPARAM key, LPARAM)
{
    if (!m_thumb || m_dragging || (key != VK_UP && key != VK_DOWN)) {
        Default();
        return;
    }
    const int32_t before = m_thumb->Value();
    SetValue(before + (key == VK_UP ? 1 : -1));
    if (m_thumb->Value() != before)
        Notify();
}
