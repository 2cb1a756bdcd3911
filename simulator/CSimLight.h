#pragma once

#include <cstddef>

#include "ComObject.h"
#include "SimContext.h"

namespace sim {

// One light of a stored profile: its type and whether it is on.
class CSimLight final : public ComObject<svc::ILight>
{
public:
    CSimLight(const SimContext& context, const Guid& profileId, size_t index) noexcept
        : m_context(context), m_profileId(profileId), m_index(index)
    {
    }

    svc::HRESULT TurnOn() override;
    svc::HRESULT TurnOff() override;
    svc::HRESULT GetState(int32_t* on) override;
    svc::HRESULT GetType(uint32_t* type) override;

private:
    [[nodiscard]] svc::HRESULT Switch(bool on);

    SimContext m_context;
    const Guid m_profileId;
    const size_t m_index;  // into kLightTypes and StoredProfile::lightsOn
};

}  // namespace sim
