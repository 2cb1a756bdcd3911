#pragma once

#include "platform/Guid.h"
#include "tray/MouseSnapshot.h"

namespace tray {

// The companion's view of the mouse: one read of its profiles, and making one active. Each
// call connects to the device service and lets it go before returning.
class ITrayDevice
{
public:
    [[nodiscard]] virtual MouseSnapshot Read() = 0;
    [[nodiscard]] virtual bool Activate(const Guid& profile) = 0;
    virtual ~ITrayDevice() = default;
};

}  // namespace tray
