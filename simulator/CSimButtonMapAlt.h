#pragma once

#include "ComObject.h"
#include "SimContext.h"

namespace sim {

// The second button map. The Peraxil 1800 has no buttons on it: an empty Set succeeds, any
// record is refused.
class CSimButtonMapAlt final : public ComObject<svc::IButtonMapAlt>
{
public:
    CSimButtonMapAlt(const SimContext& context, const Guid& profileId) noexcept : m_context(context), m_profileId(profileId) {}

    svc::HRESULT Reserved3() override { return svc::kNotImplemented; }
    svc::HRESULT Reserved4() override { return svc::kNotImplemented; }
    svc::HRESULT Set(uint32_t count, const svc::ButtonRecord* records) override;

private:
    SimContext m_context;
    const Guid m_profileId;
};

}  // namespace sim
