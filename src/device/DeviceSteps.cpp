#include "device/DeviceSteps.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "config/IMouseConfig.h"
#include "config/IMouseProfile.h"
#include "device/DeviceTranslation.h"
#include "platform/DebugTrace.h"
#include "platform/Utf16.h"

namespace DeviceSteps {
namespace {

constexpr size_t kPathChars = 128;
constexpr uint32_t kPathBytes = kPathChars * 2;

// The three profile switches, stored in the switches value as bits 1, 2 and 4.
struct SwitchBit
{
    uint16_t mask;
    bool (IMouseProfile::*get)() const;
    void (IMouseProfile::*set)(bool);
};
constexpr SwitchBit kSwitches[] = {
    {0x1, &IMouseProfile::GetAutoSwitch, &IMouseProfile::SetAutoSwitch},
    {0x2, &IMouseProfile::GetDpiOsd, &IMouseProfile::SetDpiOsd},
    {0x4, &IMouseProfile::GetProfileOsd, &IMouseProfile::SetProfileOsd},
};

struct LightSlot
{
    uint32_t type;
    bool (IMouseConfig::*get)(IMouseProfile*);
    void (IMouseConfig::*set)(bool, IMouseProfile*);
};
// Light 1 is the glow light, light 4 the second switch.
constexpr LightSlot kLights[] = {
    {svc::kLightType1, &IMouseConfig::GetGlowLight, &IMouseConfig::SetGlowLight},
    {svc::kLightType4, &IMouseConfig::GetAuxLight, &IMouseConfig::SetAuxLight},
};

const LightSlot* LightOfType(uint32_t type) noexcept
{
    const auto found = std::find_if(std::begin(kLights), std::end(kLights), [&](const LightSlot& s) { return s.type == type; });
    return found == std::end(kLights) ? nullptr : found;
}

bool ReadSwitch(svc::IProfileValues* values, uint16_t& bits)
{
    uint32_t size = sizeof(bits);
    return svc::Succeeded(values->GetValue(svc::kValueSwitches, 0, &bits, 0, &size)) && size != 0;
}

}  // namespace

bool TakeName(svc::HRESULT result, svc::TaskMemPtr<char16_t>& name, std::wstring& text)
{
    if (svc::Failed(result) || !name)
        return false;
    text = platform::FromUtf16(std::u16string_view(name.Get()));
    name.Reset();
    return true;
}

bool ReadStartupResolution(svc::IDeviceProfile* stored, IMouseConfig& config, IMouseProfile* profile)
{
    auto resolution = GetFeature<svc::IResolution>(stored, svc::kIidResolution);
    uint32_t x = 0;
    uint32_t y = 0;
    if (!resolution || svc::Failed(resolution->Get(&x, &y)))
        return false;
    config.SetResolution(static_cast<int32_t>(y), profile);
    return true;
}

bool SetSensitivityRange(svc::IDeviceProfile* stored, IMouseConfig& config, IMouseProfile* profile)
{
    if (!GetFeature<svc::ISensitivity>(stored, svc::kIidSensitivity))
        return false;
    const auto range = DeviceTranslation::SensitivityRangeFor(config.GetResolution(profile));
    config.SetSensitivityRange(range.min, range.max, range.step, profile);
    return true;
}

bool WriteResolution(svc::IDeviceProfile* stored, IMouseConfig& config, IMouseProfile* profile)
{
    auto resolution = GetFeature<svc::IResolution>(stored, svc::kIidResolution);
    const auto value = static_cast<uint32_t>(config.GetResolution(profile));
    return resolution && svc::Succeeded(resolution->Set(value, value));
}

bool ReadResolution(svc::IDeviceProfile* stored, IMouseConfig& config, IMouseProfile* profile)
{
    auto resolution = GetFeature<svc::IResolution>(stored, svc::kIidResolution);
    uint32_t x = 0;
    uint32_t y = 0;
    if (!resolution || svc::Failed(resolution->Get(&x, &y)))
        return false;
    config.SetResolution(static_cast<int32_t>(std::min(x, y)), profile);
    return true;
}

bool WriteSensitivity(svc::IDeviceProfile* stored, IMouseConfig& config, IMouseProfile* profile)
{
    auto sensitivity = GetFeature<svc::ISensitivity>(stored, svc::kIidSensitivity);
    if (!sensitivity)
        return false;
    const int32_t resolution = config.GetResolution(profile);
    uint32_t x = 0;
    uint32_t y = 0;
    if (config.GetSensitivitySeparateXY(profile)) {
        x = DeviceTranslation::SensitivityToPerMille(config.GetSensitivityX(profile), resolution);
        y = DeviceTranslation::SensitivityToPerMille(config.GetSensitivityY(profile), resolution);
    } else {
        x = y = DeviceTranslation::SensitivityToPerMille(config.GetSensitivity(profile), resolution);
    }
    return svc::Succeeded(sensitivity->Set(x, y));
}

bool ReadSensitivity(svc::IDeviceProfile* stored, IMouseConfig& config, IMouseProfile* profile)
{
    auto sensitivity = GetFeature<svc::ISensitivity>(stored, svc::kIidSensitivity);
    uint32_t perMilleX = 0;
    uint32_t perMilleY = 0;
    if (!sensitivity || svc::Failed(sensitivity->Get(&perMilleX, &perMilleY)))
        return false;
    const int32_t resolution = config.GetResolution(profile);
    const int32_t x =
        DeviceTranslation::SensitivityOnStep(DeviceTranslation::SensitivityFromPerMille(perMilleX, resolution), resolution);
    const int32_t y =
        DeviceTranslation::SensitivityOnStep(DeviceTranslation::SensitivityFromPerMille(perMilleY, resolution), resolution);
    config.SetSensitivitySeparateXY(perMilleX != perMilleY, profile);
    config.SetSensitivityX(x, profile);
    config.SetSensitivityY(y, profile);
    config.SetSensitivity(std::min(x, y), profile);
    return true;
}

bool WriteLights(svc::IDeviceProfile* stored, IMouseConfig& config, IMouseProfile* profile)
{
    auto lights = GetFeature<svc::ILights>(stored, svc::kIidLights);
    if (!lights)
        return false;
    // Every light is written; a light the device refuses fails the step.
    bool result = true;
    svc::ComPtr<svc::ILight> light;
    for (uint32_t index = 0; svc::Succeeded(lights->GetItem(index, light.Put())); ++index) {
        uint32_t type = 0;
        if (svc::Failed(light->GetType(&type))) {
            result = false;
            continue;
        }
        const LightSlot* slot = LightOfType(type);
        if (slot == nullptr)
            continue;
        const svc::HRESULT written = (config.*slot->get)(profile) ? light->TurnOn() : light->TurnOff();
        result = svc::Succeeded(written) && result;
    }
    return result;
}

bool ReadLights(svc::IDeviceProfile* stored, IMouseConfig& config, IMouseProfile* profile)
{
    auto lights = GetFeature<svc::ILights>(stored, svc::kIidLights);
    if (!lights)
        return false;
    // A light that cannot be read keeps the value known before and fails the step.
    bool result = true;
    svc::ComPtr<svc::ILight> light;
    for (uint32_t index = 0; svc::Succeeded(lights->GetItem(index, light.Put())); ++index) {
        uint32_t type = 0;
        int32_t on = 0;
        if (svc::Failed(light->GetType(&type)) || svc::Failed(light->GetState(&on))) {
            result = false;
            continue;
        }
        if (const LightSlot* slot = LightOfType(type))
            (config.*slot->set)(on != 0, profile);
    }
    return result;
}

bool WriteProfileValues(svc::IDeviceProfile* stored, IMouseProfile& profile)
{
    stored->SetName(platform::ToUtf16(profile.GetName()).c_str());
    auto values = GetFeature<svc::IProfileValues>(stored, svc::kIidProfileValues);
    if (!values)
        return false;
    char16_t path[kPathChars];
    platform::WriteUtf16Buffer(profile.GetProgramPath(), path, kPathChars);
    if (svc::Failed(values->SetValue(svc::kValueApplicationPath, path, 0, kPathBytes, 0)))
        return false;
    for (const SwitchBit& bit : kSwitches) {
        const uint16_t record[2] = {bit.mask, static_cast<uint16_t>((profile.*bit.get)() ? 1 : 0)};
        if (svc::Failed(values->SetValue(svc::kValueSwitches, record, 0, sizeof(record), 0)))
            return false;
    }
    return true;
}

bool ReadProfileValues(svc::IDeviceProfile* stored, IMouseProfile& profile)
{
    svc::TaskMemPtr<char16_t> name;
    std::wstring text;
    Guid id;
    if (!TakeName(stored->GetName(name.Put()), name, text) || svc::Failed(stored->GetId(&id)))
        return false;
    profile.SetName(text);
    profile.SetGuid(id);

    auto values = GetFeature<svc::IProfileValues>(stored, svc::kIidProfileValues);
    if (!values)
        return false;
    char16_t path[kPathChars] = {};
    uint32_t size = kPathBytes;
    uint16_t bits = 0;
    // The auto-switch belongs to the program path and is read only with one.
    if (svc::Succeeded(values->GetValue(svc::kValueApplicationPath, 0, path, 0, &size)) && size != 0) {
        profile.SetProgramPath(platform::ReadUtf16Buffer(path, kPathChars));
        if (ReadSwitch(values.Get(), bits))
            profile.SetAutoSwitch((bits & kSwitches[0].mask) != 0);
    }
    if (!ReadSwitch(values.Get(), bits))
        return false;
    profile.SetDpiOsd((bits & kSwitches[1].mask) != 0);
    profile.SetProfileOsd((bits & kSwitches[2].mask) != 0);
    return true;
}

bool WriteAcceleration(svc::IServiceDevice* device, IMouseConfig& config)
{
    auto acceleration = GetFeature<svc::IAcceleration>(device, svc::kIidAcceleration);
    if (!acceleration)
        return false;
    acceleration->SetLevel(config.GetAccelerationLevel());
    return svc::Succeeded(config.GetAccelerationEnabled() ? acceleration->Enable() : acceleration->Disable());
}

bool ReadAcceleration(svc::IServiceDevice* device, IMouseConfig& config)
{
    auto acceleration = GetFeature<svc::IAcceleration>(device, svc::kIidAcceleration);
    if (!acceleration)
        return false;
    int32_t level = 0;
    int32_t enabled = 0;
    if (svc::Succeeded(acceleration->GetLevel(&level)))
        config.SetAccelerationLevel(level);
    const bool read = svc::Succeeded(acceleration->IsEnabled(&enabled));
    if (read)
        config.SetAccelerationEnabled(enabled != 0);
    return read;
}

bool WritePollingRate(svc::IServiceDevice* device, IMouseConfig& config)
{
    auto rate = GetFeature<svc::IPollingRate>(device, svc::kIidPollingRate);
    const auto interval = DeviceTranslation::IntervalForChoice(config.GetPollingRateIndex());
    return rate && interval && svc::Succeeded(rate->Set(*interval));
}

bool ReadPollingRate(svc::IServiceDevice* device, IMouseConfig& config)
{
    auto rate = GetFeature<svc::IPollingRate>(device, svc::kIidPollingRate);
    uint32_t interval = 0;
    if (!rate || svc::Failed(rate->Get(&interval)))
        return false;
    config.SetPollingRateIndex(DeviceTranslation::ChoiceForInterval(interval));
    return true;
}

bool WriteZones(svc::IServiceDevice* device, IMouseConfig& config)
{
    auto zones = GetFeature<svc::IZoneCollection>(device, svc::kIidZoneCollection);
    if (!zones)
        return false;
    svc::ComPtr<svc::IZone> zone;
    if (svc::Failed(zones->GetItem(0, zone.Put())))
        return false;
    do {
        zones->Remove(zone.Get());
    } while (svc::Succeeded(zones->GetItem(0, zone.Put())));

    for (uint32_t i = 0; i < config.GetZoneCount(); ++i) {
        if (svc::Failed(zones->Add(zone.Put())))
            return false;
        svc::ComPtr<svc::IZoneColor> colour;
        if (svc::Failed(zone->QueryInterface(svc::kIidZoneColor, colour.PutVoid())))
            continue;
        uint32_t value = 0;
        uint32_t low = 0;
        uint32_t high = 0;
        if (!config.GetZoneColor(i, value) || !config.GetZoneRange(i, low, high) ||
            svc::Failed(colour->Set(value)) || svc::Failed(zone->SetRange(low, high)))
            return false;
    }
    return true;
}

bool ReadZones(svc::IServiceDevice* device, IMouseConfig& config)
{
    auto zones = GetFeature<svc::IZoneCollection>(device, svc::kIidZoneCollection);
    svc::ComPtr<svc::IZone> zone;
    if (!zones || svc::Failed(zones->GetItem(0, zone.Put())))
        return false;
    config.RemoveAllZones();
    char line[96];
    for (uint32_t i = 0; svc::Succeeded(zones->GetItem(i, zone.Put())); ++i) {
        svc::ComPtr<svc::IZoneColor> colour;
        uint32_t value = 0;
        uint32_t low = 0;
        uint32_t high = 0;
        if (svc::Failed(zone->QueryInterface(svc::kIidZoneColor, colour.PutVoid())) ||
            svc::Failed(zone->GetRange(&low, &high)) || svc::Failed(colour->Get(&value)))
            continue;
        config.AddZone(value, low, high);
        std::snprintf(line, sizeof(line), "-- CMOUSE -- Color[%u]: 0x%x, %u~%u\n", i, value, low, high);
        platform::DebugTrace(line);
    }
    for (uint32_t i = 0; i < config.GetZoneCount(); ++i) {
        uint32_t value = 0;
        uint32_t low = 0;
        uint32_t high = 0;
        config.GetZoneColor(i, value);
        config.GetZoneRange(i, low, high);
        std::snprintf(line, sizeof(line), "-- CMOUSE Config -- Color[%u]: 0x%x, %u~%u\n", i, value, low, high);
        platform::DebugTrace(line);
    }
    return true;
}

}  // namespace DeviceSteps
