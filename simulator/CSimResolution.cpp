#include "CSimResolution.h"

namespace sim {

svc::HRESULT CSimResolution::Get(uint32_t* x, uint32_t* y)
{
    return RunCall(*m_context.session, SimOperation::ResolutionGet, [&]() -> svc::HRESULT {
        if (x == nullptr || y == nullptr)
            return svc::kPointer;
        return m_context.state->ReadProfile(m_profileId, [&](const StoredProfile& profile) {
            *x = profile.resolutionX;
            *y = profile.resolutionY;
            return svc::kOk;
        });
    });
}

svc::HRESULT CSimResolution::Set(uint32_t x, uint32_t y)
{
    return RunCall(*m_context.session, SimOperation::ResolutionSet, [&]() -> svc::HRESULT {
        if (!IsValidResolution(x) || !IsValidResolution(y))
            return svc::kInvalidArg;
        return m_context.state->UpdateProfile(m_profileId, [&](StoredProfile& profile) {
            profile.resolutionX = x;
            profile.resolutionY = y;
            return svc::kOk;
        });
    });
}

}  // namespace sim
