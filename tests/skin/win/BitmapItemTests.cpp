// Picture items: the cached picture drawn without a copy, their outline, and the commands of the windows
// placed on them passed on to the page; and the off-screen drawing the skin paints through.
#include <windows.h>

#include <gtest/gtest.h>

#include "SkinTestProgram.h"
#include "platform/win/WinHandles.h"
#include "skin/layout/CResourceCache.h"
#include "skin/layout/ItemDescriptions.h"
#include "skin/win/CBitmapItem.h"
#include "skin/win/CMemDC2.h"
#include "vocabulary/ItemIds.h"

namespace {

using skintest::MemoryBitmap;
using skintest::RecordingPanel;

constexpr COLORREF kBackground = RGB(20, 20, 20);
constexpr COLORREF kPicture = RGB(0, 160, 60);

constexpr std::string_view kLayout = R"(<GUIPANEL><BACKGROUND>back.bmp</BACKGROUND><MASK>back.bmp</MASK>
  <BITMAPLIST>
    <BITMAPITEM name="BITMAP_TARVEL"><SBMN>picture.bmp</SBMN><RECT left="20" top="10" right="40" bottom="30"/></BITMAPITEM>
    <BITMAPITEM name="BITMAP_BRIMVIEWPLAN"><SBMN>picture.bmp</SBMN><SBMM>round.bmp</SBMM><RECT left="70" top="10" right="40" bottom="30"/></BITMAPITEM>
    <BITMAPITEM name="BITMAP_BRIMVIEWSIDE"><SBMN>missing.bmp</SBMN></BITMAPITEM>
  </BITMAPLIST></GUIPANEL>)";

class BitmapItemTest : public skintest::SkinProgramTest
{
protected:
    void SetUp() override
    {
        SkinProgramTest::SetUp();
        WritePicture(L"back.bmp", 160, 60, kBackground);
        WritePicture(L"picture.bmp", 40, 30, [](int x, int) { return x < 20 ? kPicture : RGB(255, 255, 0); });
        // Only the left column of the preview picture is window.
        WritePicture(L"round.bmp", 40, 30, [](int x, int) { return x == 0 ? RGB(0, 0, 0) : RGB(255, 255, 255); });
        WriteLayout(L"Pictures.xml", kLayout);
        ASSERT_TRUE(m_panel.CreateModeless(nullptr));
    }

    CBitmapItem& Picture(int32_t identifier)
    {
        CBitmapItem* item = m_panel.Items().FindPicture(identifier);
        EXPECT_NE(item, nullptr);
        return item != nullptr ? *item : m_dummy;
    }

    RecordingPanel m_panel{L"Pictures.xml", skintest::kPanelTemplate, nullptr};
    CBitmapItem m_dummy;
};

TEST_F(BitmapItemTest, ItemDrawsTheCachedPictureWithoutACopy)
{
    CBitmapItem& item = Picture(ItemId::BITMAP_TARVEL);
    EXPECT_EQ(item.Kind(), ItemKind::BitmapItem);
    const ResourceRecord& cached = CSkinEnvironment::Instance().Cache().Fetch(L"picture.bmp", ResourceType::Picture);
    EXPECT_EQ(item.Picture().bitmap, reinterpret_cast<HBITMAP>(cached.handle));
    EXPECT_EQ(item.Picture().Width(), 40);
    EXPECT_EQ(item.Picture().Height(), 30);

    // An area of another picture; without a picture nothing changes.
    const UniqueBitmap other = MemoryBitmap(50, 50, [](int, int) { return RGB(1, 2, 3); });
    item.SetPicture(other.Get(), 10, 5, 30, 20);
    EXPECT_EQ(item.Picture().bitmap, other.Get());
    EXPECT_EQ(item.Picture().source.left, 10);
    EXPECT_EQ(item.Picture().Width(), 20);
    EXPECT_EQ(item.Picture().Height(), 15);
    item.SetPicture(nullptr, 0, 0, 5, 5);
    EXPECT_EQ(item.Picture().bitmap, other.Get());
    item.SetPicture(reinterpret_cast<HBITMAP>(cached.handle), 0, 0, 40, 30);
}

TEST_F(BitmapItemTest, PaintShowsThePicture)
{
    ShowWindow(m_panel.Handle(), SW_SHOWNOACTIVATE);
    UpdateWindow(m_panel.Handle());
    skintest::PumpMessages();
    EXPECT_EQ(skintest::ScreenPixel(25, 15), kPicture);
    EXPECT_EQ(skintest::ScreenPixel(45, 15), RGB(255, 255, 0));
    EXPECT_EQ(skintest::ScreenPixel(5, 5), kBackground);
}

TEST_F(BitmapItemTest, PreviewPicturesTakeNoInputAndKeepTheirOutline)
{
    CBitmapItem& preview = Picture(ItemId::BITMAP_BRIMVIEWPLAN);
    EXPECT_FALSE(IsWindowEnabled(preview.Handle()));
    EXPECT_TRUE(IsWindowEnabled(Picture(ItemId::BITMAP_TARVEL).Handle()));
    const UniqueRegion outline(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(preview.Handle(), outline.Get()), ERROR);
    EXPECT_TRUE(PtInRegion(outline.Get(), 0, 10));
    EXPECT_FALSE(PtInRegion(outline.Get(), 1, 10));
}

TEST_F(BitmapItemTest, PictureThatDoesNotLoadMakesNoItem)
{
    EXPECT_EQ(m_panel.Items().FindById(ItemId::BITMAP_BRIMVIEWSIDE), nullptr);
    BitmapItemDescription description;
    description.identifier = ItemId::BITMAP_TARVEL;
    EXPECT_EQ(CBitmapItem::Create(description, m_panel.Handle()), nullptr);
}

TEST_F(BitmapItemTest, CommandsOfChildWindowsReachTheParent)
{
    CBitmapItem& item = Picture(ItemId::BITMAP_TARVEL);
    const HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, item.Handle(), nullptr,
                                       GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(child, nullptr);
    SendMessageW(item.Handle(), WM_COMMAND, MAKEWPARAM(7, BN_CLICKED), reinterpret_cast<LPARAM>(child));
    // Posted, not sent: it arrives through the queue.
    EXPECT_TRUE(m_panel.commands.empty());
    skintest::PumpMessages();
    ASSERT_EQ(m_panel.commands.size(), 1u);
    EXPECT_EQ(m_panel.commands[0].control, child);
    EXPECT_EQ(m_panel.commands[0].notification, BN_CLICKED);
    EXPECT_EQ(m_panel.commands[0].identifier, 7);
}

TEST_F(BitmapItemTest, CommandsWithoutAChildWindowStay)
{
    CBitmapItem& item = Picture(ItemId::BITMAP_TARVEL);
    SendMessageW(item.Handle(), WM_COMMAND, MAKEWPARAM(3, 0), 0);
    skintest::PumpMessages();
    EXPECT_TRUE(m_panel.commands.empty());
}

class MemDcTest : public testing::Test
{
protected:
    static constexpr COLORREF kTargetColour = RGB(0, 0, 200);
    static constexpr COLORREF kTargetBackColour = RGB(0, 220, 0);

    void SetUp() override
    {
        m_bitmap = MemoryBitmap(40, 30, [](int, int) { return kTargetColour; });
        m_dc = CreateCompatibleDc(nullptr);
        m_previous = SelectObject(m_dc.Get(), m_bitmap.Get());
        SetBkColor(m_dc.Get(), kTargetBackColour);
    }
    void TearDown() override { SelectObject(m_dc.Get(), m_previous); }

    UniqueBitmap m_bitmap;
    UniqueDc m_dc;
    HGDIOBJ m_previous = nullptr;
};

TEST_F(MemDcTest, AreaIsComposedOffScreenAndCopiedAtTheEnd)
{
    const RECT area{10, 5, 30, 25};
    {
        CMemDC2 surface(m_dc.Get(), &area);
        ASSERT_TRUE(surface.IsOffScreen());
        SetPixel(surface.Get(), 12, 7, RGB(255, 0, 0));
        EXPECT_EQ(GetPixel(m_dc.Get(), 12, 7), kTargetColour);
        EXPECT_EQ(GetPixel(surface.Get(), 12, 7), RGB(255, 0, 0));
    }
    EXPECT_EQ(GetPixel(m_dc.Get(), 12, 7), RGB(255, 0, 0));
    // The rest of the area has the target's background colour; outside it nothing changed.
    EXPECT_EQ(GetPixel(m_dc.Get(), 10, 5), kTargetBackColour);
    EXPECT_EQ(GetPixel(m_dc.Get(), 29, 24), kTargetBackColour);
    EXPECT_EQ(GetPixel(m_dc.Get(), 9, 5), kTargetColour);
    EXPECT_EQ(GetPixel(m_dc.Get(), 30, 24), kTargetColour);
    EXPECT_EQ(GetPixel(m_dc.Get(), 12, 25), kTargetColour);
}

TEST_F(MemDcTest, WithoutAnAreaTheClipBoxIsUsed)
{
    {
        CMemDC2 surface(m_dc.Get());
        EXPECT_EQ(surface.Area().right, 40);
        EXPECT_EQ(surface.Area().bottom, 30);
        SetPixel(surface.Get(), 39, 29, RGB(255, 0, 0));
    }
    EXPECT_EQ(GetPixel(m_dc.Get(), 39, 29), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(m_dc.Get(), 0, 0), kTargetBackColour);
}

TEST_F(MemDcTest, EmptyAreaDrawsOnTheTarget)
{
    const RECT empty{5, 5, 5, 5};
    CMemDC2 surface(m_dc.Get(), &empty);
    EXPECT_FALSE(surface.IsOffScreen());
    EXPECT_EQ(surface.Get(), m_dc.Get());
}

}  // namespace
