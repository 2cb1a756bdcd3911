#include "VantixApp/CDPIStagesPopup.h"

#include <string>

#include "controls/CDPIStageWindow.h"
#include "controls/CSliderHMulti.h"
#include "skin/win/CBitmapBtn.h"
#include "skin/win/CTextItem.h"
#include "vocabulary/ItemIds.h"
#include "vocabulary/Notifications.h"

namespace {

using Axis = CDpiStageList::Axis;

constexpr std::array<int32_t, CDpiStageList::kShownStages> kTileIds = {
    ItemId::DPISTAGEWINDOW_01, ItemId::DPISTAGEWINDOW_02, ItemId::DPISTAGEWINDOW_03,
    ItemId::DPISTAGEWINDOW_04, ItemId::DPISTAGEWINDOW_05,
};
constexpr std::array<int32_t, 3> kSliderIds = {ItemId::SLIDER_DPI_MULTI_POPUP, ItemId::SLIDER_DPI_MULTI_X_POPUP,
                                               ItemId::SLIDER_DPI_MULTI_Y_POPUP};
constexpr std::array<int32_t, 3> kThumbIds = {ItemId::SLIDER_DPI_MULTI_STAGE1_POPUP,
                                              ItemId::SLIDER_DPI_MULTI_STAGE1_X_POPUP,
                                              ItemId::SLIDER_DPI_MULTI_STAGE1_Y_POPUP};
constexpr std::array<int32_t, 3> kTrackIds = {ItemId::BITMAP_SLSENSTRK_XY_POPUP, ItemId::BITMAP_SLSENSTRK_X_POPUP,
                                              ItemId::BITMAP_SLSENSTRK_Y_POPUP};

int32_t ValueOn(const CDpiStageList::Stage& stage, size_t axis) noexcept
{
    return axis == 0 ? stage.value : axis == 1 ? stage.xValue : stage.yValue;
}

}  // namespace

CDPIStagesPopup::CDPIStagesPopup(std::wstring layoutFile, CDpiStageList& stages, HWND owner)
    : CPopupBox(std::move(layoutFile), kTemplate, owner), m_stages(stages)
{
}

CDPIStageWindow* CDPIStagesPopup::Tile(size_t index) const noexcept
{
    return index < m_tiles.size() ? m_tiles[index] : nullptr;
}

CSliderHMulti* CDPIStagesPopup::Slider(Axis axis) const noexcept
{
    return m_sliders[static_cast<size_t>(axis)];
}

void CDPIStagesPopup::BindItems()
{
    for (size_t index = 0; index < m_tiles.size(); ++index)
        m_tiles[index] = Items().Find<CDPIStageWindow>(kTileIds[index], ItemKind::DpiStageWindow);
    for (size_t axis = 0; axis < m_sliders.size(); ++axis) {
        m_sliders[axis] = Items().Find<CSliderHMulti>(kSliderIds[axis], ItemKind::MultiSlider);
        m_tracks[axis] = Items().Find<CGUIItem>(kTrackIds[axis], ItemKind::BitmapItem);
        if (m_sliders[axis] != nullptr)
            m_sliders[axis]->SetRange(m_stages.FirstPosition(), m_stages.LastPosition());
    }
    m_count = Items().Find<CTextItem>(ItemId::TEXT_NUMSTAGES, ItemKind::TextItem);
    m_separate = Items().Find<CBitmapBtn>(ItemId::BUTTON_ENABLEXY_POPUP, ItemKind::Button);
    m_stages.MarkEnabled();
    ShowStages();
}

void CDPIStagesPopup::ShowStages()
{
    if (m_count != nullptr)
        m_count->SetText(std::to_wstring(m_stages.ActiveCount()));
    ShowSliders();
    FillTiles();
}

void CDPIStagesPopup::ShowSliders()
{
    const int current = m_stages.CurrentIndex();
    const bool separate = current >= 0 && m_stages.At(static_cast<size_t>(current)).separate;
    if (m_separate != nullptr && m_separate->IsChecked() != separate)
        m_separate->SetChecked(separate);
    for (size_t axis = 0; axis < m_sliders.size(); ++axis) {
        const bool shown = (axis == 0) != separate;
        if (m_tracks[axis] != nullptr)
            m_tracks[axis]->ShowItem(shown);
        CSliderHMulti* slider = m_sliders[axis];
        if (slider == nullptr)
            continue;
        slider->ShowItem(shown);
        CPHSlider* thumb = slider->FindThumb(kThumbIds[axis]);
        if (thumb != nullptr && current >= 0)
            thumb->SetValue(m_stages.PositionOfValue(ValueOn(m_stages.At(static_cast<size_t>(current)), axis)));
    }
}

void CDPIStagesPopup::FillTiles()
{
    for (size_t index = 0; index < m_tiles.size() && index < m_stages.Size(); ++index) {
        CDPIStageWindow* tile = m_tiles[index];
        if (tile == nullptr)
            continue;
        const CDpiStageList::Stage& stage = m_stages.At(index);
        tile->SetShown(stage.enabled);
        tile->SetClickable(stage.enabled);
        tile->SetSelected(stage.current);
        tile->SetSeparate(stage.separate);
        tile->SetValues(stage.value, stage.xValue, stage.yValue);
    }
}

void CDPIStagesPopup::OnItemCommand(int32_t identifier)
{
    switch (identifier) {
    case ItemId::BUTTON_DPISTAGES_DEC: m_stages.ChangeActiveCount(-1); ShowStages(); break;
    case ItemId::BUTTON_DPISTAGES_INC: m_stages.ChangeActiveCount(+1); ShowStages(); break;
    case ItemId::BUTTON_ENABLEXY_POPUP: OnSeparateToggled(); break;
    case ItemId::BUTTON_DPISTAGES_OK: EndModal(kResultOk); break;
    case ItemId::BUTTON_DPISTAGES_CANCEL: EndModal(kResultCancel); break;
    default: break;
    }
}

LRESULT CDPIStagesPopup::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case Notification::kStageSelected: OnTileSelected(static_cast<int32_t>(lParam)); return 0;
    case Notification::kSliderMoved:
        OnSliderMoved(static_cast<int32_t>(wParam), static_cast<int32_t>(lParam));
        return 0;
    default: return CPopupBox::OnOtherMessage(message, wParam, lParam);
    }
}

void CDPIStagesPopup::OnTileSelected(int32_t identifier)
{
    for (size_t index = 0; index < m_tiles.size(); ++index)
        if (m_tiles[index] != nullptr && kTileIds[index] == identifier && m_stages.Select(index)) {
            ShowStages();
            return;
        }
}

void CDPIStagesPopup::OnSliderMoved(int32_t position, int32_t thumb)
{
    for (size_t axis = 0; axis < kThumbIds.size(); ++axis)
        if (kThumbIds[axis] == thumb) {
            m_stages.SetCurrentValue(static_cast<Axis>(axis), m_stages.ValueOfPosition(position));
            FillTiles();
            return;
        }
}

void CDPIStagesPopup::OnSeparateToggled()
{
    if (m_separate == nullptr)
        return;
    m_stages.SetCurrentSeparate(m_separate->IsChecked());
    ShowStages();
}
