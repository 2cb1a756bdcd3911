// List panel items: a list description without a window, shown through the pop-up list.
#include <windows.h>

#include <gtest/gtest.h>

#include "ItemTestWindow.h"
#include "skin/layout/ItemDescriptions.h"
#include "skin/win/CListPanelItem.h"
#include "skin/win/CSkinEnvironment.h"

namespace {

class RecordingPopup : public IListPopup
{
public:
    int Show(const ListPopupRequest& request) override
    {
        requests.push_back(request);
        return answer;
    }
    int answer = -1;
    std::vector<ListPopupRequest> requests;
};

class ListPanelItemTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_window.Open(RECT{30, 40, 230, 240}));
        CSkinEnvironment::Instance().SetListPopup(&m_popup);
    }
    void TearDown() override { CSkinEnvironment::Instance().SetListPopup(nullptr); }

    itemtest::RecordingWindow m_window;
    RecordingPopup m_popup;
};

TEST_F(ListPanelItemTest, DescriptionGivesSizeColoursAndEntries)
{
    ListPanelDescription description;
    description.identifier = 9;
    description.rect = LayoutRect{0, 0, 150, 90};
    description.fontColourHighlight = static_cast<int32_t>(RGB(9, 9, 9));
    description.disabledBackColour = static_cast<int32_t>(RGB(7, 7, 7));
    description.borderWidth = 0;  // out of range: the default stays
    description.entries = {L"x", L"y"};
    auto item = CListPanelItem::Create(description, m_window.Handle(), nullptr);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->Width(), 150);
    EXPECT_EQ(item->Height(), 90);
    EXPECT_EQ(item->BorderWidth(), 1);
    EXPECT_EQ(item->Colours().highlightText, static_cast<int32_t>(RGB(9, 9, 9)));
    EXPECT_EQ(item->Colours().inactiveBackground, static_cast<int32_t>(RGB(7, 7, 7)));
    // Defaults where the layout gives none.
    EXPECT_EQ(item->Colours().text, static_cast<int32_t>(RGB(255, 255, 255)));
    EXPECT_EQ(item->Colours().background, 0);
    EXPECT_EQ(item->Colours().highlightBackground, static_cast<int32_t>(RGB(255, 255, 255)));
    EXPECT_EQ(item->Colours().inactiveText, static_cast<int32_t>(RGB(255, 255, 255)));
    EXPECT_EQ(item->Entries().size(), 2u);
    EXPECT_EQ(item->ItemWindow(), CGUIItem::kNoWindow);
}

TEST_F(ListPanelItemTest, CurrentIndexAndEntries)
{
    CListPanelItem item;
    item.SetEntries({ListEntry{L"", L"ignored", nullptr}, ListEntry{L"b", L"dropped", nullptr}});
    EXPECT_EQ(item.Entries()[1].secondText, L"");
    EXPECT_EQ(item.CurrentIndex(), -1);
    item.SetCurrentText(L"b");
    EXPECT_EQ(item.CurrentIndex(), 1);
    item.SetCurrentText(L"z");
    EXPECT_EQ(item.CurrentIndex(), -1);
    EXPECT_EQ(item.EntryText(1), L"b");
    EXPECT_EQ(item.EntryText(2), L"");
}

TEST_F(ListPanelItemTest, ShowAtOpensAtTheWindowsPointAndReturnsTheChoice)
{
    CListPanelItem item;
    item.SetSize(150, 90);
    item.AddEntry(L"a");
    item.AddEntry(L"b");
    m_popup.answer = 1;
    EXPECT_EQ(item.ShowAt(m_window.Handle(), 10, 20), 1);
    ASSERT_EQ(m_popup.requests.size(), 1u);
    POINT origin{10, 20};
    ClientToScreen(m_window.Handle(), &origin);
    const RECT& shown = m_popup.requests[0].screenRect;
    EXPECT_EQ(shown.left, origin.x);
    EXPECT_EQ(shown.top, origin.y);
    EXPECT_EQ(shown.right - shown.left, 150);
    EXPECT_EQ(shown.bottom - shown.top, 90);
    EXPECT_FALSE(m_popup.requests[0].attached);
    EXPECT_EQ(m_popup.requests[0].owner, m_window.Handle());

    m_popup.answer = -1;
    EXPECT_LT(item.ShowAt(m_window.Handle(), 0, 0, 40), 0);
    EXPECT_EQ(m_popup.requests[1].screenRect.bottom - m_popup.requests[1].screenRect.top, 40);

    CSkinEnvironment::Instance().SetListPopup(nullptr);
    EXPECT_LT(item.ShowAt(m_window.Handle(), 0, 0), 0);
}

}  // namespace
