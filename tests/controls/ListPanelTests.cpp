// The pop-up list panel: its rows, the choice a click or the keyboard makes, the ways it is
// dismissed, scrolling, and a cascaded sub-list. The panel runs without a loop of its own and
// the test drives it by messages.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "../support/WindowTestSupport.h"
#include "controls/CListPanel.h"
#include "controls/CListPanelList.h"
#include "controls/CListPanelPopup.h"
#include "skin/win/CCustomWindow.h"
#include "skin/win/CListPanelItem.h"
#include "skin/win/CSkinEnvironment.h"

namespace {

constexpr COLORREF kText = RGB(240, 240, 240);
constexpr COLORREF kBackground = RGB(0, 0, 90);
constexpr COLORREF kHighlightBackground = RGB(250, 200, 0);
constexpr COLORREF kInactiveBackground = RGB(70, 70, 70);
constexpr COLORREF kBorder = RGB(220, 0, 0);

// The owner of the panels: a plain top-level window.
class OwnerWindow : public CCustomWindow
{
public:
    bool Open() { return Create(nullptr, RECT{0, 0, 300, 300}, WS_POPUP | WS_VISIBLE); }
};

void PutCursor(HWND window, int x, int y)
{
    POINT point{x, y};
    ClientToScreen(window, &point);
    SetCursorPos(point.x, point.y);
}

using wintest::PixelOf;

class ListPanelTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_owner.Open());
        SetForegroundWindow(m_owner.Handle());
        m_request.owner = m_owner.Handle();
        m_request.screenRect = RECT{320, 40, 470, 130};  // 150 x 90
        m_request.borderWidth = 2;
        m_request.colours.text = static_cast<int32_t>(kText);
        m_request.colours.background = static_cast<int32_t>(kBackground);
        m_request.colours.highlightBackground = static_cast<int32_t>(kHighlightBackground);
        m_request.colours.inactiveBackground = static_cast<int32_t>(kInactiveBackground);
        m_request.colours.border = static_cast<int32_t>(kBorder);
    }

    void AddEntries(std::initializer_list<const wchar_t*> texts)
    {
        for (const wchar_t* text : texts)
            m_request.entries.push_back(ListPopupEntry{text, {}, nullptr});
    }

    CListPanelList& Open()
    {
        // The row under the pointer lights up: start with the pointer away from every panel,
        // wherever an earlier test left it.
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
        m_panel = std::make_unique<CListPanel>(m_request);
        EXPECT_TRUE(m_panel->OpenModeless());
        ShowWindow(m_panel->Handle(), SW_SHOWNA);
        wintest::PumpBriefly();
        if (m_panel->List() == nullptr)
            throw std::runtime_error("the panel ended while opening");
        return *m_panel->List();
    }

    // Runs the queue until the panel ended (at most five seconds); its result.
    std::optional<int> WaitForResult() const
    {
        wintest::PumpUntil([this] { return m_panel->Result().has_value(); });
        return m_panel->Result();
    }

    // The mouse itself goes there too, so that the moves the system makes up when windows change
    // agree with the test's.
    static void MoveTo(const CListPanelList& list, int row)
    {
        const RECT rect = list.RowRect(row);
        PutCursor(list.Handle(), rect.left + 10, rect.top + 2);
        SendMessageW(list.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(rect.left + 10, rect.top + 2));
    }
    static void ClickRow(const CListPanelList& list, int row)
    {
        MoveTo(list, row);
        const RECT rect = list.RowRect(row);
        SendMessageW(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rect.left + 10, rect.top + 2));
    }

    OwnerWindow m_owner;
    ListPopupRequest m_request;
    std::unique_ptr<CListPanel> m_panel;
};

TEST_F(ListPanelTest, SixEntriesInANinetyPixelListScrollFiveDoNot)
{
    m_request.screenRect.bottom = m_request.screenRect.top + 90 + m_request.borderWidth;
    m_request.attached = true;
    m_request.scrollBar.width = 12;
    AddEntries({L"1", L"2", L"3", L"4", L"5"});
    CListPanelList& five = Open();
    EXPECT_FALSE(five.HasScrollBar());
    EXPECT_EQ(GetCapture(), five.Handle());
    SendMessageW(five.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    EXPECT_EQ(five.TopRow(), 0);
    m_panel.reset();

    AddEntries({L"6", L"7", L"8", L"9", L"10"});
    CListPanelList& ten = Open();
    ASSERT_TRUE(ten.HasScrollBar());
    // The panel passes the wheel on to its list; one line per notch.
    SendMessageW(m_panel->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-2 * WHEEL_DELTA)), 0);
    EXPECT_EQ(ten.TopRow(), 2);
    SendMessageW(ten.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(WHEEL_DELTA)), 0);
    EXPECT_EQ(ten.TopRow(), 1);
    SendMessageW(ten.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(5 * WHEEL_DELTA)), 0);
    EXPECT_EQ(ten.TopRow(), 0);
    // The rows move with the scrolling: the top row now shows entry 3.
    SendMessageW(ten.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-2 * WHEEL_DELTA)), 0);
    EXPECT_EQ(ten.RowAt(POINT{5, 2}), 2);
}

TEST_F(ListPanelTest, ClickChoosesTheRowAfterAPause)
{
    AddEntries({L"zero", L"one", L"two"});
    CListPanelList& list = Open();
    ClickRow(list, 1);
    EXPECT_TRUE(list.IsChoicePending());
    EXPECT_FALSE(m_panel->Result().has_value());
    EXPECT_EQ(WaitForResult(), std::optional<int>(1));
    EXPECT_EQ(m_panel->List(), nullptr);
    EXPECT_EQ(m_panel->Handle(), nullptr);
}

TEST_F(ListPanelTest, RightClickEndsWithMinusOne)
{
    AddEntries({L"zero", L"one"});
    CListPanelList& list = Open();
    MoveTo(list, 0);
    EXPECT_EQ(list.HoveredRow(), 0);
    SendMessageW(list.Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    EXPECT_FALSE(m_panel->Result().has_value());
    EXPECT_EQ(WaitForResult(), std::optional<int>(-1));
}

TEST_F(ListPanelTest, ClickOutsideTheRowsEndsWithMinusOne)
{
    AddEntries({L"zero"});
    CListPanelList& list = Open();
    MoveTo(list, 0);
    PutCursor(list.Handle(), -50, -50);
    SendMessageW(list.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(-50, -50));
    EXPECT_EQ(list.HoveredRow(), -1);
    SendMessageW(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-50, -50));
    EXPECT_EQ(WaitForResult(), std::optional<int>(-1));
}

TEST_F(ListPanelTest, LosingTheFocusEndsWithMinusOne)
{
    AddEntries({L"zero", L"one"});
    CListPanelList& list = Open();
    SetFocus(list.Handle());
    MoveTo(list, 1);
    SetFocus(m_owner.Handle());
    EXPECT_EQ(WaitForResult(), std::optional<int>(-1));
}

TEST_F(ListPanelTest, EscapeEndsWithMinusOneAndEnterChoosesTheHoveredRow)
{
    AddEntries({L"zero", L"one"});
    CListPanelList& first = Open();
    MoveTo(first, 1);
    SendMessageW(m_panel->Handle(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(m_panel->Result(), std::optional<int>(-1));

    CListPanelList& second = Open();
    SendMessageW(second.Handle(), WM_KEYDOWN, VK_DOWN, 0);
    SendMessageW(second.Handle(), WM_KEYDOWN, VK_DOWN, 0);
    SendMessageW(second.Handle(), WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(second.HoveredRow(), 1);
    SendMessageW(m_panel->Handle(), WM_COMMAND, IDOK, 0);
    EXPECT_EQ(WaitForResult(), std::optional<int>(1));
}

TEST_F(ListPanelTest, InactiveEntryIsNeverHoveredNorChosen)
{
    CListPanelItem empty;
    AddEntries({L"zero"});
    m_request.entries.push_back(ListPopupEntry{L"empty", {}, &empty});
    CListPanelList& list = Open();
    EXPECT_TRUE(list.IsInactive(1));
    EXPECT_FALSE(list.IsInactive(0));
    MoveTo(list, 0);
    EXPECT_EQ(list.HoveredRow(), 0);
    EXPECT_EQ(PixelOf(list.Handle(), 1, list.RowRect(0).top + 1), kHighlightBackground);
    EXPECT_EQ(list.HoveredRow(), 0);
    EXPECT_EQ(PixelOf(list.Handle(), 1, list.RowRect(1).top + 1), kInactiveBackground);
    ClickRow(list, 1);
    EXPECT_EQ(list.HoveredRow(), -1);
    EXPECT_EQ(WaitForResult(), std::optional<int>(-1));
}

TEST_F(ListPanelTest, SortedRowsIgnoreCase)
{
    m_request.sorted = true;
    AddEntries({L"b", L"A", L"c"});
    CListPanelList& list = Open();
    ASSERT_EQ(list.RowCount(), 3);
    EXPECT_EQ(list.EntryOfRow(0), 1);
    EXPECT_EQ(list.EntryOfRow(1), 0);
    EXPECT_EQ(list.EntryOfRow(2), 2);
    // The result is the entry's place in the request, not the row.
    ClickRow(list, 0);
    EXPECT_EQ(WaitForResult(), std::optional<int>(1));
}

TEST_F(ListPanelTest, FrameAndRowsAreDrawnInTheirColours)
{
    AddEntries({L"zero", L"one"});
    CListPanelList& list = Open();
    const HWND panel = m_panel->Handle();
    EXPECT_EQ(PixelOf(panel, 0, 30), kBorder);
    EXPECT_EQ(PixelOf(panel, 1, 30), kBorder);
    EXPECT_EQ(PixelOf(panel, 149, 30), kBorder);
    EXPECT_EQ(PixelOf(panel, 75, 89), kBorder);
    EXPECT_EQ(PixelOf(panel, 75, 0), kBorder);
    EXPECT_EQ(PixelOf(list.Handle(), 1, list.RowRect(1).top + 1), kBackground);
    RECT listRect{};
    GetWindowRect(list.Handle(), &listRect);
    EXPECT_EQ(listRect.left, m_request.screenRect.left + 2);
    EXPECT_EQ(listRect.top, m_request.screenRect.top + 2);
    EXPECT_EQ(listRect.bottom, m_request.screenRect.bottom - 2);
}

TEST_F(ListPanelTest, AttachedPanelHasNoTopLine)
{
    m_request.attached = true;
    AddEntries({L"zero"});
    CListPanelList& list = Open();
    EXPECT_NE(PixelOf(m_panel->Handle(), 75, 0), kBorder);
    RECT listRect{};
    GetWindowRect(list.Handle(), &listRect);
    EXPECT_EQ(listRect.top, m_request.screenRect.top);
}

// Picks a row of the cascaded panel once it is open (it runs its own loop inside the click).
class CascadePicker
{
public:
    static inline int rowToPick = 0;
    static void CALLBACK Pick(HWND, UINT, UINT_PTR timer, DWORD)
    {
        auto* list = dynamic_cast<CListPanelList*>(CWindow::FromHandle(GetCapture()));
        if (list == nullptr)
            return;
        KillTimer(nullptr, timer);
        const RECT rect = list->RowRect(rowToPick);
        PutCursor(list->Handle(), rect.left + 5, rect.top + 2);
        SendMessageW(list->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(rect.left + 5, rect.top + 2));
        SendMessageW(list->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rect.left + 5, rect.top + 2));
    }
};

TEST_F(ListPanelTest, SubListOpensBesideTheRowAndSetsItsChoice)
{
    CListPanelItem profiles;
    profiles.SetSize(120, 0);
    profiles.AddEntry(L"Profile 1");
    profiles.AddEntry(L"Profile 2");
    AddEntries({L"plain"});
    m_request.entries.push_back(ListPopupEntry{L"$profile", {}, &profiles});
    CListPanelList& list = Open();
    CascadePicker::rowToPick = 1;
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, &CascadePicker::Pick);
    ClickRow(list, 1);
    KillTimer(nullptr, timer);
    EXPECT_EQ(profiles.CurrentText(), L"Profile 2");
    EXPECT_EQ(WaitForResult(), std::optional<int>(1));
}

TEST_F(ListPanelTest, PopupRunsThePanelModally)
{
    CListPanelPopup popup;
    AddEntries({L"zero", L"one"});
    // Dismissed at once by a right click that waits in the queue for the panel's list.
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR id, DWORD) {
        if (auto* list = dynamic_cast<CListPanelList*>(CWindow::FromHandle(GetCapture()))) {
            KillTimer(nullptr, id);
            SendMessageW(list->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, 0);
        }
    });
    EXPECT_EQ(popup.Show(m_request), -1);
    KillTimer(nullptr, timer);
    EXPECT_TRUE(IsWindowEnabled(m_owner.Handle()));
}

}  // namespace
