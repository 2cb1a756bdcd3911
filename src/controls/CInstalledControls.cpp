#include "controls/CInstalledControls.h"

#include <span>

#include "controls/CAPMSlider.h"
#include "controls/CAVIButton.h"
#include "controls/CDMarker.h"
#include "controls/CDPIStageWindow.h"
#include "controls/CProfileBtn.h"
#include "controls/CSliderHMulti.h"
#include "controls/CVertSlider.h"
#include "skin/win/CItemMakers.h"
#include "skin/win/CSkinEnvironment.h"

namespace {

// One row per control: the element kind and the function that registers its maker.
struct ControlMaker
{
    ItemKind kind;
    void (*registerMaker)(CItemMakers& makers);
};

// The row of a control made from the elements of one description type by Control::Make.
template <typename Description, typename Control>
constexpr ControlMaker MakerRow() noexcept
{
    return {Description::kKind, [](CItemMakers& makers) { makers.Register<Description>(&Control::Make); }};
}

// The pop-up lists (CListPanel, CVScrollBar) are not made from layout elements of their own.
constexpr ControlMaker kControlMakerRows[] = {
    MakerRow<AviButtonDescription, CAVIButton>(),
    MakerRow<ProfileButtonDescription, CProfileBtn>(),
    MakerRow<VerticalSliderDescription, CVertSlider>(),
    MakerRow<MarkerDescription, CDMarker>(),
    MakerRow<MultiSliderDescription, CSliderHMulti>(),
    MakerRow<ApmSliderDescription, CAPMSlider>(),
    MakerRow<DpiStageWindowDescription, CDPIStageWindow>(),
};
constexpr std::span<const ControlMaker> kControlMakers{kControlMakerRows};

}  // namespace

CInstalledControls::CInstalledControls(CSkinEnvironment& skin) : m_skin(skin)
{
    m_skin.SetListPopup(&m_listPopup);
    for (const ControlMaker& control : kControlMakers)
        control.registerMaker(m_skin.ItemMakers());
}

CInstalledControls::~CInstalledControls()
{
    for (const ControlMaker& control : kControlMakers)
        m_skin.ItemMakers().Unregister(control.kind);
    m_skin.SetListPopup(nullptr);
}
