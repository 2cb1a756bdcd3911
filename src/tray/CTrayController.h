#pragma once

#include <optional>
#include <string>

#include "tray/COsdPlanner.h"
#include "tray/CProfileSwitcher.h"
#include "tray/CTrayTexts.h"
#include "tray/ITrayDevice.h"
#include "tray/MouseSnapshot.h"

namespace tray {

// What the companion does on each event, free of windows: read the mouse, let the switcher
// decide for the program in front, carry its decision out through the device, and tell the
// window what to display. The window calls it when the program in front changes, when the
// menu opens, when the user chooses a profile, and on its slow refresh timer.
class CTrayController
{
public:
    CTrayController(ITrayDevice& device, CTrayTexts texts);

    // Reads the mouse and follows the program in front (its full path; empty when unknown).
    // The display to show, if any.
    [[nodiscard]] std::optional<OsdMessage> Refresh(std::wstring_view foregroundPath);

    // The user chose the profile at `index` of the last read; false when it could not be made
    // active (the mouse went away, the profile is gone). The display goes to `shown`.
    bool ChooseProfile(int32_t index, std::optional<OsdMessage>& shown);

    // The displays as a whole; when off, changes are followed but nothing is shown.
    void SetDisplaysOn(bool on) noexcept { m_displaysOn = on; }
    [[nodiscard]] bool DisplaysOn() const noexcept { return m_displaysOn; }

    [[nodiscard]] const MouseSnapshot& Mouse() const noexcept { return m_mouse; }
    [[nodiscard]] const CTrayTexts& Texts() const noexcept { return m_texts; }

private:
    std::optional<OsdMessage> Observe();

    ITrayDevice& m_device;
    CTrayTexts m_texts;
    CProfileSwitcher m_switcher;
    COsdPlanner m_planner;
    MouseSnapshot m_mouse;
    std::wstring m_foregroundPath;
    bool m_displaysOn = true;
};

}  // namespace tray
