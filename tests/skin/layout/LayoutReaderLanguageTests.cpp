// LANG elements, and the current language's overrides and font substitutions as items read them.
#include "LayoutReaderFixture.h"

#include <map>

#include "skin/CLangTable.h"
#include "skin/IKeyboardLayouts.h"
#include "vocabulary/ItemIds.h"

namespace {

// Records the layouts asked for and answers each name with a handle of its own.
class RecordingKeyboardLayouts : public IKeyboardLayouts
{
public:
    uintptr_t Load(std::wstring_view name) override
    {
        loaded.emplace_back(name);
        return 0x4000 + loaded.size();
    }
    bool Activate(uintptr_t layout) override
    {
        activated.push_back(layout);
        return true;
    }

    std::vector<std::wstring> loaded;
    std::vector<uintptr_t> activated;
};

// A language file: UTF-16LE lines ending in carriage return and line feed.
std::string LanguageFile(std::u16string_view title, std::initializer_list<std::pair<std::u16string_view, std::u16string_view>> entries)
{
    std::u16string text = std::u16string(title) + u"\r\n-\r\n";
    for (const auto& [key, value] : entries)
        text += std::u16string(key) + u"\r\n" + std::u16string(value) + u"\r\n";
    text += u"END OF FILE\r\n";
    std::string bytes;
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

class LayoutReaderLanguageTest : public LayoutReaderFixture
{
protected:
    void SetUp() override
    {
        m_languages.SetKeyboardLayouts(&m_layouts);
        m_loader.AddLanguageFile(L"english.lng", LanguageFile(u"English", {{u"ok", u"OK"}}));
        m_loader.AddLanguageFile(L"german.lng", LanguageFile(u"Deutsch", {{u"ok", u"Gut"}, {u"cancel", u"Abbrechen"}}));
        for (const wchar_t* name : {L"n.bmp", L"o.bmp", L"d.bmp", L"ds.bmp", L"de-n.bmp", L"de-ds.bmp"})
            m_loader.AddPicture(name);
    }

    // Reads a language file layout and makes the given language current.
    LayoutDescription SelectLanguage(std::string_view langList, int32_t identifier)
    {
        LayoutDescription languages = ReadItems("<LANGLIST>" + std::string(langList) + "</LANGLIST>");
        EXPECT_TRUE(m_languages.Select(identifier));
        return languages;
    }

    RecordingKeyboardLayouts m_layouts;
};


}  // namespace

TEST_F(LayoutReaderLanguageTest, LangMakesARegisteredTableWithItsKeyboardLayout)
{
    const LayoutDescription layout = ReadItems(R"(<LANGLIST>
        <LANG name="LANGUAGE_DEFAULT" file=" english.lng " kbdlayout=""/>
        <LANG name="LANGUAGE_GERMAN" file="german.lng" kbdlayout="00000407"/>
    </LANGLIST>)");
    ASSERT_EQ(layout.items.size(), 2u);
    ASSERT_EQ(layout.languageTables.size(), 2u);
    const auto& english = ItemAt<LanguageDescription>(layout, 0);
    EXPECT_EQ(english.identifier, ItemId::LANGUAGE_DEFAULT);
    ASSERT_EQ(english.table, layout.languageTables[0].Table());
    EXPECT_EQ(english.table->Title(), L"English");
    EXPECT_EQ(english.table->Translate(L"$ok"), L"OK");
    EXPECT_EQ(english.table->KeyboardLayoutName(), L"00000409");
    EXPECT_EQ(m_layouts.loaded, (std::vector<std::wstring>{L"00000409", L"00000407"}));

    const auto& german = ItemAt<LanguageDescription>(layout, 1);
    EXPECT_EQ(german.table->EntryCount(), 2u);
    EXPECT_EQ(german.table->KeyboardLayout(), 0x4002u);

    // Registered, not selected: selecting activates the language's layout.
    EXPECT_EQ(m_languages.Current(), nullptr);
    ASSERT_TRUE(m_languages.Select(ItemId::LANGUAGE_GERMAN));
    EXPECT_EQ(m_languages.Current(), german.table);
    EXPECT_EQ(m_layouts.activated, (std::vector<uintptr_t>{0x4002u}));
    EXPECT_EQ(m_languages.ShowText(L"$cancel"), L"Abbrechen");
}

TEST_F(LayoutReaderLanguageTest, ALayoutThatGoesTakesItsLanguagesOutOfTheSet)
{
    {
        const LayoutDescription layout =
            SelectLanguage(R"(<LANG name="LANGUAGE_GERMAN" file="german.lng"/>)", ItemId::LANGUAGE_GERMAN);
        ASSERT_NE(m_languages.Current(), nullptr);
    }
    EXPECT_EQ(m_languages.Current(), nullptr) << "no current language that is gone";
    EXPECT_FALSE(m_languages.Select(ItemId::LANGUAGE_GERMAN));
}

TEST_F(LayoutReaderLanguageTest, ALangWhoseFileCannotBeReadOrWhoseNameIsUnknownIsSkipped)
{
    const LayoutDescription layout = ReadItems(R"(<LANGLIST>
        <LANG name="LANGUAGE_FRENCH" file="missing.lng"/>
        <LANG name="LANGUAGE_KLINGON" file="english.lng"/>
        <LANG name="LANGUAGE_SPANISH"/>
    </LANGLIST>)");
    EXPECT_TRUE(layout.items.empty());
    EXPECT_FALSE(m_languages.Select(ItemId::LANGUAGE_FRENCH));
    EXPECT_FALSE(m_languages.Select(ItemId::LANGUAGE_SPANISH));
    EXPECT_EQ(layout.problems, (std::vector<LayoutProblem>{{LayoutProblem::Kind::LanguageUnreadable, L"missing.lng"},
                                                           {LayoutProblem::Kind::LanguageUnreadable, L""}}));
}

TEST_F(LayoutReaderLanguageTest, DamagedLanguageFilesAreKeptAndReportedAndNoneIsReadOutsideItsFolder)
{
    m_loader.AddLanguageFile(L"utf8.lng", "Title\r\n-\r\nok\r\nOK\r\nEND OF FILE\r\n");
    m_loader.AddLanguageFile(L"../outside.lng", LanguageFile(u"Outside", {{u"ok", u"OK"}}));
    const LayoutDescription layout = ReadItems(R"(<LANGLIST>
        <LANG name="LANGUAGE_FRENCH" file="utf8.lng"/>
        <LANG name="LANGUAGE_GERMAN" file="../outside.lng"/>
    </LANGLIST>)");
    EXPECT_EQ(layout.items.size(), 1u) << "the damaged table is kept";
    EXPECT_EQ(m_loader.FileReads(L"../outside.lng"), 0);
    EXPECT_EQ(layout.problems,
              (std::vector<LayoutProblem>{
                  {LayoutProblem::Kind::LanguageDamaged, L"utf8.lng", LanguageFileFault::NotUtf16},
                  {LayoutProblem::Kind::OutsideFolder, L"../outside.lng"}}));
}

TEST_F(LayoutReaderLanguageTest, ATableOutsideTheLanguagesIsKeptButNotRegistered)
{
    m_loader.AddLanguageFile(L"empty-ish.lng", LanguageFile(u"Nothing", {}));
    const LayoutDescription layout = ReadItems(R"(<LANGLIST>
        <LANG name="BUTTON_OK" file="english.lng"/>
        <LANG name="LANGUAGE_KOREAN" file="empty-ish.lng"/>
    </LANGLIST>)");
    ASSERT_EQ(layout.items.size(), 2u);
    EXPECT_EQ(ItemAt<LanguageDescription>(layout, 0).identifier, ItemId::BUTTON_OK);
    EXPECT_FALSE(m_languages.Select(ItemId::BUTTON_OK));
    // A table without entries is still kept and registered.
    EXPECT_EQ(ItemAt<LanguageDescription>(layout, 1).table->EntryCount(), 0u);
    EXPECT_TRUE(m_languages.Select(ItemId::LANGUAGE_KOREAN));
}

TEST_F(LayoutReaderLanguageTest, TheLaterOfTwoTablesWithOneIdentifierIsRegistered)
{
    const LayoutDescription layout = ReadItems(R"(<LANGLIST>
        <LANG name="LANGUAGE_DEFAULT" file="english.lng"/><LANG name="LANGUAGE_DEFAULT" file="german.lng"/>
    </LANGLIST>)");
    ASSERT_EQ(layout.items.size(), 2u);
    ASSERT_TRUE(m_languages.Select(ItemId::LANGUAGE_DEFAULT));
    EXPECT_EQ(m_languages.Current(), layout.languageTables[1].Table());
}

TEST_F(LayoutReaderLanguageTest, TheLanguageFileIsReadWithItsCachedByteCount)
{
    // The cache's size for the name is that of its first record of any type: here a picture
    // record (8), so only the first four units of the file are read.
    m_loader.AddPicture(L"english.lng");
    (void)m_cache.Fetch(L"english.lng", ResourceType::Picture);
    const LayoutDescription layout = ReadItems(R"(<LANGLIST><LANG name="LANGUAGE_DEFAULT" file="english.lng"/></LANGLIST>)");
    const auto& language = ItemAt<LanguageDescription>(layout, 0);
    EXPECT_EQ(language.table->Title(), L"Engl");
    EXPECT_EQ(language.table->EntryCount(), 0u);
}

TEST_F(LayoutReaderLanguageTest, LangFontAndTheThreeFormsOfLangOverride)
{
    const LayoutDescription layout = ReadItems(R"(<LANGLIST><LANG name="LANGUAGE_GERMAN" file="german.lng">
        <LANGFONT fontsearch="FONT_ARIAL10" fontreplace="FONT_ARIAL12"/>
        <LANGFONT fontsearch="FONT_ARIAL14" fontreplace="FONT_NOPE"/>
        <LANGOVERRIDE caps="Upper" NAME="TEXT_PROFILEINFO"/>
        <LANGOVERRIDE name="BUTTON_NOPE" caps="Upper"/>
        <LANGOVERRIDE label="x" caps="Upper"/>
        <LANGOVERRIDE name="TEXT_PROFILENAME"><RECT left="1" top="2" right="3" bottom="4"/></LANGOVERRIDE>
        <LANGOVERRIDE name="BUTTON_OK"><SBMN>de-n.bmp</SBMN><SBMDS>de-ds.bmp</SBMDS></LANGOVERRIDE>
        <LANGOVERRIDE name="BUTTON_EXIT" caps="Lower" multiline="1"/>
    </LANG></LANGLIST>)");
    const CLangTable& table = *ItemAt<LanguageDescription>(layout, 0).table;
    EXPECT_EQ(table.SubstituteFont(ItemId::FONT_ARIAL10), ItemId::FONT_ARIAL12);
    EXPECT_EQ(table.SubstituteFont(ItemId::FONT_ARIAL14), ItemId::FONT_ARIAL14);
    ASSERT_NE(table.FindTextOverride(ItemId::TEXT_PROFILEINFO, L"caps"), nullptr);
    EXPECT_EQ(*table.FindTextOverride(ItemId::TEXT_PROFILEINFO, L"caps"), L"Upper");
    EXPECT_EQ(table.FindRectOverride(ItemId::TEXT_PROFILENAME), (LayoutRect{1, 2, 3, 4}));
    ASSERT_NE(table.FindTextOverride(ItemId::BUTTON_OK, L"SBMN"), nullptr);
    EXPECT_EQ(*table.FindTextOverride(ItemId::BUTTON_OK, L"SBMN"), L"de-n.bmp");
    EXPECT_EQ(*table.FindTextOverride(ItemId::BUTTON_OK, L"SBMDS"), L"de-ds.bmp");
    EXPECT_EQ(table.FindTextOverride(ItemId::BUTTON_OK, L"SBMO"), nullptr);
    // Three attributes: ignored.
    EXPECT_EQ(table.FindTextOverride(ItemId::BUTTON_EXIT, L"caps"), nullptr);
}

TEST_F(LayoutReaderLanguageTest, AnImageOverrideIsCutTo255Characters)
{
    const std::string longName(300, 'p');
    const LayoutDescription layout = ReadItems(R"(<LANGLIST><LANG name="LANGUAGE_GERMAN" file="german.lng">
        <LANGOVERRIDE name="BUTTON_OK"><SBMN>)" + longName + R"(</SBMN></LANGOVERRIDE>
        <LANGOVERRIDE name="BUTTON_EXIT" SBMO=")" + longName + R"("/>
    </LANG></LANGLIST>)");
    const CLangTable& table = *ItemAt<LanguageDescription>(layout, 0).table;
    EXPECT_EQ(*table.FindTextOverride(ItemId::BUTTON_OK, L"SBMN"), std::wstring(255, L'p'));
    EXPECT_EQ(*table.FindTextOverride(ItemId::BUTTON_EXIT, L"SBMO"), std::wstring(255, L'p'));
}

TEST_F(LayoutReaderLanguageTest, ACurrentLanguageOverridesRectFontCapsMultilineAndButtonPictures)
{
    const LayoutDescription languages = SelectLanguage(R"(<LANG name="LANGUAGE_GERMAN" file="german.lng">
        <LANGOVERRIDE name="TEXT_PROFILEINFO"><RECT left="100" top="200" right="300" bottom="400"/></LANGOVERRIDE>
        <LANGOVERRIDE name="TEXT_PROFILEINFO" fontid="FONT_ARIAL14"/>
        <LANGOVERRIDE name="TEXT_PROFILEINFO" caps="Upper"/>
        <LANGOVERRIDE name="TEXT_PROFILEINFO" multiline="1"/>
        <LANGOVERRIDE name="TEXT_PROFILENAME" caps="Upper"/>
        <LANGOVERRIDE name="TEXT_PROFILENAME" multiline="1"/>
        <LANGOVERRIDE name="BUTTON_OK"><SBMN>de-n.bmp</SBMN></LANGOVERRIDE>
        <LANGOVERRIDE name="BUTTON_OK" multiline="0"/>
    </LANG>)", ItemId::LANGUAGE_GERMAN);

    const LayoutDescription layout = ReadItems(R"(
        <FONTLIST><FONT name="FONT_ARIAL10"/><FONT name="FONT_ARIAL14"/></FONTLIST>
        <BUTTONLIST><BUTTON name="BUTTON_OK" multiline="1">)" + std::string(kButtonPictures) + R"(</BUTTON></BUTTONLIST>
        <TEXTLIST>
            <TEXTITEM name="TEXT_PROFILEINFO" fontid="FONT_ARIAL10" caps="Lower" multiline="0"><RECT left="1" top="2" right="3" bottom="4"/></TEXTITEM>
            <TEXTITEM name="TEXT_PROFILENAME"/>
        </TEXTLIST>)");
    ASSERT_EQ(layout.items.size(), 5u);
    const auto& button = ItemAt<ButtonDescription>(layout, 2);
    EXPECT_EQ(button.states[ButtonDescription::kNormal].picture, Record(L"de-n.bmp"));
    EXPECT_EQ(button.states[ButtonDescription::kOver].picture, Record(L"o.bmp"));
    EXPECT_FALSE(button.multiline);
    EXPECT_EQ(m_loader.PictureLoads(L"n.bmp"), 0);

    const auto& text = ItemAt<TextItemDescription>(layout, 3);
    EXPECT_EQ(text.rect, (LayoutRect{100, 200, 300, 400}));
    EXPECT_EQ(text.font, 1u);  // the override names FONT_ARIAL14
    EXPECT_EQ(text.caps, CLanguageSet::kCapsUpper);
    EXPECT_TRUE(text.multiline);

    // "caps" and "multiline" absent from the file: the overrides do not apply.
    const auto& plain = ItemAt<TextItemDescription>(layout, 4);
    EXPECT_EQ(plain.caps, CLanguageSet::kCapsNone);
    EXPECT_FALSE(plain.multiline);
}

TEST_F(LayoutReaderLanguageTest, TheCurrentLanguageSubstitutesFontsWithoutAnOverride)
{
    const LayoutDescription languages = SelectLanguage(R"(<LANG name="LANGUAGE_GERMAN" file="german.lng">
        <LANGFONT fontsearch="FONT_ARIAL10" fontreplace="FONT_ARIAL12"/>
        <LANGOVERRIDE name="TEXT_PROFILENAME" fontid="FONT_ARIAL10"/>
    </LANG>)", ItemId::LANGUAGE_GERMAN);
    const LayoutDescription layout = ReadItems(R"(
        <FONTLIST><FONT name="FONT_ARIAL10"/><FONT name="FONT_ARIAL12"/></FONTLIST>
        <TEXTLIST><TEXTITEM name="TEXT_PROFILEINFO" fontid="FONT_ARIAL10"/>
                  <TEXTITEM name="TEXT_PROFILENAME" fontid="FONT_ARIAL12"/></TEXTLIST>)");
    ASSERT_EQ(layout.items.size(), 4u);
    EXPECT_EQ(ItemAt<TextItemDescription>(layout, 2).font, 1u);
    // The override's font is used as it is, not substituted again.
    EXPECT_EQ(ItemAt<TextItemDescription>(layout, 3).font, 0u);
}

TEST_F(LayoutReaderLanguageTest, ALayoutReadBeforeALanguageIsSelectedGetsNoOverrides)
{
    const LayoutDescription layout = ReadItems(R"(<LANGLIST><LANG name="LANGUAGE_GERMAN" file="german.lng">
        <LANGOVERRIDE name="TEXT_PROFILEINFO"><RECT left="100"/></LANGOVERRIDE>
    </LANG></LANGLIST><TEXTLIST><TEXTITEM name="TEXT_PROFILEINFO"><RECT left="1"/></TEXTITEM></TEXTLIST>)");
    ASSERT_EQ(layout.items.size(), 2u);
    EXPECT_EQ(ItemAt<TextItemDescription>(layout, 1).rect.left, 1);
}

TEST_F(LayoutReaderLanguageTest, WithoutKeyboardLayoutsTheTableKeepsTheNameOnly)
{
    m_languages.SetKeyboardLayouts(nullptr);
    const LayoutDescription layout = ReadItems(R"(<LANGLIST><LANG name="LANGUAGE_DEFAULT" file="english.lng" kbdlayout="00000809"/></LANGLIST>)");
    const auto& language = ItemAt<LanguageDescription>(layout, 0);
    EXPECT_EQ(language.table->KeyboardLayoutName(), L"00000809");
    EXPECT_EQ(language.table->KeyboardLayout(), 0u);
}
