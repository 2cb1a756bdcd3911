#pragma once

#include <optional>
#include <string_view>

#include "platform/Guid.h"
#include "tray/MouseSnapshot.h"

namespace tray {

// Automatic switching: which profile the program in front asks for, and which profile comes
// back when no tied program is in front any more.
//
// A program is tied to the first profile, in the mouse's order, whose automatic switch is on
// and whose program path names the same file. Entering a tied program remembers the profile
// that was active and makes the tied one active; moving between tied programs keeps that
// remembered profile; leaving them brings it back. Someone else's choice wins: when the user
// or the configurator makes another profile active while a tied program stays in front, the
// switcher leaves it, and on leaving it does not take that choice back.
class CProfileSwitcher
{
public:
    // The profile the program at `programPath` is tied to, or null.
    [[nodiscard]] static const TrayProfile* TiedProfile(const MouseSnapshot& mouse, std::wstring_view programPath);

    // Decides after a change of the program in front or of the mouse's profiles: the profile to
    // make active, or nothing to do. An absent mouse changes nothing.
    [[nodiscard]] std::optional<Guid> Evaluate(const MouseSnapshot& mouse, std::wstring_view foregroundPath);

    // The last decision could not be carried out: the next evaluation starts afresh.
    void Forget() noexcept;

    [[nodiscard]] bool IsFollowing() const noexcept { return m_applied.has_value(); }

private:
    std::optional<Guid> Enter(const MouseSnapshot& mouse, const TrayProfile& tied);
    std::optional<Guid> Leave(const MouseSnapshot& mouse);

    std::optional<Guid> m_applied;  // the tied profile this switcher made active
    std::optional<Guid> m_restore;  // what comes back on leaving; none when nothing was active
};

}  // namespace tray
