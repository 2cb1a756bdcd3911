#pragma once

#include <array>
#include <memory>
#include <string>

#include "VantixApp/CPageBase.h"
#include "config/CSensitivitySettings.h"

class CBitmapBtn;
class CGUIItem;

// The performance page: base resolution, sensitivity, DPI stages, acceleration, polling rate.
//
// It shows the active profile: the slider set of its resolution with the thumbs at its values,
// the combined or the separate X and Y sliders, acceleration, the rate buttons labelled with the
// mouse's rates, and the resolution display. Each change goes into the configuration and marks
// its part of the dirty mask. Showing a profile never changes its values: the sensitivities
// go to the top of the range only when the user presses a resolution button.
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
    void OnShown() override { Refresh(); }
    void OnShowCommand() override { Refresh(); }
    void OnMouseRead() override;

    // Shows the slider set of the active profile's resolution (800 or 1800; any other
    // resolution keeps the set shown before), linked or separate as the profile says, and the
    // acceleration slider for its state. Only what is shown changes, never the settings.
    void ShowViews();

    static constexpr wchar_t kRestorePopup[] = L"RestorePopup.xml";

private:
    void ShowSet(const SliderSet& set, bool shown, bool separate) const;
    void PlaceSliders() const;
    void ShowButtons() const;
    void ChooseResolution(int32_t resolution);
    void ChoosePollingRate(int32_t index);
    void ToggleSeparate();
    void ToggleAcceleration();
    void EditStages();
    void Reset();
    void OnSliderMoved(int32_t position, int32_t thumb);
    [[nodiscard]] CBitmapBtn* Button(int32_t identifier) const noexcept;

    Items m_items;
    bool m_show1800 = false;
    CSensitivitySettings m_sensitivity;
    std::array<std::wstring, 3> m_rateCaptions;  // the rate buttons' layout texts
};
