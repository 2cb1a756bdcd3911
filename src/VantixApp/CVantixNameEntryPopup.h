#pragma once

#include <string>

#include "VantixApp/CPopupBox.h"

class CEditItem;

// Asks for a name ("ProfileNamePopup.xml", "ProfileRenamePopup.xml", "MacroNamePopup.xml").
// In: the layout file and an optional text appended to its heading (the caller includes the
// ": "). Out: the result (1 OK, 2 Cancel) and, after OK, Name(): what was typed, at most
// kMaxNameLength characters, empty when nothing was. The field has the focus and takes at most
// kMaxNameLength characters whatever its layout says.
class CVantixNameEntryPopup : public CPopupBox
{
public:
    static constexpr int kTemplate = 131;
    static constexpr int kMaxNameLength = 20;

    CVantixNameEntryPopup(std::wstring layoutFile, std::wstring appendText, HWND owner);

    [[nodiscard]] const std::wstring& Name() const noexcept { return m_name; }
    // The entry field (EDITCTRL_POPUP_NAMEENTRY) while the pop-up is open; null without one.
    [[nodiscard]] CEditItem* Field() const noexcept { return m_field; }

protected:
    bool OnInitDialog() override;
    void BindItems() override;
    void OnOK() override;

private:
    std::wstring m_appendText;
    std::wstring m_name;
    CEditItem* m_field = nullptr;
};
