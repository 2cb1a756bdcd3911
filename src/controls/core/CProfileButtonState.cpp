#include "controls/core/CProfileButtonState.h"

bool CProfileButtonState::Click() noexcept
{
    if (!m_toggleMode)
        return false;
    m_toggled = !m_toggled;
    return true;
}

CProfileButtonState::Picture CProfileButtonState::Choose(bool held, bool disabled) const noexcept
{
    if (m_toggleMode)
        return m_toggled ? Picture::Pressed : Picture::Normal;
    if (m_toggled || held)
        return Picture::Pressed;
    if (m_hovering)
        return Picture::Hover;
    return disabled ? Picture::Disabled : Picture::Normal;
}
