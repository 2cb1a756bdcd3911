#include "vocabulary/VocabularyTables.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <unordered_map>
#include <vector>

#include "platform/TextCase.h"
#include "vocabulary/Colours.h"
#include "vocabulary/FunctionCodes.h"
#include "vocabulary/ItemIds.h"
#include "vocabulary/NameKeys.h"

namespace VocabularyTables {
namespace {

// --- contents ----------------------------------------------------------------------------

constexpr Row kItemIdRows[] = {
#define VANTIX_ITEM_ID(name, value) {value, L"" #name, 0},
#include "vocabulary/ItemIdList.inc"
#undef VANTIX_ITEM_ID
};

constexpr Row kColourRows[] = {
    {Colour::kRed, L"RED"},           {Colour::kGreen, L"GREEN"},       {Colour::kGreen2, L"GREEN2"},
    {Colour::kGreen3, L"GREEN3"},     {Colour::kBlue, L"BLUE"},         {Colour::kBlack, L"BLACK"},
    {Colour::kBlack2, L"BLACK2"},     {Colour::kBlack3, L"BLACK3"},     {Colour::kWhite, L"WHITE"},
    {Colour::kDarkGrey, L"DARKGREY"}, {Colour::kMidGrey, L"MIDGREY"},   {Colour::kDarkGrey2, L"DARKGREY2"},
    {Colour::kGrey3, L"GREY3"},
};

// LANGUAGE_PORTUGUESE has no name, so the registry value cannot choose it.
constexpr Row kLanguageNameRows[] = {
    {ItemId::LANGUAGE_DEFAULT, L"English"},
    {ItemId::LANGUAGE_CHINESE_SIMPLIFIED, L"ChineseSimplified"},
    {ItemId::LANGUAGE_CHINESE_TRADITIONAL, L"ChineseTraditional"},
    {ItemId::LANGUAGE_FRENCH, L"French"},
    {ItemId::LANGUAGE_FRENCHCANADIAN, L"FrenchCanadian"},
    {ItemId::LANGUAGE_GERMAN, L"German"},
    {ItemId::LANGUAGE_KOREAN, L"Korean"},
    {ItemId::LANGUAGE_RUSSIAN, L"Russian"},
    {ItemId::LANGUAGE_JAPANESE, L"Japanese"},
    {ItemId::LANGUAGE_PORTUGUESEBRAZIL, L"PortugueseBrazil"},
    {ItemId::LANGUAGE_SPANISH, L"Spanish"},
};

constexpr Row kListColumnRows[] = {
    {0, L"LCITEM_PROFILECURRENT"}, {1, L"LCITEM_PROFILEID"},     {2, L"LCITEM_PROFILENAME"},
    {3, L"LCITEM_PROFILEEXE"},     {4, L"LCITEM_AUTOSWITCH"},    {5, L"LCITEM_MCREVENT_ICON"},
    {6, L"LCITEM_MCREVENT_DESCRIP"},
};

constexpr Row kColumnTypeRows[] = {
    {0, L"ICON"}, {1, L"STATIC"}, {2, L"EDIT"}, {3, L"COMBO"}, {4, L"CHECKBOX"}, {5, L"FILEDIALOG"},
};

constexpr Row kMacroColumnTypeRows[] = {{0, L"ICON"}, {1, L"STATIC"}};

// The predefined commands are the function codes 41 ("$cut") to 57 ("$zoomout") numbered from 1,
// so their language keys come from the function-code table.
constexpr int32_t kFirstCommand = 1;
constexpr int32_t kLastCommand = 17;
constexpr int32_t kCommandToFunctionCode = 40;

constexpr Row kKeyNameRows[] = {
    {8, L"BkSp"},     {9, L"Tab"},      {12, L"Clr"},     {13, L"Ret"},     {16, L"Shft"},    {17, L"Ctrl"},
    {18, L"Alt"},     {19, L"Pause"},   {20, L"CpLk"},    {27, L"Esc"},     {32, L"Spc"},     {33, L"PgUp"},
    {34, L"PgDn"},    {35, L"End"},     {36, L"Home"},    {37, L"Lft"},     {38, L"Up"},      {39, L"Rht"},
    {40, L"Dn"},      {41, L"Select"},  {42, L"Prnt"},    {43, L"Exe"},     {44, L"Print"},   {45, L"Ins"},
    {46, L"Del"},     {47, L"Hlp"},     {91, L"LWin"},    {92, L"RWin"},    {93, L"Apps"},    {96, L"Num0"},
    {97, L"Num1"},    {98, L"Num2"},    {99, L"Num3"},    {100, L"Num4"},   {101, L"Num5"},   {102, L"Num6"},
    {103, L"Num7"},   {104, L"Num8"},   {105, L"Num9"},   {106, L"Num*"},   {107, L"Num+"},   {108, L"NumRet"},
    {109, L"Num-"},   {110, L"Num."},   {111, L"Num/"},   {112, L"F1"},     {113, L"F2"},     {114, L"F3"},
    {115, L"F4"},     {116, L"F5"},     {117, L"F6"},     {118, L"F7"},     {119, L"F8"},     {120, L"F9"},
    {121, L"F10"},    {122, L"F11"},    {123, L"F12"},    {144, L"Numl"},   {145, L"Scrl"},   {160, L"LShft"},
    {161, L"RShft"},  {162, L"LCtrl"},  {163, L"RCtrl"},  {164, L"LAlt"},   {165, L"RAlt"},   {166, L"Backward"},
    {167, L"Forward"},
};

constexpr Row kButtonNumberRows[] = {
    {ItemId::BUTTON_ASSNLEFTCLICK, {}, 1},       {ItemId::BUTTON_ASSNRIGHTCLICK, {}, 2},
    {ItemId::BUTTON_ASSNSCROLLBUTTON, {}, 3},    {ItemId::BUTTON_ASSNSCROLLUP, {}, 10},
    {ItemId::BUTTON_ASSNSCROLLDOWN, {}, 11},     {ItemId::BUTTON_ASSNRSIDEFRONT, {}, 4},
    {ItemId::BUTTON_ASSNRSIDEREAR, {}, 5},       {ItemId::BUTTON_ASSNLSIDEFRONT, {}, 6},
    {ItemId::BUTTON_ASSNLSIDEREAR, {}, 7},       {ItemId::BUTTON_ASSNCENTREFRONT, {}, 8},
    {ItemId::BUTTON_ASSNCENTREREAR, {}, 9},      {ItemId::BUTTON_ASSNTHUMBGRID01, {}, 12},
    {ItemId::BUTTON_ASSNTHUMBGRID02, {}, 13},    {ItemId::BUTTON_ASSNTHUMBGRID03, {}, 14},
    {ItemId::BUTTON_ASSNTHUMBGRID04, {}, 15},    {ItemId::BUTTON_ASSNTHUMBGRID05, {}, 16},
    {ItemId::BUTTON_ASSNTHUMBGRID06, {}, 17},    {ItemId::BUTTON_ASSNTHUMBGRID07, {}, 18},
    {ItemId::BUTTON_ASSNTHUMBGRID08, {}, 19},    {ItemId::BUTTON_ASSNTHUMBGRID09, {}, 20},
    {ItemId::BUTTON_ASSNTHUMBGRID10, {}, 21},    {ItemId::BUTTON_ASSNTHUMBGRID11, {}, 22},
    {ItemId::BUTTON_ASSNTHUMBGRID12, {}, 23},    {ItemId::BUTTON_ASSNLEFTCLICKFRONT, {}, 25},
    {ItemId::BUTTON_ASSNLEFTCLICKREAR, {}, 26},
};

// Key usages come in runs: virtual keys firstKey to lastKey have the usages from firstUsage on.
struct UsageRun
{
    int32_t firstKey;
    int32_t lastKey;
    int32_t firstUsage;
};

constexpr UsageRun kKeyUsageRuns[] = {
    {'A', 'Z', 4},   {'1', '9', 30},  {'0', '0', 39},   {13, 13, 40},   {27, 27, 41},   {8, 8, 42},
    {9, 9, 43},      {32, 32, 44},    {189, 189, 45},   {187, 187, 46}, {219, 219, 47}, {221, 221, 48},
    {220, 220, 49},  {186, 186, 51},  {222, 222, 52},   {192, 192, 53}, {188, 188, 54}, {190, 190, 55},
    {191, 191, 56},  {20, 20, 57},    {112, 123, 58},   {42, 42, 70},   {145, 145, 71}, {19, 19, 72},
    {45, 45, 73},    {36, 36, 74},    {33, 33, 75},     {46, 46, 76},   {35, 35, 77},   {34, 34, 78},
    {39, 39, 79},    {37, 37, 80},    {40, 40, 81},     {38, 38, 82},   {144, 144, 83}, {111, 111, 84},
    {106, 106, 85},  {109, 109, 86},  {107, 107, 87},   {108, 108, 88}, {97, 105, 89},  {96, 96, 98},
    {110, 110, 99},  {93, 93, 101},   {162, 162, 224},  {160, 160, 225}, {164, 164, 226}, {91, 91, 227},
    {163, 163, 228}, {161, 161, 229}, {165, 165, 230},  {92, 92, 231},
};

std::vector<Row> FunctionNameRows()
{
    std::vector<Row> rows;
    for (int32_t code = 0; code <= FunctionCode::kLast; ++code)
        rows.push_back({code, NameKeys::FunctionNameKey(code)});
    return rows;
}

std::vector<Row> CommandNameRows()
{
    std::vector<Row> rows;
    for (int32_t code = kFirstCommand; code <= kLastCommand; ++code)
        rows.push_back({code, NameKeys::FunctionNameKey(code + kCommandToFunctionCode)});
    return rows;
}

std::vector<Row> KeyUsageRows()
{
    std::vector<Row> rows;
    for (const UsageRun& run : kKeyUsageRuns) {
        for (int32_t key = run.firstKey; key <= run.lastKey; ++key)
            rows.push_back({key, {}, run.firstUsage + (key - run.firstKey)});
    }
    return rows;
}

// --- the built tables --------------------------------------------------------------------

// platform::FoldCase with the ASCII case inline: every name in the tables is ASCII, and the
// layout loader hashes thousands of them per layout.
wchar_t Fold(wchar_t c) noexcept
{
    if (static_cast<uint32_t>(c) < 0x80)
        return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 32) : c;
    return platform::FoldCase(c);
}

// Hash and equality that ignore case the way platform::EqualsIgnoreCase does, so a lookup
// needs neither a folded copy of the name nor an allocation.
struct FoldedNameHash
{
    size_t operator()(std::wstring_view name) const noexcept
    {
        uint64_t hash = 14695981039346656037ull;  // FNV-1a
        for (wchar_t c : name) {
            hash ^= static_cast<uint32_t>(Fold(c));
            hash *= 1099511628211ull;
        }
        return static_cast<size_t>(hash);
    }
};

struct FoldedNameEqual
{
    bool operator()(std::wstring_view a, std::wstring_view b) const noexcept
    {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                          [](wchar_t x, wchar_t y) { return Fold(x) == Fold(y); });
    }
};

struct TableData
{
    std::vector<Row> rows;  // ascending keys, one row per key
    std::unordered_map<std::wstring_view, int32_t, FoldedNameHash, FoldedNameEqual> keyByName;
};

TableData MakeTable(std::vector<Row> rows)
{
    TableData table;
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.key < b.key; });
    // Like an ordered map, a key keeps the first row inserted for it.
    rows.erase(std::unique(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.key == b.key; }),
               rows.end());
    table.rows = std::move(rows);
    // Walking in ascending key order and never overwriting leaves each name with its smallest key.
    for (const Row& row : table.rows) {
        if (!row.name.empty())
            table.keyByName.emplace(row.name, row.key);
    }
    return table;
}

template <size_t N>
std::vector<Row> RowsOf(const Row (&rows)[N])
{
    return {std::begin(rows), std::end(rows)};
}

using AllTables = std::array<TableData, kTableCount>;

AllTables BuildAll()
{
    AllTables tables;
    const auto set = [&tables](Table table, std::vector<Row> rows) {
        tables[static_cast<size_t>(table)] = MakeTable(std::move(rows));
    };
    set(Table::ItemIds, RowsOf(kItemIdRows));
    set(Table::Colours, RowsOf(kColourRows));
    set(Table::LanguageNames, RowsOf(kLanguageNameRows));
    set(Table::ListColumns, RowsOf(kListColumnRows));
    set(Table::ColumnTypes, RowsOf(kColumnTypeRows));
    set(Table::MacroColumnTypes, RowsOf(kMacroColumnTypeRows));
    set(Table::FunctionNames, FunctionNameRows());
    set(Table::CommandNames, CommandNameRows());
    set(Table::KeyNames, RowsOf(kKeyNameRows));
    set(Table::ButtonNumbers, RowsOf(kButtonNumberRows));
    set(Table::KeyUsages, KeyUsageRows());
    return tables;
}

// A function-local static: built once, on first use, safely from any thread.
const AllTables& Instance()
{
    static const AllTables tables = BuildAll();
    return tables;
}

const TableData* Find(Table table)
{
    const auto index = static_cast<size_t>(table);
    return index < kTableCount ? &Instance()[index] : nullptr;
}

const Row* FindRow(Table table, int32_t key)
{
    const TableData* data = Find(table);
    if (data == nullptr)
        return nullptr;
    const auto it = std::lower_bound(data->rows.begin(), data->rows.end(), key,
                                     [](const Row& row, int32_t wanted) { return row.key < wanted; });
    return (it != data->rows.end() && it->key == key) ? &*it : nullptr;
}

}  // namespace

void Build()
{
    (void)Instance();
}

int32_t NameToKey(Table table, std::wstring_view name)
{
    const TableData* data = Find(table);
    if (data == nullptr)
        return kNoKey;
    const auto it = data->keyByName.find(name);
    return it != data->keyByName.end() ? it->second : kNoKey;
}

std::wstring_view KeyToName(Table table, int32_t key)
{
    const Row* row = FindRow(table, key);
    return row != nullptr ? row->name : std::wstring_view{};
}

int32_t KeyToValue(Table table, int32_t key)
{
    const Row* row = FindRow(table, key);
    return row != nullptr ? row->value : 0;
}

std::span<const Row> Rows(Table table)
{
    const TableData* data = Find(table);
    return data != nullptr ? std::span<const Row>(data->rows) : std::span<const Row>{};
}

}  // namespace VocabularyTables
