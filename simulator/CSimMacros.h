#pragma once

#include "ComObject.h"
#include "SimContext.h"

namespace sim {

// The stored macros of a device, in the order they were created; at most kMaxMacros.
class CSimMacros final : public ComObject<svc::IDeviceMacros>
{
public:
    explicit CSimMacros(const SimContext& context) noexcept : m_context(context) {}

    svc::HRESULT GetItem(uint32_t index, svc::IDeviceMacro** macro) override;
    svc::HRESULT FindById(Guid id, svc::IDeviceMacro** macro) override;
    svc::HRESULT Create(svc::IDeviceMacro** macro) override;
    svc::HRESULT Remove(svc::IDeviceMacro* macro) override;
    svc::HRESULT Reserved7() override { return svc::kNotImplemented; }
    svc::HRESULT Import(const char16_t* path, svc::IDeviceMacro** macro) override;

private:
    [[nodiscard]] svc::HRESULT Hand(svc::HRESULT found, const Guid& id, svc::IDeviceMacro** macro) const;
    // Adds a macro under a fresh id (kLimitReached when the store is full).
    [[nodiscard]] svc::HRESULT Add(StoredMacro macro, svc::IDeviceMacro** out);

    SimContext m_context;
};

}  // namespace sim
