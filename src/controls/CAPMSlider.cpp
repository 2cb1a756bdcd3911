#include "controls/CAPMSlider.h"

#include <algorithm>

#include "controls/ItemNotification.h"
#include "controls/core/ZoneArithmetic.h"
#include "platform/win/WinHandles.h"
#include "skin/layout/ItemDescriptions.h"
#include "skin/win/CMemDC2.h"
#include "skin/win/PaintDc.h"
#include "skin/win/PictureHandle.h"
#include "skin/win/ScopedSelect.h"
#include "vocabulary/ItemIds.h"
#include "vocabulary/Notifications.h"

MadeItem CAPMSlider::Make(const ApmSliderDescription& description, const IItemMakeContext& context)
{
    const auto* track = context.Description().As<BitmapItemDescription>(description.track);
    CGUIItem* trackItem = context.Made(description.track, ItemKind::BitmapItem);
    if (track == nullptr || trackItem == nullptr)
        return {};
    // The slider lies in its track's window and shows the part of its picture beneath it.
    const LayoutRect& place = description.rect;
    const PictureArea picture =
        PictureArea::Part(BitmapOf(track->normal), place.left, place.top, place.width, place.height);
    const RectEdges edges = EdgesOf(place);
    auto slider = std::make_unique<CAPMSlider>();
    if (!slider->Create(trackItem->ItemWindow(), picture, PictureArea::Whole(description.thumbNormal),
                        PictureArea::Whole(description.thumbOver),
                        RECT{edges.left, edges.top, edges.right, edges.bottom}))
        return {};
    slider->AddThumb(ItemId::SLIDER_APM_MULTI_STAGE1);
    slider->AddThumb(ItemId::SLIDER_APM_MULTI_STAGE2);
    slider->Initialise();
    const HWND window = slider->Handle();
    // The track's window only passes commands on: the slider reports to the window the
    // layout was loaded into.
    return MadeItem{std::move(slider), window, context.Parent()};
}

bool CAPMSlider::Create(HWND parent, const PictureArea& track, const PictureArea& thumb, const PictureArea& highlight,
                        const RECT& rect)
{
    m_track = track;
    m_thumb = thumb;
    m_highlight = highlight;
    return CreateTrack(parent, rect);
}

CPHSlider* CAPMSlider::AddThumb(int32_t identifier)
{
    // Thumb centres run from half a thumb inside one end to half a thumb inside the other, so
    // the zones meet at the thumbs' middles.
    const int32_t half = m_thumb.Width() / 2;
    return AddThumbWindow(identifier, m_thumb, m_highlight, m_minimum, m_maximum, half, half);
}

void CAPMSlider::SetRange(int32_t a, int32_t b)
{
    m_minimum = std::min(a, b);
    m_maximum = std::max(a, b);
    for (const auto& thumb : Thumbs())
        thumb->SetRange(m_minimum, m_maximum);
    Redraw();
}

void CAPMSlider::SetZoneColours(std::vector<uint32_t> colours)
{
    m_colours = std::move(colours);
    Redraw();
}

void CAPMSlider::Initialise()
{
    SetDefaultStages();
    ApplyBounds();
    ZoneArithmetic::ApplyDefaultGreys(m_colours, ThumbCount(), m_minimum, m_maximum);
    Redraw();
}

void CAPMSlider::SetDefaultStages()
{
    // Bounds from earlier places must not hold the thumbs back from their new ones.
    RemoveTickerCapRanges();
    const std::vector<int32_t> values = ZoneArithmetic::DefaultStages(ThumbCount(), m_minimum, m_maximum);
    for (size_t index = 0; index < ThumbCount(); ++index)
        Thumb(index)->SetValue(values[index]);
}

void CAPMSlider::RemoveTickerCapRanges()
{
    for (const auto& thumb : Thumbs())
        thumb->SetCapRange(m_minimum, m_maximum);
}

void CAPMSlider::SetTickerCapRanges()
{
    const auto ranges = ZoneArithmetic::CapRanges(Values(), m_minimum, m_maximum, false);
    for (size_t index = 0; index < ThumbCount(); ++index)
        Thumb(index)->SetCapRange(ranges[index].lower, ranges[index].upper);
}

void CAPMSlider::ApplyBounds()
{
    if (m_free)
        RemoveTickerCapRanges();
    else
        SetTickerCapRanges();
}

size_t CAPMSlider::ZoneAt(int32_t x) const
{
    if (ThumbCount() == 0)
        return 0;
    const CSliderThumb& scale = Thumb(0)->Scale();
    const int32_t value = ZoneArithmetic::ValueUnder(x, scale.TrackStart(), scale.TrackEnd(), m_minimum, m_maximum);
    return ZoneArithmetic::ZoneOf(Values(), value);
}

void CAPMSlider::OnPaint()
{
    PaintDc paint(Handle());
    if (!paint)
        return;
    RECT client{};
    GetClientRect(Handle(), &client);
    CMemDC2 surface(paint.Get(), &client);
    const HDC dc = surface.Get();

    std::vector<int32_t> centres;
    for (const auto& thumb : Thumbs())
        centres.push_back(thumb->Scale().CentreOf(thumb->GetValue()));
    const auto spans = ZoneArithmetic::ZoneSpans(centres, client.left, client.right);
    for (size_t zone = 0; zone < spans.size(); ++zone) {
        const COLORREF colour = zone < m_colours.size() ? static_cast<COLORREF>(m_colours[zone]) : RGB(0, 0, 0);
        const UniqueBrush brush(CreateSolidBrush(colour));
        const RECT area{spans[zone].left, client.top, spans[zone].right, client.bottom};
        FillRect(dc, &area, brush.Get());
    }
    if (!m_track)
        return;
    const UniqueDc source = CreateCompatibleDc(dc);
    if (!source)
        return;
    const ScopedSelect selected(source.Get(), m_track.bitmap);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, kBlendAlpha, 0};
    AlphaBlend(dc, 0, 0, std::min<int>(client.right, m_track.Width()), std::min<int>(client.bottom, m_track.Height()),
               source.Get(), m_track.source.left, m_track.source.top, std::min<int>(client.right, m_track.Width()),
               std::min<int>(client.bottom, m_track.Height()), blend);
}

void CAPMSlider::OnLButtonUp(POINT point, WPARAM)
{
    PostToParentAndOwner(Handle(), Owner(), Notification::kZoneClicked, ZoneAt(point.x),
                         static_cast<LPARAM>(Identifier()));
}

LRESULT CAPMSlider::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != Notification::kSliderMoved)
        return Default();
    ApplyBounds();
    // The zones beside the thumb that moved change colour.
    InvalidateRect(Handle(), nullptr, FALSE);
    PostToParentAndOwner(Handle(), Owner(), message, wParam, lParam);
    return 0;
}
