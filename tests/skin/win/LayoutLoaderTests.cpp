// The layout loader's Windows half: one item per element it knows, the references between
// items resolved, the common item fields set, and language tables kept alive by their items.
#include <windows.h>

#include <gtest/gtest.h>

#include "SkinTestProgram.h"
#include "skin/CLangTable.h"
#include "skin/win/CBitmapBtn.h"
#include "skin/win/CBitmapItem.h"
#include "skin/win/CCustomWindow.h"
#include "skin/win/CFontItem.h"
#include "skin/win/CItemMakers.h"
#include "skin/win/CLanguageItem.h"
#include "skin/win/CLayoutLoader.h"
#include "skin/win/CSkinEnvironment.h"
#include "skin/win/CTextItem.h"
#include "vocabulary/ItemIds.h"

namespace {

using skintest::RecordingPanel;

constexpr std::string_view kButtonPictures = "<SBMN>b.bmp</SBMN><SBMO>b.bmp</SBMO><SBMD>b.bmp</SBMD><SBMDS>b.bmp</SBMDS>";

class LayoutLoaderTest : public skintest::SkinProgramTest
{
protected:
    void SetUp() override
    {
        SkinProgramTest::SetUp();
        WritePicture(L"p.bmp", 60, 40, RGB(10, 100, 10));
        WritePicture(L"b.bmp", 12, 12, RGB(100, 10, 10));
        // The window for the items to live in.
        ASSERT_TRUE(m_window.CreateModeless(nullptr));
    }

    // Loads a layout holding the given lists into the test's list, in the test's window.
    void Load(const std::string& lists)
    {
        WriteLayout(L"Items.xml", "<ITEMLIST>" + lists + "</ITEMLIST>");
        CLayoutLoader::Load(L"Items.xml", m_items, m_window.Handle());
    }

    RecordingPanel m_window{nullptr, RECT{0, 0, 300, 200}, skintest::kPanelTemplate};
    CItemList m_items;
};

TEST_F(LayoutLoaderTest, ItemsGetTheirCommonFields)
{
    Load(R"(<BITMAPLIST><BITMAPITEM name="BITMAP_TARVEL"><SBMN>p.bmp</SBMN><RECT left="10" top="20" right="30" bottom="40"/></BITMAPITEM></BITMAPLIST>
            <TEXTLIST><TEXTITEM name="TEXT_PROFILEINFO" textkey="t"><RECT left="1" top="2" right="50" bottom="16"/></TEXTITEM></TEXTLIST>)");
    ASSERT_EQ(m_items.Size(), 2u);
    const auto& picture = dynamic_cast<const CBitmapItem&>(m_items.At(0));
    EXPECT_EQ(picture.Identifier(), ItemId::BITMAP_TARVEL);
    EXPECT_EQ(picture.Kind(), ItemKind::BitmapItem);
    EXPECT_EQ(picture.ItemWindow(), picture.Handle());
    EXPECT_EQ(picture.Owner(), m_window.Handle());
    ASSERT_TRUE(picture.Rectangle().has_value());
    EXPECT_EQ(picture.Rectangle()->left, 10);
    EXPECT_EQ(picture.Rectangle()->top, 20);
    EXPECT_EQ(picture.Rectangle()->right, 40);
    EXPECT_EQ(picture.Rectangle()->bottom, 60);
    RECT placed{};
    GetWindowRect(picture.Handle(), &placed);
    MapWindowPoints(HWND_DESKTOP, m_window.Handle(), reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(placed.left, 10);
    EXPECT_EQ(placed.top, 20);
    EXPECT_EQ(placed.right, 40);
    EXPECT_EQ(placed.bottom, 60);

    const CGUIItem& text = m_items.At(1);
    EXPECT_EQ(text.Identifier(), ItemId::TEXT_PROFILEINFO);
    EXPECT_EQ(text.Kind(), ItemKind::TextItem);
    EXPECT_EQ(GetParent(text.ItemWindow()), m_window.Handle());
}

TEST_F(LayoutLoaderTest, ElementsWithoutAnItemClassOrNameAreSkipped)
{
    Load(R"(<SLIDERLIST><VSLIDER name="SLIDER_DPI_MULTI" file="p.bmp"/></SLIDERLIST>
            <TEXTLIST><TEXTITEM name="TEXT_NO_SUCH_ITEM" textkey="a"/><TEXTITEM name="TEXT_PROFILENAME" textkey="b"/></TEXTLIST>
            <EDITCTRLLIST><EDITCTRL name="EDITCTRL_DEFAULT_DELAY" max="5"/></EDITCTRLLIST>)");
    ASSERT_EQ(m_items.Size(), 1u);
    EXPECT_EQ(m_items.At(0).Identifier(), ItemId::TEXT_PROFILENAME);
}

// A control's item, as a maker registered for its kind makes it.
class CFieldItem : public CCustomWindow, public CGUIItem
{
public:
    explicit CFieldItem(int32_t max) : max(max) {}
    const int32_t max;
};

TEST_F(LayoutLoaderTest, ARegisteredMakerMakesTheElementsOfItsKind)
{
    CItemMakers& makers = CSkinEnvironment::Instance().ItemMakers();
    const CFontItem* fontSeen = nullptr;
    makers.Register<EditDescription>([&](const EditDescription& edit, const IItemMakeContext& context) {
        fontSeen = context.FontOf(edit.font);
        auto field = std::make_unique<CFieldItem>(edit.max);
        if (!field->Create(context.Parent(), RECT{edit.rect.left, edit.rect.top, 80, 20}, WS_CHILD | WS_VISIBLE))
            return MadeItem{};
        const HWND window = field->Handle();
        return MadeItem{std::move(field), window, context.Parent()};
    });
    const std::string layout = R"(<FONTLIST><FONT name="FONT_ARIAL10" typeface="Arial" pitch="-10"/></FONTLIST>
            <EDITCTRLLIST><EDITCTRL name="EDITCTRL_DEFAULT_DELAY" max="5" fontid="FONT_ARIAL10"><RECT left="4"/></EDITCTRL>
                          <EDITCTRLSK name="EDITCTRL_INSERT_DELAY"/></EDITCTRLLIST>)";
    Load(layout);
    makers.Unregister(ItemKind::Edit);

    ASSERT_EQ(m_items.Size(), 2u) << "the font and the field; the single-key field has no maker";
    auto* field = dynamic_cast<CFieldItem*>(m_items.FindById(ItemId::EDITCTRL_DEFAULT_DELAY));
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->Kind(), ItemKind::Edit);
    EXPECT_EQ(field->ItemWindow(), field->Handle());
    EXPECT_EQ(field->Owner(), m_window.Handle());
    EXPECT_EQ(GetParent(field->Handle()), m_window.Handle());
    EXPECT_EQ(field->max, 5);
    EXPECT_EQ(fontSeen, m_items.FindById(ItemId::FONT_ARIAL10)) << "references resolve through the context";

    m_items.DestroyAll();
    Load(layout);
    EXPECT_EQ(m_items.Size(), 1u) << "without the maker the element is skipped again";
}

TEST_F(LayoutLoaderTest, MissingFileAddsNothing)
{
    CLayoutLoader::Load(L"Nothing.xml", m_items, m_window.Handle());
    EXPECT_TRUE(m_items.Empty());
}

TEST_F(LayoutLoaderTest, WindowIdPutsItemsOnThePictureItem)
{
    Load(R"(<BITMAPLIST><BITMAPITEM name="BITMAP_TARVEL"><SBMN>p.bmp</SBMN><RECT left="10" top="10" right="60" bottom="40"/></BITMAPITEM></BITMAPLIST>
            <BUTTONLIST><BUTTON name="BUTTON_OK" windowid="BITMAP_TARVEL">)" + std::string(kButtonPictures) +
         R"(<RECT left="2" top="2" right="12" bottom="12"/></BUTTON></BUTTONLIST>
            <TEXTLIST><TEXTITEM name="TEXT_PROFILEINFO" windowid="BITMAP_TARVEL" textkey="a"/>
                      <TEXTITEM name="TEXT_PROFILENAME" windowid="BUTTON_OK" textkey="b"/></TEXTLIST>)");
    ASSERT_EQ(m_items.Size(), 4u);
    const HWND picture = m_items.FindPicture(ItemId::BITMAP_TARVEL)->Handle();
    const CGUIItem* button = m_items.FindById(ItemId::BUTTON_OK);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(GetParent(button->ItemWindow()), picture);
    EXPECT_EQ(button->Owner(), picture);
    const CGUIItem* text = m_items.FindById(ItemId::TEXT_PROFILEINFO);
    EXPECT_EQ(GetParent(text->ItemWindow()), picture);
    EXPECT_EQ(text->Owner(), picture);
    // A window id that names no picture item leaves the loader's window.
    const CGUIItem* other = m_items.FindById(ItemId::TEXT_PROFILENAME);
    EXPECT_EQ(GetParent(other->ItemWindow()), m_window.Handle());
    EXPECT_EQ(other->Owner(), m_window.Handle());
}

TEST_F(LayoutLoaderTest, ClickOnAButtonPlacedOnAPictureReachesTheWindow)
{
    Load(R"(<BITMAPLIST><BITMAPITEM name="BITMAP_TARVEL"><SBMN>p.bmp</SBMN><RECT left="10" top="10" right="60" bottom="40"/></BITMAPITEM></BITMAPLIST>
            <BUTTONLIST><BUTTON name="BUTTON_OK" ischeckbox="1" windowid="BITMAP_TARVEL">)" + std::string(kButtonPictures) +
         R"(<RECT left="2" top="2" right="12" bottom="12"/></BUTTON></BUTTONLIST>)");
    const CGUIItem* button = m_items.FindById(ItemId::BUTTON_OK);
    ASSERT_NE(button, nullptr);
    SendMessageW(button->ItemWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(button->ItemWindow(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    skintest::PumpMessages();
    ASSERT_FALSE(m_window.commands.empty());
    EXPECT_EQ(m_items.FindByWindow(m_window.commands[0].control), button);
}

TEST_F(LayoutLoaderTest, FontIdAndCheckBoxIdAreResolved)
{
    Load(R"(<FONTLIST><FONT name="FONT_ARIAL12" typeface="Arial" pitch="-12"/><FONT name="FONT_ARIAL10" typeface="Arial" pitch="-10"/></FONTLIST>
            <BUTTONLIST><BUTTON name="BUTTON_OK" ischeckbox="1">)" + std::string(kButtonPictures) + R"(</BUTTON>
                        <BUTTON name="BUTTON_CANCEL">)" + std::string(kButtonPictures) + R"(</BUTTON></BUTTONLIST>
            <TEXTLIST><TEXTITEM name="TEXT_PROFILEINFO" fontid="FONT_ARIAL10" checkboxid="BUTTON_OK" textkey="a"/>
                      <TEXTITEM name="TEXT_PROFILENAME" fontid="BUTTON_OK" checkboxid="BUTTON_CANCEL" textkey="b"/></TEXTLIST>)");
    ASSERT_EQ(m_items.Size(), 6u);
    auto* font = m_items.Find<CFontItem>(ItemId::FONT_ARIAL10, ItemKind::Font);
    ASSERT_NE(font, nullptr);
    auto* linked = dynamic_cast<CTextItem*>(m_items.FindById(ItemId::TEXT_PROFILEINFO));
    ASSERT_NE(linked, nullptr);
    EXPECT_EQ(linked->Font(), font);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(linked->Handle(), WM_GETFONT, 0, 0)), font->Font());
    EXPECT_EQ(linked->LinkedCheckBox(), m_items.FindById(ItemId::BUTTON_OK));

    auto* unlinked = dynamic_cast<CTextItem*>(m_items.FindById(ItemId::TEXT_PROFILENAME));
    ASSERT_NE(unlinked, nullptr);
    EXPECT_EQ(unlinked->Font(), nullptr);
    EXPECT_EQ(unlinked->LinkedCheckBox(), nullptr);
}

TEST_F(LayoutLoaderTest, FontItemHoldsTheDescribedFont)
{
    Load(R"(<FONTLIST><FONT name="FONT_ARIAL14B" typeface="Arial" pitch="14" boldlevel="700"/><FONT name="FONT_ARIAL10"/></FONTLIST>)");
    ASSERT_EQ(m_items.Size(), 2u);
    const auto& font = dynamic_cast<const CFontItem&>(m_items.At(0));
    EXPECT_EQ(font.Kind(), ItemKind::Font);
    EXPECT_EQ(font.ItemWindow(), nullptr);
    EXPECT_EQ(font.Owner(), m_window.Handle());
    LOGFONTW described{};
    ASSERT_EQ(GetObjectW(font.Font(), sizeof(described), &described), static_cast<int>(sizeof(described)));
    EXPECT_EQ(described.lfHeight, 14);
    EXPECT_EQ(described.lfWeight, 700);
    EXPECT_STREQ(described.lfFaceName, L"Arial");
    EXPECT_EQ(described.lfPitchAndFamily, 32);
    EXPECT_EQ(described.lfItalic, 0);
    EXPECT_EQ(described.lfCharSet, 0);

    const auto& plain = dynamic_cast<const CFontItem&>(m_items.At(1));
    ASSERT_EQ(GetObjectW(plain.Font(), sizeof(described), &described), static_cast<int>(sizeof(described)));
    EXPECT_EQ(described.lfHeight, 0);
    EXPECT_EQ(described.lfWeight, 0);
    EXPECT_STREQ(described.lfFaceName, L"");
}

TEST_F(LayoutLoaderTest, TextLayoutFlagsFollowJustifyAndMultiline)
{
    Load(R"(<TEXTLIST>
        <TEXTITEM name="TEXT_PROFILEINFO" textkey="a"/>
        <TEXTITEM name="TEXT_PROFILENAME" textkey="a" justify="Right"/>
        <TEXTITEM name="TEXT_IGNORE_DELAY" textkey="a" justify="Centre" multiline="1"/>
        <TEXTITEM name="TEXT_DEFAULT_DELAY" textkey="a" justify="Left" multiline="1"/>
        <TEXTITEM name="TEXT_ENABLE_PROFILE_OSD" textkey="a" justify="C" multiline="2"/>
    </TEXTLIST>)");
    ASSERT_EQ(m_items.Size(), 5u);
    const auto flags = [this](size_t index) { return dynamic_cast<const CTextItem&>(m_items.At(index)).LayoutFlags(); };
    EXPECT_EQ(flags(0), 0u);
    EXPECT_EQ(flags(1), static_cast<UINT>(DT_RIGHT | DT_SINGLELINE | DT_VCENTER));
    EXPECT_EQ(flags(2), static_cast<UINT>(DT_CENTER | DT_WORDBREAK));
    EXPECT_EQ(flags(3), static_cast<UINT>(DT_WORDBREAK));
    EXPECT_EQ(flags(4), static_cast<UINT>(DT_CENTER | DT_SINGLELINE | DT_VCENTER));
}

TEST_F(LayoutLoaderTest, LanguageItemKeepsItsTableForTheLanguageSet)
{
    WriteLanguage(L"english.lng", skintest::LanguageFile({{u"ok", u"Okay"}}));
    WriteLayout(L"Language.xml",
                R"(<ITEMLIST><LANGLIST><LANG name="LANGUAGE_DEFAULT" file="english.lng"/></LANGLIST></ITEMLIST>)");
    {
        CItemList languages;
        CLayoutLoader::Load(L"Language.xml", languages, nullptr);
        ASSERT_EQ(languages.Size(), 1u);
        const auto& item = dynamic_cast<const CLanguageItem&>(languages.At(0));
        EXPECT_EQ(item.Kind(), ItemKind::Language);
        EXPECT_EQ(item.Identifier(), ItemId::LANGUAGE_DEFAULT);
        EXPECT_EQ(item.ItemWindow(), nullptr);
        EXPECT_EQ(item.Owner(), nullptr);
        ASSERT_NE(item.Table(), nullptr);

        ASSERT_TRUE(CLanguageSet::Instance().Select(ItemId::LANGUAGE_DEFAULT));
        EXPECT_EQ(CLanguageSet::Instance().Current(), item.Table());
        EXPECT_EQ(CLanguageSet::Instance().ShowText(L"$ok"), L"Okay");
    }
    // The table went with its list, and the set no longer refers to it.
    EXPECT_EQ(CLanguageSet::Instance().Current(), nullptr);
    EXPECT_FALSE(CLanguageSet::Instance().Select(ItemId::LANGUAGE_DEFAULT));
    EXPECT_EQ(CLanguageSet::Instance().ShowText(L"$ok"), L"$ok");
}

TEST_F(LayoutLoaderTest, WindowItemsNeedAWindow)
{
    WriteLayout(L"Loose.xml", R"(<ITEMLIST><FONTLIST><FONT name="FONT_ARIAL10"/></FONTLIST>
        <BITMAPLIST><BITMAPITEM name="BITMAP_TARVEL"><SBMN>p.bmp</SBMN></BITMAPITEM></BITMAPLIST>
        <TEXTLIST><TEXTITEM name="TEXT_PROFILEINFO" textkey="a"/></TEXTLIST></ITEMLIST>)");
    CLayoutLoader::Load(L"Loose.xml", m_items, nullptr);
    ASSERT_EQ(m_items.Size(), 1u);
    EXPECT_EQ(m_items.At(0).Kind(), ItemKind::Font);
}

}  // namespace
