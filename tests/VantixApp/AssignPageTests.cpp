// The assign-buttons page through the real main window over the simulated mouse: entries chosen
// with real X input, the left-click guard, single keys through the real pop-up, the thumb grid's
// key sets, and what the mouse holds after Apply.
#include "../support/RealInput.h"
#include "../support/XInputScript.h"
#include "MainWindowFixture.h"
#include "VantixApp/CPopupBoxSingleKeyEntry.h"
#include "config/AssignmentTables.h"
#include "controls/CEditItemSingleKeyInput.h"
#include "controls/CListPanelList.h"
#include "skin/win/CBitmapBtn.h"
#include "skin/win/CDropdownListItem.h"

namespace {

CListPanelList* OpenList(const CListPanelList* other = nullptr)
{
    auto* list = dynamic_cast<CListPanelList*>(CWindow::FromHandle(GetCapture()));
    return list != other ? list : nullptr;
}

std::wstring RowPoint(const CListPanelList& list, int row)
{
    const RECT rect = list.RowRect(row);
    return CXInputScript::MoveTo(list.Handle(), rect.left + 12, (rect.top + rect.bottom) / 2);
}

// The row of an open list that shows the entry with this key; -1 when none does.
int RowOfEntry(const CListPanelList& list, const CDropdownListItem& box, std::wstring_view key)
{
    for (int row = 0; row < list.RowCount(); ++row)
        if (box.EntryText(list.EntryOfRow(row)) == key)
            return row;
    return -1;
}

CPopupBoxSingleKeyEntry* OpenKeyPopup()
{
    CPopupBoxSingleKeyEntry* found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), [](HWND window, LPARAM result) -> BOOL {
        auto* popup = dynamic_cast<CPopupBoxSingleKeyEntry*>(CWindow::FromHandle(window));
        if (popup == nullptr || popup->Field() == nullptr || !IsWindowVisible(window))
            return TRUE;
        *reinterpret_cast<CPopupBoxSingleKeyEntry**>(result) = popup;
        return FALSE;
    }, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

class AssignPageTest : public MainWindowTest
{
protected:
    CDropdownListItem& Box(int32_t identifier) { return *window->BoundAs<CDropdownListItem>(identifier); }
    std::wstring Focus() const { return L"windowfocus --sync " + CXInputScript::XWindowOf(window->Handle()); }

    // Sends the page's notification that the box's entry of `key` was chosen.
    void ChooseByMessage(int32_t identifier, std::wstring_view key)
    {
        CDropdownListItem& box = Box(identifier);
        int index = box.IndexOfEntry(key);
        ASSERT_GE(index, 0) << "no entry";
        SendMessageW(window->Handle(), Notification::kEntryChosen, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(box.Handle()));
    }
    void Press(int32_t identifier) { SendMessageW(ItemWindow(identifier), BM_CLICK, 0, 0); }
};

TEST_F(AssignPageTest, AnEntryChosenWithTheMouseAndASubmenuEntryReachTheMouse)
{
    Open();
    CDropdownListItem& right = Box(ItemId::BUTTON_ASSNRIGHTCLICK);
    CDropdownListItem& wheel = Box(ItemId::BUTTON_ASSNSCROLLBUTTON);
    CListPanelList* first = nullptr;
    CXInputScript script;
    script.Then(Focus())
        .Then([] { return true; }, [&] { return CXInputScript::ClickCentreOf(right.Handle()); })
        .Then([&] { return (first = OpenList()) != nullptr; },
              [&] { return RowPoint(*first, RowOfEntry(*first, right, L"$menu")) + L" click 1"; });
    ASSERT_TRUE(script.Run([&] { return config->GetButtonAssignment(2).functionCode == FunctionCode::kMenu; }))
        << script.Failure();
    // The profile submenu's entry, as the drop-down reports a choice from its cascaded list.
    SendMessageW(window->Handle(), Notification::kDropdownOpening, 0, reinterpret_cast<LPARAM>(wheel.Handle()));
    const int profileEntry = wheel.IndexOfEntry(L"$profile");
    ASSERT_GE(profileEntry, 0);
    ASSERT_TRUE(wheel.SetSelection(profileEntry, config->GetProfileAt(0)->GetName()));
    SendMessageW(window->Handle(), Notification::kEntryChosen, static_cast<WPARAM>(profileEntry),
                 reinterpret_cast<LPARAM>(wheel.Handle()));
    const auto isProfile = [](int32_t code) {
        return code == FunctionCode::kProfile || code == FunctionCode::kProfileByName;
    };
    ASSERT_TRUE(isProfile(config->GetButtonAssignment(3).functionCode));
    const std::wstring profileName = config->GetProfileAt(0)->GetName();
    EXPECT_EQ(wheel.SecondText(), profileName);
    EXPECT_EQ(window->DirtyMask(), TransferFlag::kButtons);

    Click(ItemId::BUTTON_APPLY);
    WaitForTransfer();
    const auto stored = ReadStoredConfig();
    EXPECT_EQ(stored->GetButtonAssignment(2).functionCode, FunctionCode::kMenu);
    const AssignmentInfo wheelStored = stored->GetButtonAssignment(3);
    ASSERT_TRUE(isProfile(wheelStored.functionCode));
    const IMouseProfile* target = wheelStored.functionCode == FunctionCode::kProfile
        ? stored->FindProfileByGuid(wheelStored.ReferenceGuid())
        : stored->FindProfileByName(wheelStored.ReferenceName());
    ASSERT_NE(target, nullptr);
    EXPECT_EQ(target->GetName(), profileName);
}

TEST_F(AssignPageTest, TheOnlyLeftClickIsKeptUntilTheRightButtonClicks)
{
    Open();
    EXPECT_EQ(Box(ItemId::BUTTON_ASSNSCROLLUP).EntryCount(), 4u);
    EXPECT_EQ(Box(ItemId::BUTTON_ASSNSCROLLDOWN).EntryCount(), 4u);
    ChooseByMessage(ItemId::BUTTON_ASSNLEFTCLICK, L"$buttonoff");
    ASSERT_EQ(popups.requests.size(), 1u);
    EXPECT_EQ(popups.requests[0].layoutFile, L"NoClickPopup.xml");
    EXPECT_EQ(config->GetButtonAssignment(1).functionCode, FunctionCode::kClick);
    EXPECT_EQ(window->DirtyMask(), TransferFlag::kButtons) << "a refused change still counts";

    ChooseByMessage(ItemId::BUTTON_ASSNRIGHTCLICK, L"$click");
    ChooseByMessage(ItemId::BUTTON_ASSNLEFTCLICK, L"$menu");
    EXPECT_EQ(popups.requests.size(), 1u);
    Click(ItemId::BUTTON_APPLY);
    WaitForTransfer();
    const auto stored = ReadStoredConfig();
    EXPECT_EQ(stored->GetButtonAssignment(1).functionCode, FunctionCode::kMenu);
    EXPECT_EQ(stored->GetButtonAssignment(2).functionCode, FunctionCode::kClick);
}

TEST_F(AssignPageTest, ASingleKeyIsCapturedFromTheKeyboardThroughThePopup)
{
    Open();
    window->SetPopupPresenter(nullptr);
    CDropdownListItem& wheel = Box(ItemId::BUTTON_ASSNSCROLLBUTTON);
    CListPanelList* first = nullptr;
    CXInputScript script;
    script.Then(Focus())
        .Then([] { return true; }, [&] { return CXInputScript::ClickCentreOf(wheel.Handle()); })
        .Then([&] { return (first = OpenList()) != nullptr; },
              [&] { return RowPoint(*first, RowOfEntry(*first, wheel, L"$SingleKey")) + L" click 1"; })
        .Then([] { return OpenKeyPopup() != nullptr; },
              [] { return L"windowfocus --sync " + CXInputScript::XWindowOf(OpenKeyPopup()->Handle()); })
        .Then([] { return OpenKeyPopup()->Field()->IsCapturing(); }, L"key F5")
        .Then([] { return OpenKeyPopup()->Field()->Key().virtualKey == VK_F5; },
              [] {
                  CPopupBoxSingleKeyEntry& popup = *OpenKeyPopup();
                  return CXInputScript::ClickCentreOf(popup.Items().FindById(ItemId::BUTTON_POPUP_OK)->ItemWindow());
              });
    ASSERT_TRUE(script.Run([&] { return OpenKeyPopup() == nullptr && config->GetButtonAssignment(3).functionCode == FunctionCode::kSingleKey; }))
        << script.Failure();
    EXPECT_EQ(config->GetButtonAssignment(3).KeyVirtualKey(), VK_F5);
    EXPECT_FALSE(wheel.SecondText().empty());

    Click(ItemId::BUTTON_APPLY);
    WaitForTransfer();
    const AssignmentInfo stored = ReadStoredConfig()->GetButtonAssignment(3);
    EXPECT_EQ(stored.functionCode, FunctionCode::kSingleKey);
    EXPECT_EQ(stored.KeyScanCode(), 0x3F) << "the mouse keeps the key's scan code";
}

TEST_F(AssignPageTest, ThumbGridSwitchesKeySetsAndRestoresDefaultsWhenEveryKeyWasOff)
{
    Open();
    window->ShowPage(PageBit::kAssignKeys);
    Press(ItemId::BUTTON_KEYASSIGN_123NUM_NUM);
    ChooseByMessage(ItemId::BUTTON_ASSNTHUMBGRID01, L"$Double-Click");
    EXPECT_EQ(config->GetKeyAssignment(79).functionCode, FunctionCode::kDoubleClick) << "the NUM set's first key";
    EXPECT_EQ(config->GetKeyAssignment(2), AssignmentTables::DefaultKeyAssignment(2));

    for (uint32_t key : AssignmentTables::kKeypadKeys)
        config->SetKeyAssignment(key, AssignmentInfo::Function(FunctionCode::kButtonOff));
    Press(ItemId::BUTTON_DISABLE_KEYS);
    EXPECT_FALSE(config->GetKeysEnabled());
    EXPECT_TRUE(Box(ItemId::BUTTON_ASSNTHUMBGRID05).IsDisabled());
    Press(ItemId::BUTTON_DISABLE_KEYS);
    EXPECT_TRUE(config->GetKeysEnabled());
    EXPECT_EQ(config->GetKeyAssignment(79), AssignmentTables::DefaultKeyAssignment(79));

    Click(ItemId::BUTTON_APPLY);
    WaitForTransfer();
    const auto stored = ReadStoredConfig();
    EXPECT_TRUE(stored->GetKeysEnabled());
    EXPECT_EQ(stored->GetKeyAssignment(78), AssignmentTables::DefaultKeyAssignment(78));
}
