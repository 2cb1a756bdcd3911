#include "VantixApp/CProfilesPage.h"

#include <array>

#include "vocabulary/ItemIds.h"

namespace {

constexpr std::array<int32_t, 6> kCommands = {
    ItemId::BUTTON_NEWPROFILE, ItemId::BUTTON_IMPORTPROFILE, ItemId::BUTTON_EXPORTPROFILE,
    ItemId::BUTTON_SAVEPROFILE, ItemId::BUTTON_DELETEPROFILE, ItemId::BUTTON_ENABLE_PROFILE_OSD,
};
constexpr std::array<uint32_t, 7> kNotifications = {
    Notification::kProfileNameEdited, Notification::kProfileProgramChosen, Notification::kProfileCheckToggled,
    Notification::kProfileCellOpened, Notification::kProfileOptionChosen,  Notification::kProfileOptionsOpening,
    Notification::kEntryChosen};

}  // namespace

CProfilesPage::CProfilesPage(IPageHost& host) : CPageBase(host, kCommands, kNotifications) {}

std::unique_ptr<IVantixPage> CProfilesPage::Make(IPageHost& host)
{
    return std::make_unique<CProfilesPage>(host);
}

void CProfilesPage::OnItemCommand(int32_t) {}

void CProfilesPage::OnNotification(const PageNotification&) {}

void CProfilesPage::Refresh() {}
