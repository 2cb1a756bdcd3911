#pragma once

#include "ComObject.h"
#include "SimContext.h"

namespace sim {

// The device's report interval in milliseconds, one of kReportIntervals.
class CSimPollingRate final : public ComObject<svc::IPollingRate>
{
public:
    explicit CSimPollingRate(const SimContext& context) noexcept : m_context(context) {}

    svc::HRESULT Get(uint32_t* milliseconds) override;
    svc::HRESULT Set(uint32_t milliseconds) override;
    // An array of the supported intervals in task memory, the caller's to free.
    svc::HRESULT GetSupported(uint32_t* count, uint32_t** milliseconds) override;

private:
    SimContext m_context;
};

}  // namespace sim
