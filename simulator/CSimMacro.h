#pragma once

#include "ComObject.h"
#include "SimContext.h"

namespace sim {

// One stored macro, by id: its name and its events. Once the macro is removed every call
// answers kNotFound.
class CSimMacro final : public ComObject<svc::IDeviceMacro, ISimItem>
{
public:
    CSimMacro(const SimContext& context, const Guid& id) noexcept : m_context(context), m_id(id) {}

    svc::HRESULT GetId(Guid* id) override;
    svc::HRESULT GetName(char16_t** name) override;
    svc::HRESULT SetName(const char16_t* name) override;
    svc::HRESULT Export(const char16_t* path) override;
    // A block of MacroEventBlock::BytesFor(count) bytes in task memory, the caller's to free.
    svc::HRESULT GetEvents(svc::MacroEventBlock** block) override;
    // Replaces the events: at most kMaxMacroEvents, each of type mouse, key or delay.
    svc::HRESULT SetEvents(const svc::MacroEventBlock* block) override;

    [[nodiscard]] ItemKey Key() const noexcept override { return {m_context.state.get(), m_id, 0}; }

private:
    SimContext m_context;
    const Guid m_id;
};

}  // namespace sim
