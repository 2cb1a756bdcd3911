#include "CSimSensitivity.h"

namespace sim {

svc::HRESULT CSimSensitivity::Get(uint32_t* x, uint32_t* y)
{
    return RunCall(*m_context.session, SimOperation::SensitivityGet, [&]() -> svc::HRESULT {
        if (x == nullptr || y == nullptr)
            return svc::kPointer;
        return m_context.state->ReadProfile(m_profileId, [&](const StoredProfile& profile) {
            *x = profile.sensitivityX;
            *y = profile.sensitivityY;
            return svc::kOk;
        });
    });
}

svc::HRESULT CSimSensitivity::Set(uint32_t x, uint32_t y)
{
    return RunCall(*m_context.session, SimOperation::SensitivitySet, [&]() -> svc::HRESULT {
        if (!IsValidSensitivity(x) || !IsValidSensitivity(y))
            return svc::kInvalidArg;
        return m_context.state->UpdateProfile(m_profileId, [&](StoredProfile& profile) {
            profile.sensitivityX = x;
            profile.sensitivityY = y;
            return svc::kOk;
        });
    });
}

}  // namespace sim
