#include "tray/CProfileSwitcher.h"

#include "tray/WindowsPath.h"

namespace tray {

const TrayProfile* CProfileSwitcher::TiedProfile(const MouseSnapshot& mouse, std::wstring_view programPath)
{
    if (programPath.empty())
        return nullptr;
    const std::wstring wanted = NormalizeWindowsPath(programPath);
    for (const TrayProfile& profile : mouse.profiles)
        if (profile.autoSwitch && !profile.programPath.empty() && NormalizeWindowsPath(profile.programPath) == wanted)
            return &profile;
    return nullptr;
}

std::optional<Guid> CProfileSwitcher::Evaluate(const MouseSnapshot& mouse, std::wstring_view foregroundPath)
{
    if (!mouse.present)
        return std::nullopt;
    if (const TrayProfile* tied = TiedProfile(mouse, foregroundPath))
        return Enter(mouse, *tied);
    return Leave(mouse);
}

std::optional<Guid> CProfileSwitcher::Enter(const MouseSnapshot& mouse, const TrayProfile& tied)
{
    if (m_applied && *m_applied == tied.id)
        return std::nullopt;  // still in front: whatever is active now was chosen on purpose
    // From nothing tied, or from a tied profile that someone replaced meanwhile, the profile
    // active now is the one to come back to.
    if (!m_applied || mouse.active != *m_applied)
        m_restore = mouse.active.IsNull() ? std::nullopt : std::optional<Guid>(mouse.active);
    m_applied = tied.id;
    if (mouse.active == tied.id)
        return std::nullopt;
    return tied.id;
}

std::optional<Guid> CProfileSwitcher::Leave(const MouseSnapshot& mouse)
{
    if (!m_applied)
        return std::nullopt;
    // The tied profile still active (or gone with its program's tie): ours to undo. Another
    // profile made active meanwhile stays.
    const bool ours = mouse.active == *m_applied || mouse.Find(*m_applied) == nullptr;
    std::optional<Guid> back;
    if (ours && m_restore && *m_restore != mouse.active && mouse.Find(*m_restore) != nullptr)
        back = m_restore;
    Forget();
    return back;
}

void CProfileSwitcher::Forget() noexcept
{
    m_applied.reset();
    m_restore.reset();
}

}  // namespace tray
