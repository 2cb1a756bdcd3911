#pragma once

#include <cstdint>

#include "VantixApp/PageMessages.h"

// The behaviour of one page of the main window. The window dispatches the commands of the
// page's items by identifier and routes the private notifications the page listens to.
class IVantixPage
{
public:
    virtual ~IVantixPage() = default;

    [[nodiscard]] virtual bool HandlesCommand(int32_t identifier) const = 0;
    virtual void OnItemCommand(int32_t identifier) = 0;
    [[nodiscard]] virtual bool HandlesNotification(UINT message) const = 0;
    virtual void OnNotification(const PageNotification& notification) = 0;
    // Shows the active profile's settings again (after start-up, a profile switch, a reset).
    virtual void Refresh() = 0;
};
