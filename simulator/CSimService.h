#pragma once

#include <memory>

#include "ComObject.h"
#include "SimSession.h"

namespace sim {

// The service object: the root of the enumeration of simulated devices.
class CSimService final : public ComObject<svc::IMouseService>
{
public:
    explicit CSimService(std::shared_ptr<SimSession> session) noexcept;

    svc::HRESULT GetDevice(uint32_t index, svc::IServiceDevice** device) override;

private:
    std::shared_ptr<SimSession> m_session;
};

}  // namespace sim
