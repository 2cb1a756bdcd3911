#pragma once

#include "skin/win/IListPopup.h"

// The pop-up list the skin's drop-downs and list panel items open: each request runs one
// CListPanel modally. CInstalledControls installs one while the program's windows exist.
class CListPanelPopup : public IListPopup
{
public:
    [[nodiscard]] int Show(const ListPopupRequest& request) override;
};
