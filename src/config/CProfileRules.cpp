#include "config/CProfileRules.h"

#include <algorithm>

#include "config/CVantixConfig.h"
#include "config/ProfileFileNames.h"

bool CProfileRules::IsFull() const noexcept
{
    return m_config.GetProfileCount() >= m_limit;
}

IMouseProfile* CProfileRules::FindExactly(std::wstring_view name) const
{
    for (uint32_t i = 0; i < m_config.GetProfileCount(); ++i) {
        IMouseProfile* profile = m_config.GetProfileAt(i);
        if (profile->GetName() == name)
            return profile;
    }
    return nullptr;
}

std::optional<std::wstring> CProfileRules::CopyName(std::wstring_view source, const std::vector<std::wstring>& taken)
{
    // The cut keeps a surrogate pair whole.
    const std::wstring base = source.size() >= kCutFromLength ? ProfileFileNames::Cut(source, kCopyBaseLength)
                                                              : std::wstring(source);
    for (int number = kFirstCopyNumber; number <= kLastCopyNumber; ++number) {
        std::wstring name = base + L"(" + std::to_wstring(number) + L")";
        if (std::find(taken.begin(), taken.end(), name) == taken.end())
            return name;
    }
    return std::nullopt;
}

CProfileRules::Result CProfileRules::Create(const std::wstring& name)
{
    if (IsFull())
        return {Outcome::LimitReached, nullptr, {}};
    if (name.empty())
        return {};
    if (FindExactly(name) != nullptr)
        return RefusedDuplicate(name);
    IMouseProfile* profile = m_config.CreateProfile(name);
    if (profile == nullptr)
        return {};
    m_config.SetActiveProfile(profile);
    return {Outcome::Done, profile, name};
}

CProfileRules::Result CProfileRules::Rename(IMouseProfile* profile, const std::wstring& name)
{
    if (profile == nullptr || name.empty())
        return {};
    if (FindExactly(name) != nullptr)
        return RefusedDuplicate(name);
    IMouseProfile* renamed = m_config.RenameProfile(profile, name);
    if (renamed == nullptr)
        return {};
    return {Outcome::Done, renamed, name};
}

CProfileRules::Result CProfileRules::Copy(IMouseProfile* source)
{
    if (IsFull())
        return {Outcome::LimitReached, source, {}};
    if (source == nullptr)
        return {};
    const std::optional<std::wstring> name = CopyName(source->GetName(), Names());
    if (!name)
        return {Outcome::NoNameLeft, source, source->GetName()};
    IMouseProfile* copy = m_config.DuplicateProfile(source, *name);
    if (copy == nullptr)
        return {};
    m_config.SetActiveProfile(copy);
    return {Outcome::Done, copy, *name};
}

CProfileRules::Result CProfileRules::CheckDelete(IMouseProfile* profile) const
{
    if (profile == nullptr)
        return {};
    IMouseProfile* first = m_config.GetProfileAt(0);
    // A profile of the first profile's identity is the first profile too (a stored copy of it).
    if (profile == first || (first != nullptr && !first->GetGuid().IsNull() && profile->GetGuid() == first->GetGuid()))
        return {Outcome::FirstProfile, profile, profile->GetName()};
    return {Outcome::Done, profile, profile->GetName()};
}

CProfileRules::Result CProfileRules::Delete(IMouseProfile* profile)
{
    Result allowed = CheckDelete(profile);
    if (allowed.outcome != Outcome::Done)
        return allowed;
    const Guid identity = profile->GetGuid();
    const std::wstring name = profile->GetName();
    for (uint32_t i = 0; i < m_config.GetProfileCount(); ++i) {
        if (auto* each = dynamic_cast<CMouseProfile*>(m_config.GetProfileAt(i)))
            (void)each->ReleaseSwitchesTo(identity, name);
    }
    m_config.DeleteProfile(profile);
    if (m_config.GetActiveProfile() == nullptr)
        m_config.SetActiveProfile(m_config.GetProfileAt(0));
    return {Outcome::Done, nullptr, name};
}

void CProfileRules::ResetToDefaults(IMouseProfile* profile)
{
    if (profile != nullptr)
        m_config.ApplyProfileDefaults(profile);
}

CProfileRules::Result CProfileRules::SetAutoSwitch(IMouseProfile* profile, bool on)
{
    if (profile == nullptr)
        return {};
    if (on && profile->GetProgramPath().empty())
        return {Outcome::NoProgram, profile, profile->GetName()};
    m_config.SetAutoSwitch(profile, on);
    return {Outcome::Done, profile, profile->GetName()};
}

bool CProfileRules::CanUnassignProgram(const IMouseProfile* profile)
{
    return profile != nullptr && !profile->GetProgramPath().empty();
}

std::vector<std::wstring> CProfileRules::Names() const
{
    std::vector<std::wstring> names;
    for (uint32_t i = 0; i < m_config.GetProfileCount(); ++i)
        names.push_back(m_config.GetProfileAt(i)->GetName());
    return names;
}

CProfileRules::Result CProfileRules::RefusedDuplicate(const std::wstring& name) const
{
    return {Outcome::DuplicateName, FindExactly(name), name};
}
