#pragma once

#include <array>
#include <cstdint>

// A profile button's state as data: whether it toggles and is toggled on, whether the pointer
// is over it, which of its four pictures that shows, and where its four text columns lie.
class CProfileButtonState
{
public:
    enum class Picture : uint8_t
    {
        Normal,
        Hover,
        Pressed,
        Disabled,
    };

    struct Column
    {
        int32_t left = 0;
        int32_t right = 0;
    };
    // The text columns, in the button's client coordinates.
    static constexpr std::array<Column, 4> kColumns = {{{5, 55}, {60, 160}, {165, 265}, {270, 370}}};
    static constexpr uint32_t kTextColour = 0xE0E0E0;

    void SetToggleMode(bool toggleMode) noexcept { m_toggleMode = toggleMode; }
    [[nodiscard]] bool IsToggleMode() const noexcept { return m_toggleMode; }
    void SetToggled(bool toggled) noexcept { m_toggled = toggled; }
    [[nodiscard]] bool IsToggled() const noexcept { return m_toggled; }
    void SetHovering(bool hovering) noexcept { m_hovering = hovering; }
    [[nodiscard]] bool IsHovering() const noexcept { return m_hovering; }

    // A click in toggle mode flips the toggle state and is the button's own to report (true);
    // outside toggle mode it is a plain button click (false), reported by the platform.
    bool Click() noexcept;

    // `held`: the mouse button is down on it; `disabled`: the window is disabled.
    [[nodiscard]] Picture Choose(bool held, bool disabled) const noexcept;

private:
    bool m_toggleMode = false;
    bool m_toggled = false;
    bool m_hovering = false;
};
