#include "VantixApp/CAssignPage.h"

#include <array>

#include "vocabulary/ItemIds.h"

namespace {

constexpr std::array<int32_t, 3> kCommands = {
    ItemId::BUTTON_KEYASSIGN_123NUM_123, ItemId::BUTTON_KEYASSIGN_123NUM_NUM, ItemId::BUTTON_DISABLE_KEYS,
};
constexpr std::array<UINT, 2> kNotifications = {PageMessage::kEntryChosen, PageMessage::kDropdownOpening};

}  // namespace

CAssignPage::CAssignPage(IPageHost& host) : CPageBase(host, kCommands, kNotifications) {}

void CAssignPage::OnItemCommand(int32_t) {}

void CAssignPage::OnNotification(const PageNotification&) {}

void CAssignPage::Refresh() {}
