#include "controls/CInstalledControls.h"

#include <span>

#include "controls/CAPMSlider.h"
#include "controls/CAVIButton.h"
#include "controls/CDMarker.h"
#include "controls/CDPIStageWindow.h"
#include "controls/CEditItem.h"
#include "controls/CEditItemSingleKeyInput.h"
#include "controls/CMacroDisplayItem.h"
#include "controls/CProfileBtn.h"
#include "controls/CSliderHMulti.h"
#include "controls/CVertSlider.h"
#include "controls/CXListCtrl.h"
#include "skin/win/CItemMakers.h"
#include "skin/win/CSkinEnvironment.h"

namespace {

// One row per control: the element kind and the function that registers its maker.
struct ControlMaker
{
    ItemKind kind;
    void (*registerMaker)(CItemMakers& makers);
};

// A control made by Control::Create, placed at its element's rectangle; its item owns one
// window in the loader's parent window.
template <typename Control, typename Description>
MadeItem MakeInParent(const Description& description, const IItemMakeContext& context)
{
    auto control = Control::Create(description, context.Parent(), context.FontOf(description.font));
    if (!control)
        return {};
    control->SetRectangle(description.rect.left, description.rect.top, description.rect.width,
                          description.rect.height);
    const HWND window = control->Handle();
    return MadeItem{std::move(control), window, context.Parent()};
}

// The row of a control made from the elements of one description type by Control::Make.
template <typename Description, typename Control>
constexpr ControlMaker MakerRow() noexcept
{
    return {Description::kKind, [](CItemMakers& makers) { makers.Register<Description>(&Control::Make); }};
}

// The row of a control made by MakeInParent.
template <typename Description, typename Control>
constexpr ControlMaker CreatedRow() noexcept
{
    return {Description::kKind,
            [](CItemMakers& makers) { makers.Register<Description>(&MakeInParent<Control, Description>); }};
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
    MakerRow<MacroDisplayDescription, CMacroDisplayItem>(),
    CreatedRow<EditDescription, CEditItem>(),
    CreatedRow<SingleKeyEditDescription, CEditItemSingleKeyInput>(),
    CreatedRow<ListCtrlDescription, CXListCtrl>(),
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
