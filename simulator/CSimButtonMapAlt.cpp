#include "CSimButtonMapAlt.h"

namespace sim {

svc::HRESULT CSimButtonMapAlt::Set(uint32_t count, const svc::ButtonRecord* records)
{
    return RunCall(*m_context.session, SimOperation::ButtonMapAltSet, [&]() -> svc::HRESULT {
        if (records == nullptr && count > 0)
            return svc::kPointer;
        if (count > 0)
            return svc::kInvalidArg;
        return m_context.state->ReadProfile(m_profileId, [](const StoredProfile&) { return svc::kOk; });
    });
}

}  // namespace sim
