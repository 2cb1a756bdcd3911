#include "VantixApp/CPopupBox.h"

#include "vocabulary/ItemIds.h"

CPopupBox::CPopupBox(std::wstring layoutFile, int templateId, HWND owner)
    : CGUIPanel(std::move(layoutFile), templateId, owner)
{
}

bool CPopupBox::OnInitDialog()
{
    const bool result = CGUIPanel::OnInitDialog();
    if (PreventingProblem())
    {
        EndModal(kNotMade);
        return result;
    }
    BindItems();
    CenterOver(OwnerWindow());
    return result;
}

void CPopupBox::OnCommand(HWND control, WORD notification, WORD identifier)
{
    const CGUIItem* item = control != nullptr ? Items().FindByWindow(control) : nullptr;
    if (item == nullptr)
    {
        CGUIPanel::OnCommand(control, notification, identifier);
        return;
    }
    switch (item->Identifier())
    {
    case ItemId::BUTTON_POPUP_OK: OnOK(); break;
    case ItemId::BUTTON_POPUP_CANCEL: OnCancel(); break;
    default: OnItemCommand(item->Identifier()); break;
    }
}
