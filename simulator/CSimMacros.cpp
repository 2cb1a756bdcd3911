#include "CSimMacros.h"

#include <algorithm>

#include "CSimMacro.h"
#include "SimFileFormat.h"
#include "SimInterop.h"

namespace sim {
namespace {

constexpr std::u16string_view kNewMacroName = u"New macro";

}  // namespace

svc::HRESULT CSimMacros::Hand(svc::HRESULT found, const Guid& id, svc::IDeviceMacro** macro) const
{
    if (svc::Failed(found))
        return found;
    *macro = new CSimMacro(m_context, id);
    return svc::kOk;
}

svc::HRESULT CSimMacros::GetItem(uint32_t index, svc::IDeviceMacro** macro)
{
    ClearOut(macro);
    return RunCall(*m_context.session, SimOperation::MacrosGetItem, [&]() -> svc::HRESULT {
        if (macro == nullptr)
            return svc::kPointer;
        Guid id;
        const svc::HRESULT found = m_context.state->Read([&](const DeviceModel& model) {
            if (index >= model.macros.size())
                return svc::kNoMoreItems;
            id = model.macros[index].id;
            return svc::kOk;
        });
        return Hand(found, id, macro);
    });
}

svc::HRESULT CSimMacros::FindById(Guid id, svc::IDeviceMacro** macro)
{
    ClearOut(macro);
    return RunCall(*m_context.session, SimOperation::MacrosFindById, [&]() -> svc::HRESULT {
        if (macro == nullptr)
            return svc::kPointer;
        const svc::HRESULT found = m_context.state->ReadMacro(id, [](const StoredMacro&) { return svc::kOk; });
        return Hand(found, id, macro);
    });
}

svc::HRESULT CSimMacros::Add(StoredMacro macro, svc::IDeviceMacro** out)
{
    Guid id;
    const svc::HRESULT added = m_context.state->Update([&](DeviceModel& model) {
        if (model.macros.size() >= kMaxMacros)
            return kLimitReached;
        id = model.NewId();
        macro.id = id;
        model.macros.push_back(macro);
        return svc::kOk;
    });
    return Hand(added, id, out);
}

svc::HRESULT CSimMacros::Create(svc::IDeviceMacro** macro)
{
    ClearOut(macro);
    return RunCall(*m_context.session, SimOperation::MacrosCreate, [&]() -> svc::HRESULT {
        if (macro == nullptr)
            return svc::kPointer;
        StoredMacro created;
        created.name = kNewMacroName;
        return Add(std::move(created), macro);
    });
}

svc::HRESULT CSimMacros::Remove(svc::IDeviceMacro* macro)
{
    return RunCall(*m_context.session, SimOperation::MacrosRemove, [&]() -> svc::HRESULT {
        ItemKey key;
        if (!KeyOf(macro, key) || key.owner != m_context.state.get())
            return svc::kInvalidArg;
        return m_context.state->Update([&](DeviceModel& model) {
            const auto removed = std::remove_if(model.macros.begin(), model.macros.end(),
                                                [&](const StoredMacro& stored) { return stored.id == key.id; });
            if (removed == model.macros.end())
                return kNotFound;
            model.macros.erase(removed, model.macros.end());
            return svc::kOk;
        });
    });
}

svc::HRESULT CSimMacros::Import(const char16_t* path, svc::IDeviceMacro** macro)
{
    ClearOut(macro);
    return RunCall(*m_context.session, SimOperation::MacrosImport, [&]() -> svc::HRESULT {
        if (macro == nullptr)
            return svc::kPointer;
        std::string bytes;
        if (const svc::HRESULT read = ReadExchangeFile(path, bytes); svc::Failed(read))
            return read;
        StoredMacro imported;
        if (DecodeMacro(bytes, imported) != FileProblem::None)
            return kBadFile;
        return Add(std::move(imported), macro);
    });
}

}  // namespace sim
