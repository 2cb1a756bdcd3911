#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CVantixConfig;
class IMouseProfile;

// What the profiles page does to the list of profiles, without its windows: new, rename, copy,
// delete, reset, the program's automatic switch, and the limit on the number of profiles. Each
// operation either changes the configuration and answers Done, or answers why it refused and
// changes nothing; the page shows the refusal's pop-up.
class CProfileRules
{
public:
    enum class Outcome : uint8_t
    {
        Done,
        Nothing,        // no profile or an empty name: nothing to do, nothing to tell
        LimitReached,   // as many profiles as the mouse holds
        DuplicateName,  // another profile (or this one) has exactly this name
        FirstProfile,   // the first profile is never deleted
        NoProgram,      // automatic switching needs a program
        NoNameLeft,     // every numbered copy name is taken
    };
    struct Result
    {
        Outcome outcome = Outcome::Nothing;
        // Done: the profile made or changed (null after a delete). Refused: the profile the
        // refusal is about.
        IMouseProfile* profile = nullptr;
        // The name the refusal's pop-up shows after ": " (the duplicate, the refused profile).
        std::wstring name;
    };

    // A copy's name is the source's name, cut to kCopyBaseLength characters when it has
    // kCutFromLength or more, followed by "(n)" for the first n from 2 to 99 that no profile has.
    static constexpr size_t kCutFromLength = 20;
    static constexpr size_t kCopyBaseLength = 18;
    static constexpr int kFirstCopyNumber = 2;
    static constexpr int kLastCopyNumber = 99;

    // `limit`: how many profiles the mouse holds.
    CProfileRules(CVantixConfig& config, uint32_t limit) noexcept : m_config(config), m_limit(limit) {}

    [[nodiscard]] bool IsFull() const noexcept;
    // The profile of exactly this name (letter case counts), or null.
    [[nodiscard]] IMouseProfile* FindExactly(std::wstring_view name) const;
    // The name a copy of `source` takes while the names `taken` exist; none when all are taken.
    [[nodiscard]] static std::optional<std::wstring> CopyName(std::wstring_view source,
                                                              const std::vector<std::wstring>& taken);

    // A new profile with the defaults, made active.
    [[nodiscard]] Result Create(const std::wstring& name);
    // Renaming to any profile's exact name, its own included, is refused.
    [[nodiscard]] Result Rename(IMouseProfile* profile, const std::wstring& name);
    // A copy under the next free numbered name (with a file of its own), made active.
    [[nodiscard]] Result Copy(IMouseProfile* source);
    // Whether the profile may be deleted (asked before the user confirms).
    [[nodiscard]] Result CheckDelete(IMouseProfile* profile) const;
    // Deletes the profile and its file; every button and key of any profile that switched to it
    // gets its default back; when no profile is left active, the first one is made active.
    [[nodiscard]] Result Delete(IMouseProfile* profile);
    // The defaults of a new profile; the profile-switch display of all profiles keeps the
    // active profile's value.
    void ResetToDefaults(IMouseProfile* profile);
    // Switching on needs a program; switching off is always taken.
    [[nodiscard]] Result SetAutoSwitch(IMouseProfile* profile, bool on);
    // The option panel offers to remove a program only from a profile that has one.
    [[nodiscard]] static bool CanUnassignProgram(const IMouseProfile* profile);

private:
    [[nodiscard]] std::vector<std::wstring> Names() const;
    [[nodiscard]] Result RefusedDuplicate(const std::wstring& name) const;

    CVantixConfig& m_config;
    uint32_t m_limit;
};
