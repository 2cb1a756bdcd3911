#include "CSimLight.h"

namespace sim {

svc::HRESULT CSimLight::Switch(bool on)
{
    return m_context.state->UpdateProfile(m_profileId, [&](StoredProfile& profile) {
        profile.lightsOn[m_index] = on;
        return svc::kOk;
    });
}

svc::HRESULT CSimLight::TurnOn()
{
    return RunCall(*m_context.session, SimOperation::LightTurnOn, [&] { return Switch(true); });
}

svc::HRESULT CSimLight::TurnOff()
{
    return RunCall(*m_context.session, SimOperation::LightTurnOff, [&] { return Switch(false); });
}

svc::HRESULT CSimLight::GetState(int32_t* on)
{
    return RunCall(*m_context.session, SimOperation::LightGetState, [&]() -> svc::HRESULT {
        if (on == nullptr)
            return svc::kPointer;
        return m_context.state->ReadProfile(m_profileId, [&](const StoredProfile& profile) {
            *on = profile.lightsOn[m_index] ? 1 : 0;
            return svc::kOk;
        });
    });
}

svc::HRESULT CSimLight::GetType(uint32_t* type)
{
    return RunCall(*m_context.session, SimOperation::LightGetType, [&]() -> svc::HRESULT {
        if (type == nullptr)
            return svc::kPointer;
        return m_context.state->ReadProfile(m_profileId, [&](const StoredProfile&) {
            *type = kLightTypes[m_index];
            return svc::kOk;
        });
    });
}

}  // namespace sim
