#include "VantixApp/CPopupPresenter.h"

#include "VantixApp/CVantixWarningDlg.h"

INT_PTR CPopupPresenter::ShowWarning(HWND owner, const WarningRequest& request)
{
    CVantixWarningDlg popup(request, owner);
    return popup.RunModal();
}
