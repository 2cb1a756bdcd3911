#include "VantixApp/CPredefinedMacroPopup.h"

#include "macro/CPredefinedMacroList.h"
#include "skin/win/CDropdownListItem.h"
#include "vocabulary/ItemIds.h"
#include "vocabulary/NameKeys.h"
#include "vocabulary/Notifications.h"

CPredefinedMacroPopup::CPredefinedMacroPopup(std::wstring layoutFile, HWND owner)
    : CPopupBox(std::move(layoutFile), kTemplate, owner)
{
}

void CPredefinedMacroPopup::BindItems()
{
    m_basic = Items().Find<CDropdownListItem>(ItemId::LIST_GLOBAL_BASIC_COMMANDS, ItemKind::Combo);
    m_additional = Items().Find<CDropdownListItem>(ItemId::LIST_GLOBAL_ADDITIONAL_COMMANDS, ItemKind::Combo);
}

void CPredefinedMacroPopup::Fill(CDropdownListItem& list) const
{
    const CPredefinedMacroList& commands = CPredefinedMacroList::Instance();
    const auto& shortcuts = &list == m_basic ? commands.EditShortcuts() : commands.WindowShortcuts();
    list.ClearEntries();
    for (const auto& [number, events] : shortcuts)
        list.AddEntry(std::wstring(NameKeys::FunctionNameKey(CPredefinedMacroList::FunctionCode(number))));
}

LRESULT CPredefinedMacroPopup::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != Notification::kDropdownOpening && message != Notification::kEntryChosen)
        return CPopupBox::OnOtherMessage(message, wParam, lParam);
    const HWND box = reinterpret_cast<HWND>(lParam);
    CDropdownListItem* list = m_basic != nullptr && m_basic->Handle() == box             ? m_basic
                              : m_additional != nullptr && m_additional->Handle() == box ? m_additional
                                                                                          : nullptr;
    if (list == nullptr)
        return 0;
    if (message == Notification::kDropdownOpening)
        Fill(*list);
    else
        m_command = list->EntryText(static_cast<int>(wParam));
    return 0;
}

void CPredefinedMacroPopup::OnItemCommand(int32_t identifier)
{
    if (identifier == ItemId::BUTTON_ADD_BASIC_MACRO_CMDS || identifier == ItemId::BUTTON_ADD_ADV_MACRO_CMDS)
        EndModal(kResultOk);
}
