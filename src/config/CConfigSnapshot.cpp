#include "config/CConfigSnapshot.h"

#include <unordered_set>

#include "macro/CMacro.h"

CConfigSnapshot::CConfigSnapshot(const CMouseConfig& live)
    : m_extension(live.GetProfileFileExtension())
{
    CopyFrom(live);
    for (uint32_t i = 0; i < live.GetProfileCount(); ++i) {
        IMouseProfile* original = live.GetProfileAt(i);
        m_profileOrigins.push_back({GetProfileAt(i), original, original->GetGuid()});
    }
    for (uint32_t i = 0; i < live.GetMacroCount(); ++i) {
        CMacro* original = live.GetMacroAt(i);
        m_macroOrigins.push_back({GetMacroAt(i), original, original->GetGuid()});
    }
}

void CConfigSnapshot::MergeIdentitiesInto(IMouseConfig& live) const
{
    std::unordered_set<const IMouseProfile*> liveProfiles;
    for (uint32_t i = 0; i < live.GetProfileCount(); ++i)
        liveProfiles.insert(live.GetProfileAt(i));
    for (const auto& [copy, original, idBefore] : m_profileOrigins) {
        const Guid idAfter = copy->GetGuid();
        if (idAfter != idBefore && liveProfiles.count(original) != 0 && original->GetGuid() == idBefore)
            original->SetGuid(idAfter);
    }

    std::unordered_set<const CMacro*> liveMacros;
    for (uint32_t i = 0; i < live.GetMacroCount(); ++i)
        liveMacros.insert(live.GetMacroAt(i));
    for (const auto& [copy, original, idBefore] : m_macroOrigins) {
        const Guid idAfter = copy->GetGuid();
        if (idAfter != idBefore && liveMacros.count(original) != 0 && original->GetGuid() == idBefore)
            original->SetGuid(idAfter);
    }
}
