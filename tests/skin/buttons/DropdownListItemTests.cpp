// Drop-down boxes: their entries and selection, how they paint, and what a click tells the
// parent, with a pop-up list that answers as the test says.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "ItemTestWindow.h"
#include "skin/layout/ItemDescriptions.h"
#include "skin/win/CDropdownListItem.h"
#include "skin/win/CItemList.h"
#include "skin/win/CListPanelItem.h"
#include "skin/win/CSkinEnvironment.h"
#include "vocabulary/Notifications.h"

namespace {

using itemtest::PixelOf;
using itemtest::RecordingWindow;

constexpr UINT kOpening = Notification::kDropdownOpening;
constexpr UINT kChosen = Notification::kEntryChosen;
constexpr int kBoxWidth = 120;
constexpr int kBoxHeight = 20;

// Answers every request with a fixed choice, after an optional action of the test (the list
// setting a submenu's current text, say).
class FakeListPopup : public IListPopup
{
public:
    int Show(const ListPopupRequest& request) override
    {
        requests.push_back(request);
        if (during)
            during();
        return answer;
    }

    int answer = -1;
    std::function<void()> during;
    std::vector<ListPopupRequest> requests;
};

class DropdownListItemTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.Open(RECT{10, 10, 250, 110}));
        CSkinEnvironment::Instance().SetListPopup(&m_popup);
        m_colours.text = RGB(250, 250, 0);
        m_colours.highlightText = RGB(0, 250, 250);
        m_colours.background = RGB(0, 0, 120);
        m_colours.border = RGB(220, 0, 0);
        m_colours.disabledBackground = RGB(60, 60, 60);
        m_colours.disabledBorder = RGB(100, 0, 100);
        m_colours.disabledText = RGB(150, 150, 150);
    }
    void TearDown() override { CSkinEnvironment::Instance().SetListPopup(nullptr); }

    std::unique_ptr<CDropdownListItem> MakeBox(int borderWidth = 1)
    {
        auto box = std::make_unique<CDropdownListItem>();
        EXPECT_TRUE(box->CreateBox(m_parent.Handle(), RECT{10, 10, 10 + kBoxWidth, 10 + kBoxHeight}));
        box->SetColours(m_colours);
        EXPECT_TRUE(box->SetBorderWidth(borderWidth));
        box->SetListHeight(90);
        return box;
    }

    static void Click(const CDropdownListItem& box)
    {
        SendMessageW(box.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageW(box.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }

    RecordingWindow m_parent;
    FakeListPopup m_popup;
    CDropdownListItem::Colours m_colours;
};

TEST_F(DropdownListItemTest, EntriesAndSelection)
{
    auto box = MakeBox();
    EXPECT_EQ(box->AddEntry(L"one"), 0u);
    EXPECT_EQ(box->AddEntry(L""), 1u);
    EXPECT_EQ(box->AddEntry(L"three"), 2u);
    EXPECT_FALSE(box->InsertEntry(-1, L"never"));
    EXPECT_TRUE(box->InsertEntry(0, L"zero"));
    EXPECT_TRUE(box->InsertEntry(99, L"last"));
    ASSERT_EQ(box->EntryCount(), 5u);
    EXPECT_EQ(box->EntryText(0), L"zero");
    EXPECT_EQ(box->EntryText(4), L"last");
    EXPECT_EQ(box->EntryText(5), L"");
    EXPECT_EQ(box->EntryText(-1), L"");

    // Nothing chosen yet: the empty entry does not count as the current one.
    EXPECT_EQ(box->CurrentIndex(), -1);
    EXPECT_FALSE(box->SetSelection(5));
    EXPECT_FALSE(box->SetSelection(-1));
    EXPECT_EQ(box->CurrentIndex(), -1);
    EXPECT_TRUE(box->SetSelection(2));
    EXPECT_EQ(box->CurrentIndex(), -1);
    EXPECT_TRUE(box->SetSelection(3, L"Profile 2"));
    EXPECT_EQ(box->CurrentIndex(), 3);
    std::wstring second;
    EXPECT_EQ(box->CurrentIndex(second), 3);
    EXPECT_EQ(second, L"Profile 2");
    // The selection is by text: the first entry with the text is current.
    box->AddEntry(L"three");
    EXPECT_EQ(box->CurrentIndex(), 3);
    EXPECT_EQ(box->IndexOfEntry(L"last"), 4);
    EXPECT_EQ(box->IndexOfEntry(L"none"), -1);
    EXPECT_TRUE(box->SetSelection(0));
    std::wstring untouched = L"kept";
    EXPECT_EQ(box->CurrentIndex(untouched), 0);
    EXPECT_EQ(untouched, L"kept");
}

TEST_F(DropdownListItemTest, GeometryOfBorderTextAndArrow)
{
    const auto thin = CDropdownListItem::Geometry(kBoxWidth, kBoxHeight, 1);
    const auto even = CDropdownListItem::Geometry(kBoxWidth, kBoxHeight, 2);
    const auto odd = CDropdownListItem::Geometry(kBoxWidth, kBoxHeight, 3);
    EXPECT_EQ(thin.border.left, 0);
    EXPECT_EQ(thin.border.right, kBoxWidth);
    // Widths 2 and 3 are inset alike; the even one reaches one pixel further right and down.
    EXPECT_EQ(even.border.left, odd.border.left);
    EXPECT_EQ(even.border.right, odd.border.right + 1);
    EXPECT_EQ(even.border.bottom, odd.border.bottom + 1);
    EXPECT_EQ(odd.textArea.left, 4 + 3);
    EXPECT_EQ(odd.textArea.right, kBoxWidth - kBoxHeight - 3);
    EXPECT_EQ(thin.arrow.x, kBoxWidth - kBoxHeight + (kBoxHeight - 7) / 2);
    EXPECT_EQ(thin.arrow.y, (kBoxHeight - 6) / 2);
}

TEST_F(DropdownListItemTest, PaintsBorderAndArrow)
{
    auto thin = MakeBox(1);
    EXPECT_EQ(PixelOf(thin->Handle(), 0, 0), m_colours.border);
    EXPECT_EQ(PixelOf(thin->Handle(), kBoxWidth - 1, kBoxHeight - 1), m_colours.border);
    EXPECT_EQ(PixelOf(thin->Handle(), 1, 1), m_colours.background);

    // The arrow: lines of 7, 5, 3 and 1 pixels, each one lower and one further right.
    const int x = kBoxWidth - kBoxHeight + (kBoxHeight - 7) / 2;
    const int y = (kBoxHeight - 6) / 2;
    const int lengths[] = {7, 5, 3, 1};
    for (int line = 0; line < 4; ++line) {
        EXPECT_EQ(PixelOf(thin->Handle(), x + line - 1, y + line), m_colours.background) << "line " << line;
        for (int dx = 0; dx < lengths[line]; ++dx)
            EXPECT_EQ(PixelOf(thin->Handle(), x + line + dx, y + line), m_colours.highlightText) << "line " << line;
        EXPECT_EQ(PixelOf(thin->Handle(), x + line + lengths[line], y + line), m_colours.background)
            << "line " << line;
    }
    EXPECT_EQ(PixelOf(thin->Handle(), x + 3, y + 4), m_colours.background);
    thin.reset();

    auto even = MakeBox(2);
    EXPECT_EQ(PixelOf(even->Handle(), 1, 1), m_colours.border);
    EXPECT_EQ(PixelOf(even->Handle(), kBoxWidth - 2, kBoxHeight - 2), m_colours.border);
    EXPECT_EQ(PixelOf(even->Handle(), 2, 2), m_colours.background);
}

TEST_F(DropdownListItemTest, ShowsPrefixTranslatedTextAndSecondText)
{
    const itemtest::CurrentLanguage language({{u"profile", u"Profile"}});
    auto box = MakeBox();
    box->AddEntry(L"$profile");
    box->SetSelection(0, L"Profile 2");
    EXPECT_EQ(box->DisplayText(), L"Profile: Profile 2");
    box->SetPrefix(L"> ");
    EXPECT_EQ(box->DisplayText(), L"> Profile: Profile 2");
    box->SetSelection(0);
    EXPECT_EQ(box->DisplayText(), L"> Profile");
    const RECT textArea = CDropdownListItem::Geometry(kBoxWidth, kBoxHeight, 1).textArea;
    EXPECT_GT(itemtest::CountPixels(box->Handle(), textArea, m_colours.text), 5);

    box->SetDisabled(true);
    EXPECT_EQ(PixelOf(box->Handle(), 0, 0), m_colours.disabledBorder);
    EXPECT_EQ(PixelOf(box->Handle(), 2, 2), m_colours.disabledBackground);
    EXPECT_EQ(itemtest::CountPixels(box->Handle(), textArea, m_colours.text), 0);
    EXPECT_GT(itemtest::CountPixels(box->Handle(), textArea, m_colours.disabledText), 5);
}

TEST_F(DropdownListItemTest, EveryClickAnnouncesTheListEvenWhenItIsCancelled)
{
    auto box = MakeBox();
    box->AddEntry(L"one");
    // The parent refills the entries when told the list is about to open.
    m_parent.onReceive = [&box](UINT message, WPARAM, LPARAM) {
        if (message == kOpening)
            box->AddEntry(L"added");
    };
    m_popup.answer = -1;
    Click(*box);
    Click(*box);
    const auto opening = m_parent.Of(kOpening);
    ASSERT_EQ(opening.size(), 2u);
    EXPECT_EQ(opening[0].wParam, 0u);
    EXPECT_EQ(reinterpret_cast<HWND>(opening[0].lParam), box->Handle());
    EXPECT_TRUE(m_parent.Of(kChosen).empty());
    EXPECT_EQ(box->CurrentIndex(), -1);

    ASSERT_EQ(m_popup.requests.size(), 2u);
    const ListPopupRequest& request = m_popup.requests.back();
    ASSERT_EQ(request.entries.size(), 3u);
    EXPECT_EQ(request.entries[2].text, L"added");
    RECT boxOnScreen{};
    GetWindowRect(box->Handle(), &boxOnScreen);
    EXPECT_EQ(request.screenRect.left, boxOnScreen.left);
    EXPECT_EQ(request.screenRect.right, boxOnScreen.right);
    EXPECT_EQ(request.screenRect.top, boxOnScreen.bottom);
    EXPECT_EQ(request.screenRect.bottom, boxOnScreen.bottom + 90);
    EXPECT_TRUE(request.attached);
    EXPECT_EQ(request.colours.text, static_cast<int32_t>(m_colours.text));
    EXPECT_EQ(request.colours.inactiveBackground, static_cast<int32_t>(m_colours.disabledBackground));
    EXPECT_FALSE(box->IsOpen());
}

TEST_F(DropdownListItemTest, ChoiceSetsTheSelectionAndIsReported)
{
    auto box = MakeBox();
    box->AddEntry(L"one");
    box->AddEntry(L"two");
    box->AddEntry(L"three");
    bool openWhileShown = false;
    m_popup.during = [&] { openWhileShown = box->IsOpen(); };
    m_popup.answer = 2;
    Click(*box);
    EXPECT_TRUE(openWhileShown);
    EXPECT_EQ(box->CurrentIndex(), 2);
    ASSERT_EQ(m_parent.Of(kChosen).size(), 1u);
    EXPECT_EQ(m_parent.Of(kChosen)[0].wParam, 2u);
    EXPECT_EQ(reinterpret_cast<HWND>(m_parent.Of(kChosen)[0].lParam), box->Handle());
    // The opening notice comes first.
    ASSERT_EQ(m_parent.received.size(), 2u);
    EXPECT_EQ(m_parent.received[0].message, kOpening);
}

TEST_F(DropdownListItemTest, AnswerOutsideTheEntriesIsDropped)
{
    auto box = MakeBox();
    box->AddEntry(L"one");
    m_popup.answer = 1;
    Click(*box);
    EXPECT_EQ(box->CurrentIndex(), -1);
    EXPECT_TRUE(m_parent.Of(kChosen).empty());
}

TEST_F(DropdownListItemTest, DisabledBoxDoesNothing)
{
    auto box = MakeBox();
    box->AddEntry(L"one");
    box->SetDisabled(true);
    m_popup.answer = 0;
    Click(*box);
    EXPECT_TRUE(m_parent.received.empty());
    EXPECT_TRUE(m_popup.requests.empty());
    EXPECT_EQ(box->CurrentIndex(), -1);
}

TEST_F(DropdownListItemTest, SubmenuChoiceNeedsTheSubmenusCurrentEntry)
{
    CListPanelItem submenu;
    submenu.AddEntry(L"Profile 1");
    submenu.AddEntry(L"Profile 2");
    auto box = MakeBox();
    box->AddEntry(L"plain");
    box->AddEntry(L"$profile", &submenu);
    m_popup.answer = 1;

    // The user left the submenu without a choice.
    Click(*box);
    EXPECT_EQ(box->CurrentIndex(), -1);
    EXPECT_TRUE(m_parent.Of(kChosen).empty());
    ASSERT_EQ(m_popup.requests.size(), 1u);
    EXPECT_EQ(m_popup.requests[0].entries[1].subList, &submenu);

    m_popup.during = [&submenu] { submenu.SetCurrentText(L"Profile 2"); };
    Click(*box);
    EXPECT_EQ(box->CurrentIndex(), 1);
    EXPECT_EQ(box->SecondText(), L"Profile 2");
    ASSERT_EQ(m_parent.Of(kChosen).size(), 1u);
    EXPECT_EQ(m_parent.Of(kChosen)[0].wParam, 1u);
}

TEST_F(DropdownListItemTest, WithoutAPopupListAClickOnlyAnnounces)
{
    CSkinEnvironment::Instance().SetListPopup(nullptr);
    auto box = MakeBox();
    box->AddEntry(L"one");
    Click(*box);
    EXPECT_EQ(m_parent.Of(kOpening).size(), 1u);
    EXPECT_TRUE(m_parent.Of(kChosen).empty());
}

TEST_F(DropdownListItemTest, MadeFromAComboDescription)
{
    ComboDescription description;
    description.identifier = 3;
    description.rect = LayoutRect{10, 10, kBoxWidth, kBoxHeight};
    description.listHeight = 72;
    description.fontColour = static_cast<int32_t>(RGB(1, 2, 3));
    description.disabledBorderColour = static_cast<int32_t>(RGB(4, 5, 6));
    description.borderWidth = 12;  // out of range: the default stays
    description.sorted = true;
    description.entries = {L"b", L"a"};
    CItemList owner;
    auto box = CDropdownListItem::Create(description, m_parent.Handle(), nullptr, owner);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->OwnerList(), &owner);
    EXPECT_EQ(box->ListHeight(), 72);
    EXPECT_EQ(box->BorderWidth(), 1);
    EXPECT_EQ(box->GetColours().text, RGB(1, 2, 3));
    EXPECT_EQ(box->GetColours().disabledBorder, RGB(4, 5, 6));
    EXPECT_EQ(box->GetColours().border, CDropdownListItem::Colours{}.border);
    ASSERT_EQ(box->EntryCount(), 2u);
    EXPECT_EQ(box->EntryText(0), L"b");
    Click(*box);
    ASSERT_EQ(m_popup.requests.size(), 1u);
    EXPECT_TRUE(m_popup.requests[0].sorted);
}

}  // namespace
