#include "CSimDevice.h"

#include <array>

#include "CSimAcceleration.h"
#include "CSimMacros.h"
#include "CSimPollingRate.h"
#include "CSimProfiles.h"
#include "CSimZones.h"
#include "SimInterop.h"

namespace sim {
namespace {

using FeatureFactory = void* (*)(const SimContext& context);

template <typename Object, typename Interface>
void* MakeFeature(const SimContext& context)
{
    return static_cast<Interface*>(new Object(context));
}

struct DeviceFeature
{
    const Guid* iid;
    FeatureFactory make;
    bool zoneProductOnly;
};

const std::array<DeviceFeature, 5> kDeviceFeatures = {{
    {&svc::kIidDeviceProfiles, MakeFeature<CSimProfiles, svc::IDeviceProfiles>, false},
    {&svc::kIidPollingRate, MakeFeature<CSimPollingRate, svc::IPollingRate>, false},
    {&svc::kIidAcceleration, MakeFeature<CSimAcceleration, svc::IAcceleration>, false},
    {&svc::kIidDeviceMacros, MakeFeature<CSimMacros, svc::IDeviceMacros>, false},
    {&svc::kIidZoneCollection, MakeFeature<CSimZones, svc::IZoneCollection>, true},
}};

constexpr std::u16string_view kMouseText = u"Dunmo Peraxil 1800 (simulated)";
constexpr std::u16string_view kOtherText = u"Simulated device";

}  // namespace

CSimDevice::CSimDevice(std::shared_ptr<SimSession> session, const DeviceSlot& slot)
    : m_context{std::move(session), slot.state}, m_productId(slot.productId), m_infoFails(slot.infoFails)
{
}

svc::HRESULT CSimDevice::GetInfo(svc::DeviceInfo* info)
{
    return RunCall(*m_context.session, SimOperation::DeviceGetInfo, [&]() -> svc::HRESULT {
        if (info == nullptr)
            return svc::kPointer;
        if (m_infoFails)
            return svc::kFail;
        if (const svc::HRESULT health = m_context.state->Health(); svc::Failed(health))
            return health;
        char16_t* text = nullptr;
        const svc::HRESULT copied = CopyToTaskString(m_productId == kMouseProductId ? kMouseText : kOtherText, &text);
        if (svc::Failed(copied))
            return copied;
        info->productId = m_productId;
        info->versionAMajor = kVersionAMajor;
        info->versionAMinor = kVersionAMinor;
        info->versionBMajor = kVersionBMajor;
        info->versionBMinor = kVersionBMinor;
        info->text = text;
        return svc::kOk;
    });
}

svc::HRESULT CSimDevice::GetFeature(const Guid& iid, void** feature)
{
    ClearOut(feature);
    return RunCall(*m_context.session, SimOperation::DeviceGetFeature, [&]() -> svc::HRESULT {
        if (feature == nullptr)
            return svc::kPointer;
        if (const svc::HRESULT health = m_context.state->Health(); svc::Failed(health))
            return health;
        for (const DeviceFeature& entry : kDeviceFeatures) {
            if (*entry.iid == iid && (!entry.zoneProductOnly || m_productId == kZoneProductId)) {
                *feature = entry.make(m_context);
                return svc::kOk;
            }
        }
        return svc::kNoInterface;
    });
}

}  // namespace sim
