#include "VantixApp/CPopupBoxSingleKeyEntry.h"

#include "controls/CEditItemSingleKeyInput.h"
#include "vocabulary/ItemIds.h"

CPopupBoxSingleKeyEntry::CPopupBoxSingleKeyEntry(std::wstring layoutFile, const KeyStroke& key, HWND owner)
    : CPopupBox(std::move(layoutFile), kTemplate, owner), m_key(key)
{
}

void CPopupBoxSingleKeyEntry::BindItems()
{
    m_field = Items().Find<CEditItemSingleKeyInput>(ItemId::EDITCTRL_POPUP_SINGLEKEYENTRY, ItemKind::SingleKeyEdit);
    if (m_field != nullptr)
        m_field->SetText(m_key.name);
}

bool CPopupBoxSingleKeyEntry::OnInitDialog()
{
    (void)CPopupBox::OnInitDialog();
    if (m_field == nullptr)
        return true;
    SetFocus(m_field->Handle());
    return false;
}

void CPopupBoxSingleKeyEntry::OnOkButton()
{
    if (m_field != nullptr && !m_field->Key().name.empty()) {
        const KeyStroke& pressed = m_field->Key();
        m_key.scanCode = pressed.scanCode;
        m_key.virtualKey = pressed.virtualKey;
        m_key.flags = pressed.flags;
        m_key.name = m_field->Text();
    }
    EndModal(kResultOk);
}

void CPopupBoxSingleKeyEntry::OnCancelButton()
{
    m_key.name.clear();
    EndModal(kResultCancel);
}
