#include "VantixApp/CAssignPage.h"

#include <array>

#include "vocabulary/ItemIds.h"

namespace {

constexpr std::array<int32_t, 3> kCommands = {
    ItemId::BUTTON_KEYASSIGN_123NUM_123, ItemId::BUTTON_KEYASSIGN_123NUM_NUM, ItemId::BUTTON_DISABLE_KEYS,
};
constexpr std::array<uint32_t, 2> kNotifications = {Notification::kEntryChosen, Notification::kDropdownOpening};

}  // namespace

CAssignPage::CAssignPage(IPageHost& host) : CPageBase(host, kCommands, kNotifications) {}

std::unique_ptr<IVantixPage> CAssignPage::Make(IPageHost& host)
{
    return std::make_unique<CAssignPage>(host);
}

void CAssignPage::OnItemCommand(int32_t) {}

void CAssignPage::OnNotification(const PageNotification&) {}

void CAssignPage::Refresh() {}
