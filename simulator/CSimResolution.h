#pragma once

#include "ComObject.h"
#include "SimContext.h"

namespace sim {

// A stored profile's sensor resolution per axis, kMinResolution to kMaxResolution.
class CSimResolution final : public ComObject<svc::IResolution>
{
public:
    CSimResolution(const SimContext& context, const Guid& profileId) noexcept : m_context(context), m_profileId(profileId) {}

    svc::HRESULT Get(uint32_t* x, uint32_t* y) override;
    svc::HRESULT Set(uint32_t x, uint32_t y) override;

private:
    SimContext m_context;
    const Guid m_profileId;
};

}  // namespace sim
