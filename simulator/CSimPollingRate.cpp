#include "CSimPollingRate.h"

#include <algorithm>

namespace sim {

svc::HRESULT CSimPollingRate::Get(uint32_t* milliseconds)
{
    return RunCall(*m_context.session, SimOperation::PollingRateGet, [&]() -> svc::HRESULT {
        if (milliseconds == nullptr)
            return svc::kPointer;
        return m_context.state->Read([&](const DeviceModel& model) {
            *milliseconds = model.reportInterval;
            return svc::kOk;
        });
    });
}

svc::HRESULT CSimPollingRate::Set(uint32_t milliseconds)
{
    return RunCall(*m_context.session, SimOperation::PollingRateSet, [&]() -> svc::HRESULT {
        if (!IsValidReportInterval(milliseconds))
            return svc::kInvalidArg;
        return m_context.state->Update([&](DeviceModel& model) {
            model.reportInterval = milliseconds;
            return svc::kOk;
        });
    });
}

svc::HRESULT CSimPollingRate::GetSupported(uint32_t* count, uint32_t** milliseconds)
{
    ClearOut(milliseconds);
    return RunCall(*m_context.session, SimOperation::PollingRateGetSupported, [&]() -> svc::HRESULT {
        if (count == nullptr || milliseconds == nullptr)
            return svc::kPointer;
        if (const svc::HRESULT health = m_context.state->Health(); svc::Failed(health))
            return health;
        auto* intervals = static_cast<uint32_t*>(svc::TaskMemAlloc(sizeof(kReportIntervals)));
        if (intervals == nullptr)
            return svc::kOutOfMemory;
        std::copy(kReportIntervals.begin(), kReportIntervals.end(), intervals);
        *count = static_cast<uint32_t>(kReportIntervals.size());
        *milliseconds = intervals;
        return svc::kOk;
    });
}

}  // namespace sim
