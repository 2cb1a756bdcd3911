#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tray/CTrayTexts.h"
#include "tray/MouseSnapshot.h"

namespace tray {

// The commands of the notification icon's menu. Profile entries carry kFirstProfile plus the
// profile's index in the snapshot the menu was built from.
namespace TrayCommand {
inline constexpr uint32_t kOpenConfigurator = 1;
inline constexpr uint32_t kToggleDisplays = 2;
inline constexpr uint32_t kExit = 3;
inline constexpr uint32_t kFirstProfile = 100;
inline constexpr uint32_t kProfileLimit = 10;
}  // namespace TrayCommand

struct TrayMenuEntry
{
    uint32_t command = 0;  // 0: a separator or an entry that cannot be chosen
    std::wstring text;
    bool checked = false;
    bool enabled = true;
    bool separator = false;
    bool isDefault = false;  // what a double click on the icon does
};

// The menu: open the configurator; the mouse's profiles with the active one checked (or a
// disabled line saying no mouse is connected); the on-screen displays switch; exit.
[[nodiscard]] std::vector<TrayMenuEntry> BuildTrayMenu(const MouseSnapshot& mouse, const CTrayTexts& texts,
                                                       bool displaysOn);

// The profile index a command stands for; -1 for other commands.
[[nodiscard]] int32_t ProfileIndexOf(uint32_t command) noexcept;

// The notification icon's tool tip: the product and the active profile.
[[nodiscard]] std::wstring TrayToolTip(const MouseSnapshot& mouse, const CTrayTexts& texts);

}  // namespace tray
