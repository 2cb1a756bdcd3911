#pragma once

#include <array>
#include <memory>

#include "VantixApp/CPageBase.h"

class CGUIItem;

// The performance page: base resolution, sensitivity, DPI stages, acceleration, polling rate.
//
// What it shows already follows the active profile: the slider set of its resolution, the
// combined or the separate X and Y sliders, and the enabled or disabled acceleration slider.
// Its commands and notifications are received but not acted on yet: nothing is changed in the
// configuration and nothing is marked in the dirty mask.
class CPerformancePage : public CPageBase
{
public:
    // One resolution's sensitivity sliders and their tracks.
    struct SliderSet
    {
        CGUIItem* combined = nullptr;
        CGUIItem* x = nullptr;
        CGUIItem* y = nullptr;
        CGUIItem* combinedTrack = nullptr;
        CGUIItem* xTrack = nullptr;
        CGUIItem* yTrack = nullptr;
    };
    // The items the page shows and hides; any of them may be missing from a layout.
    struct Items
    {
        SliderSet set800;
        SliderSet set1800;
        CGUIItem* combinedLabel = nullptr;  // TEXT_DPI1
        CGUIItem* separateLabel = nullptr;  // TEXT_DPI2
        std::array<CGUIItem*, 2> headings{};  // TEXT_HEADING_X, TEXT_HEADING_Y: never shown
        CGUIItem* acceleration = nullptr;
        CGUIItem* accelerationTrack = nullptr;
        CGUIItem* accelerationDisabled = nullptr;
        CGUIItem* accelerationDisabledTrack = nullptr;
    };

    CPerformancePage(IPageHost& host, const Items& items);
    // The page with the items the window bound.
    [[nodiscard]] static std::unique_ptr<IVantixPage> Make(IPageHost& host);

    void OnItemCommand(int32_t identifier) override;
    void OnNotification(const PageNotification& notification) override;
    void Refresh() override;
    void OnShown() override { ShowViews(); }
    void OnShowCommand() override { ShowViews(); }

    // Shows the slider set of the active profile's resolution (800 or 1800; any other
    // resolution keeps the set shown before), linked or separate as the profile says, and the
    // acceleration slider for its state. Only what is shown changes, never the settings.
    void ShowViews();

private:
    void ShowSet(const SliderSet& set, bool shown, bool separate) const;

    Items m_items;
    bool m_show1800 = false;
};
