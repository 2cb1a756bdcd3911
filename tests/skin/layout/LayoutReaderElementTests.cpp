// The children and attributes of each item element.
#include "LayoutReaderFixture.h"

#include "vocabulary/Colours.h"
#include "vocabulary/ItemIds.h"
#include "vocabulary/VocabularyTables.h"

#include <algorithm>

namespace {

class LayoutReaderElementTest : public LayoutReaderFixture
{
protected:
    void SetUp() override
    {
        for (const wchar_t* name : {L"n.bmp", L"o.bmp", L"d.bmp", L"ds.bmp", L"m.bmp", L"track.bmp", L"mark.bmp"})
            m_loader.AddPicture(name);
        m_loader.AddPicture(L"thumb9.bmp", 9, 20);
        m_loader.AddPicture(L"thumb10.bmp", 10, 20);
        m_loader.AddFontFile(L"face.ttf");
    }

    static constexpr std::string_view kTrack =
        R"(<BITMAPLIST><BITMAPITEM name="BITMAP_SLSENSTRK_X"><SBMN>track.bmp</SBMN></BITMAPITEM></BITMAPLIST>)";
};


int32_t Column(std::wstring_view name)
{
    return VocabularyTables::NameToKey(VocabularyTables::Table::ListColumns, name);
}

}  // namespace

TEST_F(LayoutReaderElementTest, FontReadsItsFaceSizeWeightAndFile)
{
    const LayoutDescription layout = ReadItems(R"(<FONTLIST>
        <FONT name="FONT_ARIAL10" typeface="An extremely long typeface name over 31" pitch="-13" boldlevel="700"> face.ttf </FONT>
        <FONT name="FONT_ARIAL12"/>
    </FONTLIST>)");
    ASSERT_EQ(layout.items.size(), 2u);
    const auto& font = ItemAt<FontDescription>(layout, 0);
    EXPECT_EQ(font.typeface, L"An extremely long typeface name");
    EXPECT_EQ(font.typeface.size(), 31u);
    EXPECT_EQ(font.pitch, -13);
    EXPECT_EQ(font.boldLevel, 700);
    ASSERT_NE(font.fontFile, nullptr);
    EXPECT_TRUE(font.fontFile->loaded);
    EXPECT_EQ(font.fontFile, Record(L"face.ttf", ResourceType::Font));

    // Without text: made without registering a file.
    const auto& plain = ItemAt<FontDescription>(layout, 1);
    EXPECT_EQ(plain.fontFile, nullptr);
    EXPECT_EQ(plain.typeface, L"");
    EXPECT_EQ(m_loader.FontLoads(L"face.ttf"), 1);
}

TEST_F(LayoutReaderElementTest, BitmapItemNeedsItsPicture)
{
    const LayoutDescription layout = ReadItems(R"(<BITMAPLIST>
        <BITMAPITEM name="BITMAP_TARVEL"><SBMN>n.bmp</SBMN><SBMM>m.bmp</SBMM><RECT left="1" top="2" right="3" bottom="4"/></BITMAPITEM>
        <BITMAPITEM name="BITMAP_BRIMVIEWPLAN"><SBMM>m.bmp</SBMM></BITMAPITEM>
    </BITMAPLIST>)");
    ASSERT_EQ(layout.items.size(), 1u);
    const auto& item = ItemAt<BitmapItemDescription>(layout, 0);
    EXPECT_EQ(item.normal, Record(L"n.bmp"));
    EXPECT_EQ(item.mask, Record(L"m.bmp"));
    EXPECT_EQ(item.rect, (LayoutRect{1, 2, 3, 4}));
}

TEST_F(LayoutReaderElementTest, BitmapWindowNeedsItsDisabledPictureAndReadsTheRest)
{
    const LayoutDescription layout = ReadItems(R"(<BITMAPLIST>
        <BITMAPWINDOW name="BITMAPWIN_ASSIGNKEY" fontclr="white" tooltip="$tip" caps="Upper" multiline="2" justify="Centre">
            <SBMDS>ds.bmp</SBMDS><SBMO>o.bmp</SBMO><SBMM>m.bmp</SBMM>
        </BITMAPWINDOW>
        <BITMAPWINDOW name="BITMAP_TARVEL"><SBMN>n.bmp</SBMN></BITMAPWINDOW>
        <BITMAPWINDOW name="BITMAP_BRIMVIEWPLAN" multiline="1"><SBMDS>ds.bmp</SBMDS></BITMAPWINDOW>
    </BITMAPLIST>)");
    ASSERT_EQ(layout.items.size(), 2u);
    const auto& window = ItemAt<BitmapWindowDescription>(layout, 0);
    EXPECT_EQ(window.disabled, Record(L"ds.bmp"));
    EXPECT_EQ(window.normal, nullptr);
    EXPECT_EQ(window.over, Record(L"o.bmp"));
    EXPECT_EQ(window.mask, Record(L"m.bmp"));
    EXPECT_EQ(window.captionColour, Colour::kWhite);
    EXPECT_EQ(window.tooltip, L"$tip");
    EXPECT_EQ(window.caps, CLanguageSet::kCapsUpper);
    EXPECT_FALSE(window.multiline);  // only exactly 1 is on
    EXPECT_EQ(window.justify, Justify::Centre);
    EXPECT_TRUE(ItemAt<BitmapWindowDescription>(layout, 1).multiline);
}

TEST_F(LayoutReaderElementTest, ButtonReadsEveryField)
{
    const LayoutDescription layout = ReadItems(std::string(kTrack) + R"(
        <FONTLIST><FONT name="FONT_ARIAL10"/></FONTLIST>
        <BUTTONLIST><BUTTON name="BUTTON_OK" tooltip="$ok" ischeckbox="1" justify="Right" multiline="7"
                            windowid="BITMAP_SLSENSTRK_X" fontid="FONT_ARIAL10" caption="$caption" caps="Lower">
            <SBMN fontclr="RED">n.bmp</SBMN><SBMO fontclr="nope">o.bmp</SBMO><SBMD>d.bmp</SBMD><SBMDS fontclr="BLUE">ds.bmp</SBMDS>
            <SBMM>m.bmp</SBMM><RECT left="5" top="6" right="70" bottom="20"/><BMPSZ width="64" height="18"/>
        </BUTTON></BUTTONLIST>)");
    ASSERT_EQ(layout.items.size(), 3u);
    const auto& button = ItemAt<ButtonDescription>(layout, 2);
    EXPECT_EQ(button.tooltip, L"$ok");
    EXPECT_TRUE(button.isCheckbox);
    EXPECT_FALSE(button.dynamic);
    EXPECT_EQ(button.states[ButtonDescription::kNormal].picture, Record(L"n.bmp"));
    EXPECT_EQ(button.states[ButtonDescription::kNormal].captionColour, Colour::kRed);
    EXPECT_EQ(button.states[ButtonDescription::kOver].picture, Record(L"o.bmp"));
    EXPECT_EQ(button.states[ButtonDescription::kOver].captionColour, std::nullopt);
    EXPECT_EQ(button.states[ButtonDescription::kDown].picture, Record(L"d.bmp"));
    EXPECT_EQ(button.states[ButtonDescription::kDisabled].picture, Record(L"ds.bmp"));
    EXPECT_EQ(button.states[ButtonDescription::kDisabled].captionColour, Colour::kBlue);
    EXPECT_EQ(button.mask, Record(L"m.bmp"));
    EXPECT_EQ(button.justify, Justify::Right);
    EXPECT_TRUE(button.multiline);  // any non-zero value
    // Fonts are read before bitmap items, whatever the document order.
    EXPECT_EQ(button.parent, 1u);
    EXPECT_EQ(button.font, 0u);
    EXPECT_EQ(button.rect, (LayoutRect{5, 6, 70, 20}));
    EXPECT_EQ(button.pictureWidth, 64);
    EXPECT_EQ(button.pictureHeight, 18);
    EXPECT_EQ(button.caption, L"$caption");
    EXPECT_EQ(button.caps, CLanguageSet::kCapsLower);
}

TEST_F(LayoutReaderElementTest, ButtonDefaultsPictureSizeToItsRectAndReadsCapsOnlyWithACaption)
{
    const LayoutDescription layout = ReadItems(R"(<BUTTONLIST><BUTTON name="BUTTON_OK" caps="Upper">)" +
                                               std::string(kButtonPictures) +
                                               R"(<RECT left="1" top="1" right="40" bottom="12"/></BUTTON></BUTTONLIST>)");
    const auto& button = ItemAt<ButtonDescription>(layout, 0);
    EXPECT_EQ(button.pictureWidth, 40);
    EXPECT_EQ(button.pictureHeight, 12);
    EXPECT_EQ(button.caption, std::nullopt);
    EXPECT_EQ(button.caps, CLanguageSet::kCapsNone);
    EXPECT_EQ(button.mask, nullptr);
    EXPECT_EQ(button.justify, Justify::Default);
}

TEST_F(LayoutReaderElementTest, AButtonWithAMissingPictureIsMadeOnlyWhenDynamic)
{
    const std::string pictures = "<SBMN>n.bmp</SBMN><SBMO>gone.bmp</SBMO><SBMD>d.bmp</SBMD><SBMDS>ds.bmp</SBMDS>";
    const LayoutDescription layout = ReadItems("<BUTTONLIST><BUTTON name=\"BUTTON_OK\">" + pictures +
                                               "</BUTTON><BUTTON name=\"BUTTON_EXIT\" dynamic=\"1\">" + pictures +
                                               "</BUTTON><BUTTON name=\"BUTTON_HELP\" dynamic=\"1\"/></BUTTONLIST>");
    ASSERT_EQ(layout.items.size(), 2u);
    const auto& dynamic = ItemAt<ButtonDescription>(layout, 0);
    EXPECT_EQ(dynamic.identifier, ItemId::BUTTON_EXIT);
    EXPECT_TRUE(dynamic.dynamic);
    EXPECT_EQ(dynamic.states[ButtonDescription::kNormal].picture, nullptr);
    EXPECT_EQ(ItemAt<ButtonDescription>(layout, 1).identifier, ItemId::BUTTON_HELP);
}

TEST_F(LayoutReaderElementTest, AButtonWhoseMaskDoesNotLoadIsNotMade)
{
    const LayoutDescription layout = ReadItems("<BUTTONLIST><BUTTON name=\"BUTTON_OK\">" + std::string(kButtonPictures) +
                                               "<SBMM>gone.bmp</SBMM></BUTTON></BUTTONLIST>");
    EXPECT_TRUE(layout.items.empty());
}

TEST_F(LayoutReaderElementTest, OnlyTheFirstProfileAndAnimationButtonsAreMade)
{
    const LayoutDescription layout = ReadItems(R"(<BUTTONLIST>
        <PROFBUTTON name="BUTTON_PROFILE01" tooltip="$p1"><SBMN>n.bmp</SBMN><SBMDS>gone.bmp</SBMDS><RECT left="3"/></PROFBUTTON>
        <PROFBUTTON name="BUTTON_PROFILE02"><SBMDS>ds.bmp</SBMDS></PROFBUTTON>
        <AVIBUTTON name="BUTTON_AVI"><VIDEO> intro.avi </VIDEO><SOUND>
            click.wav</SOUND></AVIBUTTON>
        <AVIBUTTON name="BUTTON_PLAY"/>
    </BUTTONLIST>)");
    ASSERT_EQ(layout.items.size(), 2u);
    const auto& profile = ItemAt<ProfileButtonDescription>(layout, 0);
    EXPECT_EQ(profile.identifier, ItemId::BUTTON_PROFILE01);
    EXPECT_EQ(profile.tooltip, L"$p1");
    EXPECT_EQ(profile.normal, Record(L"n.bmp"));
    EXPECT_EQ(profile.disabled, nullptr);  // present but not loadable: left unset
    EXPECT_EQ(profile.rect.left, 3);
    const auto& animation = ItemAt<AviButtonDescription>(layout, 1);
    EXPECT_EQ(animation.identifier, ItemId::BUTTON_AVI);
    EXPECT_EQ(animation.video, L"intro.avi");
    EXPECT_EQ(animation.sound, L"click.wav");
}

TEST_F(LayoutReaderElementTest, AProfileButtonWithoutADisabledPictureChildIsNotMade)
{
    const LayoutDescription layout = ReadItems(R"(<BUTTONLIST>
        <PROFBUTTON name="BUTTON_PROFILE01"><SBMN>n.bmp</SBMN><SBMO>o.bmp</SBMO><SBMD>d.bmp</SBMD></PROFBUTTON>
    </BUTTONLIST>)");
    EXPECT_TRUE(layout.items.empty());
}

TEST_F(LayoutReaderElementTest, VerticalSliderTakesItsPictureFromAnAttribute)
{
    const LayoutDescription layout = ReadItems(R"(<SLIDERLIST>
        <VSLIDER name="SLIDER_SCROLL" file=" n.bmp " tooltip="$scroll"><RECT left="1" top="2" right="3" bottom="4"/></VSLIDER>
    </SLIDERLIST>)");
    const auto& slider = ItemAt<VerticalSliderDescription>(layout, 0);
    EXPECT_EQ(slider.picture, Record(L"n.bmp"));
    EXPECT_EQ(slider.tooltip, L"$scroll");
    EXPECT_EQ(slider.rect, (LayoutRect{1, 2, 3, 4}));
}

TEST_F(LayoutReaderElementTest, MultiSliderMakesAtMostFiveThumbs)
{
    std::string stages;
    for (int i = 1; i <= 7; ++i)
        stages += "<STAGE tooltip=\"$s" + std::to_string(i) + "\">SLIDER_DPI_MULTI_STAGE" + std::to_string(std::min(i, 5)) + "</STAGE>";
    const LayoutDescription layout = ReadItems(std::string(kTrack) + R"(<SLIDERLIST>
        <HSLIDERM name="SLIDER_DPI_MULTI" trackid="BITMAP_SLSENSTRK_X" interactive="1" offset="4" loffset="2">
            <STAGES>)" + stages + R"(</STAGES><SBMN>n.bmp</SBMN><SBMO>o.bmp</SBMO>
        </HSLIDERM></SLIDERLIST>)");
    ASSERT_EQ(layout.items.size(), 2u);
    const auto& slider = ItemAt<MultiSliderDescription>(layout, 1);
    ASSERT_EQ(slider.stages.size(), 5u);
    EXPECT_EQ(slider.stages[0].identifier, ItemId::SLIDER_DPI_MULTI_STAGE1);
    EXPECT_EQ(slider.stages[0].tooltip, L"$s1");
    EXPECT_EQ(slider.stages[4].identifier, ItemId::SLIDER_DPI_MULTI_STAGE5);
    EXPECT_EQ(slider.track, 0u);
    EXPECT_EQ(slider.thumbNormal, Record(L"n.bmp", ResourceType::BitmapFile));
    EXPECT_EQ(slider.thumbOver, Record(L"o.bmp", ResourceType::BitmapFile));
    EXPECT_TRUE(slider.interactive);
    EXPECT_EQ(slider.offset, 4);
    EXPECT_EQ(slider.sideOffsets, std::nullopt);  // both or neither
    // The thumbs are bitmap files.
    EXPECT_EQ(m_loader.PictureTypes().back(), ResourceType::BitmapFile);
}

TEST_F(LayoutReaderElementTest, MultiSliderNeedsStagesAndATrack)
{
    const LayoutDescription layout = ReadItems(std::string(kTrack) + R"(<SLIDERLIST>
        <HSLIDERM name="SLIDER_DPI_MULTI" trackid="BITMAP_SLSENSTRK_X"><STAGES></STAGES></HSLIDERM>
        <HSLIDERM name="SLIDER_DPI_MULTI_X" trackid="BITMAP_SLSENSTRK_X"/>
        <HSLIDERM name="SLIDER_DPI_MULTI_Y" trackid="not an identifier"><STAGES><STAGE>SLIDER_DPI_MULTI_STAGE1</STAGE></STAGES></HSLIDERM>
        <HSLIDERM name="SLIDER_DPI_MULTI_1800" trackid="SLIDER_DPI_MULTI"><STAGES><STAGE>x</STAGE></STAGES></HSLIDERM>
        <HSLIDERM name="SLIDER_DPI_MULTI_POPUP" trackid="BITMAP_SLSENSTRK_X" loffset="-3" roffset="9"><STAGES><STAGE>x</STAGE></STAGES></HSLIDERM>
    </SLIDERLIST>)");
    ASSERT_EQ(layout.items.size(), 2u);
    const auto& slider = ItemAt<MultiSliderDescription>(layout, 1);
    EXPECT_EQ(slider.identifier, ItemId::SLIDER_DPI_MULTI_POPUP);
    ASSERT_EQ(slider.stages.size(), 1u);
    EXPECT_EQ(slider.stages[0].identifier, -1);
    EXPECT_EQ(slider.sideOffsets, std::make_pair(-3, 9));
    EXPECT_EQ(slider.offset, std::nullopt);
    EXPECT_EQ(slider.thumbNormal, nullptr);
}

TEST_F(LayoutReaderElementTest, ApmSliderNeedsATrackAndReadsItsThumbs)
{
    const LayoutDescription layout = ReadItems(std::string(kTrack) + R"(<SLIDERLIST>
        <HSLIDERMAPM name="SLIDER_APM_MULTI" trackid="BITMAP_SLSENSTRK_X"><SBMO>o.bmp</SBMO></HSLIDERMAPM>
        <HSLIDERMAPM name="SLIDER_APM_MULTI_STAGE1" trackid="BITMAP_NOPE"><SBMN>n.bmp</SBMN></HSLIDERMAPM>
        <HSLIDERMAPM name="SLIDER_APM_MULTI_STAGE2" trackid="BITMAP_SLSENSTRK_X"><SBMN>n.bmp</SBMN><SBMO>o.bmp</SBMO></HSLIDERMAPM>
    </SLIDERLIST>)");
    ASSERT_EQ(layout.items.size(), 3u);
    const auto& withoutNormal = ItemAt<ApmSliderDescription>(layout, 1);
    EXPECT_EQ(withoutNormal.thumbOver, nullptr);  // SBMO is read only with SBMN
    const auto& slider = ItemAt<ApmSliderDescription>(layout, 2);
    EXPECT_EQ(slider.identifier, ItemId::SLIDER_APM_MULTI_STAGE2);
    EXPECT_EQ(slider.track, 0u);
    EXPECT_EQ(slider.thumbNormal, Record(L"n.bmp", ResourceType::BitmapFile));
    EXPECT_EQ(slider.thumbOver, Record(L"o.bmp", ResourceType::BitmapFile));
}

TEST_F(LayoutReaderElementTest, MarkerReadsItsMarkOnlyWithANormalPicture)
{
    const LayoutDescription layout = ReadItems(R"(<SLIDERLIST>
        <DMARKER name="SLIDER_ID_SENSX"><SBMN>n.bmp</SBMN><MARK>mark.bmp</MARK></DMARKER>
        <DMARKER name="SLIDER_ID_SENSY"><MARK>mark.bmp</MARK></DMARKER>
    </SLIDERLIST>)");
    ASSERT_EQ(layout.items.size(), 2u);
    EXPECT_EQ(ItemAt<MarkerDescription>(layout, 0).mark, Record(L"mark.bmp"));
    EXPECT_EQ(ItemAt<MarkerDescription>(layout, 1).mark, nullptr);
}

TEST_F(LayoutReaderElementTest, TextItemReadsEveryField)
{
    const LayoutDescription layout = ReadItems(R"(<TEXTLIST>
        <TEXTITEM name="TEXT_PROFILEINFO" textkey="$profile" caps="L" justify="R" multiline="1"
                  fontclr="GREEN2" fontclrhi="BLACK3" interactive="1"/>
        <TEXTITEM name="TEXT_PROFILENAME" multiline="01x"/>
    </TEXTLIST>)");
    const auto& text = ItemAt<TextItemDescription>(layout, 0);
    EXPECT_EQ(text.textKey, L"$profile");
    EXPECT_EQ(text.caps, CLanguageSet::kCapsLower);
    EXPECT_EQ(text.justify, Justify::Right);
    EXPECT_TRUE(text.multiline);
    EXPECT_EQ(text.fontColour, Colour::kGreen2);
    EXPECT_EQ(text.fontColourHighlight, Colour::kBlack3);
    EXPECT_TRUE(text.interactive);
    EXPECT_TRUE(ItemAt<TextItemDescription>(layout, 1).multiline);  // "01x" reads as 1
}

TEST_F(LayoutReaderElementTest, DpiStageWindowsKnowTheirPositionAndAreas)
{
    const LayoutDescription layout = ReadItems(R"(<FONTLIST><FONT name="FONT_ARIAL10"/></FONTLIST><DPISTAGELIST>
        <DPISTAGEWINDOW name="DPISTAGEWINDOW_01" fontid="FONT_ARIAL10">
            <RECT left="1" top="2" right="3" bottom="4"/>
            <BITMAP name="on"><BMP>n.bmp</BMP><BMPMASK>m.bmp</BMPMASK><RECT left="5" top="6" right="7" bottom="8"/></BITMAP>
            <BITMAP><BMP>n.bmp</BMP></BITMAP>
            <TEXTAREA name="value" textkey="$dpi"><RECT left="9"/></TEXTAREA>
            <TEXTAREA textkey="$lost"/>
        </DPISTAGEWINDOW>
        <DPISTAGEWINDOW name="NOT_A_WINDOW"/>
        <DPISTAGEWINDOW name="DPISTAGEWINDOW_03"/>
    </DPISTAGELIST>)");
    ASSERT_EQ(layout.items.size(), 3u);
    const auto& first = ItemAt<DpiStageWindowDescription>(layout, 1);
    EXPECT_EQ(first.position, 1);
    EXPECT_EQ(first.rect, (LayoutRect{1, 2, 3, 4}));
    EXPECT_EQ(first.font, 0u);
    ASSERT_EQ(first.bitmaps.size(), 1u);
    EXPECT_EQ(first.bitmaps[0].name, L"on");
    EXPECT_EQ(first.bitmaps[0].picture, Record(L"n.bmp"));
    EXPECT_EQ(first.bitmaps[0].mask, Record(L"m.bmp"));
    EXPECT_EQ(first.bitmaps[0].rect, (LayoutRect{5, 6, 7, 8}));
    ASSERT_EQ(first.textAreas.size(), 1u);
    EXPECT_EQ(first.textAreas[0].textKey, L"$dpi");
    EXPECT_EQ(first.textAreas[0].rect.left, 9);
    EXPECT_EQ(ItemAt<DpiStageWindowDescription>(layout, 2).position, 3);
}

TEST_F(LayoutReaderElementTest, MacroDisplayReadsColumnsPicturesAndItsScrollBar)
{
    const LayoutDescription layout = Read(R"(<ITEMLIST><MACRODISPLAY name="MACRO_DISPLAY" tooltip="$m" ischeckbox="1"
            max="40" readonly="1" fontclr="WHITE" bdrwidth="3">
        <MDBMP_KEYDN>n.bmp</MDBMP_KEYDN><MDBMP_CLKH>o.bmp</MDBMP_CLKH>
        <VSCROLL><VSBMP_TMB>thumb10.bmp</VSBMP_TMB><VSBMP_TOP>d.bmp</VSBMP_TOP></VSCROLL>
        <LISTCOLUMN name="LCITEM_MCREVENT_ICON" type="ICON" width="20" justify="R"/>
        <LISTCOLUMN name="LCITEM_MCREVENT_DESCRIP" type="static" width="200" justify="C"/>
    </MACRODISPLAY></ITEMLIST>)");
    const auto& display = ItemAt<MacroDisplayDescription>(layout, 0);
    EXPECT_EQ(display.tooltip, L"$m");
    EXPECT_TRUE(display.isCheckbox);
    EXPECT_EQ(display.max, 40);
    EXPECT_TRUE(display.readOnly);
    EXPECT_EQ(display.keyDown, Record(L"n.bmp"));
    EXPECT_EQ(display.clickHighlight, Record(L"o.bmp"));
    EXPECT_EQ(display.keyUp, nullptr);
    EXPECT_EQ(display.fontColour, Colour::kWhite);
    EXPECT_EQ(display.borderWidth, 3);
    ASSERT_TRUE(display.scrollBar.has_value());
    EXPECT_EQ(display.scrollBar->width, 10);
    EXPECT_EQ(display.scrollBar->top, Record(L"d.bmp"));
    ASSERT_EQ(display.columns.size(), 2u);
    EXPECT_EQ(display.columns[0].column, Column(L"LCITEM_MCREVENT_ICON"));
    EXPECT_EQ(display.columns[0].justify, Justify::Default);  // read for the description column only
    EXPECT_EQ(display.columns[1].type, 1);
    EXPECT_EQ(display.columns[1].width, 200);
    EXPECT_EQ(display.columns[1].justify, Justify::Centre);
}

TEST_F(LayoutReaderElementTest, AMacroDisplayWithANinePixelThumbGetsNoScrollBar)
{
    const LayoutDescription layout = Read(R"(<ITEMLIST><MACRODISPLAY name="MACRO_DISPLAY">
        <VSCROLL><VSBMP_TMB>thumb9.bmp</VSBMP_TMB></VSCROLL>
        <LISTCOLUMN name="LCITEM_MCREVENT_ICON" type="ICON" width="20"/>
    </MACRODISPLAY></ITEMLIST>)");
    EXPECT_FALSE(ItemAt<MacroDisplayDescription>(layout, 0).scrollBar.has_value());
}

TEST_F(LayoutReaderElementTest, AMacroDisplayNeedsColumnsThatAreAllAccepted)
{
    EXPECT_TRUE(Read(R"(<ITEMLIST><MACRODISPLAY name="MACRO_DISPLAY"/></ITEMLIST>)").items.empty());
    // CHECKBOX is a column type of lists, not of the macro display.
    EXPECT_TRUE(Read(R"(<ITEMLIST><MACRODISPLAY name="MACRO_DISPLAY">
        <LISTCOLUMN name="LCITEM_MCREVENT_ICON" type="ICON" width="20"/>
        <LISTCOLUMN name="LCITEM_MCREVENT_DESCRIP" type="CHECKBOX" width="20"/>
    </MACRODISPLAY></ITEMLIST>)").items.empty());
}

TEST_F(LayoutReaderElementTest, OnlyTheFirstMacroDisplayOfEachNameIsReadWhereverItStands)
{
    const std::string column = R"(<LISTCOLUMN name="LCITEM_MCREVENT_ICON" type="ICON" width="20"/>)";
    const LayoutDescription layout = Read(R"(<ITEMLIST>
        <SOMEWHERE><DEEP><MACRODISPLAYRO name="MACRO_DISPLAY_READONLY">)" + column + R"(</MACRODISPLAYRO></DEEP></SOMEWHERE>
        <TEXTLIST><MACRODISPLAY name="MACRO_DISPLAY" max="1">)" + column + R"(</MACRODISPLAY></TEXTLIST>
        <MACRODISPLAY name="MACRO_DISPLAY" max="2">)" + column + R"(</MACRODISPLAY>
    </ITEMLIST>)");
    ASSERT_EQ(layout.items.size(), 2u);
    EXPECT_EQ(ItemAt<MacroDisplayDescription>(layout, 0).max, 1);
    EXPECT_EQ(ItemAt<MacroDisplayDescription>(layout, 1).identifier, ItemId::MACRO_DISPLAY_READONLY);
}

TEST_F(LayoutReaderElementTest, ListCtrlReadsItsHeaderAndColumns)
{
    const LayoutDescription layout = ReadItems(R"(<COMBOLIST>
        <LISTCTRL name="LIST_PROFILELIST" backclr="DARKGREY" sorted="1">
            <LISTHDR backclr="MIDGREY"/>
            <LISTCOLUMN name="LCITEM_PROFILENAME" type="EDIT" width="120">$name</LISTCOLUMN>
            <LISTCOLUMN name="LCITEM_AUTOSWITCH" type="CHECKBOX" width="-40" exclusive="1"><SBMN>n.bmp</SBMN><SBMD>d.bmp</SBMD></LISTCOLUMN>
        </LISTCTRL>
        <LISTCTRL name="LIST_GLOBALMACROLIST"><LISTCOLUMN name="LCITEM_PROFILENAME" type="STATIC" width="5"/></LISTCTRL>
    </COMBOLIST>)");
    ASSERT_EQ(layout.items.size(), 2u);
    const auto& list = ItemAt<ListCtrlDescription>(layout, 0);
    ASSERT_TRUE(list.header.has_value());
    EXPECT_EQ(list.header->backColour, Colour::kMidGrey);
    EXPECT_EQ(list.header->fontColour, std::nullopt);
    EXPECT_EQ(list.backColour, Colour::kDarkGrey);
    EXPECT_TRUE(list.sorted);
    ASSERT_EQ(list.columns.size(), 2u);
    EXPECT_EQ(list.columns[0].heading, L"$name");
    EXPECT_EQ(list.columns[0].width, 120);
    EXPECT_FALSE(list.columns[0].exclusive);
    EXPECT_EQ(list.columns[1].column, Column(L"LCITEM_AUTOSWITCH"));
    EXPECT_TRUE(list.columns[1].exclusive);
    EXPECT_EQ(list.columns[1].normal, Record(L"n.bmp"));
    EXPECT_EQ(list.columns[1].down, Record(L"d.bmp"));
    EXPECT_EQ(list.columns[1].mask, nullptr);
    EXPECT_FALSE(ItemAt<ListCtrlDescription>(layout, 1).header.has_value());
}

TEST_F(LayoutReaderElementTest, AListCtrlWithARejectedColumnIsNotMade)
{
    const LayoutDescription layout = ReadItems(R"(<COMBOLIST>
        <LISTCTRL name="LIST_PROFILELIST"><LISTCOLUMN name="LCITEM_PROFILENAME" type="EDIT" width="0"/></LISTCTRL>
        <LISTCTRL name="LIST_GLOBALMACROLIST"><LISTCOLUMN name="LCITEM_NOPE" type="EDIT" width="5"/></LISTCTRL>
        <LISTCTRL name="LIST_GLOBAL_BASIC_COMMANDS">
            <LISTCOLUMN name="LCITEM_PROFILENAME" type="EDIT" width="5"/><LISTCOLUMN name="LCITEM_PROFILEID" type="RADIO" width="5"/>
        </LISTCTRL>
        <LISTCTRL name="LIST_GLOBAL_ADDITIONAL_COMMANDS"/>
    </COMBOLIST>)");
    EXPECT_TRUE(layout.items.empty());
}

TEST_F(LayoutReaderElementTest, ComboReadsItsBoxListColoursScrollBarAndEntries)
{
    const LayoutDescription layout = ReadItems(R"(<COMBOLIST>
        <COMBO name="BUTTON_RATE1" fontclr="WHITE" disbbdrclr="GREY3" bdrwidth="9" sorted="1">
            <CBOX><RECT left="1" top="2" right="100" bottom="20"/></CBOX><CLIST height="120"/>
            <VSCROLL><VSBMP_TMB>thumb9.bmp</VSBMP_TMB><VSBMP_SPN>n.bmp</VSBMP_SPN></VSCROLL>
            <COMBOITEM>125 Hz</COMBOITEM><COMBOITEM>500 Hz</COMBOITEM><GROUP><COMBOITEM>1000 Hz</COMBOITEM></GROUP>
        </COMBO>
        <COMBO name="BUTTON_RATE2" bdrwidth="10"><CLIST/><VSCROLL><VSBMP_TMB>gone.bmp</VSBMP_TMB><VSBMP_TOP>top.bmp</VSBMP_TOP></VSCROLL></COMBO>
        <COMBO name="BUTTON_RATE3"><CBOX><RECT left="1"/></CBOX></COMBO>
    </COMBOLIST>)");
    ASSERT_EQ(layout.items.size(), 2u);
    const auto& combo = ItemAt<ComboDescription>(layout, 0);
    EXPECT_EQ(combo.rect, (LayoutRect{1, 2, 100, 20}));
    EXPECT_EQ(combo.listHeight, 120);
    EXPECT_EQ(combo.fontColour, Colour::kWhite);
    EXPECT_EQ(combo.disabledBorderColour, Colour::kGrey3);
    EXPECT_EQ(combo.backColour, std::nullopt);
    EXPECT_EQ(combo.borderWidth, 9);
    EXPECT_TRUE(combo.sorted);
    ASSERT_TRUE(combo.scrollBar.has_value());
    EXPECT_EQ(combo.scrollBar->width, 9);  // no minimum here
    EXPECT_EQ(combo.scrollBar->span, Record(L"n.bmp"));
    EXPECT_EQ(combo.entries, (std::vector<std::wstring>{L"125 Hz", L"500 Hz", L"1000 Hz"}));

    const auto& withoutThumb = ItemAt<ComboDescription>(layout, 1);
    EXPECT_EQ(withoutThumb.borderWidth, std::nullopt);
    ASSERT_TRUE(withoutThumb.scrollBar.has_value());
    EXPECT_EQ(withoutThumb.scrollBar->width, 0);
    EXPECT_EQ(withoutThumb.scrollBar->top, nullptr);
    EXPECT_EQ(m_loader.PictureLoads(L"top.bmp"), 0);  // not read without a thumb
}

TEST_F(LayoutReaderElementTest, ListPanelHasEntriesOnlyWithAnItemsChild)
{
    const LayoutDescription layout = ReadItems(R"(<LISTPANELLIST>
        <LISTPANEL name="LISTPANEL_PROFILEOPTIONS" disbfontclr="RED" bdrwidth="0">
            <LISTPANELITEMS><LISTPANELITEM>$one</LISTPANELITEM></LISTPANELITEMS><LISTPANELITEM>$two</LISTPANELITEM>
        </LISTPANEL>
        <LISTPANEL name="LISTPANEL_MACROOPTIONS"><LISTPANELITEM>$three</LISTPANELITEM></LISTPANEL>
    </LISTPANELLIST>)");
    ASSERT_EQ(layout.items.size(), 2u);
    const auto& panel = ItemAt<ListPanelDescription>(layout, 0);
    EXPECT_EQ(panel.entries, (std::vector<std::wstring>{L"$one", L"$two"}));
    EXPECT_EQ(panel.disabledFontColour, Colour::kRed);
    EXPECT_EQ(panel.borderWidth, std::nullopt);
    EXPECT_FALSE(panel.scrollBar.has_value());
    EXPECT_TRUE(ItemAt<ListPanelDescription>(layout, 1).entries.empty());
}

TEST_F(LayoutReaderElementTest, EditFieldsOfBothKinds)
{
    const LayoutDescription layout = ReadItems(R"(<EDITCTRLLIST>
        <EDITCTRL name="EDITCTRL_POPUP_NAMEENTRY" max="20" bdrclr="DARKGREY2" bdrwidth="1"><RECT left="4"/></EDITCTRL>
        <EDITCTRLSK name="EDITCTRL_POPUP_SINGLEKEYENTRY" max="1" backclrhi="GREEN3"/>
    </EDITCTRLLIST>)");
    ASSERT_EQ(layout.items.size(), 2u);
    const auto& edit = ItemAt<EditDescription>(layout, 0);
    EXPECT_EQ(edit.max, 20);
    EXPECT_EQ(edit.borderColour, Colour::kDarkGrey2);
    EXPECT_EQ(edit.borderWidth, 1);
    EXPECT_EQ(edit.rect.left, 4);
    const auto& singleKey = ItemAt<SingleKeyEditDescription>(layout, 1);
    EXPECT_EQ(KindOf(layout.items[1]), ItemKind::SingleKeyEdit);
    EXPECT_EQ(singleKey.max, 1);
    EXPECT_EQ(singleKey.backColourHighlight, Colour::kGreen3);
}
