#include "SimHold.h"

namespace sim {

void SimHold::Arm(SimOperation operation)
{
    const std::lock_guard lock(m_mutex);
    m_armed = operation;
    m_held = false;
}

bool SimHold::WaitHeld(std::chrono::milliseconds deadline)
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, deadline, [this] { return m_held; });
}

void SimHold::Release()
{
    {
        const std::lock_guard lock(m_mutex);
        m_armed.reset();
        m_held = false;
    }
    m_changed.notify_all();
}

void SimHold::Pass(SimOperation operation) noexcept
{
    std::unique_lock lock(m_mutex);
    if (m_armed != operation || m_held)
        return;
    m_held = true;
    m_changed.notify_all();
    (void)m_changed.wait_for(lock, kLongestHold, [this] { return !m_armed.has_value(); });
}

}  // namespace sim
