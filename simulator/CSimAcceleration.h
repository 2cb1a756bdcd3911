#pragma once

#include "ComObject.h"
#include "SimContext.h"

namespace sim {

// The device's pointer acceleration: on or off, and a level from kMinAccelerationLevel to
// kMaxAccelerationLevel kept while it is off.
class CSimAcceleration final : public ComObject<svc::IAcceleration>
{
public:
    explicit CSimAcceleration(const SimContext& context) noexcept : m_context(context) {}

    svc::HRESULT Enable() override;
    svc::HRESULT Disable() override;
    svc::HRESULT IsEnabled(int32_t* enabled) override;
    svc::HRESULT SetLevel(int32_t level) override;
    svc::HRESULT GetLevel(int32_t* level) override;

private:
    [[nodiscard]] svc::HRESULT Switch(bool on);

    SimContext m_context;
};

}  // namespace sim
