#pragma once

#include <memory>
#include <new>

#include "SimDeviceState.h"
#include "SimSession.h"

namespace sim {

// What every object obtained through a device holds: its service object's session (for call
// counts) and the device's stored state. Shared ownership, so an object stays usable after
// the service object and the device object that gave it out are released.
struct SimContext
{
    std::shared_ptr<SimSession> session;
    std::shared_ptr<SimDeviceState> state;
};

// The boundary of every interface call: counts the call (an injected fault ends it there),
// runs the body, and turns exceptions into results, since none may cross a COM call.
template <typename Body>
[[nodiscard]] svc::HRESULT RunCall(SimSession& session, SimOperation operation, Body&& body) noexcept
{
    try {
        const svc::HRESULT fault = session.CountCall(operation);
        if (svc::Failed(fault))
            return fault;
        return body();
    } catch (const std::bad_alloc&) {
        return svc::kOutOfMemory;
    } catch (...) {
        return svc::kFail;
    }
}

// Out-parameters hold null until a call succeeds.
template <typename T>
void ClearOut(T** out) noexcept
{
    if (out != nullptr)
        *out = nullptr;
}

}  // namespace sim
