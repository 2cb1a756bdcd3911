#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "macro/IKeyboardPlatform.h"
#include "macro/MacroEvent.h"

// What a row of the event list shows: its text and its icon (0 key press, 1 key release,
// 2 delay, 4 mouse button; kNoIcon for a step of an unknown kind, which shows no text either).
struct MacroStepText
{
    static constexpr int kNoIcon = -1;

    std::wstring text;
    int icon = 0;
};

// `translate` answers a language key's text, or nullopt when the table lacks the key.
using LanguageLookup = std::function<std::optional<std::wstring>(std::wstring_view key)>;

[[nodiscard]] MacroStepText DescribeMacroStep(const MacroEvent& event, const IKeyboardPlatform& keyboard,
                                              const LanguageLookup& translate);
