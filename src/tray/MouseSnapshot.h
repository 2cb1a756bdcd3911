#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Guid.h"

namespace tray {

// What the companion needs of one stored profile.
struct TrayProfile
{
    Guid id;
    std::wstring name;
    std::wstring programPath;
    bool autoSwitch = false;
    bool dpiOsd = false;
    bool profileOsd = false;
    int32_t resolution = 0;
};

// The mouse as one read of the device service found it: its profiles in the service's order
// and the active one. `present` is false when no mouse answered; the rest is then empty.
struct MouseSnapshot
{
    bool present = false;
    std::vector<TrayProfile> profiles;
    Guid active;

    [[nodiscard]] const TrayProfile* Find(const Guid& id) const noexcept;
    [[nodiscard]] const TrayProfile* Active() const noexcept { return Find(active); }
};

}  // namespace tray
