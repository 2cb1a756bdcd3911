#include "CSimService.h"

#include "CSimDevice.h"
#include "SimContext.h"

namespace sim {

CSimService::CSimService(std::shared_ptr<SimSession> session) noexcept : m_session(std::move(session)) {}

svc::HRESULT CSimService::GetDevice(uint32_t index, svc::IServiceDevice** device)
{
    ClearOut(device);
    return RunCall(*m_session, SimOperation::ServiceGetDevice, [&]() -> svc::HRESULT {
        if (device == nullptr)
            return svc::kPointer;
        const std::vector<DeviceSlot>& devices = m_session->Devices();
        if (index >= devices.size())
            return svc::kNoMoreItems;
        *device = new CSimDevice(m_session, devices[index]);
        return svc::kOk;
    });
}

}  // namespace sim
