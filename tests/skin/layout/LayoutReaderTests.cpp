// The file structure and the common rules of item elements.
#include "LayoutReaderFixture.h"

#include "vocabulary/Colours.h"
#include "vocabulary/ItemIds.h"

namespace {

class LayoutReaderTest : public LayoutReaderFixture
{
protected:
    void SetUp() override
    {
        for (const wchar_t* name : {L"bg.bmp", L"mask.bmp", L"n.bmp", L"o.bmp", L"d.bmp", L"ds.bmp", L"m.bmp"})
            m_loader.AddPicture(name);
    }
};


std::string Button(std::string_view attributes, std::string_view children = "")
{
    return "<BUTTON " + std::string(attributes) + ">" + std::string(kButtonPictures) + std::string(children) + "</BUTTON>";
}

}  // namespace

TEST_F(LayoutReaderTest, AGuiPanelStartsWithItsBackgroundAndMask)
{
    const LayoutDescription layout = Read(R"(<GUIPANEL>
        <BUTTONLIST>)" + Button(R"(name="BUTTON_OK")") + R"(</BUTTONLIST>
        <MASK> mask.bmp </MASK><BACKGROUND>bg.bmp</BACKGROUND>
    </GUIPANEL>)");
    ASSERT_EQ(layout.items.size(), 3u);
    const auto& background = ItemAt<PanelBitmapDescription>(layout, 0);
    EXPECT_EQ(background.identifier, ItemId::BACKGROUND);
    EXPECT_EQ(background.picture, Record(L"bg.bmp"));
    const auto& mask = ItemAt<PanelBitmapDescription>(layout, 1);
    EXPECT_EQ(mask.identifier, ItemId::MASK);
    EXPECT_EQ(mask.picture, Record(L"mask.bmp"));
    EXPECT_EQ(ItemAt<ButtonDescription>(layout, 2).identifier, ItemId::BUTTON_OK);
}

TEST_F(LayoutReaderTest, AGuiPanelWithoutAMaskYieldsOnlyTheBackground)
{
    const LayoutDescription layout = Read(R"(<GUIPANEL><BACKGROUND>bg.bmp</BACKGROUND>
        <BUTTONLIST>)" + Button(R"(name="BUTTON_OK")") + R"(</BUTTONLIST></GUIPANEL>)");
    ASSERT_EQ(layout.items.size(), 1u);
    EXPECT_EQ(ItemAt<PanelBitmapDescription>(layout, 0).identifier, ItemId::BACKGROUND);
}

TEST_F(LayoutReaderTest, AGuiPanelWhosePicturesDoNotLoadYieldsNothingMore)
{
    EXPECT_TRUE(Read(R"(<GUIPANEL><BACKGROUND>none.bmp</BACKGROUND><MASK>mask.bmp</MASK>
        <BUTTONLIST>)" + Button(R"(name="BUTTON_OK")") + R"(</BUTTONLIST></GUIPANEL>)").items.empty());
    const LayoutDescription layout = Read(R"(<GUIPANEL><BACKGROUND>bg.bmp</BACKGROUND><MASK>none.bmp</MASK>
        <BUTTONLIST>)" + Button(R"(name="BUTTON_OK")") + R"(</BUTTONLIST></GUIPANEL>)");
    ASSERT_EQ(layout.items.size(), 1u);
    EXPECT_EQ(ItemAt<PanelBitmapDescription>(layout, 0).identifier, ItemId::BACKGROUND);
}

TEST_F(LayoutReaderTest, WithBothContainersTheListsComeFromTheGuiPanelOnly)
{
    const LayoutDescription layout = Read(R"(<ROOT>
        <ITEMLIST><BUTTONLIST>)" + Button(R"(name="BUTTON_EXIT")") + R"(</BUTTONLIST></ITEMLIST>
        <GUIPANEL><BACKGROUND>bg.bmp</BACKGROUND><MASK>mask.bmp</MASK>
            <BUTTONLIST>)" + Button(R"(name="BUTTON_OK")") + R"(</BUTTONLIST></GUIPANEL>
    </ROOT>)");
    ASSERT_EQ(layout.items.size(), 3u);
    EXPECT_EQ(ItemAt<ButtonDescription>(layout, 2).identifier, ItemId::BUTTON_OK);
}

TEST_F(LayoutReaderTest, WithoutAContainerNothingIsRead)
{
    EXPECT_TRUE(Read("<BUTTONLIST>" + Button(R"(name="BUTTON_OK")") + "</BUTTONLIST>").items.empty());
}

TEST_F(LayoutReaderTest, OnlyTheFirstListElementInDocumentOrderIsRead)
{
    // The first BUTTONLIST in document order is the one nested in an earlier element.
    const LayoutDescription layout = ReadItems(R"(
        <GROUP><BUTTONLIST>)" + Button(R"(name="BUTTON_HELP")") + R"(</BUTTONLIST></GROUP>
        <BUTTONLIST>)" + Button(R"(name="BUTTON_OK")") + R"(</BUTTONLIST>)");
    ASSERT_EQ(layout.items.size(), 1u);
    EXPECT_EQ(ItemAt<ButtonDescription>(layout, 0).identifier, ItemId::BUTTON_HELP);
}

TEST_F(LayoutReaderTest, ItemElementsAreFoundAtAnyDepthIncludingInsideEachOther)
{
    const LayoutDescription layout = ReadItems(R"(<BUTTONLIST>
        <ROW><BUTTON name="BUTTON_HELP">)" + std::string(kButtonPictures) + Button(R"(name="BUTTON_EXIT")") +
                                               R"(</BUTTON></ROW>
        )" + Button(R"(name="BUTTON_OK")") + R"(</BUTTONLIST>)");
    ASSERT_EQ(layout.items.size(), 3u);
    EXPECT_EQ(IdentifierOf(layout.items[0]), ItemId::BUTTON_HELP);
    EXPECT_EQ(IdentifierOf(layout.items[1]), ItemId::BUTTON_EXIT);
    EXPECT_EQ(IdentifierOf(layout.items[2]), ItemId::BUTTON_OK);
}

TEST_F(LayoutReaderTest, TheStepsRunInTheirFixedOrderWhateverTheDocumentOrder)
{
    const LayoutDescription layout = ReadItems(R"(
        <EDITCTRLLIST><EDITCTRLSK name="EDITCTRL_POPUP_SINGLEKEYENTRY"/><EDITCTRL name="EDITCTRL_POPUP_NAMEENTRY"/></EDITCTRLLIST>
        <TEXTLIST><TEXTITEM name="TEXT_PROFILEINFO"/></TEXTLIST>
        <BUTTONLIST>)" + Button(R"(name="BUTTON_OK")") + R"(</BUTTONLIST>
        <BITMAPLIST><BITMAPWINDOW name="BITMAPWIN_ASSIGNKEY"><SBMDS>ds.bmp</SBMDS></BITMAPWINDOW>
                    <BITMAPITEM name="BITMAP_TARVEL"><SBMN>n.bmp</SBMN></BITMAPITEM></BITMAPLIST>
        <FONTLIST><FONT name="FONT_ARIAL10"/></FONTLIST>)");
    std::vector<ItemKind> kinds;
    for (const ItemDescription& item : layout.items)
        kinds.push_back(KindOf(item));
    EXPECT_EQ(kinds, (std::vector<ItemKind>{ItemKind::Font, ItemKind::BitmapItem, ItemKind::BitmapWindow,
                                            ItemKind::Button, ItemKind::TextItem, ItemKind::Edit,
                                            ItemKind::SingleKeyEdit}));
}

TEST_F(LayoutReaderTest, AnUnknownOrEmptyNameSkipsTheElement)
{
    const LayoutDescription layout = ReadItems(R"(<TEXTLIST>
        <TEXTITEM name="TEXT_NOPE"/><TEXTITEM name=""/><TEXTITEM/><TEXTITEM name="text_profileinfo"/>
    </TEXTLIST>)");
    ASSERT_EQ(layout.items.size(), 1u);
    EXPECT_EQ(ItemAt<TextItemDescription>(layout, 0).identifier, ItemId::TEXT_PROFILEINFO);
}

TEST_F(LayoutReaderTest, RectRightAndBottomAreWidthAndHeight)
{
    const LayoutDescription layout = ReadItems(R"(<TEXTLIST>
        <TEXTITEM name="TEXT_PROFILEINFO"><RECT left="10" top="20" right="30" bottom="40"/></TEXTITEM>
        <TEXTITEM name="TEXT_PROFILENAME"/>
    </TEXTLIST>)");
    const auto& text = ItemAt<TextItemDescription>(layout, 0);
    EXPECT_EQ(text.rect, (LayoutRect{10, 20, 30, 40}));
    EXPECT_EQ(EdgesOf(text.rect), (RectEdges{10, 20, 40, 60}));
    EXPECT_EQ(ItemAt<TextItemDescription>(layout, 1).rect, LayoutRect{});
}

TEST_F(LayoutReaderTest, AbsurdRectValuesStayIntegers)
{
    const LayoutDescription layout = ReadItems(R"(<TEXTLIST>
        <TEXTITEM name="TEXT_PROFILEINFO"><RECT left="99999999999999999999" top="-99999999999" right="2147483647" bottom="x12"/></TEXTITEM>
    </TEXTLIST>)");
    const auto& text = ItemAt<TextItemDescription>(layout, 0);
    EXPECT_EQ(text.rect, (LayoutRect{INT32_MAX, INT32_MIN, INT32_MAX, 0}));
    EXPECT_EQ(EdgesOf(text.rect), (RectEdges{INT32_MAX, INT32_MIN, INT32_MAX, INT32_MIN}));
}

TEST_F(LayoutReaderTest, ColourNamesIgnoreCaseAndUnknownOnesLeaveTheDefault)
{
    const LayoutDescription layout = ReadItems(R"(<TEXTLIST>
        <TEXTITEM name="TEXT_PROFILEINFO" fontclr="Grey3" fontclrhi="Gray3"/>
        <TEXTITEM name="TEXT_PROFILENAME" fontclr="black"/>
    </TEXTLIST>)");
    const auto& first = ItemAt<TextItemDescription>(layout, 0);
    EXPECT_EQ(first.fontColour, Colour::kGrey3);
    EXPECT_EQ(first.fontColourHighlight, std::nullopt);
    EXPECT_EQ(ItemAt<TextItemDescription>(layout, 1).fontColour, Colour::kBlack);
}

TEST_F(LayoutReaderTest, AFontReferenceIsTheFirstItemWithTheIdentifierWhenItIsAFont)
{
    const LayoutDescription layout = ReadItems(R"(
        <FONTLIST><FONT name="FONT_ARIAL10" typeface="Arial"/><FONT name="FONT_ARIAL10" typeface="Second"/></FONTLIST>
        <BITMAPLIST><BITMAPITEM name="FONT_ARIAL12"><SBMN>n.bmp</SBMN></BITMAPITEM></BITMAPLIST>
        <FONTLIST/>
        <TEXTLIST>
            <TEXTITEM name="TEXT_PROFILEINFO" fontid="font_arial10"/>
            <TEXTITEM name="TEXT_PROFILENAME" fontid="FONT_ARIAL12"/>
            <TEXTITEM name="TEXT_ASSIGNBUTTONS" fontid="FONT_ARIAL14"/>
        </TEXTLIST>)");
    ASSERT_EQ(layout.items.size(), 6u);
    EXPECT_EQ(ItemAt<TextItemDescription>(layout, 3).font, 0u);
    // The first FONT_ARIAL12 is a bitmap item, so there is no font; FONT_ARIAL14 is not declared.
    EXPECT_EQ(ItemAt<TextItemDescription>(layout, 4).font, std::nullopt);
    EXPECT_EQ(ItemAt<TextItemDescription>(layout, 5).font, std::nullopt);
}

TEST_F(LayoutReaderTest, AWindowReferenceAcceptsOnlyABitmapItem)
{
    const LayoutDescription layout = ReadItems(R"(
        <BITMAPLIST><BITMAPITEM name="BITMAP_TARVEL"><SBMN>n.bmp</SBMN></BITMAPITEM></BITMAPLIST>
        <BUTTONLIST>)" + Button(R"(name="BUTTON_OK" windowid="BITMAP_TARVEL")") +
                                               Button(R"(name="BUTTON_EXIT" windowid="BUTTON_OK")") + R"(</BUTTONLIST>
        <TEXTLIST><TEXTITEM name="TEXT_PROFILEINFO" windowid="BITMAP_TARVEL"/>
                  <TEXTITEM name="TEXT_PROFILENAME" windowid="BITMAP_NOPE"/></TEXTLIST>)");
    ASSERT_EQ(layout.items.size(), 5u);
    EXPECT_EQ(ItemAt<ButtonDescription>(layout, 1).parent, 0u);
    EXPECT_EQ(ItemAt<ButtonDescription>(layout, 2).parent, std::nullopt);
    EXPECT_EQ(ItemAt<TextItemDescription>(layout, 3).parent, 0u);
    EXPECT_EQ(ItemAt<TextItemDescription>(layout, 4).parent, std::nullopt);
}

TEST_F(LayoutReaderTest, ACheckboxReferenceNeedsAButtonThatIsACheckbox)
{
    const LayoutDescription layout = ReadItems(R"(<BUTTONLIST>)" +
                                               Button(R"(name="BUTTON_OK" ischeckbox="1")") +
                                               Button(R"(name="BUTTON_EXIT")") + R"(</BUTTONLIST>
        <TEXTLIST><TEXTITEM name="TEXT_PROFILEINFO" checkboxid="BUTTON_OK"/>
                  <TEXTITEM name="TEXT_PROFILENAME" checkboxid="BUTTON_EXIT"/></TEXTLIST>)");
    ASSERT_EQ(layout.items.size(), 4u);
    EXPECT_EQ(ItemAt<TextItemDescription>(layout, 2).checkbox, 0u);
    // Made without the link.
    EXPECT_EQ(ItemAt<TextItemDescription>(layout, 3).checkbox, std::nullopt);
}

TEST_F(LayoutReaderTest, ThePicturesOfAFileAreLoadedOnceAndFailuresAreNotRetried)
{
    const LayoutDescription layout = ReadItems(R"(<BITMAPLIST>
        <BITMAPITEM name="BITMAP_TARVEL"><SBMN>n.bmp</SBMN><SBMM>none.bmp</SBMM></BITMAPITEM>
        <BITMAPITEM name="BITMAP_BRIMVIEWPLAN"><SBMN> N.BMP </SBMN><SBMM>none.bmp</SBMM></BITMAPITEM>
        <BITMAPITEM name="BITMAP_BRIMVIEWSIDE"><SBMN>none.bmp</SBMN></BITMAPITEM>
    </BITMAPLIST>)");
    ASSERT_EQ(layout.items.size(), 2u);
    EXPECT_EQ(ItemAt<BitmapItemDescription>(layout, 0).normal, ItemAt<BitmapItemDescription>(layout, 1).normal);
    EXPECT_EQ(ItemAt<BitmapItemDescription>(layout, 0).mask, nullptr);
    EXPECT_EQ(m_loader.PictureLoads(L"n.bmp"), 1);
    EXPECT_EQ(m_loader.PictureLoads(L"none.bmp"), 1);
    // A second file naming the same pictures loads nothing more.
    (void)ReadItems(R"(<BITMAPLIST><BITMAPITEM name="BITMAP_TARVEL"><SBMN>n.bmp</SBMN></BITMAPITEM></BITMAPLIST>)");
    EXPECT_EQ(m_loader.TotalPictureLoads(), 2);
}

TEST_F(LayoutReaderTest, AnElementTextIsCutTo512Characters)
{
    const std::string longText(600, 'k');
    const LayoutDescription layout = ReadItems("<COMBOLIST><COMBO name=\"BUTTON_OK\"><CLIST height=\"5\"/><COMBOITEM>" +
                                               longText + "</COMBOITEM></COMBO></COMBOLIST>");
    const auto& combo = ItemAt<ComboDescription>(layout, 0);
    ASSERT_EQ(combo.entries.size(), 1u);
    EXPECT_EQ(combo.entries[0], std::wstring(512, L'k'));
}
