#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

// The fixed tables that tie the words of layouts, language files and the registry to the
// program's integers: item identifiers, colours, language names, list columns and their types,
// function and command names, key names, and two integer tables (button numbers, key usages).
// They are built once, process-wide, and read-only afterwards; lookups from any thread are safe.
namespace VocabularyTables {

enum class Table : uint8_t
{
    ItemIds,           // item identifier -> element or item name (vocabulary/ItemIds.h)
    Colours,           // colour value -> colour name (vocabulary/Colours.h)
    LanguageNames,     // LANGUAGE_ identifier -> language name of the registry value
    ListColumns,       // column code -> LCITEM_ name
    ColumnTypes,       // column type code -> type name
    MacroColumnTypes,  // column type code of the macro list -> type name
    FunctionNames,     // function code 0 to 61 -> language key
    CommandNames,      // predefined command code 1 to 17 -> language key
    KeyNames,          // virtual-key code -> short key name
    ButtonNumbers,     // assignment button identifier -> physical button number (value)
    KeyUsages,         // virtual-key code -> keyboard usage number (value)
};
inline constexpr size_t kTableCount = 11;

// One row. Name tables leave value 0; the two integer tables leave the name empty.
struct Row
{
    int32_t key = 0;
    std::wstring_view name;
    int32_t value = 0;
};

inline constexpr int32_t kNoKey = -1;

// Builds every table now. Optional: the first lookup builds them too; start-up calls it so the
// work is done before the first layout is read.
void Build();

// The smallest key whose name equals the given one ignoring case; kNoKey when none does.
[[nodiscard]] int32_t NameToKey(Table table, std::wstring_view name);

// The row's name; empty for a key without a row.
[[nodiscard]] std::wstring_view KeyToName(Table table, int32_t key);

// The row's value in an integer table; 0 for a key without a row.
[[nodiscard]] int32_t KeyToValue(Table table, int32_t key);

// All rows of a table in ascending key order.
[[nodiscard]] std::span<const Row> Rows(Table table);

}  // namespace VocabularyTables
