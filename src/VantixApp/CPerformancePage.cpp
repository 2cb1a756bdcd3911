#include "VantixApp/CPerformancePage.h"

#include "config/CVantixConfig.h"
#include "skin/win/CGUIItem.h"
#include "vocabulary/ItemIds.h"

namespace {

constexpr std::array<int32_t, 10> kCommands = {
    ItemId::BUTTON_RESET, ItemId::BUTTON_DPI1, ItemId::BUTTON_DPI2, ItemId::BUTTON_RATE1, ItemId::BUTTON_RATE2,
    ItemId::BUTTON_RATE3, ItemId::BUTTON_ENABLEXY, ItemId::BUTTON_ENABLEACCELERATION,
    ItemId::BUTTON_SENSITIVITY_STAGES, ItemId::BUTTON_ENABLE_DPI_OSD,
};
constexpr std::array<uint32_t, 1> kNotifications = {Notification::kSliderMoved};

constexpr int32_t kLowResolution = 800;
constexpr int32_t kHighResolution = 1800;

void Show(CGUIItem* item, bool shown)
{
    if (item != nullptr)
        item->ShowItem(shown);
}

}  // namespace

CPerformancePage::CPerformancePage(IPageHost& host, const Items& items)
    : CPageBase(host, kCommands, kNotifications), m_items(items)
{
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

void CPerformancePage::OnItemCommand(int32_t) {}

void CPerformancePage::OnNotification(const PageNotification&) {}

void CPerformancePage::Refresh() {}

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
