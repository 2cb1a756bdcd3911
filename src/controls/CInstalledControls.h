#pragma once

#include "controls/CListPanelPopup.h"

class CSkinEnvironment;

// The custom controls made available to the skin for as long as the object lives: the pop-up
// list that drop-downs and list panel items open, and the makers of the layout elements whose
// items are controls (the table in CInstalledControls.cpp). The program holds one while its
// windows exist; going, it takes both out of the skin again.
class CInstalledControls
{
public:
    explicit CInstalledControls(CSkinEnvironment& skin);
    CInstalledControls(const CInstalledControls&) = delete;
    CInstalledControls& operator=(const CInstalledControls&) = delete;
    ~CInstalledControls();

private:
    CSkinEnvironment& m_skin;
    CListPanelPopup m_listPopup;
};
