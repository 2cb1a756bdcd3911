// Text items: what they show for a text key in the current language, how they draw, how they
// follow the mouse, and the check box a click on them works.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "SkinTestProgram.h"
#include "platform/win/WinHandles.h"
#include "skin/win/CBitmapBtn.h"
#include "skin/win/CLayoutLoader.h"
#include "skin/win/CTextItem.h"
#include "skin/win/ScopedSelect.h"
#include "vocabulary/ItemIds.h"

namespace {

using skintest::RecordingPanel;

constexpr COLORREF kTextBackground = RGB(60, 60, 90);

constexpr std::string_view kLanguages = R"(<ITEMLIST><LANGLIST>
  <LANG name="LANGUAGE_DEFAULT" file="english.lng"/>
</LANGLIST></ITEMLIST>)";

constexpr std::string_view kTextPanelLayout = R"(<GUIPANEL><BACKGROUND>back.bmp</BACKGROUND><MASK>back.bmp</MASK>
  <BUTTONLIST>
    <BUTTON name="BUTTON_ENABLE_PROFILE_OSD" ischeckbox="1"><SBMN>off.bmp</SBMN><SBMO>off.bmp</SBMO><SBMD>on.bmp</SBMD><SBMDS>off.bmp</SBMDS>
      <RECT left="5" top="5" right="16" bottom="16"/></BUTTON>
  </BUTTONLIST>
  <TEXTLIST>
    <TEXTITEM name="TEXT_ENABLE_PROFILE_OSD" textkey="HHHH" checkboxid="BUTTON_ENABLE_PROFILE_OSD" fontclrhi="RED"><RECT left="25" top="5" right="80" bottom="20"/></TEXTITEM>
    <TEXTITEM name="TEXT_PROFILEINFO" textkey="HHHH" fontclr="BLACK3"><RECT left="25" top="30" right="80" bottom="20"/></TEXTITEM>
    <TEXTITEM name="TEXT_PROFILENAME" textkey="HHHH" fontclr="Black"><RECT left="25" top="55" right="80" bottom="20"/></TEXTITEM>
    <TEXTITEM name="TEXT_IGNORE_DELAY" textkey="HHHH" fontclr="RED" interactive="1"><RECT left="25" top="80" right="80" bottom="20"/></TEXTITEM>
  </TEXTLIST></GUIPANEL>)";

// Pixels of one picture: how many have a colour, and where the drawing lies.
struct Rendering
{
    std::vector<COLORREF> pixels;
    int width = 0;
    int height = 0;

    [[nodiscard]] int Count(COLORREF colour) const
    {
        return static_cast<int>(std::count(pixels.begin(), pixels.end(), colour));
    }
    // The smallest rectangle holding every pixel that is not `background`.
    [[nodiscard]] RECT Bounds(COLORREF background) const
    {
        RECT bounds{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (pixels[static_cast<size_t>(y * width + x)] != background) {
                    bounds.left = std::min<LONG>(bounds.left, x);
                    bounds.top = std::min<LONG>(bounds.top, y);
                    bounds.right = std::max<LONG>(bounds.right, x + 1);
                    bounds.bottom = std::max<LONG>(bounds.bottom, y + 1);
                }
        return bounds;
    }
};

class TextItemTest : public skintest::SkinProgramTest
{
protected:
    void SetUp() override
    {
        SkinProgramTest::SetUp();
        WriteLanguage(L"english.lng", skintest::LanguageFile({
                                          {u"marked", u"\\NHello"},
                                          {u"name", u"Name"},
                                          {u"none", u"None"},
                                          {u"newline", u"\\nSecond"},
                                          {u"lines", u"Hello\\nWorld\\nAgain"},
                                          {u"mixed", u"Hello World"},
                                      }));
        WriteLayout(L"Language.xml", kLanguages);
        CLayoutLoader::Load(L"Language.xml", m_languages, nullptr);
        ASSERT_TRUE(CLanguageSet::Instance().Select(ItemId::LANGUAGE_DEFAULT));
    }

    void MakePanel()
    {
        WritePicture(L"back.bmp", 160, 120, kTextBackground);
        WritePicture(L"off.bmp", 16, 16, RGB(90, 90, 90));
        WritePicture(L"on.bmp", 16, 16, RGB(0, 200, 0));
        WriteLayout(L"Texts.xml", kTextPanelLayout);
        ASSERT_TRUE(m_panel.CreateModeless(nullptr));
        ShowWindow(m_panel.Handle(), SW_SHOW);
        SetForegroundWindow(m_panel.Handle());
        UpdateWindow(m_panel.Handle());
        skintest::PumpMessages();
    }

    CTextItem& Text(int32_t identifier)
    {
        auto* item = dynamic_cast<CTextItem*>(m_panel.Items().FindById(identifier));
        EXPECT_NE(item, nullptr) << identifier;
        return item != nullptr ? *item : m_dummy;
    }

    // Has the item draw itself over `background`, as its parent would have it when painting.
    Rendering Render(CTextItem& item, COLORREF background)
    {
        RECT client{};
        GetClientRect(item.Handle(), &client);
        Rendering rendering;
        rendering.width = client.right;
        rendering.height = client.bottom;
        const UniqueBitmap bitmap =
            skintest::MemoryBitmap(client.right, client.bottom, [background](int, int) { return background; });
        UniqueDc dc = CreateCompatibleDc(nullptr);
        {
            ScopedSelect selected(dc.Get(), bitmap.Get());
            DRAWITEMSTRUCT draw{};
            draw.CtlType = ODT_STATIC;
            draw.itemAction = ODA_DRAWENTIRE;
            draw.hwndItem = item.Handle();
            draw.hDC = dc.Get();
            draw.rcItem = client;
            SendMessageW(GetParent(item.Handle()), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
            for (int y = 0; y < client.bottom; ++y)
                for (int x = 0; x < client.right; ++x)
                    rendering.pixels.push_back(GetPixel(dc.Get(), x, y));
        }
        return rendering;
    }

    // A point of the panel's background, outside every item, in the item's client coordinates.
    static LPARAM OutsidePoint(const CTextItem& item)
    {
        POINT point{150, 110};
        MapWindowPoints(GetParent(item.Handle()), item.Handle(), &point, 1);
        return MAKELPARAM(point.x, point.y);
    }

    CItemList m_languages;
    RecordingPanel m_panel{L"Texts.xml", skintest::kPanelTemplate, nullptr};
    CTextItem m_dummy{L"", 0};
};

TEST_F(TextItemTest, TranslationDropsTheLeadingMarker)
{
    EXPECT_EQ(CTextItem(L"$marked", CLanguageSet::kCapsNone).Text(), L"Hello");
}

TEST_F(TextItemTest, TextBeginningWithTheMarkerLetterKeepsIt)
{
    EXPECT_EQ(CTextItem(L"$name", CLanguageSet::kCapsNone).Text(), L"Name");
    EXPECT_EQ(CTextItem(L"$name", CLanguageSet::kCapsUpper).Text(), L"NAME");
    // Lower-cased, a word beginning with n is not mistaken for the line-break marker.
    EXPECT_EQ(CTextItem(L"$none", CLanguageSet::kCapsLower).Text(), L"none");
    EXPECT_EQ(CTextItem(L"$newline", CLanguageSet::kCapsNone).Text(), L"Second");
}

TEST_F(TextItemTest, OnlyTheFirstLineBreakMarkerBreaksTheLine)
{
    EXPECT_EQ(CTextItem(L"$lines", CLanguageSet::kCapsNone).Text(), L"Hello\r\nWorld\\nAgain");
    EXPECT_EQ(CTextItem(L"One\\nTwo", CLanguageSet::kCapsNone).Text(), L"One\r\nTwo");
}

TEST_F(TextItemTest, CapsConvertsTranslationsOnly)
{
    EXPECT_EQ(CTextItem(L"$mixed", CLanguageSet::kCapsUpper).Text(), L"HELLO WORLD");
    EXPECT_EQ(CTextItem(L"$mixed", CLanguageSet::kCapsLower).Text(), L"hello world");
    EXPECT_EQ(CTextItem(L"$MIXED", CLanguageSet::kCapsNone).Text(), L"Hello World");
    // Keys no language knows, and plain texts, are shown as written.
    EXPECT_EQ(CTextItem(L"$unknown", CLanguageSet::kCapsUpper).Text(), L"$unknown");
    EXPECT_EQ(CTextItem(L"plain Text", CLanguageSet::kCapsLower).Text(), L"plain Text");
}

TEST_F(TextItemTest, WithoutALanguageTheKeyIsShown)
{
    CLanguageSet::Instance().Clear();
    EXPECT_EQ(CTextItem(L"$mixed", CLanguageSet::kCapsUpper).Text(), L"$mixed");
}

TEST_F(TextItemTest, SetTextTranslatesWithoutCaseOrMarkerTrimming)
{
    MakePanel();
    CTextItem& item = Text(ItemId::TEXT_PROFILEINFO);
    item.SetText(L"$marked");
    EXPECT_EQ(item.Text(), L"\\NHello");
    item.SetText(L"$lines");
    EXPECT_EQ(item.Text(), L"Hello\r\nWorld\\nAgain");
    item.SetText(L"$nothing");
    EXPECT_EQ(item.Text(), L"$nothing");
}

TEST_F(TextItemTest, ColourBlackIsDrawnInTheDefaultLightColour)
{
    MakePanel();
    CTextItem& item = Text(ItemId::TEXT_PROFILENAME);
    EXPECT_EQ(item.DrawColour(), RGB(254, 254, 254));
    const Rendering rendering = Render(item, RGB(0, 0, 0));
    EXPECT_GT(rendering.Count(RGB(254, 254, 254)), 0);
    EXPECT_EQ(rendering.Count(RGB(255, 255, 255)), 0);
}

TEST_F(TextItemTest, AlmostBlackIsDrawnAsItIs)
{
    MakePanel();
    const Rendering rendering = Render(Text(ItemId::TEXT_PROFILEINFO), RGB(255, 255, 255));
    EXPECT_GT(rendering.Count(RGB(1, 0, 0)), 0);
    EXPECT_EQ(rendering.Count(RGB(0, 0, 0)), 0);
    EXPECT_EQ(rendering.Count(RGB(254, 254, 254)), 0);
}

TEST_F(TextItemTest, SingleLineTextStartsFiveRightAndTwoDown)
{
    MakePanel();
    CTextItem& item = Text(ItemId::TEXT_PROFILEINFO);
    ASSERT_EQ(item.LayoutFlags(), 0u);
    const RECT bounds = Render(item, RGB(255, 255, 255)).Bounds(RGB(255, 255, 255));
    EXPECT_GE(bounds.left, 5);
    EXPECT_LE(bounds.left, 7);
    EXPECT_GE(bounds.top, 2);
    EXPECT_LE(bounds.top, 6);
}

TEST_F(TextItemTest, HoveredTextTakesItsHighlightColour)
{
    MakePanel();
    CTextItem& item = Text(ItemId::TEXT_ENABLE_PROFILE_OSD);
    SendMessageW(item.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(item.IsHovered());
    EXPECT_EQ(GetCapture(), item.Handle());
    EXPECT_EQ(item.DrawColour(), RGB(255, 0, 0));
    EXPECT_GT(Render(item, RGB(0, 0, 0)).Count(RGB(255, 0, 0)), 0);

    SendMessageW(item.Handle(), WM_MOUSEMOVE, 0, OutsidePoint(item));
    EXPECT_FALSE(item.IsHovered());
    EXPECT_NE(GetCapture(), item.Handle());
    EXPECT_EQ(item.DrawColour(), RGB(254, 254, 254));
}

TEST_F(TextItemTest, HoveredTextWithoutHighlightKeepsItsColour)
{
    MakePanel();
    CTextItem& item = Text(ItemId::TEXT_IGNORE_DELAY);
    SendMessageW(item.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(item.IsHovered());
    EXPECT_EQ(item.DrawColour(), RGB(255, 0, 0));
    SendMessageW(item.Handle(), WM_MOUSEMOVE, 0, OutsidePoint(item));
    EXPECT_FALSE(item.IsHovered());
}

TEST_F(TextItemTest, MouseMovedWithTheButtonHeldDoesNotHover)
{
    MakePanel();
    CTextItem& item = Text(ItemId::TEXT_IGNORE_DELAY);
    SendMessageW(item.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_FALSE(item.IsHovered());
    EXPECT_NE(GetCapture(), item.Handle());
}

TEST_F(TextItemTest, ClickOnTheTextWorksTheLinkedCheckBox)
{
    MakePanel();
    CTextItem& item = Text(ItemId::TEXT_ENABLE_PROFILE_OSD);
    auto* checkBox = dynamic_cast<CBitmapBtn*>(m_panel.Items().FindById(ItemId::BUTTON_ENABLE_PROFILE_OSD));
    ASSERT_NE(checkBox, nullptr);
    ASSERT_EQ(item.LinkedCheckBox(), checkBox);
    ASSERT_FALSE(checkBox->IsChecked());

    SendMessageW(item.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(checkBox->IsChecked());
    ASSERT_EQ(m_panel.commands.size(), 1u);
    EXPECT_EQ(m_panel.commands[0].control, checkBox->Handle());
    EXPECT_EQ(m_panel.commands[0].notification, BN_CLICKED);

    SendMessageW(item.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_FALSE(checkBox->IsChecked());
    EXPECT_EQ(m_panel.commands.size(), 2u);
}

TEST_F(TextItemTest, CheckBoxThatLeavesToggingToThePageIsOnlyReported)
{
    MakePanel();
    CTextItem& item = Text(ItemId::TEXT_ENABLE_PROFILE_OSD);
    auto* checkBox = dynamic_cast<CBitmapBtn*>(m_panel.Items().FindById(ItemId::BUTTON_ENABLE_PROFILE_OSD));
    ASSERT_NE(checkBox, nullptr);
    checkBox->SetToggleMode(0);
    SendMessageW(item.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_FALSE(checkBox->IsChecked());
    ASSERT_EQ(m_panel.commands.size(), 1u);
    EXPECT_EQ(m_panel.commands[0].control, checkBox->Handle());
}

TEST_F(TextItemTest, ClickOnATextWithoutCheckBoxSendsNothingOnRelease)
{
    MakePanel();
    CTextItem& item = Text(ItemId::TEXT_PROFILEINFO);
    SendMessageW(item.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(m_panel.commands.empty());
}

TEST_F(TextItemTest, InteractiveTextReportsClicksToItsParent)
{
    MakePanel();
    CTextItem& item = Text(ItemId::TEXT_IGNORE_DELAY);
    EXPECT_NE(GetWindowLongW(item.Handle(), GWL_STYLE) & SS_NOTIFY, 0);
    EXPECT_EQ(GetWindowLongW(Text(ItemId::TEXT_PROFILEINFO).Handle(), GWL_STYLE) & SS_NOTIFY, 0);
    SendMessageW(item.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(item.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    skintest::PumpMessages();
    ASSERT_FALSE(m_panel.commands.empty());
    EXPECT_EQ(m_panel.commands[0].control, item.Handle());
}

TEST_F(TextItemTest, TextIsTransparentToItsParentsBackground)
{
    MakePanel();
    CTextItem& item = Text(ItemId::TEXT_PROFILENAME);
    // The background under the text, away from the letters, is the panel's.
    EXPECT_EQ(skintest::ScreenPixel(25 + 78, 55 + 18), kTextBackground);
    const HDC dc = GetDC(item.Handle());
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(m_panel.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(item.Handle())));
    EXPECT_EQ(brush, GetStockObject(NULL_BRUSH));
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    ReleaseDC(item.Handle(), dc);
}

}  // namespace
