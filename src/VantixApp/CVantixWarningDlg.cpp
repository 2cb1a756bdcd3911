#include "VantixApp/CVantixWarningDlg.h"

#include "skin/win/CTextItem.h"
#include "vocabulary/ItemIds.h"

CVantixWarningDlg::CVantixWarningDlg(const WarningRequest& request, HWND owner)
    : CPopupBox(request.layoutFile, kTemplate, owner),
      m_appendText(request.appendText),
      m_replacementKey(request.replacementKey)
{
}

void CVantixWarningDlg::BindItems()
{
    m_heading = Items().Find<CTextItem>(ItemId::TEXT_WARNDLG_HEADING, ItemKind::TextItem);
    if (m_heading == nullptr)
        return;
    if (!m_appendText.empty())
        m_heading->SetText(m_heading->Text() + m_appendText);
    if (!m_replacementKey.empty())
        m_heading->SetText(m_replacementKey);
}
