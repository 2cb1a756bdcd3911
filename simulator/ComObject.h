#pragma once

#include <atomic>
#include <cstdint>
#include <tuple>

#include "ISimItem.h"
#include "device/service/MouseService.h"

namespace sim {

// The id each interface answers to in QueryInterface.
template <typename Interface>
inline constexpr Guid kIidOf = {};
template <> inline constexpr Guid kIidOf<svc::IMouseService> = svc::kIidMouseService;
template <> inline constexpr Guid kIidOf<svc::IServiceDevice> = svc::kIidServiceDevice;
template <> inline constexpr Guid kIidOf<svc::IDeviceProfiles> = svc::kIidDeviceProfiles;
template <> inline constexpr Guid kIidOf<svc::IDeviceProfile> = svc::kIidDeviceProfile;
template <> inline constexpr Guid kIidOf<svc::IResolution> = svc::kIidResolution;
template <> inline constexpr Guid kIidOf<svc::ISensitivity> = svc::kIidSensitivity;
template <> inline constexpr Guid kIidOf<svc::IButtonMap> = svc::kIidButtonMap;
template <> inline constexpr Guid kIidOf<svc::IButtonMapAlt> = svc::kIidButtonMapAlt;
template <> inline constexpr Guid kIidOf<svc::IPollingRate> = svc::kIidPollingRate;
template <> inline constexpr Guid kIidOf<svc::IAcceleration> = svc::kIidAcceleration;
template <> inline constexpr Guid kIidOf<svc::ILights> = svc::kIidLights;
template <> inline constexpr Guid kIidOf<svc::ILight> = svc::kIidLight;
template <> inline constexpr Guid kIidOf<svc::IProfileValues> = svc::kIidProfileValues;
template <> inline constexpr Guid kIidOf<svc::IDeviceMacros> = svc::kIidDeviceMacros;
template <> inline constexpr Guid kIidOf<svc::IDeviceMacro> = svc::kIidDeviceMacro;
template <> inline constexpr Guid kIidOf<svc::IZoneCollection> = svc::kIidZoneCollection;
template <> inline constexpr Guid kIidOf<svc::IZone> = svc::kIidZone;
template <> inline constexpr Guid kIidOf<svc::IZoneColor> = svc::kIidZoneColor;
template <> inline constexpr Guid kIidOf<ISimItem> = kIidSimItem;

// Objects of this simulator alive in the process (the COM server unloads only at zero).
[[nodiscard]] inline std::atomic<uint32_t>& LiveObjects() noexcept
{
    static std::atomic<uint32_t> count{0};
    return count;
}

// Reference counting and QueryInterface for an object implementing the given interfaces; the
// first one is its IUnknown identity. Objects start with one reference, the creator's, and
// delete themselves at the last Release.
template <typename... Interfaces>
class ComObject : public Interfaces...
{
public:
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    svc::HRESULT QueryInterface(const Guid& iid, void** object) override
    {
        if (object == nullptr)
            return svc::kPointer;
        *object = Find(iid);
        if (*object == nullptr)
            return svc::kNoInterface;
        AddRef();
        return svc::kOk;
    }

    uint32_t AddRef() override { return m_references.fetch_add(1, std::memory_order_relaxed) + 1; }

    uint32_t Release() override
    {
        const uint32_t left = m_references.fetch_sub(1, std::memory_order_acq_rel) - 1;
        if (left == 0)
            delete this;
        return left;
    }

protected:
    ComObject() noexcept { LiveObjects().fetch_add(1, std::memory_order_relaxed); }
    virtual ~ComObject() { LiveObjects().fetch_sub(1, std::memory_order_relaxed); }

private:
    using Identity = std::tuple_element_t<0, std::tuple<Interfaces...>>;

    void* Find(const Guid& iid) noexcept
    {
        if (iid == svc::kIidUnknown)
            return static_cast<svc::IUnknown*>(static_cast<Identity*>(this));
        void* found = nullptr;
        (void)((iid == kIidOf<Interfaces> && (found = static_cast<Interfaces*>(this)) != nullptr) || ...);
        return found;
    }

    std::atomic<uint32_t> m_references{1};
};

}  // namespace sim
