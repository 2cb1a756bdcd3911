#pragma once

#include <string>

#include "VantixApp/CPopupBox.h"

class CDropdownListItem;

// Picks a ready-made command ("AdvancedMacroPopup.xml"): the edit shortcuts in
// LIST_GLOBAL_BASIC_COMMANDS, the window shortcuts in LIST_GLOBAL_ADDITIONAL_COMMANDS, each
// filled as it opens. Out: the result (1 from either Add button, 2 from Cancel or Escape) and
// Command(): the name key of the entry last chosen in either list ("$cut", ...; the function
// name of CPredefinedMacroList::FunctionCode), empty when none was chosen.
class CPredefinedMacroPopup : public CPopupBox
{
public:
    static constexpr int kTemplate = 135;

    CPredefinedMacroPopup(std::wstring layoutFile, HWND owner);

    [[nodiscard]] const std::wstring& Command() const noexcept { return m_command; }
    [[nodiscard]] CDropdownListItem* Basic() const noexcept { return m_basic; }
    [[nodiscard]] CDropdownListItem* Additional() const noexcept { return m_additional; }

protected:
    void BindItems() override;
    void OnItemCommand(int32_t identifier) override;
    LRESULT OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Fill(CDropdownListItem& list) const;

    std::wstring m_command;
    CDropdownListItem* m_basic = nullptr;
    CDropdownListItem* m_additional = nullptr;
};
