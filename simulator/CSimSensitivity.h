#pragma once

#include "ComObject.h"
#include "SimContext.h"

namespace sim {

// A stored profile's sensitivity per axis in per-mille of the resolution, kMinSensitivity to
// kMaxSensitivity.
class CSimSensitivity final : public ComObject<svc::ISensitivity>
{
public:
    CSimSensitivity(const SimContext& context, const Guid& profileId) noexcept : m_context(context), m_profileId(profileId) {}

    svc::HRESULT Get(uint32_t* x, uint32_t* y) override;
    svc::HRESULT Set(uint32_t x, uint32_t y) override;

private:
    SimContext m_context;
    const Guid m_profileId;
};

}  // namespace sim
