#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CMacro;
class IMouseConfig;

// What the macros page does to the list of macros, without its windows: a new macro (the
// limit, the name taken in any letter case) and deleting one, which gives every button and key
// that ran it its default function back. Refusals change nothing; the page shows their pop-up.
class CMacroRules
{
public:
    // A new macro is refused from this many on.
    static constexpr uint32_t kMaxMacros = 0x10000;

    enum class Outcome : uint8_t
    {
        Done,
        Nothing,        // an empty name: nothing to do, nothing to tell
        LimitReached,   // kMaxMacros macros already
        DuplicateName,  // a macro has this name, in the same or another letter case
    };
    struct Result
    {
        Outcome outcome = Outcome::Nothing;
        // Done: the new macro. DuplicateName: the macro that holds the name.
        CMacro* macro = nullptr;
    };

    explicit CMacroRules(IMouseConfig& config) noexcept : m_config(config) {}

    [[nodiscard]] bool IsFull() const;
    [[nodiscard]] Result Create(const std::wstring& name);
    // Deletes the macro after releasing what ran it (by identity or by name, ignoring case);
    // how many assignments were given their defaults.
    size_t Delete(CMacro* macro);
    // The macros' names in the configuration's order.
    [[nodiscard]] std::vector<std::wstring> Names() const;

private:
    IMouseConfig& m_config;
};
