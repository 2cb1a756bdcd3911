#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/Guid.h"
#include "tray/CTrayTexts.h"
#include "tray/MouseSnapshot.h"

namespace tray {

// One on-screen display: a small heading over a large text, and an optional line below.
struct OsdMessage
{
    std::wstring heading;
    std::wstring text;
    std::wstring detail;

    friend bool operator==(const OsdMessage&, const OsdMessage&) = default;
};

// Decides what the on-screen display shows, by comparing each read of the mouse with the one
// before. A change of the active profile shows its name when its profile display switch is on;
// a change of the resolution in use (within a profile, or by changing to a profile of another
// resolution) shows the resolution when the new profile's resolution display switch is on; both
// at once make one display, the resolution on its second line. The first read after start-up or
// after the mouse came back shows nothing: nothing changed that the user did not already see.
class COsdPlanner
{
public:
    // How long a display stays. A newer display replaces a shown one and starts its time anew.
    static constexpr std::chrono::milliseconds kShowTime{1500};

    [[nodiscard]] std::optional<OsdMessage> Observe(const MouseSnapshot& mouse, const CTrayTexts& texts);

    // "1800 DPI".
    [[nodiscard]] static std::wstring ResolutionText(int32_t resolution);

private:
    bool m_seen = false;
    Guid m_active;
    int32_t m_resolution = 0;
};

}  // namespace tray
