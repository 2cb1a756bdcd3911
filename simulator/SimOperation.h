#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// Every operation of the simulated service by "Interface.Operation" name, the unit in which
// faults are injected and calls are counted.
namespace sim {

enum class SimOperation
{
    ServiceGetDevice,
    DeviceGetInfo,
    DeviceGetFeature,
    ProfilesGetItem,
    ProfilesFindById,
    ProfilesSetActive,
    ProfilesGetActive,
    ProfilesCreate,
    ProfilesRemove,
    ProfilesImport,
    ProfileGetFeature,
    ProfileGetId,
    ProfileGetName,
    ProfileSetName,
    ProfileExport,
    ResolutionGet,
    ResolutionSet,
    SensitivityGet,
    SensitivitySet,
    ButtonMapGet,
    ButtonMapSet,
    ButtonMapGetCaps,
    ButtonMapAltSet,
    PollingRateGet,
    PollingRateSet,
    PollingRateGetSupported,
    AccelerationEnable,
    AccelerationDisable,
    AccelerationIsEnabled,
    AccelerationSetLevel,
    AccelerationGetLevel,
    LightsGetItem,
    LightTurnOn,
    LightTurnOff,
    LightGetState,
    LightGetType,
    ValuesGetValue,
    ValuesSetValue,
    MacrosGetItem,
    MacrosFindById,
    MacrosCreate,
    MacrosRemove,
    MacrosImport,
    MacroGetId,
    MacroGetName,
    MacroSetName,
    MacroExport,
    MacroGetEvents,
    MacroSetEvents,
    ZonesGetItem,
    ZonesAdd,
    ZonesRemove,
    ZoneSetRange,
    ZoneGetRange,
    ZoneColorSet,
    ZoneColorGet,
    Count
};

inline constexpr size_t kOperationCount = static_cast<size_t>(SimOperation::Count);

// "IDeviceProfiles.Create" and the like.
[[nodiscard]] std::string_view OperationName(SimOperation operation) noexcept;
// Matched exactly (names are identifiers); nullopt for an unknown name.
[[nodiscard]] std::optional<SimOperation> FindOperation(std::string_view name) noexcept;

}  // namespace sim
