#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <set>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "platform/TextCase.h"
#include "vocabulary/Colours.h"
#include "vocabulary/ItemIds.h"
#include "vocabulary/NameKeys.h"
#include "vocabulary/VocabularyTables.h"

using VocabularyTables::KeyToName;
using VocabularyTables::KeyToValue;
using VocabularyTables::kNoKey;
using VocabularyTables::NameToKey;
using VocabularyTables::Rows;
using VocabularyTables::Table;

namespace {

struct NamedRow
{
    int32_t key;
    const wchar_t* name;
};

void ExpectExactly(Table table, const std::vector<NamedRow>& expected)
{
    const auto rows = Rows(table);
    ASSERT_EQ(rows.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(rows[i].key, expected[i].key) << "row " << i;
        EXPECT_EQ(rows[i].name, expected[i].name) << "row " << i;
        EXPECT_EQ(KeyToName(table, expected[i].key), expected[i].name);
    }
}

std::wstring Lower(std::wstring_view text)
{
    return platform::FoldCase(text);
}

std::wstring Upper(std::wstring_view text)
{
    std::wstring upper(text);
    for (wchar_t& c : upper) {
        if (c >= L'a' && c <= L'z')
            c = static_cast<wchar_t>(c - 32);
    }
    return upper;
}

constexpr Table kAllTables[] = {Table::ItemIds,          Table::Colours,       Table::LanguageNames,
                                Table::ListColumns,      Table::ColumnTypes,   Table::MacroColumnTypes,
                                Table::FunctionNames,    Table::CommandNames,  Table::KeyNames,
                                Table::ButtonNumbers,    Table::KeyUsages};

// The lookup as the tables define it: walk the rows in key order, take the first match.
int32_t FirstMatchingKey(Table table, std::wstring_view name)
{
    for (const auto& row : Rows(table)) {
        if (platform::EqualsIgnoreCase(row.name, name))
            return row.key;
    }
    return kNoKey;
}

}  // namespace

TEST(VocabularyTablesTest, EveryTableHasItsRowCount)
{
    const std::pair<Table, size_t> counts[] = {
        {Table::ItemIds, 401},      {Table::Colours, 13},      {Table::LanguageNames, 11},
        {Table::ListColumns, 7},    {Table::ColumnTypes, 6},   {Table::MacroColumnTypes, 2},
        {Table::FunctionNames, 62}, {Table::CommandNames, 17}, {Table::KeyNames, 67},
        {Table::ButtonNumbers, 25}, {Table::KeyUsages, 104},
    };
    static_assert(std::size(counts) == VocabularyTables::kTableCount);
    for (const auto& [table, count] : counts)
        EXPECT_EQ(Rows(table).size(), count) << "table " << static_cast<int>(table);
}

TEST(VocabularyTablesTest, RowsAreInStrictlyAscendingKeyOrder)
{
    for (Table table : kAllTables) {
        const auto rows = Rows(table);
        EXPECT_TRUE(std::adjacent_find(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
                        return a.key >= b.key;
                    }) == rows.end())
            << "table " << static_cast<int>(table);
    }
}

TEST(VocabularyTablesTest, EveryNameFindsItsFirstRowIgnoringCase)
{
    for (Table table : kAllTables) {
        for (const auto& row : Rows(table)) {
            if (row.name.empty())
                continue;
            const int32_t first = FirstMatchingKey(table, row.name);
            EXPECT_EQ(NameToKey(table, row.name), first) << std::wstring(row.name);
            EXPECT_EQ(NameToKey(table, Lower(row.name)), first) << std::wstring(row.name);
            EXPECT_EQ(NameToKey(table, Upper(row.name)), first) << std::wstring(row.name);
            EXPECT_LE(first, row.key);
            EXPECT_EQ(KeyToName(table, first), row.name);
        }
    }
}

TEST(VocabularyTablesTest, EmptyAndUnknownNamesGiveNoKey)
{
    for (Table table : kAllTables) {
        EXPECT_EQ(NameToKey(table, L""), kNoKey);
        EXPECT_EQ(NameToKey(table, L"NO_SUCH_NAME"), kNoKey);
    }
    EXPECT_EQ(NameToKey(Table::ItemIds, L"BUTTON_APPLY "), kNoKey) << "names match exactly apart from case";
    EXPECT_EQ(NameToKey(Table::ItemIds, L"BUTTON_APPL"), kNoKey);
    EXPECT_EQ(NameToKey(Table::ItemIds, L"BUTTON_APPLYX"), kNoKey);
}

TEST(VocabularyTablesTest, ATableValueOutsideTheEnumerationFindsNothing)
{
    const auto bogus = static_cast<Table>(VocabularyTables::kTableCount);
    EXPECT_EQ(NameToKey(bogus, L"BACKGROUND"), kNoKey);
    EXPECT_TRUE(KeyToName(bogus, 0).empty());
    EXPECT_EQ(KeyToValue(bogus, 15), 0);
    EXPECT_TRUE(Rows(bogus).empty());
}

// --- item identifiers -------------------------------------------------------------------

TEST(ItemIdTableTest, CoversZeroTo403Without14And352And371)
{
    std::set<int32_t> keys;
    for (const auto& row : Rows(Table::ItemIds))
        keys.insert(row.key);
    for (int32_t key = 0; key <= 403; ++key) {
        const bool unused = key == 14 || key == 352 || key == 371;
        EXPECT_EQ(keys.count(key) == 0, unused) << key;
        EXPECT_EQ(KeyToName(Table::ItemIds, key).empty(), unused) << key;
    }
    EXPECT_TRUE(KeyToName(Table::ItemIds, -1).empty());
    EXPECT_TRUE(KeyToName(Table::ItemIds, 404).empty());
    EXPECT_EQ(ItemId::kCount, 401);
    EXPECT_EQ(ItemId::kFirst, 0);
    EXPECT_EQ(ItemId::kLast, 403);
}

TEST(ItemIdTableTest, SpotRowsAcrossTheRange)
{
    const NamedRow rows[] = {
        {0, L"BACKGROUND"},
        {1, L"MASK"},
        {5, L"DISABLED"},
        {6, L"BUTTON_HELP"},
        {13, L"BUTTON_CANCEL"},
        {15, L"BUTTON_ASSNLEFTCLICK"},
        {39, L"BUTTON_ASSNLEFTCLICKREAR"},
        {62, L"SCROLL_LEDON"},
        {68, L"UPDATE"},
        {92, L"BUTTON_PAST"},
        {154, L"BUTTON_APM_APY_COLOR"},
        {180, L"SLIDER_DPI_MULTI"},
        {191, L"SLIDER_DPI_MULTI_STAGE1_Y_POPUP"},
        {220, L"MACRO_DISPLAY"},
        {230, L"BITMAP_TARVEL"},
        {240, L"FONT_ARIALNARROW12"},
        {258, L"FONT_DUNMOREG36B"},
        {299, L"TEXT_FIRMWAREVER"},
        {339, L"BITMAP_PROFILEWINDOW"},
        {340, L"LANGUAGE_DEFAULT"},
        {351, L"LANGUAGE_SPANISH"},
        {353, L"BITMAPWIN_ASSIGNKEY"},
        {370, L"BUTTON_DPISTAGES_OK"},
        {372, L"BUTTON_DPISTAGES_CANCEL"},
        {392, L"LISTPANEL_ASSIGNSUBMENU_DPI"},
        {401, L"LIST_GLOBALPROFILELIST"},
        {403, L"TEXT_CURRENTPROFILE"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(KeyToName(Table::ItemIds, row.key), row.name) << row.key;
        EXPECT_EQ(NameToKey(Table::ItemIds, row.name), row.key) << row.key;
    }
}

TEST(ItemIdTableTest, NamesMatchIgnoringCase)
{
    EXPECT_EQ(NameToKey(Table::ItemIds, L"button_help"), 6);
    EXPECT_EQ(NameToKey(Table::ItemIds, L"Text_FirmwareVer"), 299);
    EXPECT_EQ(NameToKey(Table::ItemIds, L"dpistagewindow_05"), 366);
}

TEST(ItemIdTableTest, EnumeratorsCarryTheTableNumbers)
{
    EXPECT_EQ(ItemId::BACKGROUND, 0);
    EXPECT_EQ(ItemId::BUTTON_APPLY, 12);
    EXPECT_EQ(ItemId::BUTTON_ASSNLEFTCLICK, 15);
    EXPECT_EQ(ItemId::TEXT_FIRMWAREVER, 299);
    EXPECT_EQ(ItemId::SLIDER_DPI_MULTI, 180);
    EXPECT_EQ(ItemId::BUTTON_DPISTAGES_CANCEL, 372);
    EXPECT_EQ(ItemId::TEXT_CURRENTPROFILE, 403);
    EXPECT_EQ(NameToKey(Table::ItemIds, L"BUTTON_APPLY"), ItemId::BUTTON_APPLY);
    EXPECT_EQ(ItemId::kFirstLanguage, 340);
    EXPECT_EQ(ItemId::kLastLanguage, 351);
}

// --- colours ----------------------------------------------------------------------------

TEST(ColourTableTest, NamesGiveRedPlus256GreenPlus65536Blue)
{
    const std::tuple<const wchar_t*, int, int, int> colours[] = {
        {L"RED", 255, 0, 0},       {L"GREEN", 0, 255, 0},      {L"GREEN2", 1, 116, 6},
        {L"GREEN3", 1, 71, 9},     {L"BLUE", 0, 0, 255},       {L"BLACK", 0, 0, 0},
        {L"BLACK2", 11, 11, 11},   {L"BLACK3", 1, 0, 0},       {L"WHITE", 255, 255, 255},
        {L"DARKGREY", 58, 58, 58}, {L"MIDGREY", 95, 95, 95},   {L"DARKGREY2", 43, 43, 43},
        {L"GREY3", 105, 112, 119},
    };
    for (const auto& [name, red, green, blue] : colours) {
        const int32_t value = red + 256 * green + 65536 * blue;
        EXPECT_EQ(NameToKey(Table::Colours, name), value) << name;
        EXPECT_EQ(KeyToName(Table::Colours, value), name);
    }
    EXPECT_EQ(NameToKey(Table::Colours, L"GREY3"), 105 + 256 * 112 + 65536 * 119);
    EXPECT_EQ(Colour::kGrey3, 105 + 256 * 112 + 65536 * 119);
    EXPECT_EQ(Colour::kGreen2, 1 + 256 * 116 + 65536 * 6);
}

TEST(ColourTableTest, Black3IsOneUnitOfRedNotBlack)
{
    const int32_t black3 = NameToKey(Table::Colours, L"black3");
    EXPECT_EQ(black3, 1);
    EXPECT_NE(black3, NameToKey(Table::Colours, L"BLACK"));
    EXPECT_EQ(NameToKey(Table::Colours, L"BLACK"), 0);
    EXPECT_EQ(Colour::Red(black3), 1);
    EXPECT_EQ(Colour::Green(black3), 0);
    EXPECT_EQ(Colour::Blue(black3), 0);
    EXPECT_EQ(KeyToName(Table::Colours, Colour::kBlack), L"BLACK");
    EXPECT_EQ(KeyToName(Table::Colours, Colour::kBlack3), L"BLACK3");
}

TEST(ColourTableTest, ChannelsSplitBack)
{
    EXPECT_EQ(Colour::Red(Colour::kGrey3), 105);
    EXPECT_EQ(Colour::Green(Colour::kGrey3), 112);
    EXPECT_EQ(Colour::Blue(Colour::kGrey3), 119);
    EXPECT_EQ(Colour::Rgb(255, 255, 255), 0xFFFFFF);
}

// --- language names, columns ------------------------------------------------------------

TEST(LanguageNameTableTest, ElevenLanguagesWithoutPortuguese)
{
    ExpectExactly(Table::LanguageNames, {{340, L"English"},
                                         {341, L"ChineseSimplified"},
                                         {342, L"ChineseTraditional"},
                                         {343, L"French"},
                                         {344, L"FrenchCanadian"},
                                         {345, L"German"},
                                         {346, L"Korean"},
                                         {347, L"Russian"},
                                         {348, L"Japanese"},
                                         {350, L"PortugueseBrazil"},
                                         {351, L"Spanish"}});
    EXPECT_EQ(NameToKey(Table::LanguageNames, L"Portuguese"), kNoKey);
    EXPECT_TRUE(KeyToName(Table::LanguageNames, ItemId::LANGUAGE_PORTUGUESE).empty());
    EXPECT_EQ(NameToKey(Table::LanguageNames, L"GERMAN"), ItemId::LANGUAGE_GERMAN);
    EXPECT_EQ(NameToKey(Table::LanguageNames, L"portuguesebrazil"), 350);
}

TEST(ColumnTablesTest, ListColumnsAndColumnTypes)
{
    ExpectExactly(Table::ListColumns, {{0, L"LCITEM_PROFILECURRENT"},
                                       {1, L"LCITEM_PROFILEID"},
                                       {2, L"LCITEM_PROFILENAME"},
                                       {3, L"LCITEM_PROFILEEXE"},
                                       {4, L"LCITEM_AUTOSWITCH"},
                                       {5, L"LCITEM_MCREVENT_ICON"},
                                       {6, L"LCITEM_MCREVENT_DESCRIP"}});
    ExpectExactly(Table::ColumnTypes,
                  {{0, L"ICON"}, {1, L"STATIC"}, {2, L"EDIT"}, {3, L"COMBO"}, {4, L"CHECKBOX"}, {5, L"FILEDIALOG"}});
    ExpectExactly(Table::MacroColumnTypes, {{0, L"ICON"}, {1, L"STATIC"}});
    EXPECT_EQ(NameToKey(Table::MacroColumnTypes, L"EDIT"), kNoKey);
    EXPECT_EQ(NameToKey(Table::ColumnTypes, L"checkbox"), 4);
}

// --- function and command names ---------------------------------------------------------

TEST(FunctionNameTableTest, RepeatedNamesResolveToTheSmallerCode)
{
    EXPECT_EQ(NameToKey(Table::FunctionNames, L"$macro"), 5);
    EXPECT_EQ(NameToKey(Table::FunctionNames, L"$profile"), 20);
    EXPECT_EQ(NameToKey(Table::FunctionNames, L"$PROFILE"), 20);
    EXPECT_EQ(KeyToName(Table::FunctionNames, 6), L"$macro");
    EXPECT_EQ(KeyToName(Table::FunctionNames, 21), L"$profile");
}

TEST(FunctionNameTableTest, CodesZeroTo61InFunctionCodeOrder)
{
    for (int32_t code = 0; code <= 61; ++code)
        EXPECT_EQ(KeyToName(Table::FunctionNames, code), NameKeys::FunctionNameKey(code)) << code;
    const NamedRow spots[] = {{0, L"$click"},          {3, L"$Double-Click"},     {9, L"$on-the-flysensitivity"},
                              {14, L"$SensitivityStages"}, {15, L"$dpistage1"},    {19, L"$dpistage5"},
                              {24, L"$profile1"},      {31, L"$Backward"},        {39, L"$scrollup"},
                              {52, L"$lockpc"},        {61, L"$launchprogram"}};
    for (const auto& row : spots) {
        EXPECT_EQ(KeyToName(Table::FunctionNames, row.key), row.name);
        EXPECT_EQ(NameToKey(Table::FunctionNames, row.name), row.key);
    }
    EXPECT_EQ(NameToKey(Table::FunctionNames, L"$double-click"), 3);
    EXPECT_TRUE(KeyToName(Table::FunctionNames, 62).empty());
    EXPECT_TRUE(KeyToName(Table::FunctionNames, -1).empty());
}

TEST(CommandNameTableTest, SeventeenCommandsFromOne)
{
    ExpectExactly(Table::CommandNames, {{1, L"$cut"},         {2, L"$copy"},         {3, L"$paste"},
                                        {4, L"$undo"},        {5, L"$all"},          {6, L"$find"},
                                        {7, L"$new"},         {8, L"$print"},        {9, L"$save"},
                                        {10, L"$swapwindows"}, {11, L"$closewindow"}, {12, L"$lockpc"},
                                        {13, L"$openexplorer"}, {14, L"$run"},        {15, L"$showdesktop"},
                                        {16, L"$zoomin"},     {17, L"$zoomout"}});
    EXPECT_TRUE(KeyToName(Table::CommandNames, 0).empty());
    EXPECT_TRUE(KeyToName(Table::CommandNames, 18).empty());
    EXPECT_EQ(NameToKey(Table::CommandNames, L"$CUT"), 1);
    EXPECT_EQ(NameToKey(Table::CommandNames, L"$click"), kNoKey);
}

// --- key names --------------------------------------------------------------------------

TEST(KeyNameTableTest, AllSixtySevenShortNames)
{
    ExpectExactly(Table::KeyNames,
                  {{8, L"BkSp"},      {9, L"Tab"},       {12, L"Clr"},     {13, L"Ret"},     {16, L"Shft"},
                   {17, L"Ctrl"},     {18, L"Alt"},      {19, L"Pause"},   {20, L"CpLk"},    {27, L"Esc"},
                   {32, L"Spc"},      {33, L"PgUp"},     {34, L"PgDn"},    {35, L"End"},     {36, L"Home"},
                   {37, L"Lft"},      {38, L"Up"},       {39, L"Rht"},     {40, L"Dn"},      {41, L"Select"},
                   {42, L"Prnt"},     {43, L"Exe"},      {44, L"Print"},   {45, L"Ins"},     {46, L"Del"},
                   {47, L"Hlp"},      {91, L"LWin"},     {92, L"RWin"},    {93, L"Apps"},    {96, L"Num0"},
                   {97, L"Num1"},     {98, L"Num2"},     {99, L"Num3"},    {100, L"Num4"},   {101, L"Num5"},
                   {102, L"Num6"},    {103, L"Num7"},    {104, L"Num8"},   {105, L"Num9"},   {106, L"Num*"},
                   {107, L"Num+"},    {108, L"NumRet"},  {109, L"Num-"},   {110, L"Num."},   {111, L"Num/"},
                   {112, L"F1"},      {113, L"F2"},      {114, L"F3"},     {115, L"F4"},     {116, L"F5"},
                   {117, L"F6"},      {118, L"F7"},      {119, L"F8"},     {120, L"F9"},     {121, L"F10"},
                   {122, L"F11"},     {123, L"F12"},     {144, L"Numl"},   {145, L"Scrl"},   {160, L"LShft"},
                   {161, L"RShft"},   {162, L"LCtrl"},   {163, L"RCtrl"},  {164, L"LAlt"},   {165, L"RAlt"},
                   {166, L"Backward"}, {167, L"Forward"}});
}

TEST(KeyNameTableTest, LettersDigitsAndPunctuationHaveNoRow)
{
    for (int32_t key : {48, 57, 65, 90, 186, 191, 222})  // '0', '9', 'A', 'Z' and punctuation
        EXPECT_TRUE(KeyToName(Table::KeyNames, key).empty()) << key;
    EXPECT_EQ(NameToKey(Table::KeyNames, L"numret"), 108);
    EXPECT_EQ(NameToKey(Table::KeyNames, L"f12"), 123);
}

// --- integer tables ---------------------------------------------------------------------

TEST(ButtonNumberTableTest, AssignmentButtonsGiveTheirPhysicalNumbers)
{
    const std::pair<int32_t, int32_t> expected[] = {
        {15, 1},  {16, 2},  {17, 3},  {18, 10}, {19, 11}, {20, 4},  {21, 5},  {22, 6},  {23, 7},
        {24, 8},  {25, 9},  {26, 12}, {27, 13}, {28, 14}, {29, 15}, {30, 16}, {31, 17}, {32, 18},
        {33, 19}, {34, 20}, {35, 21}, {36, 22}, {37, 23}, {38, 25}, {39, 26},
    };
    ASSERT_EQ(Rows(Table::ButtonNumbers).size(), std::size(expected));
    for (const auto& [identifier, button] : expected)
        EXPECT_EQ(KeyToValue(Table::ButtonNumbers, identifier), button) << identifier;
    EXPECT_EQ(KeyToValue(Table::ButtonNumbers, ItemId::BUTTON_ASSNTHUMBGRID12), 23);
    EXPECT_EQ(KeyToValue(Table::ButtonNumbers, ItemId::BUTTON_CANCEL), 0);
    EXPECT_EQ(KeyToValue(Table::ButtonNumbers, 14), 0);
    EXPECT_EQ(KeyToValue(Table::ButtonNumbers, 40), 0);
    EXPECT_TRUE(KeyToName(Table::ButtonNumbers, 15).empty()) << "an integer table has no names";
    EXPECT_EQ(NameToKey(Table::ButtonNumbers, L"BUTTON_ASSNLEFTCLICK"), kNoKey);
}

TEST(KeyUsageTableTest, SpotRowsOfEveryRun)
{
    const std::pair<int32_t, int32_t> expected[] = {
        {'A', 4},   {'M', 16},  {'Z', 29},  {'1', 30},  {'9', 38},  {'0', 39},  {13, 40},   {27, 41},
        {8, 42},    {9, 43},    {32, 44},   {189, 45},  {187, 46},  {219, 47},  {221, 48},  {220, 49},
        {186, 51},  {222, 52},  {192, 53},  {188, 54},  {190, 55},  {191, 56},  {20, 57},   {112, 58},
        {123, 69},  {42, 70},   {145, 71},  {19, 72},   {45, 73},   {36, 74},   {33, 75},   {46, 76},
        {35, 77},   {34, 78},   {39, 79},   {37, 80},   {40, 81},   {38, 82},   {144, 83},  {111, 84},
        {106, 85},  {109, 86},  {107, 87},  {108, 88},  {97, 89},   {105, 97},  {96, 98},   {110, 99},
        {93, 101},  {162, 224}, {160, 225}, {164, 226}, {91, 227},  {163, 228}, {161, 229}, {165, 230},
        {92, 231},
    };
    for (const auto& [virtualKey, usage] : expected)
        EXPECT_EQ(KeyToValue(Table::KeyUsages, virtualKey), usage) << virtualKey;
}

TEST(KeyUsageTableTest, UsagesAreDistinctAndKeysWithoutARowGiveZero)
{
    std::set<int32_t> usages;
    for (const auto& row : Rows(Table::KeyUsages))
        usages.insert(row.value);
    EXPECT_EQ(usages.size(), 104u);
    EXPECT_EQ(usages.count(50), 0u) << "the non-US hash key has no virtual key here";
    EXPECT_EQ(usages.count(100), 0u);
    for (int32_t key : {16, 17, 18, 12, 41, 166, 255, 0})
        EXPECT_EQ(KeyToValue(Table::KeyUsages, key), 0) << key;
}

// --- building ---------------------------------------------------------------------------

TEST(VocabularyTablesTest, FirstUseFromManyThreadsAtOnceBuildsOneSetOfTables)
{
    // Each test runs in a process of its own, so these threads race for the first build.
    constexpr int kThreads = 8;
    std::atomic<bool> go{false};
    std::atomic<int> wrong{0};
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i) {
        threads.emplace_back([&] {
            while (!go.load())
                std::this_thread::yield();
            if (NameToKey(Table::ItemIds, L"button_apply") != 12 || KeyToName(Table::Colours, 1) != L"BLACK3" ||
                Rows(Table::KeyUsages).size() != 104)
                ++wrong;
        });
    }
    go = true;
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(wrong.load(), 0);
    const auto* built = Rows(Table::ItemIds).data();
    VocabularyTables::Build();
    EXPECT_EQ(Rows(Table::ItemIds).data(), built) << "building again must not replace the tables";
}
