#pragma once

#include "ComObject.h"
#include "SimContext.h"

namespace sim {

// The stored profiles of a device, in the order they were created. At most kMaxProfiles; the
// device has an active profile whenever it has any.
class CSimProfiles final : public ComObject<svc::IDeviceProfiles>
{
public:
    explicit CSimProfiles(const SimContext& context) noexcept : m_context(context) {}

    svc::HRESULT GetItem(uint32_t index, svc::IDeviceProfile** profile) override;
    svc::HRESULT FindById(Guid id, svc::IDeviceProfile** profile) override;
    svc::HRESULT SetActive(svc::IDeviceProfile* profile) override;
    svc::HRESULT GetActive(svc::IDeviceProfile** profile) override;
    svc::HRESULT Create(svc::IDeviceProfile** profile, Guid* freshId) override;
    svc::HRESULT Remove(svc::IDeviceProfile* profile) override;
    svc::HRESULT Reserved9() override { return svc::kNotImplemented; }
    svc::HRESULT Import(const char16_t* path, svc::IDeviceProfile** profile) override;

private:
    // The stored profile of `id`, or kNotFound; the object is made only once the id is known.
    [[nodiscard]] svc::HRESULT Hand(svc::HRESULT found, const Guid& id, svc::IDeviceProfile** profile) const;
    // The id of a profile object of this device handed in, or false.
    [[nodiscard]] bool OwnProfile(svc::IDeviceProfile* profile, Guid& id) const noexcept;
    // Adds a profile under a fresh id (kLimitReached when the store is full).
    [[nodiscard]] svc::HRESULT Add(StoredProfile profile, svc::IDeviceProfile** out, Guid* freshId);

    SimContext m_context;
};

}  // namespace sim
