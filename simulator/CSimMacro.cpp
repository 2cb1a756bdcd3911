#include "CSimMacro.h"

#include <cstddef>
#include <cstring>

#include "SimFileFormat.h"
#include "SimInterop.h"

namespace sim {
namespace {

// The entries of a block, addressed from the block itself: the declared one-entry array
// stands for `count` entries.
constexpr size_t kEntriesOffset = offsetof(svc::MacroEventBlock, entries);

}  // namespace

svc::HRESULT CSimMacro::GetId(Guid* id)
{
    return RunCall(*m_context.session, SimOperation::MacroGetId, [&]() -> svc::HRESULT {
        if (id == nullptr)
            return svc::kPointer;
        const svc::HRESULT found = m_context.state->ReadMacro(m_id, [](const StoredMacro&) { return svc::kOk; });
        if (svc::Succeeded(found))
            *id = m_id;
        return found;
    });
}

svc::HRESULT CSimMacro::GetName(char16_t** name)
{
    ClearOut(name);
    return RunCall(*m_context.session, SimOperation::MacroGetName, [&]() -> svc::HRESULT {
        return m_context.state->ReadMacro(m_id, [&](const StoredMacro& macro) {
            return CopyToTaskString(macro.name, name);
        });
    });
}

svc::HRESULT CSimMacro::SetName(const char16_t* name)
{
    return RunCall(*m_context.session, SimOperation::MacroSetName, [&]() -> svc::HRESULT {
        if (name == nullptr)
            return svc::kPointer;
        std::optional<std::u16string> text = TextFromCaller(name, kMaxNameUnits);
        if (!text)
            return svc::kInvalidArg;
        return m_context.state->UpdateMacro(m_id, [&](StoredMacro& macro) {
            macro.name = *text;
            return svc::kOk;
        });
    });
}

svc::HRESULT CSimMacro::Export(const char16_t* path)
{
    return RunCall(*m_context.session, SimOperation::MacroExport, [&]() -> svc::HRESULT {
        std::string bytes;
        const svc::HRESULT found = m_context.state->ReadMacro(m_id, [&](const StoredMacro& macro) {
            bytes = EncodeMacro(macro);
            return svc::kOk;
        });
        if (svc::Failed(found))
            return found;
        return WriteExchangeFile(path, bytes);
    });
}

svc::HRESULT CSimMacro::GetEvents(svc::MacroEventBlock** block)
{
    ClearOut(block);
    return RunCall(*m_context.session, SimOperation::MacroGetEvents, [&]() -> svc::HRESULT {
        if (block == nullptr)
            return svc::kPointer;
        return m_context.state->ReadMacro(m_id, [&](const StoredMacro& macro) -> svc::HRESULT {
            const auto count = static_cast<uint32_t>(macro.events.size());
            const size_t size = svc::MacroEventBlock::BytesFor(count);
            auto* events = static_cast<svc::MacroEventBlock*>(svc::TaskMemAlloc(size));
            if (events == nullptr)
                return svc::kOutOfMemory;
            std::memset(events, 0, size);
            events->count = count;
            if (count > 0)
                std::memcpy(reinterpret_cast<unsigned char*>(events) + kEntriesOffset, macro.events.data(),
                            count * sizeof(svc::MacroEventEntry));
            *block = events;
            return svc::kOk;
        });
    });
}

svc::HRESULT CSimMacro::SetEvents(const svc::MacroEventBlock* block)
{
    return RunCall(*m_context.session, SimOperation::MacroSetEvents, [&]() -> svc::HRESULT {
        if (block == nullptr)
            return svc::kPointer;
        if (block->reserved != 0 || block->count > kMaxMacroEvents)
            return svc::kInvalidArg;
        std::vector<svc::MacroEventEntry> events(block->count);
        if (!events.empty())
            std::memcpy(events.data(), reinterpret_cast<const unsigned char*>(block) + kEntriesOffset,
                        events.size() * sizeof(svc::MacroEventEntry));
        for (const svc::MacroEventEntry& event : events) {
            if (!IsValidEvent(event))
                return svc::kInvalidArg;
        }
        return m_context.state->UpdateMacro(m_id, [&](StoredMacro& macro) {
            macro.events = std::move(events);
            return svc::kOk;
        });
    });
}

}  // namespace sim
