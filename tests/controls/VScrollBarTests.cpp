// The drawn scroll bar of a long list: where its thumb lies, and what clicks on its parts ask of
// the list.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <stdexcept>

#include "../support/WindowTestSupport.h"
#include "controls/CListPanel.h"
#include "controls/CListPanelList.h"
#include "controls/CVScrollBar.h"
#include "platform/win/WinHandles.h"
#include "skin/win/CCustomWindow.h"

namespace {

constexpr int kBarWidth = 12;

UniqueBitmap Solid(int height, COLORREF colour)
{
    return wintest::MemoryBitmap(kBarWidth, height, [colour](int, int) { return colour; });
}

class ScrollOwnerWindow : public CCustomWindow
{
public:
    bool Open() { return Create(nullptr, RECT{0, 0, 200, 200}, WS_POPUP | WS_VISIBLE); }
};

class VScrollBarTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_owner.Open());
        m_thumb = Solid(20, RGB(250, 250, 0));
        m_top = Solid(4, RGB(200, 0, 0));
        m_bottom = Solid(4, RGB(200, 0, 0));
        m_up = Solid(10, RGB(0, 200, 0));
        m_down = Solid(10, RGB(0, 200, 0));
        m_span = Solid(2, RGB(60, 60, 60));
        m_request.owner = m_owner.Handle();
        m_request.screenRect = RECT{300, 40, 450, 131};  // the list is 90 high inside the frame
        m_request.attached = true;
        m_request.borderWidth = 1;
        m_request.scrollBar = ListPopupScrollBar{kBarWidth, m_thumb.Get(), m_top.Get(), m_bottom.Get(),
                                                 m_up.Get(), m_down.Get(), m_span.Get()};
        for (int entry = 0; entry < 20; ++entry)
            m_request.entries.push_back(ListPopupEntry{L"Entry " + std::to_wstring(entry), {}, nullptr});
        m_panel = std::make_unique<CListPanel>(m_request);
        ASSERT_TRUE(m_panel->OpenModeless());
        ShowWindow(m_panel->Handle(), SW_SHOWNA);
        wintest::PumpBriefly();
        if (m_panel->List() == nullptr || m_panel->List()->ScrollBar() == nullptr)
            throw std::runtime_error("the list has no scroll bar");
    }

    CListPanelList& List() { return *m_panel->List(); }
    CVScrollBar& Bar() { return *List().ScrollBar(); }

    void Press(int y, bool release = true)
    {
        SendMessageW(Bar().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, y));
        if (release)
            SendMessageW(Bar().Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, y));
    }

    ScrollOwnerWindow m_owner;
    UniqueBitmap m_thumb, m_top, m_bottom, m_up, m_down, m_span;
    ListPopupRequest m_request;
    std::unique_ptr<CListPanel> m_panel;
};

TEST_F(VScrollBarTest, LiesAlongTheListsRightEdge)
{
    RECT bar{};
    GetWindowRect(Bar().Handle(), &bar);
    RECT list{};
    GetWindowRect(List().Handle(), &list);
    EXPECT_EQ(bar.right, list.right);
    EXPECT_EQ(bar.right - bar.left, kBarWidth);
    EXPECT_EQ(bar.bottom - bar.top, list.bottom - list.top);
    EXPECT_EQ(Bar().ThumbTop(), 14);
    // The rows end where the bar begins.
    EXPECT_EQ(List().RowAt(POINT{150 - kBarWidth + 2, 5}), -1);
}

TEST_F(VScrollBarTest, ClickInTheTrackPagesTowardsIt)
{
    ASSERT_EQ(Bar().BarGeometry().height, 90);
    const int visible = 90 / List().LineHeight();
    Press(80 - 10);  // below the thumb, above the down arrow
    EXPECT_EQ(List().TopRow(), visible);
    EXPECT_GT(Bar().ThumbTop(), 14);
    Press(15 + 0);  // now above the thumb
    EXPECT_EQ(List().TopRow(), 0);
    EXPECT_EQ(Bar().ThumbTop(), 14);
    // The list holds the mouse again afterwards.
    EXPECT_EQ(GetCapture(), List().Handle());
}

TEST_F(VScrollBarTest, ArrowsScrollOneLineOnRelease)
{
    Press(8);  // up arrow at the top: nothing to go to
    EXPECT_EQ(List().TopRow(), 0);
    Press(82);
    EXPECT_EQ(List().TopRow(), 1);
    Press(82);
    EXPECT_EQ(List().TopRow(), 2);
    Press(8);
    EXPECT_EQ(List().TopRow(), 1);
}

TEST_F(VScrollBarTest, HeldArrowKeepsScrolling)
{
    Press(82, false);
    // The first repeat comes after 250 ms, then one line every 50 ms.
    EXPECT_TRUE(wintest::PumpUntil([this] { return List().TopRow() >= 3; }));
    // Released over the arrow: one more line, and the repeating stops (its timer is gone).
    const int held = List().TopRow();
    SendMessageW(Bar().Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 82));
    EXPECT_EQ(List().TopRow(), held + 1);
    EXPECT_FALSE(KillTimer(Bar().Handle(), CVScrollBar::kRepeatTimer));
    EXPECT_FALSE(KillTimer(Bar().Handle(), CVScrollBar::kFirstDelayTimer));
}

TEST_F(VScrollBarTest, DraggingTheThumbScrollsTheList)
{
    Press(20, false);  // on the thumb
    SendMessageW(Bar().Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 200));
    const int lastTop = List().RowCount() - 90 / List().LineHeight();
    EXPECT_EQ(List().TopRow(), lastTop);
    EXPECT_EQ(Bar().ThumbTop(), Bar().BarGeometry().ThumbMax());
    SendMessageW(Bar().Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 0));
    EXPECT_EQ(List().TopRow(), 0);
    SendMessageW(Bar().Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 0));
    EXPECT_EQ(Bar().ThumbTop(), 14);
}

TEST_F(VScrollBarTest, WheelOnTheListMovesTheThumb)
{
    SendMessageW(List().Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-3 * WHEEL_DELTA)), 0);
    EXPECT_EQ(List().TopRow(), 3);
    EXPECT_GT(Bar().ThumbTop(), 14);
}

}  // namespace
