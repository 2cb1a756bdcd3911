#include "VantixApp/CMacrosPage.h"

#include <array>

#include "vocabulary/ItemIds.h"

namespace {

constexpr std::array<int32_t, 16> kCommands = {
    ItemId::BUTTON_MACRO_CREATE, ItemId::BUTTON_MACRO_SAVE, ItemId::BUTTON_MACRO_EXPORT,
    ItemId::BUTTON_MACRO_IMPORT, ItemId::BUTTON_MACRO_DELETE, ItemId::BUTTON_MACRO_RECORD,
    ItemId::BUTTON_MACRO_ADVANCED, ItemId::BUTTON_MACRO_RECORD_STOP, ItemId::BUTTON_MACRO_RECORD_PLAY,
    ItemId::BUTTON_MACRO_RECORD_BACKWARD, ItemId::BUTTON_MACRO_RECORD_FORWARD, ItemId::BUTTON_IGNORE_DELAY,
    ItemId::BUTTON_DEFAULT_DELAY, ItemId::BUTTON_ADD_BASIC_MACRO_CMDS, ItemId::BUTTON_ADD_ADV_MACRO_CMDS,
    ItemId::BUTTON_INSERT_DELAY,
};
constexpr std::array<uint32_t, 5> kNotifications = {Notification::kEntryChosen, Notification::kMacroEventsEdited,
                                                    Notification::kMacroEventEdit, Notification::kMacroPreviewEnded,
                                                    Notification::kEditChanged};

}  // namespace

CMacrosPage::CMacrosPage(IPageHost& host) : CPageBase(host, kCommands, kNotifications) {}

std::unique_ptr<IVantixPage> CMacrosPage::Make(IPageHost& host)
{
    return std::make_unique<CMacrosPage>(host);
}

void CMacrosPage::OnItemCommand(int32_t) {}

void CMacrosPage::OnNotification(const PageNotification&) {}

void CMacrosPage::Refresh() {}
