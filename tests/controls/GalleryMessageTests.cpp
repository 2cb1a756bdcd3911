// The controls of the gallery, made from its layout, driven by window messages: what each
// tells its window, what it refuses, and how it looks.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "controls/CEditItem.h"
#include "controls/CEditItemSingleKeyInput.h"
#include "controls/CXListCtrl.h"
#include "gallery/GalleryFixture.h"
#include "macro/win/CWinRawInputDevices.h"
#include "skin/CLanguageSet.h"
#include "skin/layout/CLayoutReader.h"
#include "skin/win/CItemList.h"
#include "skin/win/CLayoutLoader.h"
#include "skin/win/CListPanelItem.h"
#include "skin/win/CSkinEnvironment.h"
#include "vocabulary/Colours.h"
#include "vocabulary/Notifications.h"

namespace {

using Notice = CControlsGallery::Notice;
using wintest::CountPixels;
using wintest::PixelOf;

constexpr COLORREF Colour(int32_t value)
{
    return static_cast<COLORREF>(value);
}

LPARAM At(POINT point)
{
    return MAKELPARAM(point.x, point.y);
}

// A key message's lParam: repeat count 1 and the scan code.
LPARAM KeyData(UINT scanCode, bool release = false)
{
    return static_cast<LPARAM>(1u | (scanCode << 16) | (release ? 0xC0000000u : 0u));
}

// Answers every pop-up list with the entry of the given text.
class ChoosingPopup : public IListPopup
{
public:
    explicit ChoosingPopup(std::wstring text) : m_text(std::move(text)) {}
    int Show(const ListPopupRequest& request) override
    {
        ++shown;
        for (size_t index = 0; index < request.entries.size(); ++index)
            if (request.entries[index].text == m_text)
                return static_cast<int>(index);
        return -1;
    }

    int shown = 0;

private:
    std::wstring m_text;
};

// Installs a pop-up list for one test, putting the program's back afterwards.
class PopupScope
{
public:
    explicit PopupScope(IListPopup& popup) : m_previous(CSkinEnvironment::Instance().ListPopup())
    {
        CSkinEnvironment::Instance().SetListPopup(&popup);
    }
    ~PopupScope() { CSkinEnvironment::Instance().SetListPopup(m_previous); }

private:
    IListPopup* m_previous;
};

TEST_F(GalleryTest, LayoutElementsBecomeTheControls)
{
    ASSERT_NE(Gallery().NameField(), nullptr);
    ASSERT_NE(Gallery().DelayField(), nullptr);
    ASSERT_NE(Gallery().KeyField(), nullptr);
    EXPECT_EQ(SendMessageW(Gallery().NameField()->Handle(), EM_GETLIMITTEXT, 0, 0), 20);
    EXPECT_EQ(List().Model().ColumnCount(), 5u);
    EXPECT_EQ(List().ItemWindow(), List().Handle());
    EXPECT_EQ(List().Owner(), Gallery().Handle());
    RECT rect{};
    GetWindowRect(List().Handle(), &rect);
    EXPECT_EQ(rect.right - rect.left, 690);

    // A list with a column the control refuses (an eleventh) is not kept; the items before it
    // and after it are.
    std::string columns;
    for (int code = 0; code < 11; ++code)
        columns += "<LISTCOLUMN name=\"LCITEM_PROFILEID\" type=\"STATIC\" width=\"20\">x</LISTCOLUMN>";
    const std::string layout = "<ITEMLIST><COMBOLIST><LISTCTRL name=\"LIST_PROFILELIST\"><RECT left=\"0\" top=\"0\" "
                               "right=\"100\" bottom=\"100\"/>" + columns +
                               "</LISTCTRL></COMBOLIST><EDITCTRLLIST><EDITCTRL name=\"EDITCTRL_POPUP_NAMEENTRY\" "
                               "max=\"8\"><RECT left=\"0\" top=\"0\" right=\"50\" bottom=\"20\"/></EDITCTRL>"
                               "</EDITCTRLLIST></ITEMLIST>";
    CSkinEnvironment& skin = CSkinEnvironment::Instance();
    LayoutDescription description = CLayoutReader(skin.Cache(), skin.Languages()).ReadBytes(layout);
    ASSERT_EQ(description.items.size(), 2u);
    CItemList items;
    CLayoutLoader::Build(description, items, Gallery().Handle());
    ASSERT_EQ(items.Size(), 1u);
    EXPECT_EQ(items.At(0).Kind(), ItemKind::Edit);
}

TEST_F(GalleryTest, EditFieldReportsOnlyTheUsersChanges)
{
    CEditItem& field = *Gallery().NameField();
    field.SetText(L"Set by the program");
    EXPECT_TRUE(Gallery().Notices().empty());
    SendMessageW(field.Handle(), WM_CHAR, L'x', 1);
    const auto changes = Gallery().NoticesOf(Notification::kEditChanged);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].wParam, 0u);
    EXPECT_EQ(changes[0].lParam, reinterpret_cast<LPARAM>(field.Handle()));

    // Framed in the border colour around the background; the highlighted background while
    // disabled.
    RECT window{};
    GetWindowRect(field.Handle(), &window);
    MapWindowPoints(nullptr, Gallery().Handle(), reinterpret_cast<POINT*>(&window), 2);
    EXPECT_EQ(PixelOf(Gallery().Handle(), window.left, window.top + 10), Colour(Colour::kDarkGrey));
    EXPECT_EQ(PixelOf(Gallery().Handle(), window.right - 3, window.top + 3), Colour(Colour::kBlack2));
    EnableWindow(field.Handle(), FALSE);
    EXPECT_EQ(PixelOf(Gallery().Handle(), window.right - 3, window.top + 3), Colour(Colour::kDarkGrey2));
}

TEST_F(GalleryTest, NumericFieldTakesOnlyDigitsThatStayInRange)
{
    CEditItem& field = *Gallery().DelayField();
    auto type = [&field](const wchar_t* characters) {
        for (const wchar_t* c = characters; *c != L'\0'; ++c)
            SendMessageW(field.Handle(), WM_CHAR, *c, 1);
    };
    field.SetText(L"");
    type(L"7a0-00");
    EXPECT_EQ(field.Text(), L"700");  // 7000 is above 5000
    // Range 1 to 5: with 3 shown, 7 would make 37; on an empty field 7 is refused, 4 taken.
    ASSERT_TRUE(field.SetNumeric(1, 5));
    field.SetText(L"3");
    SendMessageW(field.Handle(), EM_SETSEL, 1, 1);
    type(L"7");
    EXPECT_EQ(field.Text(), L"3");
    field.SetText(L"");
    type(L"74");
    EXPECT_EQ(field.Text(), L"4");
    EXPECT_FALSE(field.SetNumeric(5, 1));
    // Keys other than the editing keys and digits never reach the field: Home leaves the caret.
    SendMessageW(field.Handle(), EM_SETSEL, 1, 1);
    SendMessageW(field.Handle(), WM_KEYDOWN, VK_HOME, KeyData(0x47));
    DWORD start = 0;
    SendMessageW(field.Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    EXPECT_EQ(start, 1u);
    SendMessageW(field.Handle(), WM_KEYDOWN, VK_LEFT, KeyData(0x4B));
    SendMessageW(field.Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    EXPECT_EQ(start, 0u);
}

TEST_F(GalleryTest, SingleKeyFieldNamesKeysAndHoldsTheKeyboardWhileFocused)
{
    CEditItemSingleKeyInput& field = *Gallery().KeyField();
    CRawInputRegistry& registry = CWinRawInputDevices::ProgramRegistry();
    SetFocus(field.Handle());
    EXPECT_TRUE(field.IsCapturing());
    EXPECT_EQ(registry.Usages(), std::vector<uint16_t>{CRawInputRegistry::kUsageKeyboard});

    SendMessageW(field.Handle(), WM_KEYDOWN, 'A', KeyData(0x1E));
    EXPECT_EQ(field.Text(), field.Key().name);
    EXPECT_EQ(field.Key().virtualKey, 'A');
    const std::wstring letter = field.Text();
    EXPECT_FALSE(letter.empty());
    // Pause is left to the system: the field keeps its text. Typed characters never show.
    SendMessageW(field.Handle(), WM_KEYDOWN, VK_PAUSE, KeyData(0x45));
    SendMessageW(field.Handle(), WM_CHAR, L'q', 1);
    EXPECT_EQ(field.Text(), letter);
    SendMessageW(field.Handle(), WM_KEYDOWN, VK_RETURN, KeyData(0x1C));
    EXPECT_EQ(field.Key().virtualKey, VK_RETURN);
    EXPECT_EQ(field.Text(), field.Key().name);
    EXPECT_NE(field.Text(), letter);

    // Losing the focus gives the keyboard back; a registration of another window is left alone.
    SetFocus(Gallery().NameField()->Handle());
    EXPECT_FALSE(registry.IsRegistered());
    registry.AddUsage(CRawInputRegistry::kUsageKeyboard);
    ASSERT_TRUE(registry.Register(reinterpret_cast<uintptr_t>(Gallery().Handle())));
    SetFocus(field.Handle());
    EXPECT_FALSE(field.IsCapturing());
    SetFocus(Gallery().NameField()->Handle());
    EXPECT_EQ(registry.Target(), reinterpret_cast<uintptr_t>(Gallery().Handle()));
    registry.Unregister();
}

TEST_F(GalleryTest, ExclusiveCheckColumnMovesItsOneCheck)
{
    // Row 0 is the active one.
    SendMessageW(List().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(CellCentre(0, 0)));
    SendMessageW(List().Handle(), WM_LBUTTONUP, 0, At(CellCentre(0, 0)));
    EXPECT_TRUE(Gallery().NoticesOf(Notification::kProfileCheckToggled).empty());
    const auto presses = Gallery().NoticesOf(Notification::kListPressed);
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(presses[0].wParam, 0u);
    EXPECT_EQ(presses[0].lParam, reinterpret_cast<LPARAM>(List().Handle()));

    const POINT other = CellCentre(2, 0);
    const COLORREF checked = PixelOf(List().Handle(), CellCentre(0, 0).x, CellCentre(0, 0).y);
    const COLORREF unchecked = PixelOf(List().Handle(), other.x, other.y);
    EXPECT_NE(checked, unchecked);
    SendMessageW(List().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(other));
    SendMessageW(List().Handle(), WM_LBUTTONUP, 0, At(other));
    const auto toggles = Gallery().NoticesOf(Notification::kProfileCheckToggled);
    ASSERT_EQ(toggles.size(), 1u);
    EXPECT_EQ(toggles[0].wParam, reinterpret_cast<WPARAM>(List().Handle()));
    EXPECT_EQ(toggles[0].row, 2);
    EXPECT_EQ(toggles[0].column, 0);
    EXPECT_EQ(toggles[0].value, 1);
    EXPECT_EQ(PixelOf(List().Handle(), other.x, other.y), checked);
    EXPECT_EQ(PixelOf(List().Handle(), CellCentre(0, 0).x, CellCentre(0, 0).y), unchecked);
    EXPECT_EQ(List().GetSelectedRowKey(), 2);
}

TEST_F(GalleryTest, CheckCellTogglesOnlyNearItsCentre)
{
    const POINT centre = CellCentre(0, 4);
    SendMessageW(List().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x + 7, centre.y));
    EXPECT_TRUE(Gallery().NoticesOf(Notification::kProfileCheckToggled).empty());
    SendMessageW(List().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x + 6, centre.y));
    const auto toggles = Gallery().NoticesOf(Notification::kProfileCheckToggled);
    ASSERT_EQ(toggles.size(), 1u);
    EXPECT_EQ(toggles[0].value, 1);
    EXPECT_EQ(toggles[0].column, 4);
    // Every row is ticked now but the third: ticking it marks the heading.
    EXPECT_FALSE(List().Header().IsAllChecked(4));
    List().SetCheck(4, 2, 1);
    List().SetCheck(4, 3, 1);
    EXPECT_TRUE(List().Header().IsAllChecked(4));
    EXPECT_EQ(Gallery().NoticesOf(Notification::kProfileCheckToggled).size(), 1u);  // the program's are not told
}

TEST_F(GalleryTest, DoubleClickActsByColumnType)
{
    SendMessageW(List().Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, At(CellCentre(1, 1)));
    const auto opened = Gallery().NoticesOf(Notification::kProfileCellOpened);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].row, 1);
    EXPECT_EQ(opened[0].column, 1);

    List().SetProgramChooser([](HWND) { return std::optional<std::wstring>(L"C:\\Games\\Kart\\kart.exe"); });
    SendMessageW(List().Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, At(CellCentre(2, 3)));
    const auto programs = Gallery().NoticesOf(Notification::kProfileProgramChosen);
    ASSERT_EQ(programs.size(), 1u);
    ExpectCell(programs[0], 2, 3, L"C:\\Games\\Kart\\kart.exe");
    EXPECT_EQ(List().Model().CellAt(2, 3)->text, L"kart.exe");
}

TEST_F(GalleryTest, InPlaceEditCommitsChangedTextOnly)
{
    SendMessageW(List().Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, At(CellCentre(2, 2)));
    ASSERT_TRUE(List().IsEditing());
    const HWND edit = List().EditField()->Handle();
    EXPECT_EQ(List().EditField()->Text(), L"Office");
    DWORD start = 1;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 6u);
    EXPECT_EQ(GetFocus(), edit);
    // Escape restores; Enter on the same text tells nothing.
    SetWindowTextW(edit, L"Garage");
    SendMessageW(edit, WM_KEYDOWN, VK_ESCAPE, KeyData(0x01));
    EXPECT_FALSE(List().IsEditing());
    EXPECT_FALSE(IsWindowVisible(edit));
    EXPECT_EQ(List().Model().CellAt(2, 2)->text, L"Office");
    List().BeginEdit(2, 2);
    SendMessageW(edit, WM_KEYDOWN, VK_RETURN, KeyData(0x1C));
    EXPECT_TRUE(Gallery().NoticesOf(Notification::kProfileNameEdited).empty());
    // A changed text is kept by Enter, and by a click elsewhere.
    List().BeginEdit(2, 2);
    SetWindowTextW(edit, L"Garage");
    SendMessageW(edit, WM_KEYDOWN, VK_RETURN, KeyData(0x1C));
    List().BeginEdit(3, 2);
    SetWindowTextW(edit, L"Arena");
    SendMessageW(List().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(CellCentre(0, 1)));
    const auto edits = Gallery().NoticesOf(Notification::kProfileNameEdited);
    ASSERT_EQ(edits.size(), 2u);
    ExpectCell(edits[0], 2, 2, L"Garage");
    ExpectCell(edits[1], 3, 2, L"Arena");
    EXPECT_EQ(List().Model().CellAt(3, 2)->text, L"Arena");
}

TEST_F(GalleryTest, OptionPanelActsOnTheRowUnderTheCursor)
{
    ChoosingPopup unassign(L"$UnassignApplication");
    {
        const PopupScope scope(unassign);
        SendMessageW(List().Handle(), WM_RBUTTONDOWN, MK_RBUTTON, At(CellCentre(1, 2)));
    }
    EXPECT_EQ(List().GetSelectedRowKey(), 1);
    const std::vector<Notice>& notices = Gallery().Notices();
    ASSERT_EQ(notices.size(), 3u);
    EXPECT_EQ(notices[0].message, Notification::kProfileOptionsOpening);
    EXPECT_EQ(notices[0].row, 1);
    EXPECT_EQ(notices[1].message, Notification::kProfileProgramChosen);
    ExpectCell(notices[1], 1, 3, L"");
    EXPECT_EQ(notices[2].message, Notification::kProfileCheckToggled);
    EXPECT_EQ(notices[2].column, 4);
    EXPECT_EQ(notices[2].value, 0);
    EXPECT_EQ(List().Model().CellAt(1, 3)->text, L"");

    Gallery().ClearNotices();
    ChoosingPopup rename(L"$Rename");
    {
        const PopupScope scope(rename);
        SendMessageW(List().Handle(), WM_RBUTTONDOWN, MK_RBUTTON, At(CellCentre(3, 0)));
    }
    const auto options = Gallery().NoticesOf(Notification::kProfileOptionChosen);
    ASSERT_EQ(options.size(), 1u);
    ExpectCell(options[0], 3, 0, L"$Rename");
}

TEST_F(GalleryTest, DropDownCellTakesTheChosenLine)
{
    constexpr int32_t kCombo = 3;
    constexpr int32_t kCode = 5;
    CXListCtrl list;
    ASSERT_TRUE(list.CreateList(Gallery().Handle(), RECT{20, 380, 420, 480}, true));
    ASSERT_EQ(list.AddColumn(kCode, L"$Dpi", kCombo, 200), 0);
    list.SetChoices(kCode, {L"800", L"1800"});
    ASSERT_TRUE(list.SetRowKey(list.InsertRow(0, RGB(255, 255, 255), 0, RGB(255, 255, 255), 0), 7));
    ASSERT_TRUE(list.SetCellText(kCode, 7, L"800"));
    ChoosingPopup popup(L"1800");
    const PopupScope scope(popup);
    const RECT cell = list.CellRect(0, 0);
    const int middle = (cell.top + cell.bottom) / 2;
    // Beside the button nothing opens; on it the chosen line becomes the cell's text.
    SendMessageW(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(cell.left + 10, middle));
    EXPECT_EQ(popup.shown, 0);
    SendMessageW(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(cell.right - 4, middle));
    EXPECT_EQ(popup.shown, 1);
    const auto edits = Gallery().NoticesOf(Notification::kProfileNameEdited);
    ASSERT_EQ(edits.size(), 1u);
    ExpectCell(edits[0], 7, 0, L"1800");
    EXPECT_EQ(list.Model().CellAt(0, 0)->text, L"1800");
}

TEST_F(GalleryTest, RowsShowTheirColoursAndAnEmptyListItsBackground)
{
    // The selected (active) row in its highlight, the others in the row background.
    const POINT selected = CellCentre(0, 1);
    const POINT plain = CellCentre(2, 1);
    EXPECT_EQ(PixelOf(List().Handle(), selected.x, selected.y - 5), RGB(0x10, 0x60, 0x30));
    EXPECT_EQ(PixelOf(List().Handle(), plain.x, plain.y - 5), RGB(0x20, 0x20, 0x24));
    List().DeleteAllRows();
    EXPECT_EQ(PixelOf(List().Handle(), plain.x, plain.y), Colour(Colour::kBlack2));
    EXPECT_EQ(List().GetSelectedRowKey(), -1);
}

}  // namespace
