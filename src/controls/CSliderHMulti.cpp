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
    for (const SliderStageDescription& stage : description.stages)
    {
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
    return CCustomWindow::Create(parent, rect, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN);
}

void CSliderHMulti::SetBackground(const PictureArea& background)
{
    m_background = background;
    if (Handle() != nullptr)
        InvalidateRect(Handle(), nullptr, FALSE);
}

RectEdges CSliderHMulti::TrackEdges() const noexcept
{
    RECT client{};
    GetClientRect(Handle(), &client);
    return RectEdges{client.left, client.top, client.right, client.bottom};
}

CPHSlider* CSliderHMulti::AddThumb(int32_t identifier, const PictureArea& thumb, const PictureArea& highlight,
                                   std::wstring_view toolTip)
{
    if (m_thumbs.size() >= kMaxThumbs || Handle() == nullptr)
        return nullptr;
    auto added = std::make_unique<CPHSlider>();
    if (!added->Create(thumb, highlight, TrackEdges(), Handle(), true))
        return nullptr;
    added->SetRange(m_minimum, m_maximum);
    added->SetMargins(m_leftMargin, m_rightMargin);
    added->SetEnabled(m_enabled);
    added->SetCommon(identifier, ItemKind::SliderStage, added->Handle(), Handle());
    added->SetToolTip(toolTip);
    m_thumbs.push_back(std::move(added));
    return m_thumbs.back().get();
}

void CSliderHMulti::SetRange(int32_t a, int32_t b)
{
    m_minimum = std::min(a, b);
    m_maximum = std::max(a, b);
    for (const auto& thumb : m_thumbs)
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
    for (const auto& thumb : m_thumbs)
        thumb->SetMargins(left, right);
}

void CSliderHMulti::SetEnabled(bool enabled)
{
    m_enabled = enabled;
    for (const auto& thumb : m_thumbs)
        thumb->SetEnabled(enabled);
}

CPHSlider* CSliderHMulti::Thumb(size_t index) const noexcept
{
    return index < m_thumbs.size() ? m_thumbs[index].get() : nullptr;
}

CPHSlider* CSliderHMulti::FindThumb(int32_t identifier) const noexcept
{
    const auto found = std::find_if(m_thumbs.begin(), m_thumbs.end(),
                                    [identifier](const auto& thumb) { return thumb->Identifier() == identifier; });
    return found != m_thumbs.end() ? found->get() : nullptr;
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
    if (m_enabled && !m_thumbs.empty())
        m_thumbs.front()->ReleaseAt(point.x);
}

LRESULT CSliderHMulti::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != Notification::kSliderMoved)
        return Default();
    PostToParentAndOwner(Handle(), Owner(), message, wParam, lParam);
    return 0;
}
