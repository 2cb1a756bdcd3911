#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

// A rectangle as layouts write it: left, top, width, height.
struct LayoutRect
{
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;

    friend bool operator==(const LayoutRect&, const LayoutRect&) = default;
};

// What is wrong with a language file, as reading it found; the table holds what could be read.
enum class LanguageFileFault : uint8_t
{
    None,
    Empty,      // no entries
    NotUtf16,   // UTF-8 or another 8-bit encoding
    BigEndian,  // UTF-16 in the other byte order
    Truncated,  // ends without "END OF FILE", inside a character, or with a key and no value
};

// The translations of one language, read from its language file, with the language's keyboard
// layout, its font substitutions and its per-item layout overrides.
//
// Language files are UTF-16LE text. Lines end at a carriage return, after which every further
// carriage return and line feed is skipped. Line 0 is the title, line 1 is ignored, then keys
// (without their "$") and values alternate until "END OF FILE" or the end of the data.
class CLangTable
{
public:
    // Keys take part in lookups with their spaces removed and cut to this many characters.
    static constexpr size_t kMaxKeyLength = 59;
    // Image-name overrides (SBMN and the like) hold at most this many characters.
    static constexpr size_t kMaxImageNameLength = 255;

    explicit CLangTable(int32_t identifier = 0) noexcept : m_identifier(identifier) {}

    // Reads a language file; true when at least one entry was read. Odd trailing bytes are
    // ignored; nothing past byteCount is read. Fault() tells what was wrong with the file.
    bool Read(const void* bytes, size_t byteCount);
    [[nodiscard]] LanguageFileFault Fault() const noexcept { return m_fault; }

    // "$key": the value of the first entry whose key equals it; "#prefix": the first entry whose
    // key begins with it; both ignore case and the spaces of stored keys. Anything else, or no
    // match: nullopt.
    [[nodiscard]] std::optional<std::wstring> Translate(std::wstring_view text) const;

    // The first override of an item under a key (ignoring the key's case).
    [[nodiscard]] const std::wstring* FindTextOverride(int32_t itemId, std::wstring_view key) const;
    [[nodiscard]] std::optional<LayoutRect> FindRectOverride(int32_t itemId) const;
    void AddTextOverride(int32_t itemId, std::wstring key, std::wstring text);
    void AddRectOverride(int32_t itemId, const LayoutRect& rect);

    // Fonts with the first identifier are drawn with the second while this language is current.
    void AddFontSubstitution(int32_t search, int32_t replace);
    [[nodiscard]] int32_t SubstituteFont(int32_t fontId) const;

    [[nodiscard]] int32_t Identifier() const noexcept { return m_identifier; }
    [[nodiscard]] const std::wstring& Title() const noexcept { return m_title; }
    [[nodiscard]] size_t EntryCount() const noexcept { return m_entries.size(); }

    // The keyboard layout of the language: its name ("00000409") and the platform's handle,
    // 0 until the platform loaded it.
    [[nodiscard]] const std::wstring& KeyboardLayoutName() const noexcept { return m_keyboardLayoutName; }
    void SetKeyboardLayout(std::wstring name, uintptr_t handle);
    [[nodiscard]] uintptr_t KeyboardLayout() const noexcept { return m_keyboardLayout; }

private:
    struct Entry
    {
        std::wstring key;
        std::wstring value;
        std::wstring foldedLookupKey;  // spaces removed, cut, case folded
    };
    struct Override
    {
        int32_t itemId;
        std::wstring key;
        std::variant<std::wstring, LayoutRect> value;
    };

    void AddEntry(std::wstring key, std::wstring value);
    [[nodiscard]] const Override* FindOverride(int32_t itemId, std::wstring_view key) const;

    int32_t m_identifier;
    LanguageFileFault m_fault = LanguageFileFault::Empty;
    std::wstring m_title;
    std::vector<Entry> m_entries;
    std::unordered_map<std::wstring, size_t> m_firstEntryByKey;
    std::vector<Override> m_overrides;
    std::unordered_map<int32_t, int32_t> m_fontSubstitutions;
    std::wstring m_keyboardLayoutName;
    uintptr_t m_keyboardLayout = 0;
};
