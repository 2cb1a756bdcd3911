#include "CSimAcceleration.h"

namespace sim {

svc::HRESULT CSimAcceleration::Switch(bool on)
{
    return m_context.state->Update([&](DeviceModel& model) {
        model.accelerationEnabled = on;
        return svc::kOk;
    });
}

svc::HRESULT CSimAcceleration::Enable()
{
    return RunCall(*m_context.session, SimOperation::AccelerationEnable, [&] { return Switch(true); });
}

svc::HRESULT CSimAcceleration::Disable()
{
    return RunCall(*m_context.session, SimOperation::AccelerationDisable, [&] { return Switch(false); });
}

svc::HRESULT CSimAcceleration::IsEnabled(int32_t* enabled)
{
    return RunCall(*m_context.session, SimOperation::AccelerationIsEnabled, [&]() -> svc::HRESULT {
        if (enabled == nullptr)
            return svc::kPointer;
        return m_context.state->Read([&](const DeviceModel& model) {
            *enabled = model.accelerationEnabled ? 1 : 0;
            return svc::kOk;
        });
    });
}

svc::HRESULT CSimAcceleration::SetLevel(int32_t level)
{
    return RunCall(*m_context.session, SimOperation::AccelerationSetLevel, [&]() -> svc::HRESULT {
        if (!IsValidAccelerationLevel(level))
            return svc::kInvalidArg;
        return m_context.state->Update([&](DeviceModel& model) {
            model.accelerationLevel = level;
            return svc::kOk;
        });
    });
}

svc::HRESULT CSimAcceleration::GetLevel(int32_t* level)
{
    return RunCall(*m_context.session, SimOperation::AccelerationGetLevel, [&]() -> svc::HRESULT {
        if (level == nullptr)
            return svc::kPointer;
        return m_context.state->Read([&](const DeviceModel& model) {
            *level = model.accelerationLevel;
            return svc::kOk;
        });
    });
}

}  // namespace sim
