#pragma once

#include <memory>

#include "VantixApp/CPageBase.h"

// The assign-buttons page (top view and thumb-grid view): what each button and thumb key does.
//
// The page receives its commands and notifications but does not act on them yet: nothing is
// changed in the configuration and nothing is marked in the dirty mask.
class CAssignPage : public CPageBase
{
public:
    explicit CAssignPage(IPageHost& host);
    [[nodiscard]] static std::unique_ptr<IVantixPage> Make(IPageHost& host);

    void OnItemCommand(int32_t identifier) override;
    void OnNotification(const PageNotification& notification) override;
    void Refresh() override;
};
