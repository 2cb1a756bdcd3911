#pragma once

#include "ComObject.h"
#include "SimContext.h"

namespace sim {

// A stored profile's lights: one per entry of kLightTypes, by index.
class CSimLights final : public ComObject<svc::ILights>
{
public:
    CSimLights(const SimContext& context, const Guid& profileId) noexcept : m_context(context), m_profileId(profileId) {}

    svc::HRESULT GetItem(uint32_t index, svc::ILight** light) override;

private:
    SimContext m_context;
    const Guid m_profileId;
};

}  // namespace sim
