#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

class CLangTable;
class IKeyboardLayouts;

// The languages the program knows (LANGUAGE_DEFAULT 340 to LANGUAGE_SPANISH 351) and the
// current one, through which every text an item shows passes. The tables belong to the item
// list the language file was loaded into; the set only refers to them.
class CLanguageSet
{
public:
    static constexpr int32_t kFirstLanguage = 340;
    static constexpr int32_t kLastLanguage = 351;
    static constexpr int32_t kEnglish = 340;

    // Case conversions an item may ask of a translated text ("caps").
    static constexpr int32_t kCapsNone = 0;
    static constexpr int32_t kCapsUpper = 1;
    static constexpr int32_t kCapsLower = 2;

    // The program's one set.
    [[nodiscard]] static CLanguageSet& Instance();

    CLanguageSet() = default;
    CLanguageSet(const CLanguageSet&) = delete;
    CLanguageSet& operator=(const CLanguageSet&) = delete;

    // Where keyboard layouts are activated when a language is selected; not owned.
    void SetKeyboardLayouts(IKeyboardLayouts* layouts) noexcept { m_layouts = layouts; }
    [[nodiscard]] IKeyboardLayouts* KeyboardLayouts() const noexcept { return m_layouts; }

    // Identifiers outside 340 to 351 are not registered; a later table replaces an earlier one.
    void Register(int32_t identifier, CLangTable* table);
    // Makes the registered table current and activates its keyboard layout; false, with
    // nothing changed, when no table is registered for the identifier.
    bool Select(int32_t identifier);
    // The registry's language name (English, German, ...), or English when it is unknown or
    // has no table; false when neither has one and no language is current.
    bool SelectByName(std::wstring_view languageName);
    void Clear() noexcept;

    [[nodiscard]] CLangTable* Current() const noexcept { return m_current; }
    // The English table, which stands in for keys another language lacks; null without one.
    [[nodiscard]] const CLangTable* Fallback() const noexcept;
    [[nodiscard]] int32_t MapFont(int32_t fontId) const;

    // The text an item shows: the current language's translation with the item's case
    // conversion, or the text as written when there is none; then the first "\n" becomes a line
    // break.
    [[nodiscard]] std::wstring ShowText(std::wstring_view text, int32_t caps = kCapsNone) const;
    // The current language's translation with the case conversion, the English table's for a
    // key the current language lacks (a damaged language file); nullopt when there is no
    // current language or neither knows the text.
    [[nodiscard]] std::optional<std::wstring> Translate(std::wstring_view text, int32_t caps = kCapsNone) const;
    // The language files' line-break marker: the first backslash-n pair becomes CR LF.
    static void BreakFirstLine(std::wstring& text);

    // Forgets a table that is going away: its registrations, and the current language when it
    // is the one.
    void Unregister(const CLangTable* table) noexcept;

private:
    std::map<int32_t, CLangTable*> m_tables;
    CLangTable* m_current = nullptr;
    IKeyboardLayouts* m_layouts = nullptr;
};
