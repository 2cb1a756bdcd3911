#pragma once

#include "device/service/ComPtr.h"
#include "device/service/MouseService.h"

class IMouseConfig;
class IMouseProfile;

// The per-step encodings of a transfer that need nothing but a service object and the
// configuration: profile steps act on a stored profile's features, device steps on the
// device's. Each step fails when the service lacks its feature.
namespace DeviceSteps {

template <typename Feature, typename Owner>
[[nodiscard]] svc::ComPtr<Feature> GetFeature(Owner* owner, const Guid& iid)
{
    svc::ComPtr<Feature> feature;
    if (owner == nullptr || svc::Failed(owner->GetFeature(iid, feature.PutVoid())))
        feature.Reset();
    return feature;
}

// Resolution as read at start-up: the Y value; then the sensitivity range that follows it
// (only when the stored profile offers sensitivity).
bool ReadStartupResolution(svc::IDeviceProfile* stored, IMouseConfig& config, IMouseProfile* profile);
bool SetSensitivityRange(svc::IDeviceProfile* stored, IMouseConfig& config, IMouseProfile* profile);

bool WriteResolution(svc::IDeviceProfile* stored, IMouseConfig& config, IMouseProfile* profile);
bool ReadResolution(svc::IDeviceProfile* stored, IMouseConfig& config, IMouseProfile* profile);
bool WriteSensitivity(svc::IDeviceProfile* stored, IMouseConfig& config, IMouseProfile* profile);
bool ReadSensitivity(svc::IDeviceProfile* stored, IMouseConfig& config, IMouseProfile* profile);
bool WriteLights(svc::IDeviceProfile* stored, IMouseConfig& config, IMouseProfile* profile);
bool ReadLights(svc::IDeviceProfile* stored, IMouseConfig& config, IMouseProfile* profile);
bool WriteProfileValues(svc::IDeviceProfile* stored, IMouseProfile& profile);
bool ReadProfileValues(svc::IDeviceProfile* stored, IMouseProfile& profile);

bool WriteAcceleration(svc::IServiceDevice* device, IMouseConfig& config);
bool ReadAcceleration(svc::IServiceDevice* device, IMouseConfig& config);
bool WritePollingRate(svc::IServiceDevice* device, IMouseConfig& config);
bool ReadPollingRate(svc::IServiceDevice* device, IMouseConfig& config);
bool WriteZones(svc::IServiceDevice* device, IMouseConfig& config);
bool ReadZones(svc::IServiceDevice* device, IMouseConfig& config);

// A name the service returned, freed; nullopt when the call failed or gave nothing.
[[nodiscard]] bool TakeName(svc::HRESULT result, svc::TaskMemPtr<char16_t>& name, std::wstring& text);

}  // namespace DeviceSteps
