#include "config/CMacroRules.h"

#include "config/CMouseProfile.h"
#include "config/IMouseConfig.h"
#include "macro/CMacro.h"

bool CMacroRules::IsFull() const
{
    return m_config.GetMacroCount() >= kMaxMacros;
}

CMacroRules::Result CMacroRules::Create(const std::wstring& name)
{
    if (name.empty())
        return {};
    if (IsFull())
        return {Outcome::LimitReached, nullptr};
    // The macro list keys names without letter case, so "Fire" and "FIRE" cannot both exist.
    if (CMacro* holder = m_config.FindMacroByName(name))
        return {Outcome::DuplicateName, holder};
    CMacro* made = m_config.AddMacro(name);
    return made != nullptr ? Result{Outcome::Done, made} : Result{Outcome::DuplicateName, nullptr};
}

size_t CMacroRules::Delete(CMacro* macro)
{
    if (macro == nullptr)
        return 0;
    size_t released = 0;
    for (uint32_t index = 0; index < m_config.GetProfileCount(); ++index)
    {
        if (auto* profile = dynamic_cast<CMouseProfile*>(m_config.GetProfileAt(index)))
            released += profile->ReleaseMacroRuns(macro->GetGuid(), macro->GetName());
    }
    m_config.DeleteMacro(macro);
    return released;
}

std::vector<std::wstring> CMacroRules::Names() const
{
    std::vector<std::wstring> names;
    names.reserve(m_config.GetMacroCount());
    for (uint32_t index = 0; index < m_config.GetMacroCount(); ++index)
        names.push_back(m_config.GetMacroAt(index)->GetName());
    return names;
}
