#include "VantixApp/CVantixWarningDlg.h"

#include "skin/win/CTextItem.h"

CVantixWarningDlg::CVantixWarningDlg(const WarningRequest& request, HWND owner)
    : CPopupBox(request.layoutFile, kTemplate, owner), m_appendText(request.appendText),
      m_replacementKey(request.replacementKey)
{
}

void CVantixWarningDlg::BindItems()
{
    CTextItem* heading = BindHeading(m_appendText);
    if (heading != nullptr && !m_replacementKey.empty())
        heading->SetText(m_replacementKey);
}
