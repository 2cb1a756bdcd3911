#pragma once

#include "ComObject.h"
#include "SimContext.h"

namespace sim {

// One colour zone: its range through IZone, its colour through IZoneColor (the same object,
// found by QueryInterface). Once the zone is removed every call answers kNotFound.
class CSimZone final : public ComObject<svc::IZone, svc::IZoneColor, ISimItem>
{
public:
    CSimZone(const SimContext& context, uint64_t serial) noexcept : m_context(context), m_serial(serial) {}

    svc::HRESULT SetRange(uint32_t low, uint32_t high) override;
    svc::HRESULT GetRange(uint32_t* low, uint32_t* high) override;
    svc::HRESULT Set(uint32_t colour) override;
    svc::HRESULT Get(uint32_t* colour) override;

    [[nodiscard]] ItemKey Key() const noexcept override { return {m_context.state.get(), Guid{}, m_serial}; }

private:
    SimContext m_context;
    const uint64_t m_serial;
};

}  // namespace sim
