#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>

#include "SimOperation.h"

namespace sim {

// Lets a test stop the simulated service in the middle of its work, without sleeping: armed for
// an operation, the next call of that operation waits, before it does anything, until the test
// releases it; meanwhile the test can wait until the call is being held. So a test can keep a
// transfer running for as long as it looks at the program, on any machine. In-process only
// (SimulatorOptions::hold); safe from any thread.
class SimHold
{
public:
    // A held call goes on by itself after this long, so a test that fails before releasing
    // cannot leave a worker waiting for ever.
    static constexpr std::chrono::seconds kLongestHold{60};

    void Arm(SimOperation operation);
    // True once a call of the armed operation is held; false when none came within `deadline`.
    [[nodiscard]] bool WaitHeld(std::chrono::milliseconds deadline);
    // Lets the held call (and every later one) go, and disarms.
    void Release();

    // The service's side: waits while this call is the one held.
    void Pass(SimOperation operation) noexcept;

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::optional<SimOperation> m_armed;
    bool m_held = false;
};

}  // namespace sim
