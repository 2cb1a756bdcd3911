#include "macro/CRawInputRegistry.h"

#include <algorithm>

void CRawInputRegistry::AddUsage(uint16_t usage)
{
    if (std::find(m_usages.begin(), m_usages.end(), usage) == m_usages.end())
        m_usages.push_back(usage);
}

bool CRawInputRegistry::Register(uintptr_t window)
{
    if (IsRegistered() || window == 0 || m_usages.empty())
        return false;
    std::vector<RawInputDevice> records;
    records.reserve(m_usages.size());
    for (const uint16_t usage : m_usages)
    {
        const uint32_t flags = usage == kUsageMouse ? kFlagInputSink : kFlagInputSink | kFlagNoLegacy;
        records.push_back(RawInputDevice{kGenericDesktop, usage, flags, window});
    }
    if (!m_devices.RegisterDevices(records))
        return false;
    m_records = std::move(records);
    return true;
}

void CRawInputRegistry::Unregister()
{
    if (IsRegistered())
    {
        for (RawInputDevice& record : m_records)
        {
            record.flags = kFlagRemove;
            record.target = 0;
        }
        // Nothing more can be done when the system refuses to take it back.
        static_cast<void>(m_devices.RegisterDevices(m_records));
        m_records.clear();
    }
    m_usages.clear();
}

uintptr_t CRawInputRegistry::Target() const noexcept
{
    return m_records.empty() ? 0 : m_records.front().target;
}
