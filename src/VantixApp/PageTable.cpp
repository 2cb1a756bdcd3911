#include "VantixApp/PageTable.h"

#include <array>

#include "VantixApp/CAssignPage.h"
#include "VantixApp/CLightingPage.h"
#include "VantixApp/CMacrosPage.h"
#include "VantixApp/CPerformancePage.h"
#include "VantixApp/CProfilesPage.h"
#include "vocabulary/ItemIds.h"

namespace {

constexpr ItemBinding kMainPageItems[] = {
    {ItemId::LIST_GLOBALPROFILELIST, ItemKind::Combo, true},
    {ItemId::BUTTON_RESET, ItemKind::Button},
    {ItemId::BITMAP_PROFILE_RECT, ItemKind::BitmapItem},
    {ItemId::TEXT_CURRENTPROFILE, ItemKind::TextItem},
    {ItemId::TEXT_FIRMWAREVER, ItemKind::TextItem},
    {ItemId::TEXT_DRIVERVER, ItemKind::TextItem},
    {ItemId::BUTTON_ASSIGNBUTTONS, ItemKind::Button},
    {ItemId::BUTTON_ADJUSTPERFORMANCE, ItemKind::Button},
    {ItemId::BUTTON_MANAGEPROFILES, ItemKind::Button},
    {ItemId::BUTTON_MANAGEMACROS, ItemKind::Button},
    {ItemId::BUTTON_LIGHTINGMAINTENANCE, ItemKind::Button},
    {ItemId::BUTTON_OK, ItemKind::Button},
    {ItemId::BUTTON_CANCEL, ItemKind::Button},
    {ItemId::BUTTON_APPLY, ItemKind::Button},
    {ItemId::TEXT_PROFILEINFO, ItemKind::TextItem},
    {ItemId::TEXT_PROFILENAME, ItemKind::TextItem},
};

constexpr ItemBinding kAssignButtonsItems[] = {
    {ItemId::BUTTON_ASSNLEFTCLICK, ItemKind::Combo},
    {ItemId::BUTTON_ASSNRIGHTCLICK, ItemKind::Combo},
    {ItemId::BUTTON_ASSNSCROLLBUTTON, ItemKind::Combo},
    {ItemId::BUTTON_ASSNSCROLLUP, ItemKind::Combo},
    {ItemId::BUTTON_ASSNSCROLLDOWN, ItemKind::Combo},
    {ItemId::LISTPANEL_ASSIGNSUBMENU_PR, ItemKind::ListPanel},
    {ItemId::LISTPANEL_ASSIGNSUBMENU_MA, ItemKind::ListPanel},
};

constexpr ItemBinding kAssignKeysItems[] = {
    {ItemId::BUTTON_ASSNTHUMBGRID01, ItemKind::Combo},
    {ItemId::BUTTON_ASSNTHUMBGRID02, ItemKind::Combo},
    {ItemId::BUTTON_ASSNTHUMBGRID03, ItemKind::Combo},
    {ItemId::BUTTON_ASSNTHUMBGRID04, ItemKind::Combo},
    {ItemId::BUTTON_ASSNTHUMBGRID05, ItemKind::Combo},
    {ItemId::BUTTON_ASSNTHUMBGRID06, ItemKind::Combo},
    {ItemId::BUTTON_ASSNTHUMBGRID07, ItemKind::Combo},
    {ItemId::BUTTON_ASSNTHUMBGRID08, ItemKind::Combo},
    {ItemId::BUTTON_ASSNTHUMBGRID09, ItemKind::Combo},
    {ItemId::BUTTON_ASSNTHUMBGRID10, ItemKind::Combo},
    {ItemId::BUTTON_ASSNTHUMBGRID11, ItemKind::Combo},
    {ItemId::BUTTON_ASSNTHUMBGRID12, ItemKind::Combo},
    {ItemId::BUTTON_KEYASSIGN_123NUM_123, ItemKind::Button},
    {ItemId::BUTTON_KEYASSIGN_123NUM_NUM, ItemKind::Button},
    {ItemId::BUTTON_DISABLE_KEYS, ItemKind::Button},
};

constexpr ItemBinding kPerformanceItems[] = {
    {ItemId::BUTTON_ENABLEXY, ItemKind::Button},
    {ItemId::TEXT_ENABLEXY, ItemKind::TextItem},
    {ItemId::SLIDER_DPI_MULTI, ItemKind::MultiSlider, true},
    {ItemId::SLIDER_DPI_MULTI_X, ItemKind::MultiSlider, true},
    {ItemId::SLIDER_DPI_MULTI_Y, ItemKind::MultiSlider, true},
    {ItemId::SLIDER_DPI_MULTI_1800, ItemKind::MultiSlider, true},
    {ItemId::SLIDER_DPI_MULTI_X_1800, ItemKind::MultiSlider, true},
    {ItemId::SLIDER_DPI_MULTI_Y_1800, ItemKind::MultiSlider, true},
    {ItemId::BITMAP_SLSENSTRK_XY, ItemKind::BitmapItem},
    {ItemId::BITMAP_SLSENSTRK_X, ItemKind::BitmapItem},
    {ItemId::BITMAP_SLSENSTRK_Y, ItemKind::BitmapItem},
    {ItemId::BITMAP_SLSENSTRK_XY_1800, ItemKind::BitmapItem},
    {ItemId::BITMAP_SLSENSTRK_X_1800, ItemKind::BitmapItem},
    {ItemId::BITMAP_SLSENSTRK_Y_1800, ItemKind::BitmapItem},
    {ItemId::SLIDER_ID_ACCEL, ItemKind::MultiSlider, true},
    {ItemId::SLIDER_ID_ACCELDISB, ItemKind::MultiSlider, true},
    {ItemId::BITMAP_SLACCLTRK, ItemKind::BitmapItem},
    {ItemId::BITMAP_SLACCLTRKDISB, ItemKind::BitmapItem},
    {ItemId::BUTTON_ENABLEACCELERATION, ItemKind::Button},
    {ItemId::TEXT_DPI1, ItemKind::TextItem},
    {ItemId::TEXT_DPI2, ItemKind::TextItem},
    {ItemId::TEXT_HEADING_X, ItemKind::TextItem},
    {ItemId::TEXT_HEADING_Y, ItemKind::TextItem},
    {ItemId::BUTTON_DPI1, ItemKind::Button},
    {ItemId::BUTTON_DPI2, ItemKind::Button},
    {ItemId::BUTTON_RATE1, ItemKind::Button},
    {ItemId::BUTTON_RATE2, ItemKind::Button},
    {ItemId::BUTTON_RATE3, ItemKind::Button},
    {ItemId::BUTTON_ENABLE_DPI_OSD, ItemKind::Button},
    {ItemId::TEXT_ENABLE_DPI_OSD, ItemKind::TextItem},
};

constexpr ItemBinding kProfilesItems[] = {
    {ItemId::LIST_PROFILELIST, ItemKind::ListCtrl},
    {ItemId::LISTPANEL_PROFILEOPTIONS, ItemKind::ListPanel},
    {ItemId::BUTTON_ENABLE_PROFILE_OSD, ItemKind::Button},
    {ItemId::TEXT_ENABLE_PROFILE_OSD, ItemKind::TextItem},
};

constexpr ItemBinding kMacrosItems[] = {
    {ItemId::LIST_GLOBALMACROLIST, ItemKind::Combo},
    {ItemId::LIST_GLOBAL_BASIC_COMMANDS, ItemKind::Combo},
    {ItemId::LIST_GLOBAL_ADDITIONAL_COMMANDS, ItemKind::Combo},
    {ItemId::BUTTON_INSERT_DELAY, ItemKind::Button},
    {ItemId::BUTTON_ADD_BASIC_MACRO_CMDS, ItemKind::Button},
    {ItemId::BUTTON_ADD_ADV_MACRO_CMDS, ItemKind::Button},
    {ItemId::MACRO_DISPLAY, ItemKind::MacroDisplay},
    {ItemId::MACRO_DISPLAY_READONLY, ItemKind::MacroDisplay},
    {ItemId::LISTPANEL_MACROOPTIONS, ItemKind::ListPanel},
    {ItemId::LISTPANEL_MACROOPTIONS2, ItemKind::ListPanel},
    {ItemId::BUTTON_IGNORE_DELAY, ItemKind::Button},
    {ItemId::BUTTON_DEFAULT_DELAY, ItemKind::Button},
    {ItemId::EDITCTRL_DEFAULT_DELAY, ItemKind::Edit},
    {ItemId::EDITCTRL_INSERT_DELAY, ItemKind::Edit},
    {ItemId::BUTTON_MACRO_CREATE, ItemKind::Button},
    {ItemId::BUTTON_MACRO_IMPORT, ItemKind::Button},
    {ItemId::BUTTON_MACRO_EXPORT, ItemKind::Button},
    {ItemId::BUTTON_MACRO_DELETE, ItemKind::Button},
    {ItemId::BUTTON_MACRO_RECORD, ItemKind::Button},
    {ItemId::BUTTON_MACRO_RECORD_STOP, ItemKind::Button},
    {ItemId::BUTTON_MACRO_RECORD_PLAY, ItemKind::Button},
    {ItemId::BUTTON_MACRO_RECORD_BACKWARD, ItemKind::Button},
    {ItemId::BUTTON_MACRO_RECORD_FORWARD, ItemKind::Button},
    {ItemId::BUTTON_MACRO_ADVANCED, ItemKind::Button},
    {ItemId::TEXT_IGNORE_DELAY, ItemKind::TextItem},
    {ItemId::TEXT_DEFAULT_DELAY, ItemKind::TextItem},
};

constexpr ItemBinding kLightingItems[] = {
    {ItemId::GLOW_LEDON, ItemKind::Button},
    {ItemId::GLOW_LEDOFF, ItemKind::Button},
};

constexpr int32_t kAssignButtonsShownBy[] = {ItemId::BUTTON_ASSIGNBUTTONS, ItemId::TEXT_TOPVIEW_BUTTON};
constexpr int32_t kAssignKeysShownBy[] = {ItemId::TEXT_THUMBGRIDVIEW_BUTTON};
constexpr int32_t kPerformanceShownBy[] = {ItemId::BUTTON_ADJUSTPERFORMANCE};
constexpr int32_t kProfilesShownBy[] = {ItemId::BUTTON_MANAGEPROFILES};
constexpr int32_t kMacrosShownBy[] = {ItemId::BUTTON_MANAGEMACROS};
constexpr int32_t kLightingShownBy[] = {ItemId::BUTTON_LIGHTINGMAINTENANCE};

// clang-format off
const std::array<PageEntry, PageBit::kPageCount> kPages = {{
    {PageBit::kAssignButtons, L"AssignButtons.xml",       ItemId::BUTTON_ASSIGNBUTTONS,       kAssignButtonsShownBy, true,  &CAssignPage::Make,      kAssignButtonsItems},
    // The thumb-grid view is the assign page's second view: its items are the assign page's.
    {PageBit::kAssignKeys,    L"AssignKeys.xml",          ItemId::BUTTON_ASSIGNBUTTONS,       kAssignKeysShownBy,    true,  nullptr,                 kAssignKeysItems},
    {PageBit::kPerformance,   L"AdjustPerformance.xml",   ItemId::BUTTON_ADJUSTPERFORMANCE,   kPerformanceShownBy,   true,  &CPerformancePage::Make, kPerformanceItems},
    {PageBit::kProfiles,      L"ManageProfiles.xml",      ItemId::BUTTON_MANAGEPROFILES,      kProfilesShownBy,      false, &CProfilesPage::Make,    kProfilesItems},
    {PageBit::kMacros,        L"ManageMacros.xml",        ItemId::BUTTON_MANAGEMACROS,        kMacrosShownBy,        false, &CMacrosPage::Make,      kMacrosItems},
    {PageBit::kLighting,      L"LightingMaintenance.xml", ItemId::BUTTON_LIGHTINGMAINTENANCE, kLightingShownBy,      true,  &CLightingPage::Make,    kLightingItems},
}};
// clang-format on

}  // namespace

std::span<const PageEntry> Pages() noexcept
{
    return kPages;
}

std::span<const ItemBinding> MainPageBindings() noexcept
{
    return kMainPageItems;
}
