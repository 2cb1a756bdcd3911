#pragma once

#include "VantixApp/IPopupPresenter.h"

// Shows each pop-up modally over its owner and returns when it is closed.
class CPopupPresenter : public IPopupPresenter
{
public:
    INT_PTR ShowWarning(HWND owner, const WarningRequest& request) override;
};
