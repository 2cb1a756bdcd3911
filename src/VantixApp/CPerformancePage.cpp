#include "VantixApp/CPerformancePage.h"

#include <optional>
#include <string>
#include <utility>

#include "VantixApp/IPopupPresenter.h"
#include "VantixApp/PageTable.h"
#include "config/CDpiStageList.h"
#include "config/CVantixConfig.h"
#include "controls/CSliderHMulti.h"
#include "device/DeviceTranslation.h"
#include "device/IMouseDevice.h"
#include "skin/win/CBitmapBtn.h"
#include "skin/win/CGUIItem.h"
#include "vocabulary/ItemIds.h"

namespace {

constexpr std::array<int32_t, 10> kCommands = {
    ItemId::BUTTON_RESET, ItemId::BUTTON_DPI1, ItemId::BUTTON_DPI2, ItemId::BUTTON_RATE1, ItemId::BUTTON_RATE2,
    ItemId::BUTTON_RATE3, ItemId::BUTTON_ENABLEXY, ItemId::BUTTON_ENABLEACCELERATION,
    ItemId::BUTTON_SENSITIVITY_STAGES, ItemId::BUTTON_ENABLE_DPI_OSD,
};
constexpr std::array<uint32_t, 1> kNotifications = {Notification::kSliderMoved};

using Axis = CSensitivitySettings::Axis;

constexpr int32_t kLowResolution = CSensitivitySettings::kLowResolution;
constexpr int32_t kHighResolution = CSensitivitySettings::kHighResolution;
constexpr std::array<int32_t, 3> kRateButtons = {ItemId::BUTTON_RATE1, ItemId::BUTTON_RATE2, ItemId::BUTTON_RATE3};

void Press(CBitmapBtn* button, bool pressed)
{
    if (button != nullptr && button->IsChecked() != pressed)
        button->SetChecked(pressed);
}

void PlaceThumb(CGUIItem* item, int32_t position)
{
    auto* slider = dynamic_cast<CSliderHMulti*>(item);
    if (slider != nullptr && slider->ThumbCount() > 0)
        slider->Thumb(0)->SetValue(position);
}

void SetRange(CGUIItem* item, int32_t first, int32_t last)
{
    if (auto* slider = dynamic_cast<CSliderHMulti*>(item))
        slider->SetRange(first, last);
}

void Show(CGUIItem* item, bool shown)
{
    if (item != nullptr)
        item->ShowItem(shown);
}

}  // namespace

CPerformancePage::CPerformancePage(IPageHost& host, const Items& items)
    : CPageBase(host, kCommands, kNotifications), m_items(items), m_sensitivity(host.Config())
{
    for (const auto& [set, resolution] :
         {std::pair{&m_items.set800, kLowResolution}, std::pair{&m_items.set1800, kHighResolution}}) {
        const int32_t last = CSensitivitySettings::Positions(*CSensitivitySettings::RangeOf(resolution));
        for (CGUIItem* slider : {set->combined, set->x, set->y})
            SetRange(slider, 1, last);
    }
}

std::unique_ptr<IVantixPage> CPerformancePage::Make(IPageHost& host)
{
    const auto bound = [&host](int32_t identifier) { return host.Bound(identifier); };
    Items items;
    items.set800 = {bound(ItemId::SLIDER_DPI_MULTI),   bound(ItemId::SLIDER_DPI_MULTI_X),
                    bound(ItemId::SLIDER_DPI_MULTI_Y), bound(ItemId::BITMAP_SLSENSTRK_XY),
                    bound(ItemId::BITMAP_SLSENSTRK_X), bound(ItemId::BITMAP_SLSENSTRK_Y)};
    items.set1800 = {bound(ItemId::SLIDER_DPI_MULTI_1800),   bound(ItemId::SLIDER_DPI_MULTI_X_1800),
                     bound(ItemId::SLIDER_DPI_MULTI_Y_1800), bound(ItemId::BITMAP_SLSENSTRK_XY_1800),
                     bound(ItemId::BITMAP_SLSENSTRK_X_1800), bound(ItemId::BITMAP_SLSENSTRK_Y_1800)};
    items.combinedLabel = bound(ItemId::TEXT_DPI1);
    items.separateLabel = bound(ItemId::TEXT_DPI2);
    items.headings = {bound(ItemId::TEXT_HEADING_X), bound(ItemId::TEXT_HEADING_Y)};
    items.acceleration = bound(ItemId::SLIDER_ID_ACCEL);
    items.accelerationTrack = bound(ItemId::BITMAP_SLACCLTRK);
    items.accelerationDisabled = bound(ItemId::SLIDER_ID_ACCELDISB);
    items.accelerationDisabledTrack = bound(ItemId::BITMAP_SLACCLTRKDISB);
    return std::make_unique<CPerformancePage>(host, items);
}

CBitmapBtn* CPerformancePage::Button(int32_t identifier) const noexcept
{
    return Host().BoundAs<CBitmapBtn>(identifier);
}

void CPerformancePage::OnMouseRead()
{
    // The rate buttons say their rates before their layout text ("Hz"), for as many buttons
    // as the mouse has rates. The mouse lists report intervals in milliseconds: shown as they
    // are, 1 ms would read "1 Hz" on the 125 Hz button; each button shows its own choice's rate.
    const uint32_t count = Host().Device().GetPollingRateCount();
    for (uint32_t index = 0; index < count && index < kRateButtons.size(); ++index) {
        CBitmapBtn* button = Button(kRateButtons[index]);
        const std::optional<uint32_t> interval = DeviceTranslation::IntervalForChoice(static_cast<int32_t>(index));
        if (button == nullptr || !interval || *interval == 0)
            continue;
        if (m_rateCaptions[index].empty())
            m_rateCaptions[index] = button->Caption();
        button->SetCaption(std::to_wstring(1000 / *interval) + m_rateCaptions[index], 0);
    }
}

void CPerformancePage::Refresh()
{
    // A hidden page's items stay hidden; the views are chosen when it is shown.
    if (Host().IsPageShown(PageBit::kPerformance))
        ShowViews();
    PlaceSliders();
    ShowButtons();
}

void CPerformancePage::PlaceSliders() const
{
    const SliderSet& set = m_show1800 ? m_items.set1800 : m_items.set800;
    PlaceThumb(set.combined, m_sensitivity.PositionOf(Axis::Both));
    PlaceThumb(set.x, m_sensitivity.PositionOf(Axis::X));
    PlaceThumb(set.y, m_sensitivity.PositionOf(Axis::Y));
    CVantixConfig& config = Host().Config();
    for (CGUIItem* slider : {m_items.acceleration, m_items.accelerationDisabled}) {
        SetRange(slider, config.GetAccelerationMin(), config.GetAccelerationMax());
        PlaceThumb(slider, config.GetAccelerationLevel());
    }
}

void CPerformancePage::ShowButtons() const
{
    CVantixConfig& config = Host().Config();
    const int32_t resolution = config.GetResolution();
    Press(Button(ItemId::BUTTON_DPI1), resolution == kLowResolution);
    Press(Button(ItemId::BUTTON_DPI2), resolution == kHighResolution);
    for (size_t index = 0; index < kRateButtons.size(); ++index)
        Press(Button(kRateButtons[index]), static_cast<int32_t>(index) == config.GetPollingRateIndex());
    Press(Button(ItemId::BUTTON_ENABLEXY), config.GetSensitivitySeparateXY());
    Press(Button(ItemId::BUTTON_ENABLEACCELERATION), config.GetAccelerationEnabled());
    Press(Button(ItemId::BUTTON_ENABLE_DPI_OSD), config.GetDpiOsd());
}

void CPerformancePage::OnItemCommand(int32_t identifier)
{
    switch (identifier) {
    case ItemId::BUTTON_DPI1: ChooseResolution(kLowResolution); break;
    case ItemId::BUTTON_DPI2: ChooseResolution(kHighResolution); break;
    case ItemId::BUTTON_RATE1: ChoosePollingRate(0); break;
    case ItemId::BUTTON_RATE2: ChoosePollingRate(1); break;
    case ItemId::BUTTON_RATE3: ChoosePollingRate(2); break;
    case ItemId::BUTTON_ENABLEXY: ToggleSeparate(); break;
    case ItemId::BUTTON_ENABLEACCELERATION: ToggleAcceleration(); break;
    case ItemId::BUTTON_SENSITIVITY_STAGES: EditStages(); break;
    case ItemId::BUTTON_ENABLE_DPI_OSD: {
        const CBitmapBtn* button = Button(identifier);
        Host().Config().SetDpiOsd(button != nullptr && button->IsChecked());
        Host().MarkDirty(TransferFlag::kProfileParts);
        break;
    }
    case ItemId::BUTTON_RESET: Reset(); break;
    default: break;
    }
}

void CPerformancePage::ChooseResolution(int32_t resolution)
{
    (void)m_sensitivity.ChooseResolution(resolution);
    Refresh();
    Host().MarkDirty(TransferFlag::kResolution);
}

void CPerformancePage::ChoosePollingRate(int32_t index)
{
    Host().Config().SetPollingRateIndex(index);
    ShowButtons();
    Host().MarkDirty(TransferFlag::kPollingRate);
}

void CPerformancePage::ToggleSeparate()
{
    const CBitmapBtn* button = Button(ItemId::BUTTON_ENABLEXY);
    (void)m_sensitivity.SetSeparate(button != nullptr && button->IsChecked());
    Refresh();
    Host().MarkDirty(TransferFlag::kResolution);
}

void CPerformancePage::ToggleAcceleration()
{
    CVantixConfig& config = Host().Config();
    const CBitmapBtn* button = Button(ItemId::BUTTON_ENABLEACCELERATION);
    const bool enabled = button != nullptr && button->IsChecked();
    if (enabled != config.GetAccelerationEnabled())
        config.SetAccelerationEnabled(enabled);
    Refresh();
    Host().MarkDirty(TransferFlag::kAcceleration);
}

void CPerformancePage::EditStages()
{
    CVantixConfig& config = Host().Config();
    CDpiStageList stages = CDpiStageList::FromConfig(config);
    const int32_t before = config.GetResolution();
    if (Host().Popups().ShowDpiStages(Host().Window(), stages) == 1 && stages.StoreInto(config)) {
        // The current stage becomes the resolution. A stage at a resolution the mouse does not
        // offer (1200) leaves the resolution as it was; a new one takes its range, as its button
        // would, rather than keep a sensitivity the range no longer holds.
        const int32_t chosen = config.GetResolution();
        if (chosen != before && !m_sensitivity.ChooseResolution(chosen))
            config.SetResolution(before);
        Refresh();
    }
    // Marked even when cancelled.
    Host().MarkDirty(TransferFlag::kResolution);
}

void CPerformancePage::Reset()
{
    if (Host().Popups().ShowWarning(Host().Window(), WarningRequest{kRestorePopup, L"", L""}) != 1)
        return;
    Host().Config().ApplyProfileDefaults();
    Host().RefreshPages();
    Host().MarkDirty(TransferFlag::kAll);
}

void CPerformancePage::OnNotification(const PageNotification& notification)
{
    // Slider notifications carry no sender window: only the shown page's sliders are heard.
    if (notification.message == Notification::kSliderMoved && Host().IsPageShown(PageBit::kPerformance))
        OnSliderMoved(static_cast<int32_t>(notification.wParam), static_cast<int32_t>(notification.lParam));
}

void CPerformancePage::OnSliderMoved(int32_t position, int32_t thumb)
{
    switch (thumb) {
    case ItemId::SLIDER_DPI_MULTI_STAGE1: m_sensitivity.SetFromPosition(Axis::Both, position); break;
    case ItemId::SLIDER_DPI_MULTI_X_STAGE1: m_sensitivity.SetFromPosition(Axis::X, position); break;
    case ItemId::SLIDER_DPI_MULTI_Y_STAGE1: m_sensitivity.SetFromPosition(Axis::Y, position); break;
    case ItemId::SLIDER_ACCEL_STAGE1:
        (void)Host().Config().SetAccelerationLevel(position);
        PlaceSliders();
        Host().MarkDirty(TransferFlag::kAcceleration);
        return;
    default: return;
    }
    Host().MarkDirty(TransferFlag::kResolution);
}

void CPerformancePage::ShowViews()
{
    CVantixConfig& config = Host().Config();
    const int32_t resolution = config.GetResolution();
    if (resolution == kLowResolution || resolution == kHighResolution)
        m_show1800 = resolution == kHighResolution;
    const bool separate = config.GetSensitivitySeparateXY();
    ShowSet(m_items.set800, !m_show1800, separate);
    ShowSet(m_items.set1800, m_show1800, separate);
    Show(m_items.combinedLabel, !separate);
    Show(m_items.separateLabel, separate);
    for (CGUIItem* heading : m_items.headings)
        Show(heading, false);

    const bool accelerated = config.GetAccelerationEnabled();
    Show(m_items.acceleration, accelerated);
    Show(m_items.accelerationTrack, accelerated);
    Show(m_items.accelerationDisabled, !accelerated);
    Show(m_items.accelerationDisabledTrack, !accelerated);
}

void CPerformancePage::ShowSet(const SliderSet& set, bool shown, bool separate) const
{
    Show(set.combined, shown && !separate);
    Show(set.combinedTrack, shown && !separate);
    Show(set.x, shown && separate);
    Show(set.xTrack, shown && separate);
    Show(set.y, shown && separate);
    Show(set.yTrack, shown && separate);
}
