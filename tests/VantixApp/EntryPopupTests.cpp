// The pop-ups that ask the user for something, driven by real X input (xdotool) while they run
// modally: the name entry, the single-key entry, the DPI stages, the ready-made commands, and
// the preview of a profile.
#include <string>

#include "../support/RealInput.h"
#include "../support/XInputScript.h"
#include "AppTestSupport.h"
#include "VantixApp/CPopupBoxSingleKeyEntry.h"
#include "VantixApp/CVantixNameEntryPopup.h"
#include "controls/CEditItemSingleKeyInput.h"
#include "skin/win/CTextItem.h"
#include "vocabulary/ItemIds.h"

namespace {

constexpr INT_PTR kTimedOut = 99;

class EntryPopupTest : public ::testing::Test
{
protected:
    // Runs the pop-up modally while the script drives it; still open after the deadline, it
    // is closed with kTimedOut so that a broken script fails instead of hanging.
    INT_PTR RunDriven(CGUIPanel& popup, CXInputScript& script)
    {
        s_popup = &popup;
        s_deadline = GetTickCount64() + 30000;
        const UINT_PTR guard = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) {
            if (s_popup != nullptr && GetTickCount64() > s_deadline)
                s_popup->EndModal(kTimedOut);
        });
        script.Start();
        const INT_PTR result = popup.RunModal();
        script.Stop();
        KillTimer(nullptr, guard);
        s_popup = nullptr;
        return result;
    }

    static bool IsUp(const CGUIPanel& popup) { return popup.Handle() != nullptr && IsWindowVisible(popup.Handle()); }
    static std::wstring Focus(const CGUIPanel& popup)
    {
        return L"windowfocus --sync " + CXInputScript::XWindowOf(popup.Handle());
    }
    static HWND ItemOf(CGUIPanel& popup, int32_t identifier)
    {
        const CGUIItem* item = popup.Items().FindById(identifier);
        return item != nullptr ? item->ItemWindow() : nullptr;
    }

    static inline CGUIPanel* s_popup = nullptr;
    static inline ULONGLONG s_deadline = 0;
    SkinEnvironmentScope skin;
};

TEST_F(EntryPopupTest, NameEntryKeepsTwentyOfTwentyFiveTypedCharacters)
{
    CVantixNameEntryPopup popup(L"ProfileRenamePopup.xml", L": Racing", nullptr);
    std::wstring heading;
    CXInputScript script;
    script
        .Then([&] { return IsUp(popup) && popup.Field() != nullptr; }, [&] { return Focus(popup); })
        .Then([&] { return GetFocus() == popup.Field()->Handle(); }, L"type abcdefghijklmnopqrstuvwxy")
        .Then(
            [&] {
                heading = popup.Heading() != nullptr ? popup.Heading()->Text() : L"";
                return popup.Field()->Text().size() == 20;
            },
            [&] { return CXInputScript::ClickCentreOf(ItemOf(popup, ItemId::BUTTON_POPUP_OK)); });
    EXPECT_EQ(RunDriven(popup, script), CPopupBox::kResultOk) << script.Failure();
    EXPECT_EQ(popup.Name(), L"abcdefghijklmnopqrst");
    EXPECT_TRUE(heading.ends_with(L": Racing")) << heading;
}

TEST_F(EntryPopupTest, SingleKeyEntryTakesEscapeAndEnterAsKeysAndOkReturnsTheKey)
{
    CPopupBoxSingleKeyEntry popup(L"SingleKeyPopup.xml", KeyStroke{}, nullptr);
    CXInputScript script;
    script.Then([&] { return IsUp(popup) && popup.Field() != nullptr; }, [&] { return Focus(popup); })
        .Then([&] { return popup.Field()->IsCapturing(); }, L"key Escape")
        .Then([&] { return popup.Field()->Key().virtualKey == VK_ESCAPE; }, L"key Return")
        .Then([&] { return popup.Field()->Key().virtualKey == VK_RETURN; },
              [&] { return CXInputScript::ClickCentreOf(ItemOf(popup, ItemId::BUTTON_POPUP_OK)); });
    EXPECT_EQ(RunDriven(popup, script), CPopupBox::kResultOk) << script.Failure();
    EXPECT_EQ(popup.Key().virtualKey, VK_RETURN);
    EXPECT_EQ(popup.Key().scanCode, 0x1C);
    EXPECT_FALSE(popup.Key().name.empty());
}

TEST_F(EntryPopupTest, SingleKeyEntryCancelEmptiesTheName)
{
    KeyStroke given;
    given.virtualKey = 'A';
    given.name = L"A";
    CPopupBoxSingleKeyEntry popup(L"SingleKeyPopup.xml", given, nullptr);
    CXInputScript script;
    script.Then([&] { return IsUp(popup) && popup.Field() != nullptr; },
                [&] { return CXInputScript::ClickCentreOf(ItemOf(popup, ItemId::BUTTON_POPUP_CANCEL)); });
    EXPECT_EQ(RunDriven(popup, script), CPopupBox::kResultCancel) << script.Failure();
    EXPECT_TRUE(popup.Key().name.empty());
}

}  // namespace
