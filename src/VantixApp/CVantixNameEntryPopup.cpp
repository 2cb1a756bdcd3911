#include "VantixApp/CVantixNameEntryPopup.h"

#include "controls/CEditItem.h"
#include "vocabulary/ItemIds.h"

CVantixNameEntryPopup::CVantixNameEntryPopup(std::wstring layoutFile, std::wstring appendText, HWND owner)
    : CPopupBox(std::move(layoutFile), kTemplate, owner), m_appendText(std::move(appendText))
{
}

void CVantixNameEntryPopup::BindItems()
{
    m_field = Items().Find<CEditItem>(ItemId::EDITCTRL_POPUP_NAMEENTRY, ItemKind::Edit);
    (void)BindHeading(m_appendText);
}

bool CVantixNameEntryPopup::OnInitDialog()
{
    (void)CPopupBox::OnInitDialog();
    if (m_field == nullptr)
        return true;
    m_field->SetLimit(kMaxNameLength);
    SetFocus(m_field->Handle());
    // The focus is set: the dialog manager must not move it.
    return false;
}

void CVantixNameEntryPopup::OnOK()
{
    m_name = m_field != nullptr ? m_field->Text() : std::wstring();
    if (m_name.size() > static_cast<size_t>(kMaxNameLength))
        m_name.resize(kMaxNameLength);
    CPopupBox::OnOK();
}
