#include "CSimLights.h"

#include "CSimLight.h"

namespace sim {

svc::HRESULT CSimLights::GetItem(uint32_t index, svc::ILight** light)
{
    ClearOut(light);
    return RunCall(*m_context.session, SimOperation::LightsGetItem, [&]() -> svc::HRESULT {
        if (light == nullptr)
            return svc::kPointer;
        if (index >= kLightTypes.size())
            return svc::kNoMoreItems;
        const svc::HRESULT found = m_context.state->ReadProfile(m_profileId, [](const StoredProfile&) { return svc::kOk; });
        if (svc::Failed(found))
            return found;
        *light = new CSimLight(m_context, m_profileId, index);
        return svc::kOk;
    });
}

}  // namespace sim
