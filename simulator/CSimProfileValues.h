#pragma once

#include "ComObject.h"
#include "SimContext.h"

namespace sim {

// Values stored with a profile. The application path (kValueApplicationPath) is written as a
// NUL-terminated UTF-16 buffer of up to kApplicationPathBytes and read back in a buffer of
// that size; it has no size until first written. The switches (kValueSwitches) are written as
// a 4-byte record (u16 mask, u16 value: the masked bits are set when the value is not zero,
// cleared otherwise) and read back as a u16 of bits 1, 2 and 4.
class CSimProfileValues final : public ComObject<svc::IProfileValues>
{
public:
    CSimProfileValues(const SimContext& context, const Guid& profileId) noexcept : m_context(context), m_profileId(profileId) {}

    svc::HRESULT GetValue(uint32_t id, uint32_t reserved, void* buffer, uint32_t reserved2, uint32_t* bytes) override;
    svc::HRESULT SetValue(uint32_t id, const void* data, uint32_t reserved, uint32_t bytes, uint32_t reserved2) override;

private:
    [[nodiscard]] svc::HRESULT GetPath(void* buffer, uint32_t* bytes) const;
    [[nodiscard]] svc::HRESULT GetSwitches(void* buffer, uint32_t* bytes) const;
    [[nodiscard]] svc::HRESULT SetPath(const void* data, uint32_t bytes);
    [[nodiscard]] svc::HRESULT SetSwitches(const void* data, uint32_t bytes);

    SimContext m_context;
    const Guid m_profileId;
};

}  // namespace sim
