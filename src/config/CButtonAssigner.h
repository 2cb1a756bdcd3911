#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/AssignmentInfo.h"

class IMouseConfig;

// What the assign-buttons page does to the active profile, without its windows: the menus of
// the buttons, the records their entries stand for, the two key sets of the thumb grid ("123"
// and "NUM"), and the rule that some button must always click. Buttons are the profile's
// numbers: 1 to 11 the mouse's buttons, 12 to 23 the twelve cells of the thumb grid, whose key
// comes from the current key set.
class CButtonAssigner
{
public:
    enum class KeySet : uint8_t
    {
        Digits,  // "123"
        NumPad,  // "NUM"
    };
    enum class Outcome : uint8_t
    {
        Stored,
        NoClickLeft,  // refused: nothing would click; the previous state is back
        Ignored,      // a grid cell without a key, or a button the page does not have
    };
    static constexpr int32_t kFirstGridButton = 12;
    static constexpr int32_t kGridCells = 12;

    explicit CButtonAssigner(IMouseConfig& config) noexcept : m_config(config) {}

    // Reads the active profile's key list into the key sets: key i goes to set i / 12, grid
    // cell 12 + i mod 12; keys past the second set are left out.
    void LoadKeyMaps();
    void SelectKeySet(KeySet set) noexcept { m_keySet = set; }
    [[nodiscard]] KeySet CurrentKeySet() const noexcept { return m_keySet; }
    [[nodiscard]] static bool IsGridButton(int32_t button) noexcept;
    // The key of a grid cell in the current set; none when the cell has no key.
    [[nodiscard]] std::optional<uint32_t> KeyOfButton(int32_t button) const;

    // The language keys of a button's menu, in order.
    [[nodiscard]] std::vector<std::wstring> Menu(int32_t button) const;
    // The code an entry's key names, ignoring case; of several, the lowest. -1 for none.
    [[nodiscard]] static int32_t CodeOfEntry(std::wstring_view key) noexcept;
    // The entry that shows a record's code: the macro entry for both macro codes, the profile
    // entry for both profile codes.
    [[nodiscard]] static int32_t EntryCodeOf(int32_t code) noexcept;

    // The record an entry stands for. The macro and profile entries name their macro or
    // profile in `submenuText` and give a reference by identity, or by name when it has no
    // identity yet; none when the name is empty or names nothing. Other codes give the code
    // with an empty parameter block.
    [[nodiscard]] std::optional<AssignmentInfo> RecordFor(int32_t code, const std::wstring& submenuText) const;

    // The record a button holds now; none for a grid cell without a key.
    [[nodiscard]] std::optional<AssignmentInfo> Current(int32_t button) const;
    // What the button shows: as Current, but a grid cell shows "button off" while the thumb
    // keys are disabled.
    [[nodiscard]] std::optional<AssignmentInfo> Shown(int32_t button) const;

    // Stores the record. When no button clicks afterwards, the previous record comes back.
    Outcome Assign(int32_t button, const AssignmentInfo& record);
    // Puts a record back without the check (a cancelled key entry).
    void Restore(int32_t button, const AssignmentInfo& record);

    // Enables or disables the thumb keys. Disabling that leaves nothing to click is refused
    // and the keys stay enabled. Enabling them while every key of both sets is off gives every
    // key its default.
    Outcome SetKeysEnabled(bool enabled);

private:
    void Store(int32_t button, uint32_t key, const AssignmentInfo& record);
    [[nodiscard]] bool AllKeysOff() const;

    IMouseConfig& m_config;
    std::array<std::map<int32_t, uint32_t>, 2> m_keyMaps;  // grid button -> key, by KeySet
    KeySet m_keySet = KeySet::Digits;
};
