// The installation's data as the program reads it: the layouts, pictures, fonts and English
// language file in the program folder, read through the real layout reader and language table.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "BmpFileResourceLoader.h"
#include "platform/FileSystem.h"
#include "platform/Utf16.h"
#include "skin/CLangTable.h"
#include "skin/CLanguageSet.h"
#include "skin/layout/CLayoutReader.h"
#include "skin/layout/CResourceCache.h"
#include "vocabulary/ItemIds.h"
#include "vocabulary/NameKeys.h"
#include "vocabulary/VocabularyTables.h"

namespace {

constexpr std::wstring_view kLanguageFile = L"Language.xml";
constexpr std::wstring_view kMainPage = L"MainPage.xml";
constexpr std::wstring_view kAssignButtons = L"AssignButtons.xml";
constexpr std::wstring_view kAssignKeys = L"AssignKeys.xml";
constexpr std::wstring_view kPerformance = L"AdjustPerformance.xml";
constexpr std::wstring_view kProfiles = L"ManageProfiles.xml";
constexpr std::wstring_view kMacros = L"ManageMacros.xml";
constexpr std::wstring_view kLighting = L"LightingMaintenance.xml";
constexpr std::wstring_view kNoMousePopup = L"NoMousePopup.xml";
constexpr std::wstring_view kApplyFailedPopup = L"ApplyFailedPopup.xml";
constexpr std::wstring_view kReadFailedPopup = L"ReadFailedPopup.xml";
constexpr std::wstring_view kRestorePopup = L"RestorePopup.xml";
constexpr std::wstring_view kNoClickPopup = L"NoClickPopup.xml";
constexpr std::wstring_view kProfileLimitPopup = L"ProfileLimitReachedPopup.xml";
constexpr std::wstring_view kProfileNamePopup = L"ProfileNamePopup.xml";
constexpr std::wstring_view kProfileRenamePopup = L"ProfileRenamePopup.xml";
constexpr std::wstring_view kDuplicateProfilePopup = L"DuplicateProfileWarningPopup.xml";
constexpr std::wstring_view kExportProfilePopup = L"ExportProfileWarningPopup.xml";
constexpr std::wstring_view kImportProfilePopup = L"ImporttProfileWarningPopup.xml";
constexpr std::wstring_view kExportFailedPopup = L"ExportProfileFailedPopup.xml";
constexpr std::wstring_view kImportFailedPopup = L"ImportProfileFailedPopup.xml";
constexpr std::wstring_view kExportMacroFailedPopup = L"ExportMacroFailedPopup.xml";
constexpr std::wstring_view kImportMacroFailedPopup = L"ImportMacroFailedPopup.xml";
constexpr std::wstring_view kDisallowDeletePopup = L"DisallowDeletePopup.xml";
constexpr std::wstring_view kConfirmDeletePopup = L"ConfirmDeletePopup.xml";
constexpr std::wstring_view kSelectApplicationPopup = L"SelectApplicationWarningPopup.xml";
constexpr std::wstring_view kPreviewPopup = L"PreviewPopup.xml";
constexpr std::wstring_view kMacroNamePopup = L"MacroNamePopup.xml";
constexpr std::wstring_view kDuplicateMacroPopup = L"DuplicateMacroWarningPopup.xml";
constexpr std::wstring_view kDefaultDelayPopup = L"DefaultDelayWarningPopup.xml";
constexpr std::wstring_view kExportMacroPopup = L"ExportMacroWarningPopup.xml";
constexpr std::wstring_view kConfirmDeleteMacroPopup = L"ConfirmDeleteMacroPopup.xml";
constexpr std::wstring_view kSingleKeyPopup = L"SingleKeyPopup.xml";
constexpr std::wstring_view kDpiStagesPopup = L"DPIStagesPopup.xml";
constexpr std::wstring_view kAdvancedMacroPopup = L"AdvancedMacroPopup.xml";

constexpr std::array<std::wstring_view, 6> kPages = {kAssignButtons, kAssignKeys, kPerformance,
                                                     kProfiles,      kMacros,     kLighting};

// Messages: a heading and OK; confirmations add Cancel.
constexpr std::array<std::wstring_view, 17> kWarnings = {
    kExportMacroFailedPopup, kImportMacroFailedPopup,
    kNoMousePopup,          kApplyFailedPopup,      kReadFailedPopup,
    kNoClickPopup,          kProfileLimitPopup,     kExportFailedPopup,     kImportFailedPopup,
    kDuplicateProfilePopup, kExportProfilePopup,    kImportProfilePopup,
    kDisallowDeletePopup,   kSelectApplicationPopup, kDuplicateMacroPopup,
    kExportMacroPopup,      kDefaultDelayPopup,
};
constexpr std::array<std::wstring_view, 3> kConfirmations = {kRestorePopup, kConfirmDeletePopup,
                                                             kConfirmDeleteMacroPopup};
constexpr std::array<std::wstring_view, 3> kNameEntries = {kProfileNamePopup, kProfileRenamePopup,
                                                           kMacroNamePopup};

// The panels: the main window and every pop-up.
constexpr std::array<std::wstring_view, 28> kPanels = {
    kExportMacroFailedPopup, kImportMacroFailedPopup,
    kMainPage,               kExportFailedPopup,   kImportFailedPopup,
    kNoMousePopup,           kApplyFailedPopup,    kReadFailedPopup,
    kRestorePopup,           kNoClickPopup,
    kProfileLimitPopup,      kProfileNamePopup,    kProfileRenamePopup,
    kDuplicateProfilePopup,  kExportProfilePopup,  kImportProfilePopup,
    kDisallowDeletePopup,    kConfirmDeletePopup,  kSelectApplicationPopup,
    kPreviewPopup,           kMacroNamePopup,      kDuplicateMacroPopup,
    kDefaultDelayPopup,      kExportMacroPopup,    kConfirmDeleteMacroPopup,
    kSingleKeyPopup,         kDpiStagesPopup,      kAdvancedMacroPopup,
};

// Every language of the installation: its file's stem and, for the languages that need one, the
// face its fonts are replaced by.
struct InstalledLanguage
{
    int32_t identifier;
    std::string_view stem;
    std::wstring_view face;  // empty: the layouts' own fonts
};
constexpr std::array<InstalledLanguage, 11> kLanguages = {{
    {ItemId::LANGUAGE_DEFAULT, "English", L""},
    {ItemId::LANGUAGE_CHINESE_SIMPLIFIED, "ChineseSimplified", L"Noto Sans CJK SC"},
    {ItemId::LANGUAGE_CHINESE_TRADITIONAL, "ChineseTraditional", L"Noto Sans CJK TC"},
    {ItemId::LANGUAGE_FRENCH, "French", L""},
    {ItemId::LANGUAGE_FRENCHCANADIAN, "FrenchCanadian", L""},
    {ItemId::LANGUAGE_GERMAN, "German", L""},
    {ItemId::LANGUAGE_KOREAN, "Korean", L"Noto Sans CJK KR"},
    {ItemId::LANGUAGE_RUSSIAN, "Russian", L""},
    {ItemId::LANGUAGE_JAPANESE, "Japanese", L"Noto Sans CJK JP"},
    {ItemId::LANGUAGE_PORTUGUESEBRAZIL, "PortugueseBrazil", L""},
    {ItemId::LANGUAGE_SPANISH, "Spanish", L""},
}};

// The largest main window the screen layout allows.
constexpr int32_t kMaxWindowWidth = 1000;
constexpr int32_t kMaxWindowHeight = 700;

constexpr uint32_t kColourKey = 0xFF00FF;  // magenta: the window is transparent there
constexpr uint32_t kMaskWhite = 0xFFFFFF;  // cut away
constexpr uint32_t kMaskBlack = 0x000000;  // part of the window

struct BoundItem
{
    std::wstring_view file;
    int32_t identifier;
    ItemKind kind;
};

// The items the program binds by identifier and kind (and the ones its commands name), by file.
const std::vector<BoundItem>& BoundItems()
{
    using K = ItemKind;
    static const std::vector<BoundItem> kItems = [] {
        std::vector<BoundItem> items = {
            {kLanguageFile, ItemId::LANGUAGE_DEFAULT, K::Language},

            {kMainPage, ItemId::LIST_GLOBALPROFILELIST, K::Combo},
            {kMainPage, ItemId::BUTTON_RESET, K::Button},
            {kMainPage, ItemId::BITMAP_PROFILE_RECT, K::BitmapItem},
            {kMainPage, ItemId::TEXT_CURRENTPROFILE, K::TextItem},
            {kMainPage, ItemId::TEXT_FIRMWAREVER, K::TextItem},
            {kMainPage, ItemId::TEXT_DRIVERVER, K::TextItem},
            {kMainPage, ItemId::BUTTON_ASSIGNBUTTONS, K::Button},
            {kMainPage, ItemId::BUTTON_ADJUSTPERFORMANCE, K::Button},
            {kMainPage, ItemId::BUTTON_MANAGEPROFILES, K::Button},
            {kMainPage, ItemId::BUTTON_MANAGEMACROS, K::Button},
            {kMainPage, ItemId::BUTTON_LIGHTINGMAINTENANCE, K::Button},
            {kMainPage, ItemId::BUTTON_OK, K::Button},
            {kMainPage, ItemId::BUTTON_CANCEL, K::Button},
            {kMainPage, ItemId::BUTTON_APPLY, K::Button},
            {kMainPage, ItemId::TEXT_PROFILEINFO, K::TextItem},
            {kMainPage, ItemId::TEXT_PROFILENAME, K::TextItem},
            {kMainPage, ItemId::BUTTON_HELP, K::Button},
            {kMainPage, ItemId::BUTTON_EXIT, K::Button},
            {kMainPage, ItemId::BUTTON_FB, K::Button},
            {kMainPage, ItemId::BUTTON_TWITTER, K::Button},
            {kMainPage, ItemId::BUTTON_VORN, K::Button},
            {kMainPage, ItemId::BUTTON_UPDATE, K::Button},
            {kMainPage, ItemId::BUTTON_CHECKADDONS, K::Button},

            {kAssignButtons, ItemId::BUTTON_ASSNLEFTCLICK, K::Combo},
            {kAssignButtons, ItemId::BUTTON_ASSNRIGHTCLICK, K::Combo},
            {kAssignButtons, ItemId::BUTTON_ASSNSCROLLBUTTON, K::Combo},
            {kAssignButtons, ItemId::BUTTON_ASSNSCROLLUP, K::Combo},
            {kAssignButtons, ItemId::BUTTON_ASSNSCROLLDOWN, K::Combo},
            {kAssignButtons, ItemId::LISTPANEL_ASSIGNSUBMENU_PR, K::ListPanel},
            {kAssignButtons, ItemId::LISTPANEL_ASSIGNSUBMENU_MA, K::ListPanel},
            {kAssignButtons, ItemId::TEXT_THUMBGRIDVIEW_BUTTON, K::TextItem},

            {kAssignKeys, ItemId::BUTTON_ASSNTHUMBGRID01, K::Combo},
            {kAssignKeys, ItemId::BUTTON_ASSNTHUMBGRID02, K::Combo},
            {kAssignKeys, ItemId::BUTTON_ASSNTHUMBGRID03, K::Combo},
            {kAssignKeys, ItemId::BUTTON_ASSNTHUMBGRID04, K::Combo},
            {kAssignKeys, ItemId::BUTTON_ASSNTHUMBGRID05, K::Combo},
            {kAssignKeys, ItemId::BUTTON_ASSNTHUMBGRID06, K::Combo},
            {kAssignKeys, ItemId::BUTTON_ASSNTHUMBGRID07, K::Combo},
            {kAssignKeys, ItemId::BUTTON_ASSNTHUMBGRID08, K::Combo},
            {kAssignKeys, ItemId::BUTTON_ASSNTHUMBGRID09, K::Combo},
            {kAssignKeys, ItemId::BUTTON_ASSNTHUMBGRID10, K::Combo},
            {kAssignKeys, ItemId::BUTTON_ASSNTHUMBGRID11, K::Combo},
            {kAssignKeys, ItemId::BUTTON_ASSNTHUMBGRID12, K::Combo},
            {kAssignKeys, ItemId::BUTTON_KEYASSIGN_123NUM_123, K::Button},
            {kAssignKeys, ItemId::BUTTON_KEYASSIGN_123NUM_NUM, K::Button},
            {kAssignKeys, ItemId::BUTTON_DISABLE_KEYS, K::Button},
            {kAssignKeys, ItemId::TEXT_TOPVIEW_BUTTON, K::TextItem},

            {kPerformance, ItemId::BUTTON_ENABLEXY, K::Button},
            {kPerformance, ItemId::TEXT_ENABLEXY, K::TextItem},
            {kPerformance, ItemId::SLIDER_DPI_MULTI, K::MultiSlider},
            {kPerformance, ItemId::SLIDER_DPI_MULTI_X, K::MultiSlider},
            {kPerformance, ItemId::SLIDER_DPI_MULTI_Y, K::MultiSlider},
            {kPerformance, ItemId::SLIDER_DPI_MULTI_1800, K::MultiSlider},
            {kPerformance, ItemId::SLIDER_DPI_MULTI_X_1800, K::MultiSlider},
            {kPerformance, ItemId::SLIDER_DPI_MULTI_Y_1800, K::MultiSlider},
            {kPerformance, ItemId::BITMAP_SLSENSTRK_XY, K::BitmapItem},
            {kPerformance, ItemId::BITMAP_SLSENSTRK_X, K::BitmapItem},
            {kPerformance, ItemId::BITMAP_SLSENSTRK_Y, K::BitmapItem},
            {kPerformance, ItemId::BITMAP_SLSENSTRK_XY_1800, K::BitmapItem},
            {kPerformance, ItemId::BITMAP_SLSENSTRK_X_1800, K::BitmapItem},
            {kPerformance, ItemId::BITMAP_SLSENSTRK_Y_1800, K::BitmapItem},
            {kPerformance, ItemId::SLIDER_ID_ACCEL, K::MultiSlider},
            {kPerformance, ItemId::SLIDER_ID_ACCELDISB, K::MultiSlider},
            {kPerformance, ItemId::BITMAP_SLACCLTRK, K::BitmapItem},
            {kPerformance, ItemId::BITMAP_SLACCLTRKDISB, K::BitmapItem},
            {kPerformance, ItemId::BUTTON_ENABLEACCELERATION, K::Button},
            {kPerformance, ItemId::TEXT_DPI1, K::TextItem},
            {kPerformance, ItemId::TEXT_DPI2, K::TextItem},
            {kPerformance, ItemId::TEXT_HEADING_X, K::TextItem},
            {kPerformance, ItemId::TEXT_HEADING_Y, K::TextItem},
            {kPerformance, ItemId::BUTTON_DPI1, K::Button},
            {kPerformance, ItemId::BUTTON_DPI2, K::Button},
            {kPerformance, ItemId::BUTTON_RATE1, K::Button},
            {kPerformance, ItemId::BUTTON_RATE2, K::Button},
            {kPerformance, ItemId::BUTTON_RATE3, K::Button},
            {kPerformance, ItemId::BUTTON_ENABLE_DPI_OSD, K::Button},
            {kPerformance, ItemId::TEXT_ENABLE_DPI_OSD, K::TextItem},
            {kPerformance, ItemId::BUTTON_SENSITIVITY_STAGES, K::Button},

            {kProfiles, ItemId::LIST_PROFILELIST, K::ListCtrl},
            {kProfiles, ItemId::LISTPANEL_PROFILEOPTIONS, K::ListPanel},
            {kProfiles, ItemId::BUTTON_ENABLE_PROFILE_OSD, K::Button},
            {kProfiles, ItemId::TEXT_ENABLE_PROFILE_OSD, K::TextItem},
            {kProfiles, ItemId::BUTTON_NEWPROFILE, K::Button},
            {kProfiles, ItemId::BUTTON_IMPORTPROFILE, K::Button},
            {kProfiles, ItemId::BUTTON_EXPORTPROFILE, K::Button},
            {kProfiles, ItemId::BUTTON_DELETEPROFILE, K::Button},

            {kMacros, ItemId::LIST_GLOBALMACROLIST, K::Combo},
            {kMacros, ItemId::LIST_GLOBAL_BASIC_COMMANDS, K::Combo},
            {kMacros, ItemId::LIST_GLOBAL_ADDITIONAL_COMMANDS, K::Combo},
            {kMacros, ItemId::BUTTON_INSERT_DELAY, K::Button},
            {kMacros, ItemId::BUTTON_ADD_BASIC_MACRO_CMDS, K::Button},
            {kMacros, ItemId::BUTTON_ADD_ADV_MACRO_CMDS, K::Button},
            {kMacros, ItemId::MACRO_DISPLAY, K::MacroDisplay},
            {kMacros, ItemId::MACRO_DISPLAY_READONLY, K::MacroDisplay},
            {kMacros, ItemId::LISTPANEL_MACROOPTIONS, K::ListPanel},
            {kMacros, ItemId::LISTPANEL_MACROOPTIONS2, K::ListPanel},
            {kMacros, ItemId::BUTTON_IGNORE_DELAY, K::Button},
            {kMacros, ItemId::BUTTON_DEFAULT_DELAY, K::Button},
            {kMacros, ItemId::EDITCTRL_DEFAULT_DELAY, K::Edit},
            {kMacros, ItemId::EDITCTRL_INSERT_DELAY, K::Edit},
            {kMacros, ItemId::BUTTON_MACRO_CREATE, K::Button},
            {kMacros, ItemId::BUTTON_MACRO_IMPORT, K::Button},
            {kMacros, ItemId::BUTTON_MACRO_EXPORT, K::Button},
            {kMacros, ItemId::BUTTON_MACRO_DELETE, K::Button},
            {kMacros, ItemId::BUTTON_MACRO_RECORD, K::Button},
            {kMacros, ItemId::BUTTON_MACRO_RECORD_STOP, K::Button},
            {kMacros, ItemId::BUTTON_MACRO_RECORD_PLAY, K::Button},
            {kMacros, ItemId::BUTTON_MACRO_RECORD_BACKWARD, K::Button},
            {kMacros, ItemId::BUTTON_MACRO_RECORD_FORWARD, K::Button},
            {kMacros, ItemId::BUTTON_MACRO_ADVANCED, K::Button},
            {kMacros, ItemId::TEXT_IGNORE_DELAY, K::TextItem},
            {kMacros, ItemId::TEXT_DEFAULT_DELAY, K::TextItem},

            {kLighting, ItemId::GLOW_LEDON, K::Button},
            {kLighting, ItemId::GLOW_LEDOFF, K::Button},

            {kProfileNamePopup, ItemId::EDITCTRL_POPUP_NAMEENTRY, K::Edit},
            {kProfileRenamePopup, ItemId::EDITCTRL_POPUP_NAMEENTRY, K::Edit},
            {kMacroNamePopup, ItemId::EDITCTRL_POPUP_NAMEENTRY, K::Edit},
            {kSingleKeyPopup, ItemId::EDITCTRL_POPUP_SINGLEKEYENTRY, K::SingleKeyEdit},
            {kSingleKeyPopup, ItemId::BUTTON_POPUP_OK, K::Button},
            {kSingleKeyPopup, ItemId::BUTTON_POPUP_CANCEL, K::Button},

            {kDpiStagesPopup, ItemId::DPISTAGEWINDOW_01, K::DpiStageWindow},
            {kDpiStagesPopup, ItemId::DPISTAGEWINDOW_02, K::DpiStageWindow},
            {kDpiStagesPopup, ItemId::DPISTAGEWINDOW_03, K::DpiStageWindow},
            {kDpiStagesPopup, ItemId::DPISTAGEWINDOW_04, K::DpiStageWindow},
            {kDpiStagesPopup, ItemId::DPISTAGEWINDOW_05, K::DpiStageWindow},
            {kDpiStagesPopup, ItemId::TEXT_NUMSTAGES, K::TextItem},
            {kDpiStagesPopup, ItemId::BUTTON_ENABLEXY_POPUP, K::Button},
            {kDpiStagesPopup, ItemId::SLIDER_DPI_MULTI_POPUP, K::MultiSlider},
            {kDpiStagesPopup, ItemId::SLIDER_DPI_MULTI_X_POPUP, K::MultiSlider},
            {kDpiStagesPopup, ItemId::SLIDER_DPI_MULTI_Y_POPUP, K::MultiSlider},
            {kDpiStagesPopup, ItemId::BITMAP_SLSENSTRK_XY_POPUP, K::BitmapItem},
            {kDpiStagesPopup, ItemId::BITMAP_SLSENSTRK_X_POPUP, K::BitmapItem},
            {kDpiStagesPopup, ItemId::BITMAP_SLSENSTRK_Y_POPUP, K::BitmapItem},
            {kDpiStagesPopup, ItemId::BUTTON_DPISTAGES_DEC, K::Button},
            {kDpiStagesPopup, ItemId::BUTTON_DPISTAGES_INC, K::Button},
            {kDpiStagesPopup, ItemId::BUTTON_DPISTAGES_OK, K::Button},
            {kDpiStagesPopup, ItemId::BUTTON_DPISTAGES_CANCEL, K::Button},

            {kAdvancedMacroPopup, ItemId::LIST_GLOBAL_BASIC_COMMANDS, K::Combo},
            {kAdvancedMacroPopup, ItemId::LIST_GLOBAL_ADDITIONAL_COMMANDS, K::Combo},
            {kAdvancedMacroPopup, ItemId::BUTTON_ADD_BASIC_MACRO_CMDS, K::Button},
            {kAdvancedMacroPopup, ItemId::BUTTON_ADD_ADV_MACRO_CMDS, K::Button},
            {kAdvancedMacroPopup, ItemId::BUTTON_POPUP_CANCEL, K::Button},

            {kPreviewPopup, ItemId::LIST_GLOBAL_BASIC_COMMANDS, K::Combo},
            {kPreviewPopup, ItemId::BUTTON_POPUP_PREVIEW_OK, K::Button},
            {kPreviewPopup, ItemId::TEXT_PREVIEW_01, K::TextItem},
            {kPreviewPopup, ItemId::TEXT_PREVIEW_05, K::TextItem},
        };
        // Every pop-up but the stages pop-up has a heading; the messages have OK, and Cancel where
        // OK confirms something.
        for (const std::wstring_view file : kPanels) {
            if (file == kMainPage || file == kDpiStagesPopup)
                continue;
            items.push_back({file, ItemId::TEXT_WARNDLG_HEADING, K::TextItem});
        }
        for (const std::wstring_view file : kWarnings)
            items.push_back({file, ItemId::BUTTON_POPUP_OK, K::Button});
        for (const std::wstring_view file : kConfirmations) {
            items.push_back({file, ItemId::BUTTON_POPUP_OK, K::Button});
            items.push_back({file, ItemId::BUTTON_POPUP_CANCEL, K::Button});
        }
        for (const std::wstring_view file : kNameEntries) {
            items.push_back({file, ItemId::BUTTON_POPUP_OK, K::Button});
            items.push_back({file, ItemId::BUTTON_POPUP_CANCEL, K::Button});
        }
        return items;
    }();
    return kItems;
}

// Buttons whose pressed look the program sets and clears (tabs, pairs and groups of which one
// is pressed, switches): they must be check boxes.
constexpr std::array<std::pair<std::wstring_view, int32_t>, 21> kCheckBoxes = {{
    {kMainPage, ItemId::BUTTON_ASSIGNBUTTONS},
    {kMainPage, ItemId::BUTTON_ADJUSTPERFORMANCE},
    {kMainPage, ItemId::BUTTON_MANAGEPROFILES},
    {kMainPage, ItemId::BUTTON_MANAGEMACROS},
    {kMainPage, ItemId::BUTTON_LIGHTINGMAINTENANCE},
    {kAssignKeys, ItemId::BUTTON_KEYASSIGN_123NUM_123},
    {kAssignKeys, ItemId::BUTTON_KEYASSIGN_123NUM_NUM},
    {kAssignKeys, ItemId::BUTTON_DISABLE_KEYS},
    {kPerformance, ItemId::BUTTON_DPI1},
    {kPerformance, ItemId::BUTTON_DPI2},
    {kPerformance, ItemId::BUTTON_RATE1},
    {kPerformance, ItemId::BUTTON_RATE2},
    {kPerformance, ItemId::BUTTON_RATE3},
    {kPerformance, ItemId::BUTTON_ENABLEXY},
    {kPerformance, ItemId::BUTTON_ENABLEACCELERATION},
    {kPerformance, ItemId::BUTTON_ENABLE_DPI_OSD},
    {kProfiles, ItemId::BUTTON_ENABLE_PROFILE_OSD},
    {kMacros, ItemId::BUTTON_IGNORE_DELAY},
    {kMacros, ItemId::BUTTON_DEFAULT_DELAY},
    {kLighting, ItemId::GLOW_LEDON},
    {kLighting, ItemId::GLOW_LEDOFF},
}};

// The sensitivity and acceleration sliders: their tracks and the thumb whose identifier the
// window turns into a setting.
struct SliderBinding
{
    int32_t slider;
    int32_t track;
    int32_t thumb;
};
constexpr std::array<std::pair<std::wstring_view, SliderBinding>, 11> kSliders = {{
    {kPerformance, {ItemId::SLIDER_DPI_MULTI, ItemId::BITMAP_SLSENSTRK_XY, ItemId::SLIDER_DPI_MULTI_STAGE1}},
    {kPerformance, {ItemId::SLIDER_DPI_MULTI_X, ItemId::BITMAP_SLSENSTRK_X, ItemId::SLIDER_DPI_MULTI_X_STAGE1}},
    {kPerformance, {ItemId::SLIDER_DPI_MULTI_Y, ItemId::BITMAP_SLSENSTRK_Y, ItemId::SLIDER_DPI_MULTI_Y_STAGE1}},
    {kPerformance, {ItemId::SLIDER_DPI_MULTI_1800, ItemId::BITMAP_SLSENSTRK_XY_1800, ItemId::SLIDER_DPI_MULTI_STAGE1}},
    {kPerformance, {ItemId::SLIDER_DPI_MULTI_X_1800, ItemId::BITMAP_SLSENSTRK_X_1800, ItemId::SLIDER_DPI_MULTI_X_STAGE1}},
    {kPerformance, {ItemId::SLIDER_DPI_MULTI_Y_1800, ItemId::BITMAP_SLSENSTRK_Y_1800, ItemId::SLIDER_DPI_MULTI_Y_STAGE1}},
    {kPerformance, {ItemId::SLIDER_ID_ACCEL, ItemId::BITMAP_SLACCLTRK, ItemId::SLIDER_ACCEL_STAGE1}},
    {kPerformance, {ItemId::SLIDER_ID_ACCELDISB, ItemId::BITMAP_SLACCLTRKDISB, ItemId::SLIDER_ACCEL_STAGE1}},
    {kDpiStagesPopup, {ItemId::SLIDER_DPI_MULTI_POPUP, ItemId::BITMAP_SLSENSTRK_XY_POPUP, ItemId::SLIDER_DPI_MULTI_STAGE1_POPUP}},
    {kDpiStagesPopup, {ItemId::SLIDER_DPI_MULTI_X_POPUP, ItemId::BITMAP_SLSENSTRK_X_POPUP, ItemId::SLIDER_DPI_MULTI_STAGE1_X_POPUP}},
    {kDpiStagesPopup, {ItemId::SLIDER_DPI_MULTI_Y_POPUP, ItemId::BITMAP_SLSENSTRK_Y_POPUP, ItemId::SLIDER_DPI_MULTI_STAGE1_Y_POPUP}},
}};

std::string Narrow(std::wstring_view text)
{
    return platform::ToUtf8(text);
}

// Every text an item shows or offers, as written in the layout.
std::vector<std::wstring> TextsOf(const ItemDescription& item)
{
    std::vector<std::wstring> texts;
    std::visit(
        [&](const auto& d) {
            using D = std::decay_t<decltype(d)>;
            if constexpr (std::is_same_v<D, TextItemDescription>) {
                texts.push_back(d.textKey);
            } else if constexpr (std::is_same_v<D, ButtonDescription>) {
                texts.push_back(d.tooltip);
                if (d.caption)
                    texts.push_back(*d.caption);
            } else if constexpr (std::is_same_v<D, ComboDescription> || std::is_same_v<D, ListPanelDescription>) {
                texts.insert(texts.end(), d.entries.begin(), d.entries.end());
            } else if constexpr (std::is_same_v<D, ListCtrlDescription>) {
                for (const ListColumnDescription& column : d.columns)
                    texts.push_back(column.heading);
            } else if constexpr (std::is_same_v<D, MultiSliderDescription>) {
                for (const SliderStageDescription& stage : d.stages)
                    texts.push_back(stage.tooltip);
            } else if constexpr (std::is_same_v<D, DpiStageWindowDescription>) {
                for (const DpiStageTextDescription& area : d.textAreas)
                    texts.push_back(area.textKey);
            } else if constexpr (requires { d.tooltip; }) {
                texts.push_back(d.tooltip);
            }
        },
        item);
    std::erase_if(texts, [](const std::wstring& text) { return text.empty(); });
    return texts;
}

// The area an item's window covers in its panel's client coordinates; nullopt for items
// without one (fonts, languages, the panel's own pictures).
std::optional<RectEdges> PanelAreaOf(const LayoutDescription& layout, const ItemDescription& item)
{
    return std::visit(
        [&](const auto& d) -> std::optional<RectEdges> {
            if constexpr (requires { d.rect; }) {
                RectEdges edges = EdgesOf(d.rect);
                if constexpr (requires { d.parent; }) {
                    // A window inside a picture item: its rectangle is in the picture's coordinates.
                    if (d.parent) {
                        const auto* parent = layout.As<BitmapItemDescription>(*d.parent);
                        if (parent != nullptr) {
                            edges.left += parent->rect.left;
                            edges.right += parent->rect.left;
                            edges.top += parent->rect.top;
                            edges.bottom += parent->rect.top;
                        }
                    }
                }
                return edges;
            } else {
                return std::nullopt;
            }
        },
        item);
}

struct SourcePair
{
    std::wstring key;
    std::wstring value;
};

struct LanguageSource
{
    std::wstring title;
    std::vector<SourcePair> pairs;
};

// The readable language source the build writes the language file from: "#" comments, "@title"
// and "@note" lines, and "key = value" lines.
LanguageSource ReadLanguageSource(const std::string& bytes)
{
    LanguageSource source;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string_view line(bytes.data() + start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#' || line.starts_with("@note "))
            continue;
        if (line.starts_with("@title ")) {
            source.title = platform::FromUtf8(line.substr(7));
            continue;
        }
        const size_t split = line.find(" = ");
        if (split == std::string_view::npos || split == 0)
            continue;
        source.pairs.push_back({platform::FromUtf8(line.substr(0, split)), platform::FromUtf8(line.substr(split + 3))});
    }
    return source;
}

// The readable source of an installed language, from the repository's language folder; nullopt
// when it cannot be read.
std::optional<LanguageSource> ReadLanguageSourceOf(std::string_view stem)
{
    const std::string path = std::string(VANTIX_TEST_LANGUAGE_SOURCES) + "/" + std::string(stem) + ".txt";
    const std::optional<std::string> bytes = platform::ReadFileBytes(platform::FromUtf8(path));
    if (!bytes)
        return std::nullopt;
    return ReadLanguageSource(*bytes);
}

class SkinDataTest : public testing::Test
{
protected:
    static std::wstring ProgramDirectory() { return platform::FromUtf8(VANTIX_TEST_PROGRAM_DIR); }

    void SetUp() override
    {
        m_languageLayout = m_reader.ReadFile(kLanguageFile);
        ASSERT_TRUE(m_languages.Select(ItemId::LANGUAGE_DEFAULT)) << "no English table in " << Narrow(kLanguageFile);
    }

    const LayoutDescription& Layout(std::wstring_view file)
    {
        if (file == kLanguageFile)
            return m_languageLayout;
        const auto found = std::find_if(m_layouts.begin(), m_layouts.end(),
                                        [&](const auto& entry) { return entry.first == file; });
        if (found != m_layouts.end())
            return found->second;
        m_layouts.emplace_back(std::wstring(file), m_reader.ReadFile(file));
        return m_layouts.back().second;
    }

    const BmpFileResourceLoader::Pixels* PanelPicture(std::wstring_view file, int32_t identifier)
    {
        const LayoutDescription& layout = Layout(file);
        const ItemRef index = layout.Find(identifier);
        if (!index)
            return nullptr;
        const auto* panelBitmap = layout.As<PanelBitmapDescription>(*index);
        if (panelBitmap == nullptr || panelBitmap->picture == nullptr)
            return nullptr;
        return m_loader.PixelsOf(panelBitmap->picture->handle);
    }

    // Every window item of the layout covers only pixels that belong to the panel's shape.
    void ExpectInsidePanel(std::wstring_view file, std::wstring_view panelFile)
    {
        const BmpFileResourceLoader::Pixels* mask = PanelPicture(panelFile, ItemId::MASK);
        ASSERT_NE(mask, nullptr) << Narrow(panelFile);
        const LayoutDescription& layout = Layout(file);
        for (const ItemDescription& item : layout.items) {
            const std::optional<RectEdges> area = PanelAreaOf(layout, item);
            if (!area)
                continue;
            const std::string where = Narrow(file) + " item " + std::to_string(IdentifierOf(item));
            EXPECT_LT(area->left, area->right) << where;
            EXPECT_LT(area->top, area->bottom) << where;
            ASSERT_GE(area->left, 0) << where;
            ASSERT_GE(area->top, 0) << where;
            ASSERT_LE(area->right, mask->width) << where;
            ASSERT_LE(area->bottom, mask->height) << where;
            for (const auto& [x, y] : {std::pair{area->left, area->top}, std::pair{area->right - 1, area->top},
                                       std::pair{area->left, area->bottom - 1},
                                       std::pair{area->right - 1, area->bottom - 1}})
                EXPECT_EQ(mask->At(x, y), kMaskBlack) << where << " corner " << x << "," << y << " is cut away";
        }
    }

    BmpFileResourceLoader m_loader;
    CResourceCache m_cache{ProgramDirectory(), m_loader};
    CLanguageSet m_languages;
    CLayoutReader m_reader{m_cache, m_languages};
    LayoutDescription m_languageLayout;
    std::vector<std::pair<std::wstring, LayoutDescription>> m_layouts;
};

TEST_F(SkinDataTest, TheLanguageFileListsElevenLanguagesWithTheirKeyboardLayouts)
{
    ASSERT_EQ(m_languageLayout.languageTables.size(), kLanguages.size());
    for (size_t index = 0; index < kLanguages.size(); ++index) {
        const CLangTable& table = *m_languageLayout.languageTables[index].Table();
        EXPECT_EQ(table.Identifier(), kLanguages[index].identifier) << kLanguages[index].stem;
        EXPECT_EQ(table.KeyboardLayoutName().size(), 8u) << kLanguages[index].stem;
        EXPECT_GT(table.EntryCount(), 200u) << kLanguages[index].stem;
    }
    EXPECT_EQ(m_languageLayout.languageTables.front().Table()->KeyboardLayoutName(), L"00000409");
    EXPECT_EQ(m_languages.Current(), m_languageLayout.languageTables.front().Table());
}

TEST_F(SkinDataTest, EveryBoundItemIsInItsFileWithItsKind)
{
    for (const BoundItem& bound : BoundItems()) {
        const LayoutDescription& layout = Layout(bound.file);
        const std::string where = Narrow(bound.file) + ": " +
                                  Narrow(VocabularyTables::KeyToName(VocabularyTables::Table::ItemIds, bound.identifier));
        const ItemRef index = layout.Find(bound.identifier);
        ASSERT_TRUE(index.has_value()) << where << " is missing";
        EXPECT_EQ(KindOf(layout.items[*index]), bound.kind) << where;
    }
}

TEST_F(SkinDataTest, ButtonsWithAPressedStateAreCheckBoxes)
{
    for (const auto& [file, identifier] : kCheckBoxes) {
        const LayoutDescription& layout = Layout(file);
        const ItemRef index = layout.Find(identifier);
        ASSERT_TRUE(index.has_value()) << Narrow(file) << " " << identifier;
        const auto* button = layout.As<ButtonDescription>(*index);
        ASSERT_NE(button, nullptr) << Narrow(file) << " " << identifier;
        EXPECT_TRUE(button->isCheckbox) << Narrow(file) << " " << identifier;
    }
}

// The program acts on an option by its language key, so the menus must offer exactly these.
TEST_F(SkinDataTest, OptionPanelsOfferTheOptionsTheProgramActsOn)
{
    const std::array<std::tuple<std::wstring_view, int32_t, std::vector<std::wstring>>, 3> panels = {{
        {kProfiles, ItemId::LISTPANEL_PROFILEOPTIONS,
         {L"$AssignApplication", L"$UnassignApplication", L"$New", L"$Rename", L"$Preview", L"$Copy", L"$Delete",
          L"$Import", L"$Export", L"$RestoreDefault"}},
        {kMacros, ItemId::LISTPANEL_MACROOPTIONS, {L"$Edit", L"$InsertDelay", L"$Delete"}},
        {kMacros, ItemId::LISTPANEL_MACROOPTIONS2, {L"$InsertDelay"}},
    }};
    for (const auto& [file, identifier, entries] : panels) {
        const LayoutDescription& layout = Layout(file);
        const ItemRef index = layout.Find(identifier);
        ASSERT_TRUE(index.has_value()) << identifier;
        const auto* panel = layout.As<ListPanelDescription>(*index);
        ASSERT_NE(panel, nullptr) << identifier;
        EXPECT_EQ(panel->entries, entries) << identifier;
    }
}

TEST_F(SkinDataTest, CheckBoxLabelsWorkTheirCheckBoxes)
{
    const std::array<std::tuple<std::wstring_view, int32_t, int32_t>, 6> labels = {{
        {kPerformance, ItemId::TEXT_ENABLEXY, ItemId::BUTTON_ENABLEXY},
        {kPerformance, ItemId::TEXT_ENABLEACCELERATION, ItemId::BUTTON_ENABLEACCELERATION},
        {kPerformance, ItemId::TEXT_ENABLE_DPI_OSD, ItemId::BUTTON_ENABLE_DPI_OSD},
        {kProfiles, ItemId::TEXT_ENABLE_PROFILE_OSD, ItemId::BUTTON_ENABLE_PROFILE_OSD},
        {kMacros, ItemId::TEXT_IGNORE_DELAY, ItemId::BUTTON_IGNORE_DELAY},
        {kMacros, ItemId::TEXT_DEFAULT_DELAY, ItemId::BUTTON_DEFAULT_DELAY},
    }};
    for (const auto& [file, textId, buttonId] : labels) {
        const LayoutDescription& layout = Layout(file);
        const ItemRef text = layout.Find(textId);
        ASSERT_TRUE(text.has_value()) << textId;
        const auto* description = layout.As<TextItemDescription>(*text);
        ASSERT_NE(description, nullptr) << textId;
        EXPECT_TRUE(description->interactive) << textId;
        ASSERT_TRUE(description->checkbox.has_value()) << textId;
        EXPECT_EQ(IdentifierOf(layout.items[*description->checkbox]), buttonId) << textId;
    }
}

TEST_F(SkinDataTest, SlidersRideTheirTracksWithTheThumbsTheWindowExpects)
{
    for (const auto& [file, binding] : kSliders) {
        const LayoutDescription& layout = Layout(file);
        const ItemRef index = layout.Find(binding.slider);
        ASSERT_TRUE(index.has_value()) << binding.slider;
        const auto* slider = layout.As<MultiSliderDescription>(*index);
        ASSERT_NE(slider, nullptr) << binding.slider;
        EXPECT_EQ(IdentifierOf(layout.items[slider->track]), binding.track) << binding.slider;
        ASSERT_EQ(slider->stages.size(), 1u) << binding.slider;
        EXPECT_EQ(slider->stages.front().identifier, binding.thumb) << binding.slider;
        ASSERT_NE(slider->thumbNormal, nullptr) << binding.slider;
        ASSERT_NE(slider->thumbOver, nullptr) << binding.slider;
        // The thumb stands on the track from its top to its bottom.
        const auto* track = layout.As<BitmapItemDescription>(slider->track);
        ASSERT_NE(track, nullptr);
        EXPECT_EQ(slider->rect, track->rect) << binding.slider;
        EXPECT_EQ(slider->thumbNormal->height, track->rect.height) << binding.slider;
    }
}

TEST_F(SkinDataTest, PanelsHaveABackgroundAndAMaskThatAgree)
{
    for (std::wstring_view file : kPanels) {
        const LayoutDescription& layout = Layout(file);
        ASSERT_GE(layout.items.size(), 3u) << Narrow(file);
        EXPECT_EQ(IdentifierOf(layout.items[0]), ItemId::BACKGROUND) << Narrow(file);
        EXPECT_EQ(IdentifierOf(layout.items[1]), ItemId::MASK) << Narrow(file);
        const BmpFileResourceLoader::Pixels* background = PanelPicture(file, ItemId::BACKGROUND);
        const BmpFileResourceLoader::Pixels* mask = PanelPicture(file, ItemId::MASK);
        ASSERT_NE(background, nullptr) << Narrow(file);
        ASSERT_NE(mask, nullptr) << Narrow(file);
        ASSERT_EQ(background->width, mask->width) << Narrow(file);
        ASSERT_EQ(background->height, mask->height) << Narrow(file);
        EXPECT_LE(background->width, kMaxWindowWidth) << Narrow(file);
        EXPECT_LE(background->height, kMaxWindowHeight) << Narrow(file);

        // The colour key and the mask cut the same shape, and the shape is not a plain box.
        size_t cutAway = 0;
        size_t disagreements = 0;
        for (int32_t y = 0; y < mask->height; ++y) {
            for (int32_t x = 0; x < mask->width; ++x) {
                const uint32_t maskPixel = mask->At(x, y);
                ASSERT_TRUE(maskPixel == kMaskWhite || maskPixel == kMaskBlack)
                    << Narrow(file) << " mask pixel " << x << "," << y << " is " << std::hex << maskPixel;
                const bool isCut = maskPixel == kMaskWhite;
                cutAway += isCut ? 1 : 0;
                disagreements += (isCut != (background->At(x, y) == kColourKey)) ? 1 : 0;
            }
        }
        EXPECT_GT(cutAway, 0u) << Narrow(file);
        EXPECT_EQ(mask->At(0, 0), kMaskWhite) << Narrow(file);
        EXPECT_EQ(mask->At(mask->width / 2, mask->height / 2), kMaskBlack) << Narrow(file);
        EXPECT_EQ(disagreements, 0u) << Narrow(file);
    }
}

TEST_F(SkinDataTest, EveryLayoutReadsWithoutAProblemAndEveryFileNamedLoads)
{
    EXPECT_TRUE(m_languageLayout.problems.empty()) << "the language files are sound";
    for (std::wstring_view file : kPanels)
        EXPECT_TRUE(Layout(file).problems.empty()) << Narrow(file);
    for (std::wstring_view file : kPages)
        EXPECT_TRUE(Layout(file).problems.empty()) << Narrow(file);
    for (const std::wstring& path : m_loader.Failures())
        ADD_FAILURE() << "cannot load " << Narrow(path);
    EXPECT_GT(m_loader.PicturesLoaded(), 20u);
    EXPECT_EQ(m_loader.FontsAdded(), 3u);  // Liberation Sans regular and bold, Noto Sans CJK: each once
}

TEST_F(SkinDataTest, ButtonAndBitmapPicturesFitTheirRectangles)
{
    std::vector<std::wstring_view> files(kPages.begin(), kPages.end());
    files.insert(files.end(), kPanels.begin(), kPanels.end());
    for (std::wstring_view file : files) {
        const LayoutDescription& layout = Layout(file);
        for (const ItemDescription& item : layout.items) {
            const std::string where = Narrow(file) + " item " + std::to_string(IdentifierOf(item));
            if (const auto* button = std::get_if<ButtonDescription>(&item)) {
                for (const ButtonStateDescription& state : button->states) {
                    ASSERT_NE(state.picture, nullptr) << where;
                    EXPECT_EQ(state.picture->width, button->pictureWidth) << where;
                    EXPECT_EQ(state.picture->height, button->pictureHeight) << where;
                }
            } else if (const auto* bitmap = std::get_if<BitmapItemDescription>(&item)) {
                EXPECT_EQ(bitmap->normal->width, bitmap->rect.width) << where;
                EXPECT_EQ(bitmap->normal->height, bitmap->rect.height) << where;
            }
        }
    }
}

TEST_F(SkinDataTest, PageItemsLieInsideTheMainWindow)
{
    for (std::wstring_view file : kPages)
        ExpectInsidePanel(file, kMainPage);
    ExpectInsidePanel(kMainPage, kMainPage);
}

TEST_F(SkinDataTest, PopupItemsLieInsideThePopup)
{
    for (std::wstring_view file : kPanels)
        ExpectInsidePanel(file, file);
}

TEST_F(SkinDataTest, StageTilesShowEveryPartInsideTheTile)
{
    const LayoutDescription& layout = Layout(kDpiStagesPopup);
    const std::array<std::wstring_view, 5> bitmaps = {L"DPIFRAME", L"DPIFRAMESELECTED", L"DPIWIN", L"DPIWINX", L"DPIWINY"};
    const std::array<std::wstring_view, 6> texts = {L"HEADING", L"DPI", L"DPIX", L"DPIY", L"X", L"Y"};
    int32_t position = 0;
    for (const ItemDescription& item : layout.items) {
        const auto* tile = std::get_if<DpiStageWindowDescription>(&item);
        if (tile == nullptr)
            continue;
        ++position;
        EXPECT_EQ(tile->position, position);
        EXPECT_EQ(tile->identifier, ItemId::DPISTAGEWINDOW_01 + position - 1);
        const std::string where = "stage tile " + std::to_string(position);
        for (std::wstring_view name : bitmaps) {
            const auto part = std::find_if(tile->bitmaps.begin(), tile->bitmaps.end(),
                                           [&](const auto& bitmap) { return bitmap.name == name; });
            ASSERT_NE(part, tile->bitmaps.end()) << where << " lacks " << Narrow(name);
            ASSERT_NE(part->picture, nullptr) << where << " " << Narrow(name);
            EXPECT_EQ(part->picture->width, part->rect.width) << where << " " << Narrow(name);
            EXPECT_EQ(part->picture->height, part->rect.height) << where << " " << Narrow(name);
            EXPECT_LE(part->rect.left + part->rect.width, tile->rect.width) << where << " " << Narrow(name);
            EXPECT_LE(part->rect.top + part->rect.height, tile->rect.height) << where << " " << Narrow(name);
        }
        for (std::wstring_view name : texts) {
            const auto area = std::find_if(tile->textAreas.begin(), tile->textAreas.end(),
                                           [&](const auto& text) { return text.name == name; });
            ASSERT_NE(area, tile->textAreas.end()) << where << " lacks " << Narrow(name);
            EXPECT_LE(area->rect.left + area->rect.width, tile->rect.width) << where << " " << Narrow(name);
            EXPECT_LE(area->rect.top + area->rect.height, tile->rect.height) << where << " " << Narrow(name);
        }
    }
    EXPECT_EQ(position, 5);
    // A selected tile draws this picture over each of its value boxes.
    const ResourceRecord& selected = m_cache.Fetch(L"stageSelected.bmp", ResourceType::BitmapFile);
    ASSERT_TRUE(selected.loaded);
    for (const ItemDescription& item : layout.items) {
        if (const auto* tile = std::get_if<DpiStageWindowDescription>(&item)) {
            for (const auto& part : tile->bitmaps) {
                if (part.name.starts_with(L"DPIWIN")) {
                    EXPECT_EQ(selected.width, part.rect.width) << Narrow(part.name);
                    EXPECT_EQ(selected.height, part.rect.height) << Narrow(part.name);
                }
            }
        }
    }
}

// The keys the program's code asks the language table for, besides those of the layouts.
std::vector<std::wstring> KeysOfTheProgram()
{
    std::vector<std::wstring> keys = {L"$DunmoPeraxil1800Configurator", L"$NoMouseHeading", L"$NoMouseMessage",
                                      L"$DisableAll",  L"$EnableAll",  L"$StopRecordingMacroEvents",
                                      L"$Record",      L"$CreateProfile", L"$Copy",
                                      L"$ImportProfile", L"$secondsdelay", L"$InsertDelay",
                                      L"$Delete",      L"$Edit",
                                      L"$InstallationDamagedMessage", L"$WindowFailedMessage"};
    for (VocabularyTables::Table table : {VocabularyTables::Table::FunctionNames, VocabularyTables::Table::CommandNames})
        for (const VocabularyTables::Row& row : VocabularyTables::Rows(table))
            keys.emplace_back(row.name);
    for (int32_t button = 1; button <= 26; ++button) {
        const std::wstring_view name = NameKeys::ButtonNameKey(button);
        if (name.empty())
            continue;
        keys.emplace_back(name);
        if (button <= 9 || button >= 25) {
            // Recorded mouse events show the button's key with "Down" or "Up".
            keys.push_back(std::wstring(name) + L"Down");
            keys.push_back(std::wstring(name) + L"Up");
        }
    }
    return keys;
}

// A number shown until the program writes its own (the stage count) needs no translation.
bool IsNumber(std::wstring_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

TEST_F(SkinDataTest, EveryTextOfTheLayoutsAndTheProgramTranslatesInEveryLanguage)
{
    std::vector<std::wstring_view> files(kPages.begin(), kPages.end());
    files.insert(files.end(), kPanels.begin(), kPanels.end());
    std::vector<std::pair<std::wstring_view, std::wstring>> uses;
    for (std::wstring_view file : files) {
        for (const ItemDescription& item : Layout(file).items) {
            for (std::wstring& text : TextsOf(item)) {
                if (IsNumber(text))
                    continue;
                EXPECT_EQ(text.front(), L'$') << Narrow(file) << ": \"" << Narrow(text) << "\" is not a key";
                uses.emplace_back(file, std::move(text));
            }
        }
    }
    EXPECT_GT(uses.size(), 200u);
    for (std::wstring& key : KeysOfTheProgram())
        uses.emplace_back(L"the program", std::move(key));

    for (const InstalledLanguage& language : kLanguages) {
        ASSERT_TRUE(m_languages.Select(language.identifier)) << language.stem;
        const CLangTable* table = m_languages.Current();
        ASSERT_NE(table, nullptr) << language.stem;
        for (const auto& [where, key] : uses) {
            const std::optional<std::wstring> text = table->Translate(key);
            EXPECT_TRUE(text.has_value() && !text->empty()) << language.stem << ": " << Narrow(where) << " " << Narrow(key);
        }
    }
}

TEST_F(SkinDataTest, EveryLanguageFileRoundTripsThroughTheLanguageTable)
{
    for (const InstalledLanguage& language : kLanguages) {
        const std::optional<LanguageSource> read = ReadLanguageSourceOf(language.stem);
        ASSERT_TRUE(read.has_value()) << language.stem;
        const LanguageSource& source = *read;
        ASSERT_FALSE(source.pairs.empty()) << language.stem;

        ASSERT_TRUE(m_languages.Select(language.identifier)) << language.stem;
        const CLangTable* table = m_languages.Current();
        ASSERT_NE(table, nullptr);
        // The title keeps the file's byte-order mark in front.
        EXPECT_EQ(table->Title(), L"\xFEFF" + source.title) << language.stem;
        EXPECT_EQ(table->EntryCount(), source.pairs.size()) << language.stem;
        for (const SourcePair& pair : source.pairs) {
            std::wstring lookup = L"$" + pair.key;
            std::erase(lookup, L' ');
            const std::optional<std::wstring> text = table->Translate(lookup);
            ASSERT_TRUE(text.has_value()) << language.stem << ": " << Narrow(pair.key);
            EXPECT_EQ(*text, pair.value) << language.stem << ": " << Narrow(pair.key);
        }
    }
}

TEST_F(SkinDataTest, EveryLanguageTranslatesTheSameKeysAsEnglish)
{
    std::vector<std::wstring> englishKeys;
    for (const InstalledLanguage& language : kLanguages) {
        const std::optional<LanguageSource> source = ReadLanguageSourceOf(language.stem);
        ASSERT_TRUE(source.has_value()) << language.stem;
        std::vector<std::wstring> keys;
        for (const SourcePair& pair : source->pairs)
            keys.push_back(pair.key);
        if (englishKeys.empty())
            englishKeys = keys;
        else
            EXPECT_EQ(keys, englishKeys) << language.stem;
    }
}

// Chinese, Japanese and Korean swap every font of every layout for their own face, so no text
// falls back to a face without their characters.
TEST_F(SkinDataTest, CjkLanguagesDrawEveryLayoutInTheirOwnFace)
{
    std::vector<std::wstring_view> files(kPages.begin(), kPages.end());
    files.insert(files.end(), kPanels.begin(), kPanels.end());
    for (const InstalledLanguage& language : kLanguages) {
        ASSERT_TRUE(m_languages.Select(language.identifier)) << language.stem;
        for (std::wstring_view file : files) {
            const LayoutDescription layout = m_reader.ReadFile(file);
            size_t fonts = 0;
            for (const ItemDescription& item : layout.items) {
                std::visit(
                    [&](const auto& d) {
                        if constexpr (requires { d.font; }) {
                            if (!d.font)
                                return;
                            const auto* font = layout.As<FontDescription>(*d.font);
                            ASSERT_NE(font, nullptr);
                            ++fonts;
                            if (language.face.empty())
                                EXPECT_EQ(font->typeface, L"Liberation Sans") << language.stem << " " << Narrow(file);
                            else
                                EXPECT_EQ(font->typeface, language.face) << language.stem << " " << Narrow(file);
                        }
                    },
                    item);
            }
            EXPECT_GT(fonts, 0u) << language.stem << " " << Narrow(file);
        }
    }
}

}  // namespace
