#include "controls/CListPanelPopup.h"

#include "controls/CListPanel.h"

int CListPanelPopup::Show(const ListPopupRequest& request)
{
    CListPanel panel(request);
    return panel.Open();
}
