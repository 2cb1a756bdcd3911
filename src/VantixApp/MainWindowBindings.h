#pragma once

#include <cstdint>

#include "skin/layout/ItemKind.h"
#include "vocabulary/ItemIds.h"

// The items the main window binds after loading its layouts: where each is looked up (the main
// page, or the index of a page layout) and the kind it must have.
struct ItemBinding
{
    int page;  // kMainPage or 0 to 5
    int32_t identifier;
    ItemKind kind;
};

inline constexpr int kMainPage = -1;

namespace BindingPage {
inline constexpr int kAssignButtons = 0;
inline constexpr int kAssignKeys = 1;
inline constexpr int kPerformance = 2;
inline constexpr int kProfiles = 3;
inline constexpr int kMacros = 4;
inline constexpr int kLighting = 5;
}  // namespace BindingPage

// clang-format off
inline constexpr ItemBinding kItemBindings[] = {
    {kMainPage, ItemId::LIST_GLOBALPROFILELIST, ItemKind::Combo},
    {kMainPage, ItemId::BUTTON_RESET, ItemKind::Button},
    {kMainPage, ItemId::BITMAP_PROFILE_RECT, ItemKind::BitmapItem},
    {kMainPage, ItemId::TEXT_CURRENTPROFILE, ItemKind::TextItem},
    {kMainPage, ItemId::TEXT_FIRMWAREVER, ItemKind::TextItem},
    {kMainPage, ItemId::TEXT_DRIVERVER, ItemKind::TextItem},
    {kMainPage, ItemId::BUTTON_ASSIGNBUTTONS, ItemKind::Button},
    {kMainPage, ItemId::BUTTON_ADJUSTPERFORMANCE, ItemKind::Button},
    {kMainPage, ItemId::BUTTON_MANAGEPROFILES, ItemKind::Button},
    {kMainPage, ItemId::BUTTON_MANAGEMACROS, ItemKind::Button},
    {kMainPage, ItemId::BUTTON_LIGHTINGMAINTENANCE, ItemKind::Button},
    {kMainPage, ItemId::BUTTON_OK, ItemKind::Button},
    {kMainPage, ItemId::BUTTON_CANCEL, ItemKind::Button},
    {kMainPage, ItemId::BUTTON_APPLY, ItemKind::Button},
    {kMainPage, ItemId::TEXT_PROFILEINFO, ItemKind::TextItem},
    {kMainPage, ItemId::TEXT_PROFILENAME, ItemKind::TextItem},

    {BindingPage::kAssignButtons, ItemId::BUTTON_ASSNLEFTCLICK, ItemKind::Combo},
    {BindingPage::kAssignButtons, ItemId::BUTTON_ASSNRIGHTCLICK, ItemKind::Combo},
    {BindingPage::kAssignButtons, ItemId::BUTTON_ASSNSCROLLBUTTON, ItemKind::Combo},
    {BindingPage::kAssignButtons, ItemId::BUTTON_ASSNSCROLLUP, ItemKind::Combo},
    {BindingPage::kAssignButtons, ItemId::BUTTON_ASSNSCROLLDOWN, ItemKind::Combo},
    {BindingPage::kAssignButtons, ItemId::LISTPANEL_ASSIGNSUBMENU_PR, ItemKind::ListPanel},
    {BindingPage::kAssignButtons, ItemId::LISTPANEL_ASSIGNSUBMENU_MA, ItemKind::ListPanel},

    {BindingPage::kAssignKeys, ItemId::BUTTON_ASSNTHUMBGRID01, ItemKind::Combo},
    {BindingPage::kAssignKeys, ItemId::BUTTON_ASSNTHUMBGRID02, ItemKind::Combo},
    {BindingPage::kAssignKeys, ItemId::BUTTON_ASSNTHUMBGRID03, ItemKind::Combo},
    {BindingPage::kAssignKeys, ItemId::BUTTON_ASSNTHUMBGRID04, ItemKind::Combo},
    {BindingPage::kAssignKeys, ItemId::BUTTON_ASSNTHUMBGRID05, ItemKind::Combo},
    {BindingPage::kAssignKeys, ItemId::BUTTON_ASSNTHUMBGRID06, ItemKind::Combo},
    {BindingPage::kAssignKeys, ItemId::BUTTON_ASSNTHUMBGRID07, ItemKind::Combo},
    {BindingPage::kAssignKeys, ItemId::BUTTON_ASSNTHUMBGRID08, ItemKind::Combo},
    {BindingPage::kAssignKeys, ItemId::BUTTON_ASSNTHUMBGRID09, ItemKind::Combo},
    {BindingPage::kAssignKeys, ItemId::BUTTON_ASSNTHUMBGRID10, ItemKind::Combo},
    {BindingPage::kAssignKeys, ItemId::BUTTON_ASSNTHUMBGRID11, ItemKind::Combo},
    {BindingPage::kAssignKeys, ItemId::BUTTON_ASSNTHUMBGRID12, ItemKind::Combo},
    {BindingPage::kAssignKeys, ItemId::BUTTON_KEYASSIGN_123NUM_123, ItemKind::Button},
    {BindingPage::kAssignKeys, ItemId::BUTTON_KEYASSIGN_123NUM_NUM, ItemKind::Button},
    {BindingPage::kAssignKeys, ItemId::BUTTON_DISABLE_KEYS, ItemKind::Button},

    {BindingPage::kPerformance, ItemId::BUTTON_ENABLEXY, ItemKind::Button},
    {BindingPage::kPerformance, ItemId::TEXT_ENABLEXY, ItemKind::TextItem},
    {BindingPage::kPerformance, ItemId::SLIDER_DPI_MULTI, ItemKind::MultiSlider},
    {BindingPage::kPerformance, ItemId::SLIDER_DPI_MULTI_X, ItemKind::MultiSlider},
    {BindingPage::kPerformance, ItemId::SLIDER_DPI_MULTI_Y, ItemKind::MultiSlider},
    {BindingPage::kPerformance, ItemId::SLIDER_DPI_MULTI_1800, ItemKind::MultiSlider},
    {BindingPage::kPerformance, ItemId::SLIDER_DPI_MULTI_X_1800, ItemKind::MultiSlider},
    {BindingPage::kPerformance, ItemId::SLIDER_DPI_MULTI_Y_1800, ItemKind::MultiSlider},
    {BindingPage::kPerformance, ItemId::BITMAP_SLSENSTRK_XY, ItemKind::BitmapItem},
    {BindingPage::kPerformance, ItemId::BITMAP_SLSENSTRK_X, ItemKind::BitmapItem},
    {BindingPage::kPerformance, ItemId::BITMAP_SLSENSTRK_Y, ItemKind::BitmapItem},
    {BindingPage::kPerformance, ItemId::BITMAP_SLSENSTRK_XY_1800, ItemKind::BitmapItem},
    {BindingPage::kPerformance, ItemId::BITMAP_SLSENSTRK_X_1800, ItemKind::BitmapItem},
    {BindingPage::kPerformance, ItemId::BITMAP_SLSENSTRK_Y_1800, ItemKind::BitmapItem},
    {BindingPage::kPerformance, ItemId::SLIDER_ID_ACCEL, ItemKind::MultiSlider},
    {BindingPage::kPerformance, ItemId::SLIDER_ID_ACCELDISB, ItemKind::MultiSlider},
    {BindingPage::kPerformance, ItemId::BITMAP_SLACCLTRK, ItemKind::BitmapItem},
    {BindingPage::kPerformance, ItemId::BITMAP_SLACCLTRKDISB, ItemKind::BitmapItem},
    {BindingPage::kPerformance, ItemId::BUTTON_ENABLEACCELERATION, ItemKind::Button},
    {BindingPage::kPerformance, ItemId::TEXT_DPI1, ItemKind::TextItem},
    {BindingPage::kPerformance, ItemId::TEXT_DPI2, ItemKind::TextItem},
    {BindingPage::kPerformance, ItemId::TEXT_HEADING_X, ItemKind::TextItem},
    {BindingPage::kPerformance, ItemId::TEXT_HEADING_Y, ItemKind::TextItem},
    {BindingPage::kPerformance, ItemId::BUTTON_DPI1, ItemKind::Button},
    {BindingPage::kPerformance, ItemId::BUTTON_DPI2, ItemKind::Button},
    {BindingPage::kPerformance, ItemId::BUTTON_RATE1, ItemKind::Button},
    {BindingPage::kPerformance, ItemId::BUTTON_RATE2, ItemKind::Button},
    {BindingPage::kPerformance, ItemId::BUTTON_RATE3, ItemKind::Button},
    {BindingPage::kPerformance, ItemId::BUTTON_ENABLE_DPI_OSD, ItemKind::Button},
    {BindingPage::kPerformance, ItemId::TEXT_ENABLE_DPI_OSD, ItemKind::TextItem},

    {BindingPage::kProfiles, ItemId::LIST_PROFILELIST, ItemKind::ListCtrl},
    {BindingPage::kProfiles, ItemId::LISTPANEL_PROFILEOPTIONS, ItemKind::ListPanel},
    {BindingPage::kProfiles, ItemId::BUTTON_ENABLE_PROFILE_OSD, ItemKind::Button},
    {BindingPage::kProfiles, ItemId::TEXT_ENABLE_PROFILE_OSD, ItemKind::TextItem},

    {BindingPage::kMacros, ItemId::LIST_GLOBALMACROLIST, ItemKind::Combo},
    {BindingPage::kMacros, ItemId::LIST_GLOBAL_BASIC_COMMANDS, ItemKind::Combo},
    {BindingPage::kMacros, ItemId::LIST_GLOBAL_ADDITIONAL_COMMANDS, ItemKind::Combo},
    {BindingPage::kMacros, ItemId::BUTTON_INSERT_DELAY, ItemKind::Button},
    {BindingPage::kMacros, ItemId::BUTTON_ADD_BASIC_MACRO_CMDS, ItemKind::Button},
    {BindingPage::kMacros, ItemId::BUTTON_ADD_ADV_MACRO_CMDS, ItemKind::Button},
    {BindingPage::kMacros, ItemId::MACRO_DISPLAY, ItemKind::MacroDisplay},
    {BindingPage::kMacros, ItemId::MACRO_DISPLAY_READONLY, ItemKind::MacroDisplay},
    {BindingPage::kMacros, ItemId::LISTPANEL_MACROOPTIONS, ItemKind::ListPanel},
    {BindingPage::kMacros, ItemId::LISTPANEL_MACROOPTIONS2, ItemKind::ListPanel},
    {BindingPage::kMacros, ItemId::BUTTON_IGNORE_DELAY, ItemKind::Button},
    {BindingPage::kMacros, ItemId::BUTTON_DEFAULT_DELAY, ItemKind::Button},
    {BindingPage::kMacros, ItemId::EDITCTRL_DEFAULT_DELAY, ItemKind::Edit},
    {BindingPage::kMacros, ItemId::EDITCTRL_INSERT_DELAY, ItemKind::Edit},
    {BindingPage::kMacros, ItemId::BUTTON_MACRO_CREATE, ItemKind::Button},
    {BindingPage::kMacros, ItemId::BUTTON_MACRO_IMPORT, ItemKind::Button},
    {BindingPage::kMacros, ItemId::BUTTON_MACRO_EXPORT, ItemKind::Button},
    {BindingPage::kMacros, ItemId::BUTTON_MACRO_DELETE, ItemKind::Button},
    {BindingPage::kMacros, ItemId::BUTTON_MACRO_RECORD, ItemKind::Button},
    {BindingPage::kMacros, ItemId::BUTTON_MACRO_RECORD_STOP, ItemKind::Button},
    {BindingPage::kMacros, ItemId::BUTTON_MACRO_RECORD_PLAY, ItemKind::Button},
    {BindingPage::kMacros, ItemId::BUTTON_MACRO_RECORD_BACKWARD, ItemKind::Button},
    {BindingPage::kMacros, ItemId::BUTTON_MACRO_RECORD_FORWARD, ItemKind::Button},
    {BindingPage::kMacros, ItemId::TEXT_IGNORE_DELAY, ItemKind::TextItem},
    {BindingPage::kMacros, ItemId::TEXT_DEFAULT_DELAY, ItemKind::TextItem},

    {BindingPage::kLighting, ItemId::GLOW_LEDON, ItemKind::Button},
    {BindingPage::kLighting, ItemId::GLOW_LEDOFF, ItemKind::Button},
};
// clang-format on

// The layout files of the six pages, in page-bit order (1, 2, 4, 8, 16, 32).
inline constexpr const wchar_t* kPageLayouts[] = {
    L"AssignButtons.xml",   L"AssignKeys.xml",     L"AdjustPerformance.xml",
    L"ManageProfiles.xml",  L"ManageMacros.xml",   L"LightingMaintenance.xml",
};

// The sliders that report to the main window.
inline constexpr int32_t kReportingSliders[] = {
    ItemId::SLIDER_DPI_MULTI,      ItemId::SLIDER_DPI_MULTI_X,      ItemId::SLIDER_DPI_MULTI_Y,
    ItemId::SLIDER_DPI_MULTI_1800, ItemId::SLIDER_DPI_MULTI_X_1800, ItemId::SLIDER_DPI_MULTI_Y_1800,
    ItemId::SLIDER_ID_ACCEL,       ItemId::SLIDER_ID_ACCELDISB,
};
