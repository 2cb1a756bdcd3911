#include "controls/CSliderHMulti.h"

#include <algorithm>

#include "controls/ItemNotification.h"
#include "skin/layout/ItemDescriptions.h"
#include "skin/win/PaintDc.h"
#include "skin/win/PictureHandle.h"
#include "vocabulary/Notifications.h"

MadeItem CSliderHMulti::Make(const MultiSliderDescription& description, const IItemMakeContext& context)
{
    const auto* track = context.Description().As<BitmapItemDescription>(description.track);
    CGUIItem* trackItem = context.Made(description.track, ItemKind::BitmapItem);
    if (track == nullptr || trackItem == nullptr)
        return {};
    // The slider shows the part of the track's picture that lies beneath it.
    const LayoutRect& place = description.rect;
    const PictureArea background = PictureArea::Part(BitmapOf(track->normal), place.left - track->rect.left,
                                                     place.top - track->rect.top, place.width, place.height);
    const RectEdges edges = EdgesOf(place);
    auto slider = std::make_unique<CSliderHMulti>();
    if (!slider->Create(context.Parent(), background, RECT{edges.left, edges.top, edges.right, edges.bottom}))
        return {};
    if (description.sideOffsets)
        slider->SetMargins(description.sideOffsets->first, description.sideOffsets->second);
    else if (description.offset)
        slider->SetLeftMargin(*description.offset);
    const PictureArea thumb = PictureArea::Whole(description.thumbNormal);
    const PictureArea highlight = PictureArea::Whole(description.thumbOver);
    for (const SliderStageDescription& stage : description.stages) {
        CPHSlider* added = slider->AddThumb(stage.identifier, thumb, highlight, stage.tooltip);
        if (added != nullptr)
            added->SetValue(kFirstStageStep + static_cast<int32_t>(slider->ThumbCount() - 1));
    }
    slider->SetEnabled(description.interactive);
    const HWND window = slider->Handle();
    // The track's window came first, so it lies above the slider made over it: the slider goes
    // on top to take the clicks, and the track stops painting over it.
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    const HWND trackWindow = trackItem->ItemWindow();
    SetWindowLongPtrW(trackWindow, GWL_STYLE, GetWindowLongPtrW(trackWindow, GWL_STYLE) | WS_CLIPSIBLINGS);
    return MadeItem{std::move(slider), window, trackWindow};
}

bool CSliderHMulti::Create(HWND parent, const PictureArea& background, const RECT& rect)
{
    m_background = background;
    return CreateTrack(parent, rect);
}

void CSliderHMulti::SetBackground(const PictureArea& background)
{
    m_background = background;
    Redraw();
}

CPHSlider* CSliderHMulti::AddThumb(int32_t identifier, const PictureArea& thumb, const PictureArea& highlight,
                                   std::wstring_view toolTip)
{
    if (ThumbCount() >= kMaxThumbs)
        return nullptr;
    CPHSlider* added =
        AddThumbWindow(identifier, thumb, highlight, m_minimum, m_maximum, m_leftMargin, m_rightMargin);
    if (added != nullptr) {
        added->SetEnabled(m_enabled);
        added->SetToolTip(toolTip);
    }
    return added;
}

void CSliderHMulti::SetRange(int32_t a, int32_t b)
{
    m_minimum = std::min(a, b);
    m_maximum = std::max(a, b);
    for (const auto& thumb : Thumbs())
        thumb->SetRange(m_minimum, m_maximum);
}

void CSliderHMulti::SetLeftMargin(int32_t margin)
{
    SetMargins(margin, m_rightMargin);
}

void CSliderHMulti::SetMargins(int32_t left, int32_t right)
{
    m_leftMargin = left;
    m_rightMargin = right;
    for (const auto& thumb : Thumbs())
        thumb->SetMargins(left, right);
}

void CSliderHMulti::SetEnabled(bool enabled)
{
    m_enabled = enabled;
    for (const auto& thumb : Thumbs())
        thumb->SetEnabled(enabled);
}

void CSliderHMulti::OnPaint()
{
    PaintDc paint(Handle());
    if (!paint)
        return;
    RECT client{};
    GetClientRect(Handle(), &client);
    DrawPictureArea(paint.Get(), 0, 0, client.right, client.bottom, m_background);
}

void CSliderHMulti::OnLButtonUp(POINT point, WPARAM)
{
    // The first thumb settles under the click and reports; the others stay.
    if (m_enabled && ThumbCount() > 0)
        Thumb(0)->ReleaseAt(point.x);
}

LRESULT CSliderHMulti::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != Notification::kSliderMoved)
        return Default();
    PostToParentAndOwner(Handle(), Owner(), message, wParam, lParam);
    return 0;
}
