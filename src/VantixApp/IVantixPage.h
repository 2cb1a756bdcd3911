#pragma once

#include <cstdint>

#include "VantixApp/PageNotification.h"

// The behaviour of one page of the main window. The window dispatches the commands of the
// page's items by identifier, routes the private notifications the page listens to, and tells
// the page when it is shown.
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

    // The page has just become the shown one.
    virtual void OnShown() {}
    // One of the page's show commands (its tab) was pressed, after the page was shown; also
    // when it was shown already.
    virtual void OnShowCommand() {}
    // The mouse's settings were read at start-up and every page refreshed.
    virtual void OnMouseRead() {}
    // While a page records input, the main window ignores every command but the one that stops
    // the recording.
    [[nodiscard]] virtual bool IsRecording() const { return false; }
};
