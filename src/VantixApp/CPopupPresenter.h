#pragma once

#include "VantixApp/IPopupPresenter.h"

// Shows each pop-up modally over its owner and returns when it is closed.
class CPopupPresenter : public IPopupPresenter
{
public:
    static constexpr wchar_t kSingleKeyPopup[] = L"SingleKeyPopup.xml";
    static constexpr wchar_t kDpiStagesPopup[] = L"DPIStagesPopup.xml";
    static constexpr wchar_t kPredefinedCommandPopup[] = L"AdvancedMacroPopup.xml";
    static constexpr wchar_t kPreviewPopup[] = L"PreviewPopup.xml";

    INT_PTR ShowWarning(HWND owner, const WarningRequest& request) override;
    INT_PTR ShowNameEntry(HWND owner, const std::wstring& layoutFile, const std::wstring& appendText,
                          std::wstring& name) override;
    INT_PTR ShowSingleKey(HWND owner, KeyStroke& key) override;
    INT_PTR ShowDpiStages(HWND owner, CDpiStageList& stages) override;
    INT_PTR ShowPredefinedCommand(HWND owner, std::wstring& command) override;
    INT_PTR ShowPreview(HWND owner, IMouseProfile& profile, IMouseConfig& config) override;
};
