#include "SimSession.h"

#include <algorithm>

#include "SimHold.h"
#include "SimLimits.h"

namespace sim {

SimSession::SimSession(const SimulatorOptions& options) : m_faults(options.faults), m_hold(options.hold)
{
    for (const uint32_t productId : options.devicesBefore)
        AddDevice(options, productId);
    if (!options.mouseAbsent)
        AddDevice(options, kMouseProductId);
    for (const uint32_t productId : options.devicesAfter)
        AddDevice(options, productId);
}

void SimSession::AddDevice(const SimulatorOptions& options, uint32_t productId)
{
    const auto index = static_cast<uint32_t>(m_devices.size());
    DeviceSlot slot;
    slot.productId = productId;
    slot.infoFails = std::find(options.failingInfo.begin(), options.failingInfo.end(), index) != options.failingInfo.end();
    slot.state = SimDeviceState::Acquire(options.storeFolder, productId, options.deferWrites);
    m_devices.push_back(std::move(slot));
}

svc::HRESULT SimSession::CountCall(SimOperation operation) noexcept
{
    if (m_hold)
        m_hold->Pass(operation);
    const uint32_t call = m_calls[static_cast<size_t>(operation)].fetch_add(1, std::memory_order_relaxed) + 1;
    for (const FaultRule& rule : m_faults) {
        if (rule.operation == operation && (call == rule.call || (rule.andLater && call > rule.call)))
            return rule.result;
    }
    return svc::kOk;
}

}  // namespace sim
