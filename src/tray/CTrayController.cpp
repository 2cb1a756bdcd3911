#include "tray/CTrayController.h"

namespace tray {

CTrayController::CTrayController(ITrayDevice& device, CTrayTexts texts) : m_device(device), m_texts(std::move(texts)) {}

std::optional<OsdMessage> CTrayController::Refresh(std::wstring_view foregroundPath)
{
    m_foregroundPath = foregroundPath;
    m_mouse = m_device.Read();
    if (const std::optional<Guid> wanted = m_switcher.Evaluate(m_mouse, m_foregroundPath)) {
        if (m_device.Activate(*wanted))
            m_mouse = m_device.Read();
        else
            m_switcher.Forget();
    }
    return Observe();
}

bool CTrayController::ChooseProfile(int32_t index, std::optional<OsdMessage>& shown)
{
    shown.reset();
    if (index < 0 || static_cast<size_t>(index) >= m_mouse.profiles.size())
        return false;
    const bool activated = m_device.Activate(m_mouse.profiles[static_cast<size_t>(index)].id);
    m_mouse = m_device.Read();
    // The user's choice now stands while the program in front stays; the switcher sees it as
    // someone else's choice on its next evaluation.
    shown = Observe();
    return activated;
}

std::optional<OsdMessage> CTrayController::Observe()
{
    std::optional<OsdMessage> message = m_planner.Observe(m_mouse, m_texts);
    if (!m_displaysOn)
        return std::nullopt;
    return message;
}

}  // namespace tray
