#include "controls/CInstalledControls.h"

#include <span>

#include "controls/CEditItem.h"
#include "controls/CEditItemSingleKeyInput.h"
#include "controls/CXListCtrl.h"
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

// A control whose item owns one window in the loader's parent window.
template <typename Control>
MadeItem MadeInParent(std::unique_ptr<Control> control, const IItemMakeContext& context)
{
    if (!control)
        return {};
    const HWND window = control->Handle();
    return MadeItem{std::move(control), window, context.Parent()};
}

template <typename Control, typename Description>
MadeItem Make(const Description& description, const IItemMakeContext& context)
{
    auto control = Control::Create(description, context.Parent(), context.FontOf(description.font));
    if (control)
        control->SetRectangle(description.rect.left, description.rect.top, description.rect.width,
                              description.rect.height);
    return MadeInParent(std::move(control), context);
}

constexpr ControlMaker kControlMakerTable[] = {
    {ItemKind::Edit, [](CItemMakers& makers) { makers.Register<EditDescription>(&Make<CEditItem, EditDescription>); }},
    {ItemKind::SingleKeyEdit,
     [](CItemMakers& makers) {
         makers.Register<SingleKeyEditDescription>(&Make<CEditItemSingleKeyInput, SingleKeyEditDescription>);
     }},
    {ItemKind::ListCtrl,
     [](CItemMakers& makers) { makers.Register<ListCtrlDescription>(&Make<CXListCtrl, ListCtrlDescription>); }},
};
constexpr std::span<const ControlMaker> kControlMakers{kControlMakerTable};

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
