#include "CSimProfileValues.h"

#include <algorithm>
#include <cstring>

namespace sim {

svc::HRESULT CSimProfileValues::GetValue(uint32_t id, uint32_t, void* buffer, uint32_t, uint32_t* bytes)
{
    return RunCall(*m_context.session, SimOperation::ValuesGetValue, [&]() -> svc::HRESULT {
        if (bytes == nullptr || (buffer == nullptr && *bytes > 0))
            return svc::kPointer;
        if (id == svc::kValueApplicationPath)
            return GetPath(buffer, bytes);
        if (id == svc::kValueSwitches)
            return GetSwitches(buffer, bytes);
        return svc::kInvalidArg;
    });
}

svc::HRESULT CSimProfileValues::SetValue(uint32_t id, const void* data, uint32_t, uint32_t bytes, uint32_t)
{
    return RunCall(*m_context.session, SimOperation::ValuesSetValue, [&]() -> svc::HRESULT {
        if (data == nullptr && bytes > 0)
            return svc::kPointer;
        if (id == svc::kValueApplicationPath)
            return SetPath(data, bytes);
        if (id == svc::kValueSwitches)
            return SetSwitches(data, bytes);
        return svc::kInvalidArg;
    });
}

svc::HRESULT CSimProfileValues::GetPath(void* buffer, uint32_t* bytes) const
{
    return m_context.state->ReadProfile(m_profileId, [&](const StoredProfile& profile) -> svc::HRESULT {
        if (!profile.applicationPath) {
            *bytes = 0;
            return svc::kOk;
        }
        if (*bytes < kApplicationPathBytes) {
            *bytes = kApplicationPathBytes;
            return kBufferTooSmall;
        }
        std::memset(buffer, 0, kApplicationPathBytes);
        std::memcpy(buffer, profile.applicationPath->data(), profile.applicationPath->size() * sizeof(char16_t));
        *bytes = kApplicationPathBytes;
        return svc::kOk;
    });
}

svc::HRESULT CSimProfileValues::GetSwitches(void* buffer, uint32_t* bytes) const
{
    return m_context.state->ReadProfile(m_profileId, [&](const StoredProfile& profile) -> svc::HRESULT {
        if (*bytes < kSwitchReadBytes) {
            *bytes = kSwitchReadBytes;
            return kBufferTooSmall;
        }
        std::memcpy(buffer, &profile.switches, kSwitchReadBytes);
        *bytes = kSwitchReadBytes;
        return svc::kOk;
    });
}

svc::HRESULT CSimProfileValues::SetPath(const void* data, uint32_t bytes)
{
    if (bytes == 0 || bytes % 2 != 0 || bytes > kApplicationPathBytes)
        return svc::kInvalidArg;
    std::u16string text(bytes / 2, u'\0');
    std::memcpy(text.data(), data, bytes);
    text.resize(std::min(text.find(u'\0'), text.size()));
    if (!IsValidApplicationPath(text))
        return svc::kInvalidArg;
    return m_context.state->UpdateProfile(m_profileId, [&](StoredProfile& profile) {
        profile.applicationPath = text;
        return svc::kOk;
    });
}

svc::HRESULT CSimProfileValues::SetSwitches(const void* data, uint32_t bytes)
{
    if (bytes != kSwitchWriteBytes)
        return svc::kInvalidArg;
    uint16_t record[2];
    std::memcpy(record, data, sizeof(record));
    const uint16_t mask = record[0];
    const uint16_t value = record[1];
    if (mask == 0 || (mask & ~kSwitchBits) != 0)
        return svc::kInvalidArg;
    return m_context.state->UpdateProfile(m_profileId, [&](StoredProfile& profile) {
        profile.switches = static_cast<uint16_t>(value != 0 ? profile.switches | mask : profile.switches & ~mask);
        return svc::kOk;
    });
}

}  // namespace sim
