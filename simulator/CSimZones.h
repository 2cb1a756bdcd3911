#pragma once

#include "ComObject.h"
#include "SimContext.h"

namespace sim {

// The colour zones of a product-25 device, in order; at most kMaxZones. A new zone covers
// 0 to 0 in black.
class CSimZones final : public ComObject<svc::IZoneCollection>
{
public:
    explicit CSimZones(const SimContext& context) noexcept : m_context(context) {}

    svc::HRESULT GetItem(uint32_t index, svc::IZone** zone) override;
    svc::HRESULT Add(svc::IZone** zone) override;
    svc::HRESULT Remove(svc::IZone* zone) override;

private:
    SimContext m_context;
};

}  // namespace sim
