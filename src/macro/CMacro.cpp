#include "macro/CMacro.h"

#include "macro/CMacroList.h"
#include "platform/TextCase.h"

CMacro::CMacro(std::wstring_view name, std::vector<MacroEvent> events)
    : m_events(std::move(events))
{
    AssignName(name);
}

CMacro::CMacro(const CMacro& other)
    : m_name(other.m_name)
    , m_guid(other.m_guid)
    , m_events(other.m_events)
    , m_text(other.m_text)
{
}

bool CMacro::SetName(std::wstring_view name)
{
    if (m_owner != nullptr)
        return m_owner->Rename(this, name);
    AssignName(name);
    return true;
}

void CMacro::AssignName(std::wstring_view name)
{
    m_name = name.substr(0, kMaxNameLength);
}

bool operator==(const CMacro& a, const CMacro& b) noexcept
{
    return a.m_guid == b.m_guid && platform::EqualsIgnoreCase(a.m_name, b.m_name) && a.m_events == b.m_events;
}
