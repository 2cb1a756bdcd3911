#pragma once

#include "ComObject.h"
#include "SimContext.h"

namespace sim {

// One stored profile, by id. Once the profile is removed every call answers kNotFound.
class CSimProfile final : public ComObject<svc::IDeviceProfile, ISimItem>
{
public:
    CSimProfile(const SimContext& context, const Guid& id) noexcept : m_context(context), m_id(id) {}

    svc::HRESULT GetFeature(const Guid& iid, void** feature) override;
    svc::HRESULT GetId(Guid* id) override;
    svc::HRESULT GetName(char16_t** name) override;
    svc::HRESULT SetName(const char16_t* name) override;
    svc::HRESULT Reserved7() override { return svc::kNotImplemented; }
    svc::HRESULT Export(const char16_t* path) override;

    [[nodiscard]] ItemKey Key() const noexcept override { return {m_context.state.get(), m_id, 0}; }

private:
    SimContext m_context;
    const Guid m_id;
};

}  // namespace sim
