#pragma once

#include <map>
#include <vector>

#include "macro/MacroEvent.h"

// The seventeen ready-made keyboard shortcuts the macro pages offer for insertion: nine edit
// shortcuts (numbers 1 to 9, the "basic" commands) and eight window shortcuts (10 to 17, the
// "additional" commands). Each is modifier press, key press, key release, modifier release.
class CPredefinedMacroList
{
public:
    CPredefinedMacroList();
    virtual ~CPredefinedMacroList() = default;

    // The one list, built on first use before the user interface needs it.
    [[nodiscard]] static const CPredefinedMacroList& Instance();

    // Key event numbers of a shortcut; empty for a number that is not in the map.
    [[nodiscard]] std::vector<int> EditShortcut(int macroNumber) const;
    [[nodiscard]] std::vector<int> WindowShortcut(int macroNumber) const;

    // The key event of a number from the key event table (odd numbers press, even release);
    // false when the number is not in the table.
    [[nodiscard]] bool KeyEvent(int eventNumber, MacroEvent& event) const;

    // The events of macro 1 to 17 from whichever map holds it; empty for other numbers.
    [[nodiscard]] std::vector<MacroEvent> Events(int macroNumber) const;

    // The function code whose name the shortcut carries (41 "$cut" for macro 1 ... 57 for 17);
    // -1 for numbers outside 1 to 17.
    [[nodiscard]] static int FunctionCode(int macroNumber) noexcept;

    [[nodiscard]] const std::map<int, std::vector<int>>& EditShortcuts() const noexcept { return m_editShortcuts; }
    [[nodiscard]] const std::map<int, std::vector<int>>& WindowShortcuts() const noexcept { return m_windowShortcuts; }

private:
    std::map<int, MacroEvent> m_keyEvents;
    std::map<int, std::vector<int>> m_editShortcuts;
    std::map<int, std::vector<int>> m_windowShortcuts;
};
