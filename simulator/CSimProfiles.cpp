#include "CSimProfiles.h"

#include <algorithm>

#include "CSimProfile.h"
#include "SimFileFormat.h"
#include "SimInterop.h"

namespace sim {
namespace {

constexpr std::u16string_view kNewProfileName = u"New profile";

}  // namespace

svc::HRESULT CSimProfiles::Hand(svc::HRESULT found, const Guid& id, svc::IDeviceProfile** profile) const
{
    if (svc::Failed(found))
        return found;
    *profile = new CSimProfile(m_context, id);
    return svc::kOk;
}

bool CSimProfiles::OwnProfile(svc::IDeviceProfile* profile, Guid& id) const noexcept
{
    ItemKey key;
    if (!KeyOf(profile, key) || key.owner != m_context.state.get())
        return false;
    id = key.id;
    return true;
}

svc::HRESULT CSimProfiles::GetItem(uint32_t index, svc::IDeviceProfile** profile)
{
    ClearOut(profile);
    return RunCall(*m_context.session, SimOperation::ProfilesGetItem, [&]() -> svc::HRESULT {
        if (profile == nullptr)
            return svc::kPointer;
        Guid id;
        const svc::HRESULT found = m_context.state->Read([&](const DeviceModel& model) {
            if (index >= model.profiles.size())
                return svc::kNoMoreItems;
            id = model.profiles[index].id;
            return svc::kOk;
        });
        return Hand(found, id, profile);
    });
}

svc::HRESULT CSimProfiles::FindById(Guid id, svc::IDeviceProfile** profile)
{
    ClearOut(profile);
    return RunCall(*m_context.session, SimOperation::ProfilesFindById, [&]() -> svc::HRESULT {
        if (profile == nullptr)
            return svc::kPointer;
        const svc::HRESULT found = m_context.state->ReadProfile(id, [](const StoredProfile&) { return svc::kOk; });
        return Hand(found, id, profile);
    });
}

svc::HRESULT CSimProfiles::SetActive(svc::IDeviceProfile* profile)
{
    return RunCall(*m_context.session, SimOperation::ProfilesSetActive, [&]() -> svc::HRESULT {
        Guid id;
        if (!OwnProfile(profile, id))
            return svc::kInvalidArg;
        return m_context.state->Update([&](DeviceModel& model) {
            if (model.FindProfile(id) == nullptr)
                return kNotFound;
            model.activeProfile = id;
            return svc::kOk;
        });
    });
}

svc::HRESULT CSimProfiles::GetActive(svc::IDeviceProfile** profile)
{
    ClearOut(profile);
    return RunCall(*m_context.session, SimOperation::ProfilesGetActive, [&]() -> svc::HRESULT {
        if (profile == nullptr)
            return svc::kPointer;
        Guid id;
        const svc::HRESULT found = m_context.state->Read([&](const DeviceModel& model) {
            if (!model.activeProfile)
                return kNotFound;
            id = *model.activeProfile;
            return svc::kOk;
        });
        return Hand(found, id, profile);
    });
}

svc::HRESULT CSimProfiles::Add(StoredProfile profile, svc::IDeviceProfile** out, Guid* freshId)
{
    Guid id;
    const svc::HRESULT added = m_context.state->Update([&](DeviceModel& model) {
        if (model.profiles.size() >= kMaxProfiles)
            return kLimitReached;
        id = model.NewId();
        profile.id = id;
        model.profiles.push_back(profile);
        if (!model.activeProfile)
            model.activeProfile = id;
        return svc::kOk;
    });
    if (svc::Failed(added))
        return added;
    if (freshId != nullptr)
        *freshId = id;
    return Hand(added, id, out);
}

svc::HRESULT CSimProfiles::Create(svc::IDeviceProfile** profile, Guid* freshId)
{
    ClearOut(profile);
    return RunCall(*m_context.session, SimOperation::ProfilesCreate, [&]() -> svc::HRESULT {
        if (profile == nullptr)
            return svc::kPointer;
        return Add(MakeNewProfile(Guid{}, std::u16string(kNewProfileName)), profile, freshId);
    });
}

svc::HRESULT CSimProfiles::Remove(svc::IDeviceProfile* profile)
{
    return RunCall(*m_context.session, SimOperation::ProfilesRemove, [&]() -> svc::HRESULT {
        Guid id;
        if (!OwnProfile(profile, id))
            return svc::kInvalidArg;
        return m_context.state->Update([&](DeviceModel& model) {
            const auto removed = std::remove_if(model.profiles.begin(), model.profiles.end(),
                                                [&](const StoredProfile& stored) { return stored.id == id; });
            if (removed == model.profiles.end())
                return kNotFound;
            model.profiles.erase(removed, model.profiles.end());
            // The device keeps an active profile while it has any: the first one takes over.
            if (model.activeProfile == id)
                model.activeProfile = model.profiles.empty() ? std::nullopt : std::optional(model.profiles.front().id);
            return svc::kOk;
        });
    });
}

svc::HRESULT CSimProfiles::Import(const char16_t* path, svc::IDeviceProfile** profile)
{
    ClearOut(profile);
    return RunCall(*m_context.session, SimOperation::ProfilesImport, [&]() -> svc::HRESULT {
        if (profile == nullptr)
            return svc::kPointer;
        std::string bytes;
        if (const svc::HRESULT read = ReadExchangeFile(path, bytes); svc::Failed(read))
            return read;
        StoredProfile imported;
        if (DecodeProfile(bytes, imported) != FileProblem::None)
            return kBadFile;
        return Add(std::move(imported), profile, nullptr);
    });
}

}  // namespace sim
