#pragma once

#include "VantixApp/CPopupBox.h"
#include "VantixApp/IPopupPresenter.h"

// A message with OK and, where its layout has one, Cancel. Its heading (TEXT_WARNDLG_HEADING)
// can carry a name appended to the layout's text, or be replaced by a language key; with both,
// only the replacement shows.
class CVantixWarningDlg : public CPopupBox
{
public:
    static constexpr int kTemplate = 129;

    CVantixWarningDlg(const WarningRequest& request, HWND owner);

protected:
    void BindItems() override;

private:
    std::wstring m_appendText;
    std::wstring m_replacementKey;
};
