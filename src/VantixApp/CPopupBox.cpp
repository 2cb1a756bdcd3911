#include "VantixApp/CPopupBox.h"

#include "skin/win/CTextItem.h"
#include "vocabulary/ItemIds.h"

CPopupBox::CPopupBox(std::wstring layoutFile, int templateId, HWND owner)
    : CGUIPanel(std::move(layoutFile), templateId, owner)
{
}

bool CPopupBox::OnInitDialog()
{
    const bool result = CGUIPanel::OnInitDialog();
    if (PreventingProblem()) {
        EndModal(kNotMade);
        return result;
    }
    BindItems();
    CenterOver(OwnerWindow());
    return result;
}

CTextItem* CPopupBox::BindHeading(const std::wstring& appendText)
{
    m_heading = Items().Find<CTextItem>(ItemId::TEXT_WARNDLG_HEADING, ItemKind::TextItem);
    if (m_heading != nullptr && !appendText.empty())
        m_heading->SetText(m_heading->Text() + appendText);
    return m_heading;
}

void CPopupBox::OnCommand(HWND control, WORD notification, WORD identifier)
{
    const CGUIItem* item = control != nullptr ? Items().FindByWindow(control) : nullptr;
    if (item == nullptr) {
        CGUIPanel::OnCommand(control, notification, identifier);
        return;
    }
    switch (item->Identifier()) {
    case ItemId::BUTTON_POPUP_OK: OnOkButton(); break;
    case ItemId::BUTTON_POPUP_CANCEL: OnCancelButton(); break;
    default: OnItemCommand(item->Identifier()); break;
    }
}
