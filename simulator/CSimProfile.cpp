#include "CSimProfile.h"

#include <array>

#include "CSimButtonMap.h"
#include "CSimButtonMapAlt.h"
#include "CSimLights.h"
#include "CSimProfileValues.h"
#include "CSimResolution.h"
#include "CSimSensitivity.h"
#include "SimFileFormat.h"
#include "SimInterop.h"

namespace sim {
namespace {

using FeatureFactory = void* (*)(const SimContext& context, const Guid& profileId);

template <typename Object, typename Interface>
void* MakeFeature(const SimContext& context, const Guid& profileId)
{
    return static_cast<Interface*>(new Object(context, profileId));
}

struct ProfileFeature
{
    const Guid* iid;
    FeatureFactory make;
};

const std::array<ProfileFeature, 6> kProfileFeatures = {{
    {&svc::kIidResolution, MakeFeature<CSimResolution, svc::IResolution>},
    {&svc::kIidSensitivity, MakeFeature<CSimSensitivity, svc::ISensitivity>},
    {&svc::kIidButtonMap, MakeFeature<CSimButtonMap, svc::IButtonMap>},
    {&svc::kIidButtonMapAlt, MakeFeature<CSimButtonMapAlt, svc::IButtonMapAlt>},
    {&svc::kIidLights, MakeFeature<CSimLights, svc::ILights>},
    {&svc::kIidProfileValues, MakeFeature<CSimProfileValues, svc::IProfileValues>},
}};

svc::HRESULT Exists(const StoredProfile&) { return svc::kOk; }

}  // namespace

svc::HRESULT CSimProfile::GetFeature(const Guid& iid, void** feature)
{
    ClearOut(feature);
    return RunCall(*m_context.session, SimOperation::ProfileGetFeature, [&]() -> svc::HRESULT {
        if (feature == nullptr)
            return svc::kPointer;
        if (const svc::HRESULT found = m_context.state->ReadProfile(m_id, Exists); svc::Failed(found))
            return found;
        for (const ProfileFeature& entry : kProfileFeatures) {
            if (*entry.iid == iid) {
                *feature = entry.make(m_context, m_id);
                return svc::kOk;
            }
        }
        return svc::kNoInterface;
    });
}

svc::HRESULT CSimProfile::GetId(Guid* id)
{
    return RunCall(*m_context.session, SimOperation::ProfileGetId, [&]() -> svc::HRESULT {
        if (id == nullptr)
            return svc::kPointer;
        const svc::HRESULT found = m_context.state->ReadProfile(m_id, Exists);
        if (svc::Succeeded(found))
            *id = m_id;
        return found;
    });
}

svc::HRESULT CSimProfile::GetName(char16_t** name)
{
    ClearOut(name);
    return RunCall(*m_context.session, SimOperation::ProfileGetName, [&]() -> svc::HRESULT {
        return m_context.state->ReadProfile(m_id, [&](const StoredProfile& profile) {
            return CopyToTaskString(profile.name, name);
        });
    });
}

svc::HRESULT CSimProfile::SetName(const char16_t* name)
{
    return RunCall(*m_context.session, SimOperation::ProfileSetName, [&]() -> svc::HRESULT {
        if (name == nullptr)
            return svc::kPointer;
        std::optional<std::u16string> text = TextFromCaller(name, kMaxNameUnits);
        if (!text)
            return svc::kInvalidArg;
        return m_context.state->UpdateProfile(m_id, [&](StoredProfile& profile) {
            profile.name = *text;
            return svc::kOk;
        });
    });
}

svc::HRESULT CSimProfile::Export(const char16_t* path)
{
    return RunCall(*m_context.session, SimOperation::ProfileExport, [&]() -> svc::HRESULT {
        std::string bytes;
        const svc::HRESULT found = m_context.state->ReadProfile(m_id, [&](const StoredProfile& profile) {
            bytes = EncodeProfile(profile);
            return svc::kOk;
        });
        if (svc::Failed(found))
            return found;
        return WriteExchangeFile(path, bytes);
    });
}

}  // namespace sim
