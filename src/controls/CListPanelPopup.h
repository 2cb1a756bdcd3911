#pragma once

#include "skin/win/IListPopup.h"

// The pop-up list the skin's drop-downs and list panel items open: each request runs one
// CListPanel modally. The program installs one for the whole run:
//     static CListPanelPopup listPopup;
//     CSkinEnvironment::Instance().SetListPopup(&listPopup);
class CListPanelPopup : public IListPopup
{
public:
    [[nodiscard]] int Show(const ListPopupRequest& request) override;
};
