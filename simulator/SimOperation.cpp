#include "SimOperation.h"

#include <array>

namespace sim {
namespace {

struct OperationEntry
{
    SimOperation operation;
    std::string_view name;
};

constexpr std::array<OperationEntry, kOperationCount> kOperations = {{
    {SimOperation::ServiceGetDevice, "IMouseService.GetDevice"},
    {SimOperation::DeviceGetInfo, "IServiceDevice.GetInfo"},
    {SimOperation::DeviceGetFeature, "IServiceDevice.GetFeature"},
    {SimOperation::ProfilesGetItem, "IDeviceProfiles.GetItem"},
    {SimOperation::ProfilesFindById, "IDeviceProfiles.FindById"},
    {SimOperation::ProfilesSetActive, "IDeviceProfiles.SetActive"},
    {SimOperation::ProfilesGetActive, "IDeviceProfiles.GetActive"},
    {SimOperation::ProfilesCreate, "IDeviceProfiles.Create"},
    {SimOperation::ProfilesRemove, "IDeviceProfiles.Remove"},
    {SimOperation::ProfilesImport, "IDeviceProfiles.Import"},
    {SimOperation::ProfileGetFeature, "IDeviceProfile.GetFeature"},
    {SimOperation::ProfileGetId, "IDeviceProfile.GetId"},
    {SimOperation::ProfileGetName, "IDeviceProfile.GetName"},
    {SimOperation::ProfileSetName, "IDeviceProfile.SetName"},
    {SimOperation::ProfileExport, "IDeviceProfile.Export"},
    {SimOperation::ResolutionGet, "IResolution.Get"},
    {SimOperation::ResolutionSet, "IResolution.Set"},
    {SimOperation::SensitivityGet, "ISensitivity.Get"},
    {SimOperation::SensitivitySet, "ISensitivity.Set"},
    {SimOperation::ButtonMapGet, "IButtonMap.Get"},
    {SimOperation::ButtonMapSet, "IButtonMap.Set"},
    {SimOperation::ButtonMapGetCaps, "IButtonMap.GetCaps"},
    {SimOperation::ButtonMapAltSet, "IButtonMapAlt.Set"},
    {SimOperation::PollingRateGet, "IPollingRate.Get"},
    {SimOperation::PollingRateSet, "IPollingRate.Set"},
    {SimOperation::PollingRateGetSupported, "IPollingRate.GetSupported"},
    {SimOperation::AccelerationEnable, "IAcceleration.Enable"},
    {SimOperation::AccelerationDisable, "IAcceleration.Disable"},
    {SimOperation::AccelerationIsEnabled, "IAcceleration.IsEnabled"},
    {SimOperation::AccelerationSetLevel, "IAcceleration.SetLevel"},
    {SimOperation::AccelerationGetLevel, "IAcceleration.GetLevel"},
    {SimOperation::LightsGetItem, "ILights.GetItem"},
    {SimOperation::LightTurnOn, "ILight.TurnOn"},
    {SimOperation::LightTurnOff, "ILight.TurnOff"},
    {SimOperation::LightGetState, "ILight.GetState"},
    {SimOperation::LightGetType, "ILight.GetType"},
    {SimOperation::ValuesGetValue, "IProfileValues.GetValue"},
    {SimOperation::ValuesSetValue, "IProfileValues.SetValue"},
    {SimOperation::MacrosGetItem, "IDeviceMacros.GetItem"},
    {SimOperation::MacrosFindById, "IDeviceMacros.FindById"},
    {SimOperation::MacrosCreate, "IDeviceMacros.Create"},
    {SimOperation::MacrosRemove, "IDeviceMacros.Remove"},
    {SimOperation::MacrosImport, "IDeviceMacros.Import"},
    {SimOperation::MacroGetId, "IDeviceMacro.GetId"},
    {SimOperation::MacroGetName, "IDeviceMacro.GetName"},
    {SimOperation::MacroSetName, "IDeviceMacro.SetName"},
    {SimOperation::MacroExport, "IDeviceMacro.Export"},
    {SimOperation::MacroGetEvents, "IDeviceMacro.GetEvents"},
    {SimOperation::MacroSetEvents, "IDeviceMacro.SetEvents"},
    {SimOperation::ZonesGetItem, "IZoneCollection.GetItem"},
    {SimOperation::ZonesAdd, "IZoneCollection.Add"},
    {SimOperation::ZonesRemove, "IZoneCollection.Remove"},
    {SimOperation::ZoneSetRange, "IZone.SetRange"},
    {SimOperation::ZoneGetRange, "IZone.GetRange"},
    {SimOperation::ZoneColorSet, "IZoneColor.Set"},
    {SimOperation::ZoneColorGet, "IZoneColor.Get"},
}};

// The table is indexed by the enumeration; a misplaced row would name the wrong operation.
constexpr bool TableFollowsEnumeration()
{
    for (size_t i = 0; i < kOperations.size(); ++i) {
        if (static_cast<size_t>(kOperations[i].operation) != i)
            return false;
    }
    return true;
}
static_assert(TableFollowsEnumeration());

}  // namespace

std::string_view OperationName(SimOperation operation) noexcept
{
    const auto index = static_cast<size_t>(operation);
    return index < kOperations.size() ? kOperations[index].name : std::string_view();
}

std::optional<SimOperation> FindOperation(std::string_view name) noexcept
{
    for (const OperationEntry& entry : kOperations) {
        if (entry.name == name)
            return entry.operation;
    }
    return std::nullopt;
}

}  // namespace sim
