#pragma once

#include <string>

#include "device/CMouse.h"
#include "device/ServiceFactory.h"
#include "tray/ITrayDevice.h"

namespace tray {

// The mouse through the device layer the configurator uses: every read starts a fresh
// configuration, lets CMouse load the stored profiles into it and read their programs, switches
// and resolutions, and copies out what the companion needs; activation is CMouse's. Nothing is
// kept open between calls.
class CTrayDevice : public ITrayDevice
{
public:
    CTrayDevice(ServiceFactory factory, std::wstring programDirectory);

    [[nodiscard]] MouseSnapshot Read() override;
    [[nodiscard]] bool Activate(const Guid& profile) override;

private:
    CMouse m_mouse;
    std::wstring m_programDirectory;
};

}  // namespace tray
