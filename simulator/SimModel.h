#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "SimLimits.h"
#include "device/service/MouseService.h"
#include "platform/Guid.h"

// What a simulated device stores: its settings, profiles, macros and colour zones. Plain
// values, copied whole when a change is prepared, so a change that cannot be stored is dropped
// without a trace.
namespace sim {

struct StoredProfile
{
    Guid id;
    std::u16string name;
    uint32_t resolutionX = 800;
    uint32_t resolutionY = 800;
    uint32_t sensitivityX = 1000;  // per-mille
    uint32_t sensitivityY = 1000;
    std::array<bool, kLightTypes.size()> lightsOn = {true, true};  // by position in kLightTypes
    std::optional<std::u16string> applicationPath;                 // none until one is written
    uint16_t switches = 0;                                          // bits of kSwitchBits
    std::map<uint32_t, svc::ButtonRecord> buttons;                  // by device button index
};

struct StoredMacro
{
    Guid id;
    std::u16string name;
    std::vector<svc::MacroEventEntry> events;
};

struct StoredZone
{
    uint64_t serial = 0;  // identity while the store is loaded; not written
    uint32_t low = 0;
    uint32_t high = 0;
    uint32_t colour = 0;
};

struct DeviceModel
{
    uint32_t productId = kMouseProductId;
    uint32_t reportInterval = 8;  // milliseconds
    bool accelerationEnabled = false;
    int32_t accelerationLevel = 5;
    std::vector<StoredProfile> profiles;
    std::optional<Guid> activeProfile;
    std::vector<StoredMacro> macros;
    std::vector<StoredZone> zones;
    uint64_t nextZoneSerial = 1;

    [[nodiscard]] StoredProfile* FindProfile(const Guid& id) noexcept;
    [[nodiscard]] const StoredProfile* FindProfile(const Guid& id) const noexcept;
    [[nodiscard]] StoredMacro* FindMacro(const Guid& id) noexcept;
    [[nodiscard]] const StoredMacro* FindMacro(const Guid& id) const noexcept;
    [[nodiscard]] StoredZone* FindZone(uint64_t serial) noexcept;
    [[nodiscard]] const StoredZone* FindZone(uint64_t serial) const noexcept;
    // A random version-4 id that no stored profile or macro has.
    [[nodiscard]] Guid NewId() const;
    StoredZone& AddZone(uint32_t low, uint32_t high, uint32_t colour);
};

// A first run's store: one active profile "Default", and for product 25 two colour zones.
[[nodiscard]] DeviceModel MakeFreshModel(uint32_t productId);
// A profile as Create makes it: the factory settings under a fresh id.
[[nodiscard]] StoredProfile MakeNewProfile(const Guid& id, std::u16string name);

// The checks every way into the store applies (interface calls and files alike).
[[nodiscard]] bool IsValidResolution(uint32_t value) noexcept;
[[nodiscard]] bool IsValidSensitivity(uint32_t value) noexcept;
[[nodiscard]] bool IsValidReportInterval(uint32_t milliseconds) noexcept;
[[nodiscard]] bool IsValidAccelerationLevel(int32_t level) noexcept;
[[nodiscard]] bool IsValidName(std::u16string_view name) noexcept;
[[nodiscard]] bool IsValidApplicationPath(std::u16string_view path) noexcept;
[[nodiscard]] bool IsAssignableButton(uint32_t deviceIndex) noexcept;
[[nodiscard]] bool IsValidEvent(const svc::MacroEventEntry& event) noexcept;
[[nodiscard]] bool IsValidZone(uint32_t low, uint32_t high, uint32_t colour) noexcept;

}  // namespace sim
