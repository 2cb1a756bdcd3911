#include "VantixApp/CPopupPresenter.h"

#include "VantixApp/CDPIStagesPopup.h"
#include "VantixApp/CPopupBoxSingleKeyEntry.h"
#include "VantixApp/CPredefinedMacroPopup.h"
#include "VantixApp/CPreviewPopup.h"
#include "VantixApp/CVantixNameEntryPopup.h"
#include "VantixApp/CVantixWarningDlg.h"

INT_PTR CPopupPresenter::ShowWarning(HWND owner, const WarningRequest& request)
{
    CVantixWarningDlg popup(request, owner);
    return popup.RunModal();
}

INT_PTR CPopupPresenter::ShowNameEntry(HWND owner, const std::wstring& layoutFile, const std::wstring& appendText,
                                       std::wstring& name)
{
    CVantixNameEntryPopup popup(layoutFile, appendText, owner);
    const INT_PTR result = popup.RunModal();
    if (result == CPopupBox::kResultOk)
        name = popup.Name();
    return result;
}

INT_PTR CPopupPresenter::ShowSingleKey(HWND owner, KeyStroke& key)
{
    CPopupBoxSingleKeyEntry popup(kSingleKeyPopup, key, owner);
    const INT_PTR result = popup.RunModal();
    key = popup.Key();
    return result;
}

INT_PTR CPopupPresenter::ShowDpiStages(HWND owner, CDpiStageList& stages)
{
    CDpiStageList edited = stages;
    CDPIStagesPopup popup(kDpiStagesPopup, edited, owner);
    const INT_PTR result = popup.RunModal();
    if (result == CPopupBox::kResultOk)
        stages = edited;
    return result;
}

INT_PTR CPopupPresenter::ShowPredefinedCommand(HWND owner, std::wstring& command)
{
    CPredefinedMacroPopup popup(kPredefinedCommandPopup, owner);
    const INT_PTR result = popup.RunModal();
    if (result == CPopupBox::kResultOk)
        command = popup.Command();
    return result;
}

INT_PTR CPopupPresenter::ShowPreview(HWND owner, IMouseProfile& profile, IMouseConfig& config)
{
    CPreviewPopup popup(kPreviewPopup, profile, config, owner);
    return popup.RunModal();
}
