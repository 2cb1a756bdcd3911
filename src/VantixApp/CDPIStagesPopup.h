#pragma once

#include <array>

#include "VantixApp/CPopupBox.h"
#include "config/CDpiStageList.h"

class CBitmapBtn;
class CDPIStageWindow;
class CSliderHMulti;
class CTextItem;

// Edits the DPI stages ("DPIStagesPopup.xml"): one tile per stage (a click selects the stage
// to edit), the active stage count with its minus and plus buttons, the X/Y switch of the
// selected stage, and its sliders (the combined one, or X and Y). In and out: the stage list
// (CDpiStageList, at least five stages, as CDpiStageList::FromConfig gives it); it is changed
// as the user edits and is the answer after OK (BUTTON_DPISTAGES_OK, 1). After Cancel
// (BUTTON_DPISTAGES_CANCEL or Escape, 2) the caller ignores it.
class CDPIStagesPopup : public CPopupBox
{
public:
    static constexpr int kTemplate = 132;

    CDPIStagesPopup(std::wstring layoutFile, CDpiStageList& stages, HWND owner);

    [[nodiscard]] const CDpiStageList& Stages() const noexcept { return m_stages; }
    // The items while the pop-up is open; null when the layout lacks one.
    [[nodiscard]] CDPIStageWindow* Tile(size_t index) const noexcept;
    [[nodiscard]] CSliderHMulti* Slider(CDpiStageList::Axis axis) const noexcept;
    [[nodiscard]] CTextItem* CountText() const noexcept { return m_count; }

protected:
    void BindItems() override;
    void OnItemCommand(int32_t identifier) override;
    LRESULT OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnTileSelected(int32_t identifier);
    void OnSliderMoved(int32_t position, int32_t thumb);
    void OnSeparateToggled();
    // Shows the list again: the count, the X/Y switch and sliders, and the tiles.
    void ShowStages();
    void ShowSliders();
    void FillTiles();

    CDpiStageList& m_stages;
    std::array<CDPIStageWindow*, CDpiStageList::kShownStages> m_tiles{};
    std::array<CSliderHMulti*, 3> m_sliders{};  // by Axis
    std::array<CGUIItem*, 3> m_tracks{};
    CTextItem* m_count = nullptr;
    CBitmapBtn* m_separate = nullptr;
};
