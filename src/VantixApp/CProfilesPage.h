#pragma once

#include <memory>

#include "VantixApp/CPageBase.h"

// The profiles page and the profile selector of the main page.
//
// The page receives its commands and notifications but does not act on them yet: nothing is
// changed in the configuration and nothing is marked in the dirty mask.
class CProfilesPage : public CPageBase
{
public:
    explicit CProfilesPage(IPageHost& host);
    [[nodiscard]] static std::unique_ptr<IVantixPage> Make(IPageHost& host);

    void OnItemCommand(int32_t identifier) override;
    void OnNotification(const PageNotification& notification) override;
    void Refresh() override;
};
