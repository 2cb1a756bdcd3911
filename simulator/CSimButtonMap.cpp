#include "CSimButtonMap.h"

namespace sim {

svc::HRESULT CSimButtonMap::Get(uint32_t* count, svc::ButtonRecord* records)
{
    return RunCall(*m_context.session, SimOperation::ButtonMapGet, [&]() -> svc::HRESULT {
        if (count == nullptr || (records == nullptr && *count > 0))
            return svc::kPointer;
        return m_context.state->ReadProfile(m_profileId, [&](const StoredProfile& profile) {
            uint32_t filled = 0;
            for (const auto& [index, record] : profile.buttons) {
                if (filled == *count)
                    break;
                records[filled++] = record;
            }
            // S_FALSE: the room was too small for every record.
            const svc::HRESULT result = filled < profile.buttons.size() ? svc::kFalse : svc::kOk;
            *count = filled;
            return result;
        });
    });
}

svc::HRESULT CSimButtonMap::Set(uint32_t count, const svc::ButtonRecord* records)
{
    return RunCall(*m_context.session, SimOperation::ButtonMapSet, [&]() -> svc::HRESULT {
        if (records == nullptr && count > 0)
            return svc::kPointer;
        if (count > kButtonCount)
            return svc::kInvalidArg;
        for (uint32_t i = 0; i < count; ++i) {
            if (!IsAssignableButton(records[i].Word(4)))
                return svc::kInvalidArg;
        }
        return m_context.state->UpdateProfile(m_profileId, [&](StoredProfile& profile) {
            for (uint32_t i = 0; i < count; ++i)
                profile.buttons[records[i].Word(4)] = records[i];
            return svc::kOk;
        });
    });
}

svc::HRESULT CSimButtonMap::GetCaps(uint32_t* count, uint32_t* reserved, uint32_t* mask)
{
    return RunCall(*m_context.session, SimOperation::ButtonMapGetCaps, [&]() -> svc::HRESULT {
        if (count == nullptr || mask == nullptr)
            return svc::kPointer;
        return m_context.state->ReadProfile(m_profileId, [&](const StoredProfile&) {
            *count = kButtonCount;
            *mask = kButtonMask;
            if (reserved != nullptr)
                *reserved = 0;
            return svc::kOk;
        });
    });
}

}  // namespace sim
