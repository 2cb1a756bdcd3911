// Damaged, hostile and unusual layout files: nothing crashes, nothing reads outside the bytes,
// and the cost stays bounded.
#include "LayoutReaderFixture.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <type_traits>
#include <variant>

#include "platform/FileSystem.h"
#include "skin/layout/LayoutFaults.h"
#include "skin/layout/LayoutLimits.h"
#include "vocabulary/ItemIds.h"

namespace {

std::string Utf16Le(std::string_view ascii)
{
    std::string bytes;
    for (char c : ascii) {
        bytes.push_back(c);
        bytes.push_back('\0');
    }
    return bytes;
}

constexpr std::string_view kTwoTexts = R"(<ITEMLIST><TEXTLIST>
    <TEXTITEM name="TEXT_PROFILEINFO" textkey="$info"/><TEXTITEM name="TEXT_PROFILENAME" textkey="$name"/>
</TEXTLIST></ITEMLIST>)";

class LayoutReaderBadInputTest : public LayoutReaderFixture
{
};

// A program folder of its own under the temporary folder, removed afterwards.
class LayoutFileTest : public testing::Test
{
protected:
    void SetUp() override
    {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        m_directory = std::filesystem::temp_directory_path() /
                      ("vantix-layout-" + std::string(info->name()) + "-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(m_directory / "xml");
    }
    void TearDown() override
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_directory, ignored);
    }

    void WriteLayout(const std::string& name, std::string_view bytes) const
    {
        std::ofstream file(m_directory / "xml" / name, std::ios::binary);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    LayoutDescription ReadFile(std::wstring_view name)
    {
        FakeResourceLoader loader(platform::FromFsPath(m_directory));
        CResourceCache cache(platform::FromFsPath(m_directory), loader);
        CLanguageSet languages;
        return CLayoutReader(cache, languages).ReadFile(name);
    }

    std::filesystem::path m_directory;
};

}  // namespace

TEST_F(LayoutReaderBadInputTest, EmptyAndWhiteSpaceInputsDescribeNothing)
{
    EXPECT_TRUE(Read("").items.empty());
    EXPECT_TRUE(Read(" \r\n\t").items.empty());
    EXPECT_TRUE(Read(std::string(1, '\0')).items.empty());
    EXPECT_TRUE(Read(std::string(5000, '\0')).items.empty());
}

TEST_F(LayoutReaderBadInputTest, MalformedOrTruncatedFilesDescribeNothing)
{
    const std::string whole(kTwoTexts);
    EXPECT_EQ(Read(whole).items.size(), 2u);
    for (size_t length = 1; length < whole.size(); length += 7) {
        const LayoutDescription cut = Read(whole.substr(0, length));
        EXPECT_TRUE(cut.items.empty()) << length;
        ASSERT_EQ(cut.problems.size(), 1u) << length;
        EXPECT_EQ(cut.problems[0].kind, LayoutProblem::Kind::LayoutMalformed) << length;
    }
    EXPECT_TRUE(Read("<ITEMLIST><TEXTLIST></ITEMLIST>").items.empty());
    EXPECT_TRUE(Read("<ITEMLIST attr=></ITEMLIST>").items.empty());
    EXPECT_TRUE(Read("not xml at all").items.empty());
}

TEST_F(LayoutReaderBadInputTest, Utf16FilesWithAndWithoutAByteOrderMark)
{
    EXPECT_EQ(Read(Utf16Le(kTwoTexts)).items.size(), 2u);
    EXPECT_EQ(Read("\xFF\xFE" + Utf16Le(kTwoTexts)).items.size(), 2u);
    EXPECT_EQ(Read("\xEF\xBB\xBF" + std::string(kTwoTexts)).items.size(), 2u);
    // An odd byte count: the last byte is ignored.
    EXPECT_EQ(Read(Utf16Le(kTwoTexts) + "\x0A").items.size(), 2u);
    // Cut in the middle of a unit: the document is incomplete.
    const std::string bytes = Utf16Le(kTwoTexts);
    EXPECT_TRUE(Read(bytes.substr(0, bytes.size() / 2 + 1)).items.empty());
    // A big-endian mark on little-endian text: nothing is read, and that is reported.
    const LayoutDescription wrongMark = Read("\xFE\xFF" + bytes);
    EXPECT_TRUE(wrongMark.items.empty());
    ASSERT_EQ(wrongMark.problems.size(), 1u);
    EXPECT_EQ(wrongMark.problems[0].kind, LayoutProblem::Kind::LayoutMalformed);
}

TEST_F(LayoutReaderBadInputTest, AUtf16FileLongerThanOneBlockKeepsEveryItem)
{
    std::string xml = "<ITEMLIST><COMBOLIST><COMBO name=\"BUTTON_RATE1\"><CLIST height=\"1\"/>";
    for (int i = 0; i < 500; ++i)
        xml += "<COMBOITEM>entry " + std::to_string(i) + "</COMBOITEM>";
    xml += "</COMBO></COMBOLIST></ITEMLIST>";
    ASSERT_GT(xml.size() * 2, 4 * LayoutLimits::kReadBlockBytes);
    const LayoutDescription layout = Read(Utf16Le(xml));
    ASSERT_EQ(layout.items.size(), 1u);
    const auto& combo = ItemAt<ComboDescription>(layout, 0);
    ASSERT_EQ(combo.entries.size(), 500u);
    EXPECT_EQ(combo.entries[499], L"entry 499");
}

TEST_F(LayoutReaderBadInputTest, EightBitTextIsUtf8OrWindows1252)
{
    const LayoutDescription utf8 = Read(R"(<ITEMLIST><TEXTLIST><TEXTITEM name="TEXT_PROFILEINFO" textkey="Gr)"
                                        "\xC3\xBC\xC3\x9F"
                                        R"("/></TEXTLIST></ITEMLIST>)");
    EXPECT_EQ(ItemAt<TextItemDescription>(utf8, 0).textKey, L"Gr\u00FC\u00DF");
    const LayoutDescription latin = Read(R"(<ITEMLIST><TEXTLIST><TEXTITEM name="TEXT_PROFILEINFO" textkey="Gr)"
                                         "\xFC\xDF\x80"
                                         R"("/></TEXTLIST></ITEMLIST>)");
    EXPECT_EQ(ItemAt<TextItemDescription>(latin, 0).textKey, L"Gr\u00FC\u00DF\u20AC");
}

TEST_F(LayoutReaderBadInputTest, UnknownElementsAttributesAndNamesAreIgnored)
{
    const LayoutDescription layout = Read(R"(<?xml version="1.0"?><!DOCTYPE x [<!ENTITY e "boom">]>
        <ITEMLIST><WHATEVER a="1"/><TEXTLIST>
            <TEXTITEM name="TEXT_PROFILEINFO" colour="pink" fontclr="pink" fontid="FONT_NONE" windowid="x" checkboxid=""
                      justify="sideways" caps="" multiline="many" unknown="&amp;e;"/>
            <TEXTITEM name="&e;"/>
        </TEXTLIST></ITEMLIST>)");
    ASSERT_EQ(layout.items.size(), 1u);
    const auto& text = ItemAt<TextItemDescription>(layout, 0);
    EXPECT_EQ(text.fontColour, std::nullopt);
    EXPECT_EQ(text.font, std::nullopt);
    EXPECT_EQ(text.parent, std::nullopt);
    EXPECT_EQ(text.checkbox, std::nullopt);
    EXPECT_EQ(text.justify, Justify::Default);
    EXPECT_FALSE(text.multiline);
}

TEST_F(LayoutReaderBadInputTest, AHundredThousandElementsAreRead)
{
    constexpr size_t kCount = 100000;
    std::string xml = "<ITEMLIST><TEXTLIST>";
    xml.reserve(kCount * 64);
    for (size_t i = 0; i < kCount; ++i)
        xml += "<TEXTITEM name=\"TEXT_PROFILEINFO\" fontid=\"FONT_ARIAL10\"/>";
    xml += "</TEXTLIST></ITEMLIST>";
    const LayoutDescription layout = Read(xml);
    ASSERT_EQ(layout.items.size(), kCount);
    EXPECT_EQ(IdentifierOf(layout.items.back()), ItemId::TEXT_PROFILEINFO);
}

TEST_F(LayoutReaderBadInputTest, DeeplyNestedItemElementsAreReadWithoutRecursion)
{
    // Every BUTTON is found (find-all continues into a match), and each one's searches for its
    // children stay cheap although each holds all the others.
    constexpr int kDepth = 20000;
    std::string xml = "<ITEMLIST><BITMAPLIST>";
    for (int i = 0; i < kDepth; ++i)
        xml += "<BITMAPITEM name=\"BITMAP_TARVEL\"><SBMN>n.bmp</SBMN>";
    for (int i = 0; i < kDepth; ++i)
        xml += "</BITMAPITEM>";
    xml += "</BITMAPLIST></ITEMLIST>";
    m_loader.AddPicture(L"n.bmp");
    const LayoutDescription layout = Read(xml);
    EXPECT_EQ(layout.items.size(), static_cast<size_t>(kDepth));
    EXPECT_EQ(m_loader.PictureLoads(L"n.bmp"), 1);
}

TEST_F(LayoutReaderBadInputTest, ATenMegabyteAttributeIsCut)
{
    const std::string huge(10 * 1024 * 1024, 'x');
    const std::string large(1024 * 1024, 'W');
    const LayoutDescription layout =
        Read("<ITEMLIST><TEXTLIST><TEXTITEM name=\"TEXT_PROFILEINFO\" textkey=\"" + huge + "\" fontclr=\"" + large +
             "\"/></TEXTLIST></ITEMLIST>");
    ASSERT_EQ(layout.items.size(), 1u);
    const auto& text = ItemAt<TextItemDescription>(layout, 0);
    EXPECT_EQ(text.textKey.size(), LayoutLimits::kMaxTextLength);
    EXPECT_EQ(text.fontColour, std::nullopt);
}

namespace {

// Every reference of a description points back to an earlier item of the kind it accepts, and
// every picture is a loaded record.
void ExpectConsistent(const LayoutDescription& layout)
{
    const auto expectKind = [&](const ItemRef& ref, size_t from, ItemKind kind) {
        if (!ref)
            return;
        ASSERT_LT(*ref, from);
        EXPECT_EQ(KindOf(layout.items[*ref]), kind);
    };
    const auto expectPicture = [](PictureRef picture) {
        if (picture != nullptr) {
            EXPECT_TRUE(picture->loaded);
        }
    };
    for (size_t i = 0; i < layout.items.size(); ++i) {
        std::visit(
            [&](const auto& item) {
                using Item = std::decay_t<decltype(item)>;
                if constexpr (requires { item.font; })
                    expectKind(item.font, i, ItemKind::Font);
                if constexpr (requires { item.parent; })
                    expectKind(item.parent, i, ItemKind::BitmapItem);
                if constexpr (requires { item.track; })
                    expectKind(ItemRef(item.track), i, ItemKind::BitmapItem);
                if constexpr (std::is_same_v<Item, TextItemDescription>) {
                    expectKind(item.checkbox, i, ItemKind::Button);
                    if (item.checkbox) {
                        EXPECT_TRUE(layout.As<ButtonDescription>(*item.checkbox)->isCheckbox);
                    }
                }
                if constexpr (std::is_same_v<Item, ButtonDescription>) {
                    for (const auto& state : item.states)
                        expectPicture(state.picture);
                }
                if constexpr (std::is_same_v<Item, MultiSliderDescription>) {
                    EXPECT_GE(item.stages.size(), 1u);
                    EXPECT_LE(item.stages.size(), LayoutLimits::kMaxSliderStages);
                }
                if constexpr (requires { item.borderWidth; }) {
                    if (item.borderWidth) {
                        EXPECT_TRUE(*item.borderWidth >= 1 && *item.borderWidth <= 9);
                    }
                }
            },
            layout.items[i]);
    }
}

constexpr std::string_view kRichLayout = R"(<GUIPANEL><BACKGROUND>n.bmp</BACKGROUND><MASK>n.bmp</MASK>
  <FONTLIST><FONT name="FONT_ARIAL10" typeface="Arial" pitch="-12">face.ttf</FONT></FONTLIST>
  <BITMAPLIST><BITMAPITEM name="BITMAP_TARVEL"><SBMN>n.bmp</SBMN><RECT left="1" top="2" right="3" bottom="4"/></BITMAPITEM></BITMAPLIST>
  <BUTTONLIST><BUTTON name="BUTTON_OK" ischeckbox="1" windowid="BITMAP_TARVEL" fontid="FONT_ARIAL10">
    <SBMN fontclr="RED">n.bmp</SBMN><SBMO>n.bmp</SBMO><SBMD>n.bmp</SBMD><SBMDS>n.bmp</SBMDS></BUTTON></BUTTONLIST>
  <SLIDERLIST><HSLIDERM name="SLIDER_DPI_MULTI" trackid="BITMAP_TARVEL"><STAGES><STAGE>SLIDER_DPI_MULTI_STAGE1</STAGE></STAGES></HSLIDERM></SLIDERLIST>
  <TEXTLIST><TEXTITEM name="TEXT_PROFILEINFO" checkboxid="BUTTON_OK" fontid="FONT_ARIAL10" textkey="$x"/></TEXTLIST>
  <COMBOLIST><COMBO name="BUTTON_RATE1" bdrwidth="4"><CBOX><RECT left="1"/></CBOX><CLIST height="9"/><COMBOITEM>a</COMBOITEM></COMBO></COMBOLIST>
</GUIPANEL>)";

}  // namespace

TEST_F(LayoutReaderBadInputTest, RandomlyDamagedLayoutsStayConsistent)
{
    m_loader.AddPicture(L"n.bmp");
    m_loader.AddFontFile(L"face.ttf");
    const std::string original(kRichLayout);
    const LayoutDescription intact = Read(original);
    ASSERT_EQ(intact.items.size(), 8u);
    ExpectConsistent(intact);

    std::mt19937 random(1800);  // fixed: the same damage every run
    for (int round = 0; round < 2000; ++round) {
        std::string damaged = original;
        const int changes = 1 + static_cast<int>(random() % 4);
        for (int i = 0; i < changes; ++i) {
            const size_t at = random() % damaged.size();
            switch (random() % 3) {
            case 0:
                damaged[at] = static_cast<char>(random());
                break;
            case 1:
                damaged.erase(at, 1 + random() % 8);
                break;
            default:
                damaged.insert(at, 1, "<>/=\" \0\xFF"[random() % 8]);
                break;
            }
        }
        const LayoutDescription layout = Read(damaged);
        EXPECT_LE(layout.items.size(), intact.items.size() + 2) << round;
        ExpectConsistent(layout);
    }
}

TEST_F(LayoutReaderBadInputTest, TooLargeBytesAreUnreadable)
{
    std::string xml(kTwoTexts);
    xml.resize(LayoutLimits::kMaxLayoutFileBytes + 1, ' ');
    EXPECT_TRUE(Read(xml).items.empty());
    xml.resize(LayoutLimits::kMaxLayoutFileBytes);
    EXPECT_EQ(Read(xml).items.size(), 2u);
}

TEST_F(LayoutFileTest, AFileIsReadFromTheXmlFolder)
{
    WriteLayout("Page.xml", Utf16Le(kTwoTexts));
    EXPECT_EQ(ReadFile(L"Page.xml").items.size(), 2u);
}

TEST_F(LayoutFileTest, MissingEmptyAndTooLargeFilesDescribeNothing)
{
    const LayoutDescription missing = ReadFile(L"Missing.xml");
    EXPECT_TRUE(missing.items.empty());
    EXPECT_EQ(missing.problems, (std::vector<LayoutProblem>{{LayoutProblem::Kind::LayoutUnreadable, L"Missing.xml"}}));
    WriteLayout("Empty.xml", "");
    EXPECT_TRUE(ReadFile(L"Empty.xml").items.empty());
    std::string large(kTwoTexts);
    large.resize(LayoutLimits::kMaxLayoutFileBytes + 1, ' ');
    WriteLayout("Large.xml", large);
    EXPECT_TRUE(ReadFile(L"Large.xml").items.empty());
    // A folder by the layout's name is not a file.
    std::filesystem::create_directories(m_directory / "xml" / "Folder.xml");
    EXPECT_TRUE(ReadFile(L"Folder.xml").items.empty());
}

TEST(LayoutFaultsTest, OnlyAMissingLayoutOrPictureKeepsTheWindowFromShowing)
{
    using Kind = LayoutProblem::Kind;
    const std::vector<LayoutProblem> textsOnly{{Kind::FontUnloaded, L"a.ttf"}, {Kind::LanguageDamaged, L"German.lng"},
                                               {Kind::LanguageUnreadable, L"French.lng"}};
    EXPECT_EQ(LayoutFaults::FirstPreventing(textsOnly), std::nullopt);
    std::vector<LayoutProblem> withPicture = textsOnly;
    withPicture.push_back({Kind::PictureUnloaded, L"tab_2.bmp"});
    withPicture.push_back({Kind::OutsideFolder, L"..\\x.bmp"});
    const auto preventing = LayoutFaults::FirstPreventing(withPicture);
    ASSERT_TRUE(preventing.has_value());
    EXPECT_EQ(LayoutFaults::Describe(*preventing), L"tab_2.bmp: the picture is missing or cannot be read");
    EXPECT_EQ(LayoutFaults::Describe({Kind::LayoutMalformed, L"MainPage.xml", LanguageFileFault::None, 17}),
              L"MainPage.xml: the layout file is not well-formed XML (at byte 17)");
}
