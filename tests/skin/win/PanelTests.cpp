// Panels made from layouts: sized by their background, cut by their mask, holding their items
// as child windows; and the item list the panel keeps.
#include <windows.h>

#include <gtest/gtest.h>

#include "SkinTestProgram.h"
#include "skin/win/CBitmapItem.h"
#include "skin/win/CFontItem.h"
#include "skin/win/CPanelBitmap.h"
#include "skin/win/CTextItem.h"
#include "vocabulary/ItemIds.h"

namespace {

using skintest::RecordingPanel;
using skintest::ScreenPixel;

constexpr COLORREF kPanelBackground = RGB(40, 80, 120);
constexpr COLORREF kPanelPicture = RGB(200, 30, 30);
constexpr int kWidth = 120;
constexpr int kHeight = 80;

constexpr std::string_view kPanelLayout = R"(<GUIPANEL>
  <BACKGROUND>back.bmp</BACKGROUND>
  <MASK>mask.bmp</MASK>
  <FONTLIST><FONT name="FONT_ARIAL10" typeface="Arial" pitch="-12"/></FONTLIST>
  <BITMAPLIST><BITMAPITEM name="BITMAP_TARVEL"><SBMN>picture.bmp</SBMN><RECT left="10" top="10" right="30" bottom="20"/></BITMAPITEM></BITMAPLIST>
  <TEXTLIST>
    <TEXTITEM name="TEXT_PROFILEINFO" textkey="first" fontid="FONT_ARIAL10"><RECT left="10" top="40" right="80" bottom="20"/></TEXTITEM>
    <TEXTITEM name="TEXT_PROFILEINFO" textkey="second"><RECT left="10" top="60" right="80" bottom="20"/></TEXTITEM>
  </TEXTLIST>
</GUIPANEL>)";

class PanelTest : public skintest::SkinProgramTest
{
protected:
    void SetUp() override
    {
        SkinProgramTest::SetUp();
        WritePicture(L"back.bmp", kWidth, kHeight, kPanelBackground);
        // The window is the left half.
        WritePicture(L"mask.bmp", kWidth, kHeight, [](int x, int) { return x < kWidth / 2 ? RGB(0, 0, 0) : RGB(255, 255, 255); });
        WritePicture(L"picture.bmp", 30, 20, kPanelPicture);
        WriteLayout(L"Panel.xml", kPanelLayout);
    }

    static void Show(const CGUIPanel& panel)
    {
        ShowWindow(panel.Handle(), SW_SHOWNOACTIVATE);
        UpdateWindow(panel.Handle());
        skintest::PumpMessages();
    }

    static SIZE WindowSize(HWND window)
    {
        RECT rect{};
        GetWindowRect(window, &rect);
        return SIZE{rect.right - rect.left, rect.bottom - rect.top};
    }
};

TEST_F(PanelTest, LayoutPanelTakesItsBackgroundsSizeAndItemsAsChildren)
{
    RecordingPanel panel(L"Panel.xml", skintest::kPanelTemplate, nullptr);
    ASSERT_TRUE(panel.CreateModeless(nullptr));

    EXPECT_TRUE(panel.IsReady());
    EXPECT_EQ(panel.PanelRect().right, kWidth);
    EXPECT_EQ(panel.PanelRect().bottom, kHeight);
    EXPECT_EQ(WindowSize(panel.Handle()).cx, kWidth);
    EXPECT_EQ(WindowSize(panel.Handle()).cy, kHeight);
    ASSERT_NE(panel.Background(), nullptr);
    EXPECT_EQ(panel.Background()->Identifier(), ItemId::BACKGROUND);
    EXPECT_EQ(panel.Background()->ItemWindow(), CGUIItem::kNoWindow);
    ASSERT_NE(panel.Mask(), nullptr);
    EXPECT_EQ(panel.Mask()->Identifier(), ItemId::MASK);

    const CItemList& items = panel.Items();
    ASSERT_EQ(items.Size(), 6u);
    const CBitmapItem* picture = items.FindPicture(ItemId::BITMAP_TARVEL);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(GetParent(picture->Handle()), panel.Handle());
    EXPECT_EQ(picture->Owner(), panel.Handle());
    const auto* text = dynamic_cast<CTextItem*>(items.FindById(ItemId::TEXT_PROFILEINFO));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(GetParent(text->Handle()), panel.Handle());
}

TEST_F(PanelTest, MaskCutsTheWindowsOutline)
{
    RecordingPanel panel(L"Panel.xml", skintest::kPanelTemplate, nullptr);
    ASSERT_TRUE(panel.CreateModeless(nullptr));
    EXPECT_TRUE(panel.HasOutline());
    const UniqueRegion outline(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(panel.Handle(), outline.Get()), ERROR);
    EXPECT_TRUE(PtInRegion(outline.Get(), 0, 0));
    EXPECT_TRUE(PtInRegion(outline.Get(), kWidth / 2 - 1, kHeight - 1));
    EXPECT_FALSE(PtInRegion(outline.Get(), kWidth / 2, 0));
    EXPECT_FALSE(PtInRegion(outline.Get(), kWidth - 1, kHeight - 1));
    // Cut once, the mask's picture is not kept.
    EXPECT_EQ(panel.Mask()->Bitmap(), nullptr);
}

TEST_F(PanelTest, PanelWithoutMaskStaysRectangular)
{
    WriteLayout(L"NoMask.xml", R"(<GUIPANEL><BACKGROUND>back.bmp</BACKGROUND>
        <TEXTLIST><TEXTITEM name="TEXT_PROFILEINFO" textkey="x"/></TEXTLIST></GUIPANEL>)");
    RecordingPanel panel(L"NoMask.xml", skintest::kPanelTemplate, nullptr);
    ASSERT_TRUE(panel.CreateModeless(nullptr));
    EXPECT_TRUE(panel.IsReady());
    EXPECT_EQ(WindowSize(panel.Handle()).cx, kWidth);
    EXPECT_EQ(WindowSize(panel.Handle()).cy, kHeight);
    // The layout reads no lists without a mask.
    EXPECT_EQ(panel.Items().Size(), 1u);
    EXPECT_EQ(panel.Mask(), nullptr);
    EXPECT_FALSE(panel.HasOutline());
    const UniqueRegion outline(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(panel.Handle(), outline.Get()), ERROR);
}

TEST_F(PanelTest, PanelWithoutLayoutTakesTheRectanglesSize)
{
    RecordingPanel panel(nullptr, RECT{10, 20, 210, 120}, skintest::kPanelTemplate);
    ASSERT_TRUE(panel.CreateModeless(nullptr));
    EXPECT_TRUE(panel.IsReady());
    EXPECT_TRUE(panel.Items().Empty());
    EXPECT_EQ(WindowSize(panel.Handle()).cx, 200);
    EXPECT_EQ(WindowSize(panel.Handle()).cy, 100);
}

TEST_F(PanelTest, MissingLayoutLeavesTheTemplatesSize)
{
    RecordingPanel panel(L"Missing.xml", skintest::kPanelTemplate, nullptr);
    ASSERT_TRUE(panel.CreateModeless(nullptr));
    EXPECT_TRUE(panel.Items().Empty());
    EXPECT_EQ(panel.Background(), nullptr);
    EXPECT_GT(WindowSize(panel.Handle()).cx, 0);
    EXPECT_EQ(panel.PanelRect().right, WindowSize(panel.Handle()).cx);
    Show(panel);  // paints nothing without a background, and must not fail
}

TEST_F(PanelTest, PaintShowsTheBackgroundAndTheItemsOverIt)
{
    RecordingPanel panel(L"Panel.xml", skintest::kPanelTemplate, nullptr);
    ASSERT_TRUE(panel.CreateModeless(nullptr));
    Show(panel);
    EXPECT_EQ(ScreenPixel(5, 5), kPanelBackground);
    EXPECT_EQ(ScreenPixel(kWidth / 2 - 2, kHeight - 2), kPanelBackground);
    EXPECT_EQ(ScreenPixel(15, 15), kPanelPicture);
}

TEST_F(PanelTest, HidingAllItemsLeavesTheBackgroundPainted)
{
    RecordingPanel panel(L"Panel.xml", skintest::kPanelTemplate, nullptr);
    ASSERT_TRUE(panel.CreateModeless(nullptr));
    Show(panel);
    ASSERT_EQ(ScreenPixel(15, 15), kPanelPicture);

    panel.Items().ShowAll(false);
    UpdateWindow(panel.Handle());
    skintest::PumpMessages();
    EXPECT_TRUE(IsWindowVisible(panel.Handle()));
    EXPECT_EQ(ScreenPixel(15, 15), kPanelBackground);
    for (const auto& item : panel.Items()) {
        if (item->ItemWindow() != nullptr && item->ItemWindow() != CGUIItem::kNoWindow) {
            EXPECT_FALSE(IsWindowVisible(item->ItemWindow())) << item->Identifier();
        }
    }

    panel.Items().ShowAll(true);
    skintest::PumpMessages();
    EXPECT_TRUE(IsWindowVisible(panel.Items().FindPicture(ItemId::BITMAP_TARVEL)->Handle()));
}

TEST_F(PanelTest, DestroyFreesThePicturesAndEndsReadiness)
{
    RecordingPanel panel(L"Panel.xml", skintest::kPanelTemplate, nullptr);
    ASSERT_TRUE(panel.CreateModeless(nullptr));
    ASSERT_NE(panel.Background()->Bitmap(), nullptr);
    const HWND picture = panel.Items().FindPicture(ItemId::BITMAP_TARVEL)->Handle();

    panel.EndModal(IDCANCEL);
    EXPECT_EQ(panel.Handle(), nullptr);
    EXPECT_FALSE(panel.IsReady());
    EXPECT_EQ(panel.Background()->Bitmap(), nullptr);
    EXPECT_EQ(panel.Mask()->Bitmap(), nullptr);
    EXPECT_FALSE(IsWindow(picture));
}

TEST_F(PanelTest, PanelMadeAgainStartsFromItsLayoutAgain)
{
    RecordingPanel panel(L"Panel.xml", skintest::kPanelTemplate, nullptr);
    ASSERT_TRUE(panel.CreateModeless(nullptr));
    panel.EndModal(IDCANCEL);
    ASSERT_TRUE(panel.CreateModeless(nullptr));
    EXPECT_EQ(panel.Items().Size(), 6u);
    EXPECT_TRUE(panel.IsReady());
    EXPECT_NE(panel.Background()->Bitmap(), nullptr);
}

TEST_F(PanelTest, CenterOverPutsThePanelOverTheOtherWindow)
{
    RecordingPanel owner(nullptr, RECT{0, 0, 400, 300}, skintest::kPanelTemplate);
    ASSERT_TRUE(owner.CreateModeless(nullptr));
    SetWindowPos(owner.Handle(), nullptr, 100, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RecordingPanel panel(L"Panel.xml", skintest::kPanelTemplate, owner.Handle());
    ASSERT_TRUE(panel.CreateModeless(owner.Handle()));

    panel.CenterOver(owner.Handle());
    RECT rect{};
    GetWindowRect(panel.Handle(), &rect);
    EXPECT_EQ(rect.left, 100 + (400 - kWidth) / 2);
    EXPECT_EQ(rect.top, 50 + (300 - kHeight) / 2);

    // Over a window partly off the screen the panel stays on it.
    SetWindowPos(owner.Handle(), nullptr, -350, -250, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    panel.CenterOver(owner.Handle());
    GetWindowRect(panel.Handle(), &rect);
    EXPECT_GE(rect.left, 0);
    EXPECT_GE(rect.top, 0);
}

class ItemListTest : public PanelTest
{
};

TEST_F(ItemListTest, FindByIdentifierFindsTheFirstAppended)
{
    RecordingPanel panel(L"Panel.xml", skintest::kPanelTemplate, nullptr);
    ASSERT_TRUE(panel.CreateModeless(nullptr));
    const auto* text = dynamic_cast<CTextItem*>(panel.Items().FindById(ItemId::TEXT_PROFILEINFO));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->Text(), L"first");
    EXPECT_EQ(panel.Items().FindById(ItemId::BUTTON_OK), nullptr);
}

TEST_F(ItemListTest, FindByWindowNamesTheSender)
{
    RecordingPanel panel(L"Panel.xml", skintest::kPanelTemplate, nullptr);
    ASSERT_TRUE(panel.CreateModeless(nullptr));
    const CItemList& items = panel.Items();
    const CGUIItem& second = items.At(items.Size() - 1);
    EXPECT_EQ(items.FindByWindow(second.ItemWindow()), &second);
    EXPECT_EQ(items.FindByWindow(panel.Handle()), nullptr);
    // Fonts hold window 0, panel pictures the no-window value.
    const CGUIItem* font = items.FindByWindow(nullptr);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->Kind(), ItemKind::Font);
    EXPECT_EQ(items.FindByWindow(CGUIItem::kNoWindow), panel.Background());
}

TEST_F(ItemListTest, FindPictureTakesOnlyPictureItems)
{
    RecordingPanel panel(L"Panel.xml", skintest::kPanelTemplate, nullptr);
    ASSERT_TRUE(panel.CreateModeless(nullptr));
    EXPECT_NE(panel.Items().FindPicture(ItemId::BITMAP_TARVEL), nullptr);
    EXPECT_EQ(panel.Items().FindPicture(ItemId::TEXT_PROFILEINFO), nullptr);
    EXPECT_EQ(panel.Items().FindPicture(ItemId::BACKGROUND), nullptr);
    EXPECT_NE(panel.Items().Find<CFontItem>(ItemId::FONT_ARIAL10, ItemKind::Font), nullptr);
    EXPECT_EQ(panel.Items().Find<CFontItem>(ItemId::FONT_ARIAL10, ItemKind::TextItem), nullptr);
}

TEST_F(ItemListTest, DestroyAllTakesTheItemsWindowsWithThem)
{
    RecordingPanel panel(L"Panel.xml", skintest::kPanelTemplate, nullptr);
    ASSERT_TRUE(panel.CreateModeless(nullptr));
    std::vector<HWND> windows;
    for (const auto& item : panel.Items())
        if (item->ItemWindow() != nullptr && item->ItemWindow() != CGUIItem::kNoWindow)
            windows.push_back(item->ItemWindow());
    ASSERT_EQ(windows.size(), 3u);

    panel.Items().DestroyAll();
    EXPECT_TRUE(panel.Items().Empty());
    for (HWND window : windows)
        EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(IsWindow(panel.Handle()));
}

}  // namespace
