// The pop-ups that ask the user for something, driven by real X input (xdotool) while they run
// modally: the name entry, the single-key entry, the DPI stages, the ready-made commands, and
// the preview of a profile.
#include <string>

#include "../support/RealInput.h"
#include "../support/XInputScript.h"
#include "AppTestSupport.h"
#include "VantixApp/CDPIStagesPopup.h"
#include "VantixApp/CPopupBoxSingleKeyEntry.h"
#include "VantixApp/CPredefinedMacroPopup.h"
#include "VantixApp/CPreviewPopup.h"
#include "VantixApp/CVantixNameEntryPopup.h"
#include "config/CVantixConfig.h"
#include "controls/CDPIStageWindow.h"
#include "controls/CEditItemSingleKeyInput.h"
#include "controls/CListPanelList.h"
#include "controls/CSliderHMulti.h"
#include "macro/CMacro.h"
#include "skin/win/CDropdownListItem.h"
#include "skin/win/CTextItem.h"
#include "vocabulary/FunctionCodes.h"
#include "vocabulary/ItemIds.h"
#include "vocabulary/NameKeys.h"

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

TEST_F(EntryPopupTest, StagesPopupCountsSelectsAndSetsTheSelectedStage)
{
    using Stage = CDpiStageList::Stage;
    CDpiStageList stages(110, 800, 10,
                         {Stage{400, 400, 400, false, true, false}, Stage{500, 500, 500, true, true, false},
                          Stage{600, 600, 600, false, true, false}},
                         3);
    CDPIStagesPopup popup(L"DPIStagesPopup.xml", stages, nullptr);
    std::wstring countShown;
    const auto thumb = [&] { return popup.Slider(CDpiStageList::Axis::Both)->Thumb(0); };
    const auto drag = [&] {
        CSliderHMulti& slider = *popup.Slider(CDpiStageList::Axis::Both);
        const int32_t from = thumb()->Scale().CentreOf(thumb()->GetValue());
        const int32_t to = thumb()->Scale().CentreOf(80);
        return L"mousemove " + wintest::ScreenArguments(slider.Handle(), from, 18) + L" mousedown 1 mousemove " +
               wintest::ScreenArguments(slider.Handle(), (from + to) / 2, 20) + L" mousemove " +
               wintest::ScreenArguments(slider.Handle(), to, 22) + L" mouseup 1";
    };
    CXInputScript script;
    script
        .Then([&] { return IsUp(popup) && popup.Tile(4) != nullptr && popup.Slider(CDpiStageList::Axis::Both); },
              [&] { return CXInputScript::ClickCentreOf(ItemOf(popup, ItemId::BUTTON_DPISTAGES_INC)); })
        .Then([&] { return stages.ActiveCount() == 4; }, [&] { return CXInputScript::ClickCentreOf(popup.Tile(3)->Handle()); })
        .Then([&] { return stages.CurrentIndex() == 3; },
              [&] { return CXInputScript::ClickCentreOf(ItemOf(popup, ItemId::BUTTON_DPISTAGES_DEC)); })
        .Then([&] { return stages.ActiveCount() == 3; },
              [&] { return CXInputScript::ClickCentreOf(ItemOf(popup, ItemId::BUTTON_DPISTAGES_DEC)); })
        .Then(
            [&] {
                countShown = popup.CountText() != nullptr ? popup.CountText()->Text() : L"";
                return stages.ActiveCount() == 2 && stages.CurrentIndex() == 1;
            },
            drag)
        .Then([&] { return !thumb()->IsDragging() && stages.At(1).value == 800; },
              [&] { return CXInputScript::ClickCentreOf(ItemOf(popup, ItemId::BUTTON_DPISTAGES_OK)); });
    EXPECT_EQ(RunDriven(popup, script), CPopupBox::kResultOk) << script.Failure();
    EXPECT_EQ(countShown, L"2");
    ASSERT_EQ(stages.Size(), 5u);
    EXPECT_EQ(stages.At(1).value, 800) << "a position past the maximum stores the maximum";
    EXPECT_EQ(stages.At(4).value, 5600);
    EXPECT_FALSE(stages.At(2).enabled);
}

TEST_F(EntryPopupTest, ReadyMadeCommandIsChosenFromTheOpenedList)
{
    CPredefinedMacroPopup popup(L"AdvancedMacroPopup.xml", nullptr);
    const auto openList = [] { return dynamic_cast<CListPanelList*>(CWindow::FromHandle(GetCapture())); };
    CXInputScript script;
    script.Then([&] { return IsUp(popup) && popup.Basic() != nullptr; }, [&] { return CXInputScript::ClickCentreOf(popup.Basic()->Handle()); })
        .Then([&] { return openList() != nullptr; },
              [&] {
                  const RECT row = openList()->RowRect(1);
                  return CXInputScript::MoveTo(openList()->Handle(), row.left + 12, (row.top + row.bottom) / 2) +
                         L" click 1";
              })
        .Then([&] { return !popup.Command().empty(); },
              [&] { return CXInputScript::ClickCentreOf(ItemOf(popup, ItemId::BUTTON_ADD_BASIC_MACRO_CMDS)); });
    EXPECT_EQ(RunDriven(popup, script), CPopupBox::kResultOk) << script.Failure();
    EXPECT_EQ(popup.Basic()->EntryCount(), 9u);
    EXPECT_EQ(popup.Command(), popup.Basic()->EntryText(1));
    EXPECT_EQ(popup.Command().front(), L'$');
}

TEST_F(EntryPopupTest, PreviewNamesTheFunctionsAndTheirDetails)
{
    CVantixConfig config(L"unused-folder");
    IMouseProfile* profile = config.CreateProfile(L"Shooter");
    ASSERT_NE(profile, nullptr);
    (void)config.AddMacro(L"Reload");
    (void)profile->SetButtonAssignment(2, AssignmentInfo::MacroByName(L"Reload"));
    (void)profile->SetButtonAssignment(3, AssignmentInfo::ProfileByName(L"Missing"));
    CPreviewPopup popup(L"PreviewPopup.xml", *profile, config, nullptr);
    std::wstring second;
    CXInputScript script;
    script.Then(
        [&] {
            const auto* text = popup.Items().Find<CTextItem>(ItemId::TEXT_PREVIEW_02, ItemKind::TextItem);
            second = text != nullptr ? text->Text() : L"";
            return IsUp(popup) && !second.empty();
        },
        [&] { return CXInputScript::ClickCentreOf(ItemOf(popup, ItemId::BUTTON_POPUP_PREVIEW_OK)); });
    EXPECT_NE(RunDriven(popup, script), kTimedOut) << script.Failure();
    const CLanguageSet& languages = CSkinEnvironment::Instance().Languages();
    EXPECT_EQ(popup.Line(0), languages.ShowText(NameKeys::FunctionNameKey(FunctionCode::kClick)));
    EXPECT_EQ(popup.Line(1), languages.ShowText(NameKeys::FunctionNameKey(FunctionCode::kMacroByName)) + L": Reload");
    EXPECT_EQ(second, popup.Line(1));
    EXPECT_EQ(popup.Line(2), languages.ShowText(NameKeys::FunctionNameKey(FunctionCode::kProfileByName)))
        << "a profile that is not there adds no detail";
}

}  // namespace
