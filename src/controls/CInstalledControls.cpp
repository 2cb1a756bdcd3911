#include "controls/CInstalledControls.h"

#include <span>

#include "skin/win/CItemMakers.h"
#include "skin/win/CSkinEnvironment.h"

namespace {

// One row per control: the element kind and the function that registers its maker, e.g.
//     {ItemKind::MultiSlider, [](CItemMakers& makers) { makers.Register<MultiSliderDescription>(&CSliderHMulti::Make); }},
struct ControlMaker
{
    ItemKind kind;
    void (*registerMaker)(CItemMakers& makers);
};

// The controls that exist so far draw pop-up lists only (CListPanel, CVScrollBar) and are not
// made from layout elements of their own.
constexpr std::span<const ControlMaker> kControlMakers{};

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
