#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "SimDeviceState.h"
#include "SimOperation.h"
#include "SimulatorOptions.h"

namespace sim {

// One device of the enumeration.
struct DeviceSlot
{
    uint32_t productId = 0;
    bool infoFails = false;
    std::shared_ptr<SimDeviceState> state;
};

// What one service object and every object obtained through it share: the enumeration and
// the call counts that injected faults go by.
class SimSession
{
public:
    // Enumerates the devices before the mouse, the mouse (unless absent) and the devices after
    // it, acquiring each one's stored state.
    explicit SimSession(const SimulatorOptions& options);
    SimSession(const SimSession&) = delete;
    SimSession& operator=(const SimSession&) = delete;

    [[nodiscard]] const std::vector<DeviceSlot>& Devices() const noexcept { return m_devices; }

    // Counts one call of the operation (first waiting while a SimHold holds it); the injected
    // failure when a rule names this call, otherwise kOk. Safe from any thread.
    [[nodiscard]] svc::HRESULT CountCall(SimOperation operation) noexcept;

private:
    void AddDevice(const SimulatorOptions& options, uint32_t productId);

    std::vector<DeviceSlot> m_devices;
    std::vector<FaultRule> m_faults;
    std::shared_ptr<SimHold> m_hold;
    std::array<std::atomic<uint32_t>, kOperationCount> m_calls{};
};

}  // namespace sim
