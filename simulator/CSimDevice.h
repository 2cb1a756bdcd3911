#pragma once

#include <memory>

#include "ComObject.h"
#include "SimContext.h"

namespace sim {

// One device of the enumeration. Its features are the device-wide settings and the
// collections of stored profiles and macros; product 25 adds colour zones. A device whose
// store was refused answers every call with kStoreDamaged.
class CSimDevice final : public ComObject<svc::IServiceDevice>
{
public:
    CSimDevice(std::shared_ptr<SimSession> session, const DeviceSlot& slot);

    svc::HRESULT GetInfo(svc::DeviceInfo* info) override;
    svc::HRESULT GetFeature(const Guid& iid, void** feature) override;

private:
    SimContext m_context;
    uint32_t m_productId;
    bool m_infoFails;
};

}  // namespace sim
