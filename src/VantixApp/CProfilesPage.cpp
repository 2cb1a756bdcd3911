#include "VantixApp/CProfilesPage.h"

#include <array>

#include "vocabulary/ItemIds.h"

namespace {

constexpr std::array<int32_t, 6> kCommands = {
    ItemId::BUTTON_NEWPROFILE, ItemId::BUTTON_IMPORTPROFILE, ItemId::BUTTON_EXPORTPROFILE,
    ItemId::BUTTON_SAVEPROFILE, ItemId::BUTTON_DELETEPROFILE, ItemId::BUTTON_ENABLE_PROFILE_OSD,
};
constexpr std::array<UINT, 7> kNotifications = {PageMessage::kProfileNameEdited, PageMessage::kProfileProgramChosen,
                                           PageMessage::kProfileCheckToggled, PageMessage::kProfileCellOpened,
                                           PageMessage::kProfileOptionChosen, PageMessage::kProfileOptionsOpening,
                                           PageMessage::kEntryChosen};

}  // namespace

CProfilesPage::CProfilesPage(IPageHost& host) : CPageBase(host, kCommands, kNotifications) {}

void CProfilesPage::OnItemCommand(int32_t) {}

void CProfilesPage::OnNotification(const PageNotification&) {}

void CProfilesPage::Refresh() {}
