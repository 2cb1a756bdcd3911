#include "controls/CDMarker.h"

#include "skin/layout/ItemDescriptions.h"
#include "skin/win/CMemDC2.h"
#include "skin/win/PaintDc.h"
#include "skin/win/PictureHandle.h"
#include "vocabulary/Notifications.h"

MadeItem CDMarker::Make(const MarkerDescription& description, const IItemMakeContext& context)
{
    const RectEdges edges = EdgesOf(description.rect);
    auto marker = std::make_unique<CDMarker>();
    if (!marker->Create(RECT{edges.left, edges.top, edges.right, edges.bottom}, description.identifier,
                        context.Parent()))
        return {};
    marker->SetBitmaps(BitmapOf(description.normal), BitmapOf(description.mark), 0, 0, description.rect.width,
                       description.rect.height);
    const HWND window = marker->Handle();
    return MadeItem{std::move(marker), window, context.Parent()};
}

bool CDMarker::Create(const RECT& rect, int32_t identifier, HWND owner)
{
    m_bar = CLevelBar(0, rect.right - rect.left);
    m_enabled = true;
    if (!CCustomWindow::Create(owner, rect, WS_CHILD | WS_VISIBLE | WS_TABSTOP))
        return false;
    SetCommon(identifier, ItemKind::Marker, Handle(), owner);
    return true;
}

void CDMarker::SetBitmaps(HBITMAP empty, HBITMAP full, int x1, int y1, int x2, int y2)
{
    m_empty = PictureArea::Part(empty, x1, y1, x2 - x1, y2 - y1);
    m_full = PictureArea::Part(full, x1, y1, x2 - x1, y2 - y1);
    Redraw();
}

void CDMarker::SetRange(int32_t a, int32_t b)
{
    m_bar.SetRange(a, b);
    Redraw();
}

void CDMarker::SetValue(int32_t value)
{
    m_bar.SetValue(value);
    Redraw();
}

void CDMarker::Notify() const
{
    PostMessageW(Owner(), Notification::kMarkerMoved, static_cast<WPARAM>(m_bar.Value()),
                 static_cast<LPARAM>(Identifier()));
}

void CDMarker::Redraw() const
{
    if (Handle() != nullptr)
        InvalidateRect(Handle(), nullptr, FALSE);
}

LRESULT CDMarker::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_GETDLGCODE)
        return DLGC_WANTARROWS;
    return CCustomWindow::OnMessage(message, wParam, lParam);
}

void CDMarker::OnPaint()
{
    PaintDc paint(Handle());
    if (!paint)
        return;
    RECT client{};
    GetClientRect(Handle(), &client);
    CMemDC2 surface(paint.Get(), &client);
    DrawPictureArea(surface.Get(), 0, 0, client.right, client.bottom, m_empty);
    DrawPictureArea(surface.Get(), 0, 0, m_bar.FilledWidth(), client.bottom, m_full);
}

void CDMarker::OnLButtonDown(POINT, WPARAM)
{
    if (!m_enabled)
        return;
    SetFocus(Handle());
    SetCapture(Handle());
    m_dragging = true;
}

void CDMarker::OnMouseMove(POINT point, WPARAM)
{
    if (m_dragging && m_bar.PointAt(point.x))
        Redraw();
}

void CDMarker::OnLButtonUp(POINT point, WPARAM)
{
    if (!m_dragging)
        return;
    m_bar.PointAt(point.x);
    Redraw();
    // Cleared first: giving the capture back must not end the drag a second time.
    m_dragging = false;
    Notify();
    ReleaseCapture();
}

void CDMarker::OnCaptureChanged(HWND newCapture)
{
    if (m_dragging && newCapture != Handle()) {
        m_dragging = false;
        Redraw();
    }
}

void CDMarker::OnKeyDown(WPARAM key, LPARAM)
{
    if (!m_enabled || m_dragging || (key != VK_LEFT && key != VK_RIGHT)) {
        Default();
        return;
    }
    const int32_t before = m_bar.Value();
    SetValue(before + (key == VK_RIGHT ? 1 : -1));
    if (m_bar.Value() != before)
        Notify();
}
