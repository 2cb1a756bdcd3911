// The gallery's controls driven by real X input (xdotool), as a user drives them: holding a
// scroll bar arrow, choosing from a cascading list, editing a report list cell in place, and
// capturing keys in the single-key field.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "../support/XInputScript.h"
#include "controls/CEditItemSingleKeyInput.h"
#include "controls/CListPanelList.h"
#include "controls/CXListCtrl.h"
#include "gallery/GalleryFixture.h"
#include "skin/win/CDropdownListItem.h"
#include "skin/win/CListPanelItem.h"
#include "vocabulary/Colours.h"
#include "vocabulary/Notifications.h"

namespace {

// The pop-up list holding the mouse, if one is open; `other` is skipped (the list a cascaded one
// opened from).
CListPanelList* OpenList(const CListPanelList* other = nullptr)
{
    auto* list = dynamic_cast<CListPanelList*>(CWindow::FromHandle(GetCapture()));
    return list != other ? list : nullptr;
}

std::wstring Centre(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    return CXInputScript::MoveTo(window, client.right / 2, client.bottom / 2);
}

class GalleryInputTest : public GalleryTest
{
protected:
    std::wstring DropdownCentre() const { return Centre(Gallery().Dropdown()->Handle()); }
    // A point of a row of an open list.
    static std::wstring RowPoint(const CListPanelList& list, int row)
    {
        const RECT rect = list.RowRect(row);
        return CXInputScript::MoveTo(list.Handle(), rect.left + 12, (rect.top + rect.bottom) / 2);
    }
    std::wstring Focus() const { return L"windowfocus --sync " + CXInputScript::XWindowOf(Gallery().Handle()); }
};

TEST_F(GalleryInputTest, HoldingTheScrollBarArrowScrollsTheList)
{
    CListPanelList* list = nullptr;
    int thumbAtStart = -1;
    int topWhileHeld = 0;
    int thumbWhileHeld = 0;
    CXInputScript script;
    script.Then(DropdownCentre() + L" click 1")
        .Then(
            [&] {
                list = OpenList();
                return list != nullptr && list->HasScrollBar();
            },
            [&] {
                CVScrollBar& bar = *list->ScrollBar();
                thumbAtStart = bar.ThumbTop();
                const ScrollBarGeometry geometry = bar.BarGeometry();
                const int arrow = geometry.DownArrowTop() + geometry.arrowDown / 2;
                return CXInputScript::MoveTo(bar.Handle(), 4, arrow) + L" mousedown 1";
            })
        // Held: after the first delay the list keeps scrolling, a line at a time.
        .Then(
            [&] {
                if (list->TopRow() < 3)
                    return false;
                topWhileHeld = list->TopRow();
                thumbWhileHeld = list->ScrollBar()->ThumbTop();
                return true;
            },
            L"mouseup 1")
        .Then(L"click 3");
    EXPECT_TRUE(script.Run([&] { return !Gallery().Dropdown()->IsOpen(); })) << script.Failure();
    EXPECT_GE(topWhileHeld, 3);
    EXPECT_GT(thumbWhileHeld, thumbAtStart);
    // Dismissed with the right button: nothing chosen.
    EXPECT_TRUE(Gallery().NoticesOf(Notification::kEntryChosen).empty());
}

TEST_F(GalleryInputTest, ChoosingFromACascadingListWithTheMouse)
{
    CListPanelList* first = nullptr;
    CListPanelList* cascaded = nullptr;
    CXInputScript script;
    script.Then(DropdownCentre() + L" click 1")
        .Then(
            [&] {
                first = OpenList();
                return first != nullptr;
            },
            [&] {
                // The profile entry, the layout's seventh.
                int row = 0;
                while (row < first->RowCount() && first->EntryOfRow(row) != 6)
                    ++row;
                return RowPoint(*first, row) + L" click 1";
            })
        .Then(
            [&] {
                cascaded = OpenList(first);
                return cascaded != nullptr;
            },
            [&] { return RowPoint(*cascaded, 1); })
        .Then([&] { return cascaded->HoveredRow() == 1; }, L"click 1");
    ASSERT_TRUE(script.Run([&] { return !Gallery().NoticesOf(Notification::kEntryChosen).empty(); }))
        << script.Failure();
    const auto opening = Gallery().NoticesOf(Notification::kDropdownOpening);
    const auto chosen = Gallery().NoticesOf(Notification::kEntryChosen);
    EXPECT_EQ(opening.size(), 1u);
    ASSERT_EQ(chosen.size(), 1u);
    EXPECT_EQ(chosen[0].wParam, 6u);
    EXPECT_EQ(chosen[0].lParam, reinterpret_cast<LPARAM>(Gallery().Dropdown()->Handle()));
    EXPECT_EQ(Gallery().ProfileMenu()->CurrentText(), L"Racing");
    EXPECT_EQ(Gallery().Dropdown()->DisplayText(), L"Profile: Racing");
}

TEST_F(GalleryInputTest, EditingAReportCellInPlace)
{
    const HWND list = List().Handle();
    auto cell = [&](int row) {
        const POINT centre = CellCentre(row, 2);
        return CXInputScript::MoveTo(list, centre.x, centre.y);
    };
    auto editing = [&] { return List().IsEditing() && GetFocus() == List().EditField()->Handle(); };
    CXInputScript script;
    script.Then(Focus())
        .Then(cell(2) + L" click --repeat 2 --delay 60 1")
        .Then(editing, L"type Garage")
        .Then([&] { return List().EditField()->Text() == L"Garage"; }, L"key Return");
    ASSERT_TRUE(script.Run([&] { return !List().IsEditing(); })) << script.Failure();
    const auto edits = Gallery().NoticesOf(Notification::kProfileNameEdited);
    ASSERT_EQ(edits.size(), 1u);
    ExpectCell(edits[0], 2, 2, L"Garage");
    EXPECT_EQ(List().Model().CellAt(2, 2)->text, L"Garage");

    CXInputScript escape;
    escape.Then(cell(3) + L" click --repeat 2 --delay 60 1")
        .Then(editing, L"type zzz")
        .Then([&] { return List().EditField()->Text() == L"zzz"; }, L"key Escape");
    ASSERT_TRUE(escape.Run([&] { return !List().IsEditing(); })) << escape.Failure();
    EXPECT_EQ(List().Model().CellAt(3, 2)->text, L"Shooter");
    EXPECT_EQ(Gallery().NoticesOf(Notification::kProfileNameEdited).size(), 1u);
}

TEST_F(GalleryInputTest, CapturingKeysInTheSingleKeyField)
{
    CEditItemSingleKeyInput& field = *Gallery().KeyField();
    RECT client{};
    GetClientRect(field.Handle(), &client);
    const COLORREF textColour = static_cast<COLORREF>(Colour::kGreen);
    EXPECT_EQ(wintest::CountPixels(field.Handle(), client, textColour), 0);
    std::wstring afterPause;
    CXInputScript script;
    script.Then(Focus())
        .Then(Centre(field.Handle()) + L" click 1")
        .Then([&] { return field.IsCapturing(); }, L"key a")
        .Then([&] { return field.Key().virtualKey == 'A'; }, L"key Pause")
        .Then(
            [&] {
                if (field.Key().virtualKey != VK_PAUSE)
                    return false;
                afterPause = field.Text();
                return true;
            },
            L"key Return");
    ASSERT_TRUE(script.Run([&] { return field.Key().virtualKey == VK_RETURN; })) << script.Failure();
    // Pause was seen but not taken; Enter was taken as a key, not as the dialog's OK.
    EXPECT_EQ(afterPause, L"A");
    EXPECT_EQ(field.Text(), field.Key().name);
    EXPECT_NE(field.Text(), L"A");
    EXPECT_TRUE(IsWindow(Gallery().Handle()));
    EXPECT_GT(wintest::CountPixels(field.Handle(), client, textColour), 0);
}

}  // namespace
