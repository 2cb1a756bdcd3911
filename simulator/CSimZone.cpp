#include "CSimZone.h"

namespace sim {

svc::HRESULT CSimZone::SetRange(uint32_t low, uint32_t high)
{
    return RunCall(*m_context.session, SimOperation::ZoneSetRange, [&]() -> svc::HRESULT {
        return m_context.state->UpdateZone(m_serial, [&](StoredZone& zone) {
            if (!IsValidZone(low, high, zone.colour))
                return svc::kInvalidArg;
            zone.low = low;
            zone.high = high;
            return svc::kOk;
        });
    });
}

svc::HRESULT CSimZone::GetRange(uint32_t* low, uint32_t* high)
{
    return RunCall(*m_context.session, SimOperation::ZoneGetRange, [&]() -> svc::HRESULT {
        if (low == nullptr || high == nullptr)
            return svc::kPointer;
        return m_context.state->ReadZone(m_serial, [&](const StoredZone& zone) {
            *low = zone.low;
            *high = zone.high;
            return svc::kOk;
        });
    });
}

svc::HRESULT CSimZone::Set(uint32_t colour)
{
    return RunCall(*m_context.session, SimOperation::ZoneColorSet, [&]() -> svc::HRESULT {
        return m_context.state->UpdateZone(m_serial, [&](StoredZone& zone) {
            if (!IsValidZone(zone.low, zone.high, colour))
                return svc::kInvalidArg;
            zone.colour = colour;
            return svc::kOk;
        });
    });
}

svc::HRESULT CSimZone::Get(uint32_t* colour)
{
    return RunCall(*m_context.session, SimOperation::ZoneColorGet, [&]() -> svc::HRESULT {
        if (colour == nullptr)
            return svc::kPointer;
        return m_context.state->ReadZone(m_serial, [&](const StoredZone& zone) {
            *colour = zone.colour;
            return svc::kOk;
        });
    });
}

}  // namespace sim
