#include "tray/COsdPlanner.h"

namespace tray {

std::optional<OsdMessage> COsdPlanner::Observe(const MouseSnapshot& mouse, const CTrayTexts& texts)
{
    const TrayProfile* active = mouse.Active();
    if (!mouse.present || active == nullptr) {
        m_seen = false;
        return std::nullopt;
    }
    const bool first = !m_seen;
    const bool profileChanged = m_active != active->id;
    const bool resolutionChanged = m_resolution != active->resolution;
    m_seen = true;
    m_active = active->id;
    m_resolution = active->resolution;
    if (first)
        return std::nullopt;

    const bool showProfile = profileChanged && active->profileOsd;
    const bool showResolution = resolutionChanged && active->dpiOsd && active->resolution > 0;
    if (showProfile)
        return OsdMessage{texts.Text(L"$TrayDisplayProfile"), active->name,
                          showResolution ? ResolutionText(active->resolution) : std::wstring()};
    if (showResolution)
        return OsdMessage{texts.Text(L"$TrayDisplayResolution"), ResolutionText(active->resolution), {}};
    return std::nullopt;
}

std::wstring COsdPlanner::ResolutionText(int32_t resolution)
{
    return std::to_wstring(resolution) + L" DPI";
}

}  // namespace tray
