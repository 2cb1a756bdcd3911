#pragma once

#include "ComObject.h"
#include "SimContext.h"

namespace sim {

// A stored profile's button records, one per assignable device button index (kButtonMask),
// read back in rising index order. Set replaces the records of the indices it names and
// refuses the whole batch when any record names an index without a button.
class CSimButtonMap final : public ComObject<svc::IButtonMap>
{
public:
    CSimButtonMap(const SimContext& context, const Guid& profileId) noexcept : m_context(context), m_profileId(profileId) {}

    svc::HRESULT Get(uint32_t* count, svc::ButtonRecord* records) override;
    svc::HRESULT Set(uint32_t count, const svc::ButtonRecord* records) override;
    svc::HRESULT GetCaps(uint32_t* count, uint32_t* reserved, uint32_t* mask) override;

private:
    SimContext m_context;
    const Guid m_profileId;
};

}  // namespace sim
