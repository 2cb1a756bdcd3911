#include <gtest/gtest.h>

#include <string>

#include "skin/CLangTable.h"
#include "skin/CLanguageSet.h"
#include "skin/IKeyboardLayouts.h"

namespace {

// A language file as its bytes: UTF-16LE, lines as written (the test writes the line ends).
std::string LanguageFile(std::u16string_view text, bool byteOrderMark = false)
{
    std::string bytes = byteOrderMark ? "\xFF\xFE" : "";
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

CLangTable Read(std::u16string_view text, bool byteOrderMark = false)
{
    CLangTable table(340);
    const std::string bytes = LanguageFile(text, byteOrderMark);
    table.Read(bytes.data(), bytes.size());
    return table;
}

TEST(LangTableTest, ReadsTitleThenKeyValuePairs)
{
    const CLangTable table = Read(u"English\r\nignored\r\nsecondsdelay\r\nseconds delay\r\nok\r\nOK\r\nEND OF FILE\r\n");
    EXPECT_EQ(table.Title(), L"English");
    EXPECT_EQ(table.EntryCount(), 2u);
    EXPECT_EQ(table.Translate(L"$secondsdelay"), L"seconds delay");
    EXPECT_EQ(table.Translate(L"$OK"), L"OK");
}

TEST(LangTableTest, TheTitleKeepsAByteOrderMark)
{
    const CLangTable table = Read(u"Deutsch\r\nx\r\nk\r\nv\r\n", true);
    EXPECT_EQ(table.Title(), L"\xFEFF" L"Deutsch");
    EXPECT_EQ(table.Translate(L"$k"), L"v");
}

TEST(LangTableTest, EmptyLinesVanishAndShiftThePairs)
{
    const CLangTable table = Read(u"T\r\nx\r\na\r\n\r\n\r\nA\r\nb\r\nB\r\n");
    EXPECT_EQ(table.Translate(L"$a"), L"A");
    EXPECT_EQ(table.Translate(L"$b"), L"B");

    // The blank line is skipped with the line end, so after a key without its value every
    // later line moves up by one.
    const CLangTable shifted = Read(u"T\r\nx\r\na\r\nb\r\nB\r\nc\r\n");
    EXPECT_EQ(shifted.Translate(L"$a"), L"b");
    EXPECT_EQ(shifted.Translate(L"$B"), L"c");
}

TEST(LangTableTest, EndOfFileIgnoresCaseAndEndsEvenAsAValue)
{
    const CLangTable table = Read(u"T\r\nx\r\nfirst\r\n1\r\nsecond\r\nend of file\r\nthird\r\n3\r\n");
    EXPECT_EQ(table.EntryCount(), 1u);
    EXPECT_FALSE(table.Translate(L"$second").has_value());
    EXPECT_FALSE(table.Translate(L"$third").has_value());
}

TEST(LangTableTest, LineFeedsAloneDoNotEndLinesAndTheLastLineNeedsNoEnd)
{
    const CLangTable table = Read(u"T\r\nx\r\nkey\r\nvalue\nstill\r\nlast\r\nno end");
    EXPECT_EQ(table.Translate(L"$key"), L"value\nstill");
    EXPECT_EQ(table.Translate(L"$last"), L"no end");
}

TEST(LangTableTest, AKeyWithoutValueAtTheEndIsDropped)
{
    const CLangTable table = Read(u"T\r\nx\r\nk\r\nv\r\ndangling\r\n");
    EXPECT_EQ(table.EntryCount(), 1u);
    EXPECT_FALSE(table.Translate(L"$dangling").has_value());
}

TEST(LangTableTest, LookupsIgnoreCaseAndTheSpacesOfStoredKeys)
{
    const CLangTable table = Read(u"T\r\nx\r\nseconds delay\r\nSekunden\r\non-the-fly sensitivity\r\nSofort\r\n");
    EXPECT_EQ(table.Translate(L"$SECONDSDELAY"), L"Sekunden");
    EXPECT_EQ(table.Translate(L"$on-the-flysensitivity"), L"Sofort");
    EXPECT_FALSE(table.Translate(L"$seconds delay").has_value()) << "the looked-up text keeps its spaces";
    EXPECT_FALSE(table.Translate(L"secondsdelay").has_value()) << "no dollar sign, no lookup";
    EXPECT_FALSE(table.Translate(L"").has_value());
}

TEST(LangTableTest, OnlyTheFirst59CharactersOfAKeyCount)
{
    const std::u16string key(70, u'k');
    const CLangTable table = Read(u"T\r\nx\r\n" + key + u"\r\nlong\r\n");
    EXPECT_EQ(table.Translate(L"$" + std::wstring(59, L'k')), L"long");
    EXPECT_FALSE(table.Translate(L"$" + std::wstring(70, L'k')).has_value());
    EXPECT_FALSE(table.Translate(L"$" + std::wstring(58, L'k')).has_value());
}

TEST(LangTableTest, HashLooksUpByPrefixInFileOrder)
{
    const CLangTable table = Read(u"T\r\nx\r\nprofile one\r\nP1\r\nprofile two\r\nP2\r\n");
    EXPECT_EQ(table.Translate(L"#Profile"), L"P1");
    EXPECT_EQ(table.Translate(L"#profilet"), L"P2");
    EXPECT_FALSE(table.Translate(L"#profilethree").has_value());
}

TEST(LangTableTest, DuplicateKeysAnswerWithTheFirst)
{
    const CLangTable table = Read(u"T\r\nx\r\nk\r\nfirst\r\nK\r\nsecond\r\n");
    EXPECT_EQ(table.Translate(L"$k"), L"first");
}

TEST(LangTableTest, OddByteCountsAndNulsStayInsideTheData)
{
    std::string bytes = LanguageFile(u"T\r\nx\r\nk\r\nv\u0000hidden\r\n");
    bytes.push_back('\x41');  // a dangling byte
    CLangTable table;
    EXPECT_TRUE(table.Read(bytes.data(), bytes.size()));
    EXPECT_EQ(table.Translate(L"$k"), L"v");
    CLangTable empty;
    EXPECT_FALSE(empty.Read(bytes.data(), 0));
    EXPECT_FALSE(empty.Read(bytes.data(), 1));
    EXPECT_EQ(empty.Title(), L"");
}

TEST(LangTableTest, DamagedFilesSayWhatIsWrongAndKeepWhatWasRead)
{
    const std::u16string sound = u"Title\r\n-\r\nok\r\nOK\r\nEND OF FILE\r\n";
    std::string bigEndian = "\xFE\xFF";
    for (char16_t unit : sound)
        bigEndian += {static_cast<char>(unit >> 8), static_cast<char>(unit & 0xFF)};
    const std::string utf8 = "Title\r\n-\r\nok\r\nOK\r\nEND OF FILE\r\n";
    const std::string whole = LanguageFile(sound, true);
    const struct
    {
        std::string bytes;
        LanguageFileFault fault;
    } cases[] = {
        {whole, LanguageFileFault::None},
        {LanguageFile(sound), LanguageFileFault::None},
        {utf8, LanguageFileFault::NotUtf16},
        {"\xEF\xBB\xBF" + utf8, LanguageFileFault::NotUtf16},
        {bigEndian, LanguageFileFault::BigEndian},
        {bigEndian.substr(2), LanguageFileFault::BigEndian},
        {whole.substr(0, whole.size() - 20), LanguageFileFault::Truncated},
        {whole.substr(0, whole.size() - 1), LanguageFileFault::Truncated},
        {LanguageFile(u"Title\r\n-\r\nok\r\nOK\r\nlonely\r\nEND OF FILE"), LanguageFileFault::Truncated},
        {LanguageFile(u"Title\r\n-\r\nEND OF FILE\r\n"), LanguageFileFault::Empty},
        {"", LanguageFileFault::Empty},
    };
    for (const auto& [bytes, fault] : cases) {
        CLangTable table;
        table.Read(bytes.data(), bytes.size());
        EXPECT_EQ(table.Fault(), fault) << testing::PrintToString(bytes);
    }
    CLangTable cut;
    const std::string truncated = whole.substr(0, whole.size() - 20);
    EXPECT_TRUE(cut.Read(truncated.data(), truncated.size()));
    EXPECT_EQ(cut.Translate(L"$ok"), L"OK") << "what was read is kept";
}

TEST(LangTableTest, OverridesMatchItemAndKeyIgnoringCase)
{
    CLangTable table;
    table.AddTextOverride(11, L"fontid", L"FONT_ARIAL10");
    table.AddTextOverride(11, L"FontID", L"FONT_ARIAL12");
    table.AddRectOverride(11, LayoutRect{1, 2, 3, 4});
    table.AddTextOverride(12, L"SBMN", L"button_fr.bmp");
    ASSERT_NE(table.FindTextOverride(11, L"FONTID"), nullptr);
    EXPECT_EQ(*table.FindTextOverride(11, L"FONTID"), L"FONT_ARIAL10") << "the first in reading order";
    EXPECT_EQ(table.FindRectOverride(11), (LayoutRect{1, 2, 3, 4}));
    EXPECT_FALSE(table.FindRectOverride(12).has_value());
    EXPECT_EQ(table.FindTextOverride(11, L"RECT"), nullptr) << "a rectangle is not a text";
    EXPECT_EQ(table.FindTextOverride(13, L"SBMN"), nullptr);
}

class RecordingLayouts : public IKeyboardLayouts
{
public:
    uintptr_t Load(std::wstring_view name) override { return name == L"00000407" ? 0x4070407 : 0x4090409; }
    bool Activate(uintptr_t layout) override
    {
        activated = layout;
        return true;
    }
    uintptr_t activated = 0;
};

class LanguageSetTest : public ::testing::Test
{
protected:
    LanguageSetTest()
    {
        set.SetKeyboardLayouts(&layouts);
        english.SetKeyboardLayout(L"00000409", layouts.Load(L"00000409"));
        german.SetKeyboardLayout(L"00000407", layouts.Load(L"00000407"));
        const std::string englishFile = LanguageFile(u"English\r\nx\r\nok\r\nOk\r\nmultiline\r\nfirst\\nsecond\\nthird\r\n");
        const std::string germanFile = LanguageFile(u"Deutsch\r\nx\r\nok\r\nGut\r\nstraße\r\nStraße\r\n");
        english.Read(englishFile.data(), englishFile.size());
        german.Read(germanFile.data(), germanFile.size());
    }

    RecordingLayouts layouts;
    CLanguageSet set;
    CLangTable english{340};
    CLangTable german{345};
};

TEST_F(LanguageSetTest, SelectingActivatesTheLanguagesKeyboardLayout)
{
    set.Register(340, &english);
    set.Register(345, &german);
    EXPECT_TRUE(set.Select(345));
    EXPECT_EQ(set.Current(), &german);
    EXPECT_EQ(layouts.activated, 0x4070407u);
    EXPECT_FALSE(set.Select(346));
    EXPECT_EQ(set.Current(), &german) << "an unknown language changes nothing";
}

TEST_F(LanguageSetTest, OnlyTheLanguageIdentifiersAreRegistered)
{
    set.Register(339, &english);
    set.Register(352, &english);
    EXPECT_FALSE(set.Select(339));
    EXPECT_FALSE(set.Select(352));
    CLangTable later(340);
    set.Register(340, &english);
    set.Register(340, &later);
    ASSERT_TRUE(set.Select(340));
    EXPECT_EQ(set.Current(), &later) << "the table read later is the one registered";
}

TEST_F(LanguageSetTest, RegistryNamesFallBackToEnglish)
{
    set.Register(340, &english);
    set.Register(345, &german);
    EXPECT_TRUE(set.SelectByName(L"GERMAN"));
    EXPECT_EQ(set.Current(), &german);
    EXPECT_TRUE(set.SelectByName(L"Portuguese"));
    EXPECT_EQ(set.Current(), &english) << "349 has no name";
    EXPECT_TRUE(set.SelectByName(L"Korean"));
    EXPECT_EQ(set.Current(), &english) << "no Korean table";
}

TEST_F(LanguageSetTest, WithoutAnyTableTextsShowTheirKeys)
{
    EXPECT_FALSE(set.SelectByName(L"English"));
    EXPECT_EQ(set.Current(), nullptr);
    EXPECT_EQ(set.ShowText(L"$ok"), L"$ok");
    EXPECT_EQ(set.ShowText(L"$ok", CLanguageSet::kCapsUpper), L"$ok") << "case applies to translations only";
}

TEST_F(LanguageSetTest, ShownTextsAreTranslatedCasedAndBrokenOnce)
{
    set.Register(340, &english);
    set.Register(345, &german);
    set.Select(340);
    EXPECT_EQ(set.ShowText(L"$ok"), L"Ok");
    EXPECT_EQ(set.ShowText(L"$ok", CLanguageSet::kCapsUpper), L"OK");
    EXPECT_EQ(set.ShowText(L"$ok", CLanguageSet::kCapsLower), L"ok");
    EXPECT_EQ(set.ShowText(L"$multiline"), L"first\r\nsecond\\nthird") << "only the first \\n breaks";
    EXPECT_EQ(set.ShowText(L"plain\\ntext"), L"plain\r\ntext");
    EXPECT_EQ(set.ShowText(L"$missing"), L"$missing");
    set.Select(345);
    EXPECT_EQ(set.ShowText(L"$straße", CLanguageSet::kCapsUpper), L"STRAßE");
}

TEST_F(LanguageSetTest, KeysALanguageLacksShowTheEnglishTexts)
{
    set.Register(340, &english);
    set.Register(345, &german);
    set.Select(345);
    EXPECT_EQ(set.ShowText(L"$ok"), L"Gut") << "the language's own text comes first";
    EXPECT_EQ(set.ShowText(L"$multiline"), L"first\r\nsecond\\nthird");
    EXPECT_EQ(set.ShowText(L"#MULTI", CLanguageSet::kCapsLower), L"first\r\nsecond\\nthird");
    EXPECT_EQ(set.ShowText(L"$missing"), L"$missing") << "a key neither knows";
}

TEST_F(LanguageSetTest, FontsAreSubstitutedByTheCurrentLanguage)
{
    german.AddFontSubstitution(253, 243);
    german.AddFontSubstitution(254, 0);
    set.Register(345, &german);
    EXPECT_EQ(set.MapFont(253), 253) << "no current language";
    set.Select(345);
    EXPECT_EQ(set.MapFont(253), 243);
    EXPECT_EQ(set.MapFont(254), 254) << "a substitution to 0 is none";
    EXPECT_EQ(set.MapFont(255), 255);
}

}  // namespace
