// The macros page through the real main window over the simulated mouse: making macros, the
// recording lock, the delay options, editing the event list, preview, delete, export and
// import through real files, read back from the mouse's store after Apply. Recording itself is
// driven with real X input: keys and a click typed by xdotool become the macro's steps.
#include <filesystem>
#include <fstream>

#include "../support/XInputScript.h"
#include "MainWindowFixture.h"
#include "VantixApp/CMacrosPage.h"
#include "config/AssignmentTables.h"
#include "controls/CEditItem.h"
#include "controls/CListPanelList.h"
#include "controls/CMacroDisplayItem.h"
#include "device/IMouseDevice.h"
#include "macro/CMacro.h"
#include "macro/CMacroRecorder.h"
#include "skin/win/CBitmapBtn.h"
#include "skin/win/CDropdownListItem.h"
#include "skin/win/CListPanelItem.h"

namespace {

using State = CMacrosPage::State;

std::vector<std::wstring> MacroNames(const IMouseConfig& config)
{
    std::vector<std::wstring> names;
    for (uint32_t index = 0; index < config.GetMacroCount(); ++index)
        names.push_back(config.GetMacroAt(index)->GetName());
    return names;
}

// A step as "kind direction key-or-button-or-delay", so that a difference names the step.
std::wstring StepText(const MacroEvent& event)
{
    switch (event.kind) {
    case MacroEventKind::Key:
        // The mouse keeps a key's scan code; the virtual key is the computer's.
        return L"key " + std::to_wstring(event.KeyDirection()) + L" " + std::to_wstring(event.ScanCode());
    case MacroEventKind::MouseButton:
        return L"button " + std::to_wstring(event.ButtonDirection()) + L" " + std::to_wstring(event.Button());
    default: return L"delay " + std::to_wstring(event.DelayMilliseconds());
    }
}

std::vector<std::wstring> StepTexts(const std::vector<MacroEvent>& events)
{
    std::vector<std::wstring> texts;
    for (const MacroEvent& event : events)
        texts.push_back(StepText(event));
    return texts;
}

MacroEvent Key(uint16_t virtualKey, uint8_t direction)
{
    return MacroEvent::Key(static_cast<uint16_t>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)), virtualKey, direction, 0);
}

}  // namespace

class MacrosPageTest : public MainWindowTest
{
protected:
    void OpenOnMacros()
    {
        Open();
        window->ShowPage(PageBit::kMacros);
        Click(ItemId::BUTTON_MANAGEMACROS);
        PumpFor(2);
        ASSERT_NE(Display(), nullptr);
    }
    [[nodiscard]] CMacrosPage& Page() const { return *dynamic_cast<CMacrosPage*>(window->Behaviour(PageBit::kMacros)); }
    [[nodiscard]] CMacroDisplayItem* Display() const
    {
        return window->BoundAs<CMacroDisplayItem>(ItemId::MACRO_DISPLAY);
    }
    [[nodiscard]] CMacroDisplayItem& Preview() const
    {
        return *window->BoundAs<CMacroDisplayItem>(ItemId::MACRO_DISPLAY_READONLY);
    }
    [[nodiscard]] CEditItem& Field(int32_t identifier) const { return *window->BoundAs<CEditItem>(identifier); }
    [[nodiscard]] CBitmapBtn& Button(int32_t identifier) const { return *window->BoundAs<CBitmapBtn>(identifier); }
    void NewMacro(const std::wstring& name)
    {
        popups.editResult = 1;
        popups.nameAnswer = name;
        Click(ItemId::BUTTON_MACRO_CREATE);
    }
    // The user picks a macro in the selector.
    void Choose(const std::wstring& name)
    {
        auto* list = window->BoundAs<CDropdownListItem>(ItemId::LIST_GLOBALMACROLIST);
        ASSERT_TRUE(list->SetSelection(list->IndexOfEntry(name)));
        SendMessageW(window->Handle(), Notification::kEntryChosen, static_cast<WPARAM>(list->CurrentIndex()),
                     reinterpret_cast<LPARAM>(list->ItemWindow()));
    }
    // What a user's typing in an edit field reports.
    void Type(int32_t identifier, const std::wstring& text)
    {
        Field(identifier).SetText(text);
        SendMessageW(window->Handle(), Notification::kEditChanged, 0,
                     reinterpret_cast<LPARAM>(Field(identifier).Handle()));
    }
    void Toggle(int32_t checkBox)
    {
        Button(checkBox).SetChecked(!Button(checkBox).IsChecked());
        Click(checkBox);
    }
    [[nodiscard]] std::vector<MacroEvent> StoredEvents(const std::wstring& name)
    {
        const std::unique_ptr<CVantixConfig> stored = ReadStoredConfig();
        const CMacro* macro = stored->FindMacroByName(name);
        return macro != nullptr ? macro->GetEvents() : std::vector<MacroEvent>{};
    }
    [[nodiscard]] std::wstring Focus() const
    {
        return L"windowfocus --sync " + CXInputScript::XWindowOf(window->Handle());
    }
};

TEST_F(MacrosPageTest, ANameTakenInAnotherLetterCaseShowsTheDuplicateWarningAndRecordAsksForANameFirst)
{
    OpenOnMacros();
    EXPECT_EQ(Page().CurrentState(), State::NoMacro);
    EXPECT_FALSE(IsWindowEnabled(ItemWindow(ItemId::BUTTON_MACRO_DELETE)));
    EXPECT_FALSE(IsWindowEnabled(ItemWindow(ItemId::BUTTON_APPLY))) << "showing the page changes nothing";

    popups.editResult = 1;
    popups.nameAnswer = L"Burst";
    Click(ItemId::BUTTON_MACRO_RECORD);
    ASSERT_EQ(popups.shown, std::vector<std::wstring>{CMacrosPage::kNamePopup}) << "record without a macro makes one";
    EXPECT_EQ(Page().CurrentState(), State::Idle);
    EXPECT_FALSE(Display()->IsRecording());
    EXPECT_EQ(window->BoundAs<CDropdownListItem>(ItemId::LIST_GLOBALMACROLIST)->CurrentText(), L"Burst");
    EXPECT_TRUE(IsWindowEnabled(ItemWindow(ItemId::BUTTON_MACRO_DELETE)));

    for (const wchar_t* taken : {L"Burst", L"BURST"}) {
        NewMacro(taken);
        EXPECT_EQ(TakeWarning(), CMacrosPage::kDuplicatePopup) << "for " << std::string(taken, taken + 5);
    }
    EXPECT_EQ(MacroNames(*config), std::vector<std::wstring>{L"Burst"});
}

TEST_F(MacrosPageTest, WhileRecordingOnlyStopActsAndStopKeepsTheSteps)
{
    OpenOnMacros();
    NewMacro(L"Lock");
    Click(ItemId::BUTTON_MACRO_RECORD);
    ASSERT_EQ(Page().CurrentState(), State::Recording);
    EXPECT_TRUE(Display()->IsRecording());
    EXPECT_TRUE(Button(ItemId::BUTTON_MACRO_RECORD).IsBlinking());
    EXPECT_EQ(Display()->CaptureWindow(), ItemWindow(ItemId::BUTTON_MACRO_RECORD_STOP));

    for (int32_t ignored : {ItemId::BUTTON_MANAGEPROFILES, ItemId::BUTTON_APPLY, ItemId::BUTTON_MACRO_DELETE,
                            ItemId::BUTTON_MACRO_CREATE, ItemId::BUTTON_EXIT})
        Click(ignored);
    SendMessageW(window->Handle(), WM_COMMAND, IDOK, 0);
    SendMessageW(window->Handle(), WM_COMMAND, IDCANCEL, 0);
    PumpFor(3);
    ASSERT_TRUE(IsOpen());
    EXPECT_TRUE(window->IsPageShown(PageBit::kMacros));
    EXPECT_EQ(MacroNames(*config), std::vector<std::wstring>{L"Lock"});
    EXPECT_TRUE(popups.shown.size() == 1 && popups.requests.empty()) << "no pop-up while recording";
    for (int32_t locked : {ItemId::BUTTON_OK, ItemId::BUTTON_APPLY, ItemId::BUTTON_MANAGEPROFILES})
        EXPECT_FALSE(IsWindowEnabled(ItemWindow(locked))) << locked;
    EXPECT_TRUE(IsWindowEnabled(ItemWindow(ItemId::BUTTON_MACRO_RECORD_STOP)));

    Click(ItemId::BUTTON_MACRO_RECORD_STOP);
    EXPECT_EQ(Page().CurrentState(), State::Idle);
    EXPECT_FALSE(Display()->IsRecording());
    EXPECT_FALSE(Button(ItemId::BUTTON_MACRO_RECORD).IsBlinking());
    EXPECT_TRUE(IsWindowEnabled(ItemWindow(ItemId::BUTTON_OK)));
    Click(ItemId::BUTTON_MANAGEPROFILES);
    EXPECT_TRUE(window->IsPageShown(PageBit::kProfiles)) << "the lock is gone";
}

TEST_F(MacrosPageTest, DelayOptionsExcludeEachOtherAndAnEmptyDefaultDelayIsRefused)
{
    OpenOnMacros();
    NewMacro(L"Delays");
    EXPECT_EQ(Field(ItemId::EDITCTRL_DEFAULT_DELAY).Text(), L"50");
    EXPECT_FALSE(IsWindowEnabled(Field(ItemId::EDITCTRL_DEFAULT_DELAY).Handle()));

    Toggle(ItemId::BUTTON_DEFAULT_DELAY);
    EXPECT_TRUE(Display()->Recorder().UseDefaultDelay());
    EXPECT_TRUE(IsWindowEnabled(Field(ItemId::EDITCTRL_DEFAULT_DELAY).Handle()));
    Type(ItemId::EDITCTRL_DEFAULT_DELAY, L"120");
    EXPECT_EQ(Display()->Recorder().DefaultDelay(), 120);
    Type(ItemId::EDITCTRL_DEFAULT_DELAY, L"");
    EXPECT_EQ(TakeWarning(), CMacrosPage::kDefaultDelayPopup) << "emptying the field warns at once";
    EXPECT_EQ(Field(ItemId::EDITCTRL_DEFAULT_DELAY).Text(), L"50");

    Toggle(ItemId::BUTTON_IGNORE_DELAY);
    EXPECT_TRUE(Display()->Recorder().NoDelays());
    EXPECT_FALSE(Display()->Recorder().UseDefaultDelay());
    EXPECT_FALSE(Button(ItemId::BUTTON_DEFAULT_DELAY).IsChecked());
    EXPECT_FALSE(IsWindowEnabled(Field(ItemId::EDITCTRL_DEFAULT_DELAY).Handle()));

    Toggle(ItemId::BUTTON_DEFAULT_DELAY);
    EXPECT_FALSE(Button(ItemId::BUTTON_IGNORE_DELAY).IsChecked());
    Field(ItemId::EDITCTRL_DEFAULT_DELAY).SetText(L"0");
    Click(ItemId::BUTTON_MACRO_RECORD);
    EXPECT_EQ(TakeWarning(), CMacrosPage::kDefaultDelayPopup);
    EXPECT_EQ(Page().CurrentState(), State::Idle) << "recording does not start";
}

TEST_F(MacrosPageTest, EditedStepsReachTheMouse)
{
    OpenOnMacros();
    NewMacro(L"Edit");
    const std::vector<MacroEvent> copy = CMacrosPage::CommandEvents(L"$copy");
    ASSERT_EQ(copy.size(), 4u);
    auto* basic = window->BoundAs<CDropdownListItem>(ItemId::LIST_GLOBAL_BASIC_COMMANDS);
    ASSERT_TRUE(basic->SetSelection(basic->IndexOfEntry(L"$copy")));
    Click(ItemId::BUTTON_ADD_BASIC_MACRO_CMDS);
    ASSERT_EQ(Display()->Events(), copy) << "with nothing selected the command goes to the top";
    EXPECT_EQ(Display()->Selection(), 3u);

    Field(ItemId::EDITCTRL_INSERT_DELAY).SetText(L"0");
    Click(ItemId::BUTTON_INSERT_DELAY);
    EXPECT_EQ(Display()->Events().size(), 4u) << "a delay of 0 is not inserted";
    Display()->Select(0);
    Field(ItemId::EDITCTRL_INSERT_DELAY).SetText(L"250");
    Click(ItemId::BUTTON_INSERT_DELAY);
    ASSERT_EQ(Display()->Events().size(), 5u);
    EXPECT_EQ(Display()->Events()[1], MacroEvent::Delay(250));

    // The single-key pop-up gives the pressed key another key; its direction stays.
    Display()->Select(2);
    popups.editResult = 1;
    popups.keyAnswer = KeyStroke{0x2D, 'X', kKeyPressed, 0, L"X"};
    Display()->RunCommand(L"$Edit");
    EXPECT_EQ(Display()->Events()[2], MacroEvent::Key(0x2D, 'X', copy[1].KeyDirection(), 0));
    Display()->Select(4);
    Display()->RunCommand(L"$Delete");
    Display()->Select(std::nullopt);
    Display()->RunCommand(L"$InsertDelay");
    EXPECT_EQ(Display()->Events().front(), MacroEvent::Delay(CMacroRecorder::kDefaultDelay));

    const std::vector<MacroEvent> expected = Display()->Events();
    EXPECT_EQ(config->FindMacroByName(L"Edit")->GetEvents(), expected);
    ApplyAndWait();
    EXPECT_EQ(StepTexts(StoredEvents(L"Edit")), StepTexts(expected));
}

TEST_F(MacrosPageTest, PreviewShowsTheStepsOneByOneWaitsOutDelaysAndRewinds)
{
    OpenOnMacros();
    NewMacro(L"Show");
    const std::vector<MacroEvent> steps = {Key('A', kKeyPressed), MacroEvent::Delay(300), Key('A', kKeyReleased)};
    config->FindMacroByName(L"Show")->SetEvents(steps);
    Choose(L"Show");
    Click(ItemId::BUTTON_MACRO_RECORD_PLAY);
    ASSERT_EQ(Page().CurrentState(), State::Previewing);
    EXPECT_TRUE(IsWindowVisible(Preview().Handle()));
    EXPECT_FALSE(IsWindowVisible(Display()->Handle()));

    size_t mostShown = 0;
    bool waitedOnDelay = false;
    ULONGLONG delayShownAt = 0;
    ASSERT_TRUE(wintest::PumpUntil([&] {
        const size_t shown = Preview().Events().size();
        if (shown == 2 && delayShownAt == 0)
            delayShownAt = GetTickCount64();
        if (shown == 3 && delayShownAt != 0)
            waitedOnDelay = GetTickCount64() - delayShownAt >= 250;
        mostShown = std::max(mostShown, shown);
        return Page().CurrentState() == State::Idle;
    }));
    EXPECT_EQ(mostShown, steps.size());
    EXPECT_TRUE(waitedOnDelay) << "the release came before the delay ran out";
    EXPECT_TRUE(Preview().Events().empty()) << "rewound";
    EXPECT_TRUE(IsWindowVisible(Display()->Handle()));
    EXPECT_EQ(Display()->Events(), steps);
}

TEST_F(MacrosPageTest, DeletingAMacroAButtonRunsGivesTheButtonItsDefaultOnTheMouse)
{
    OpenOnMacros();
    NewMacro(L"Gone");
    NewMacro(L"Kept");
    for (const wchar_t* name : {L"Gone", L"Kept"})
        config->FindMacroByName(name)->SetEvents({Key('G', kKeyPressed), Key('G', kKeyReleased)});
    IMouseProfile* profile = config->GetActiveProfile();
    constexpr int32_t kWheel = AssignmentTables::kButtonWheel;
    profile->SetButtonAssignment(kWheel, AssignmentInfo::MacroByName(L"Gone"));
    window->MarkDirty(TransferFlag::kButtons);
    ApplyAndWait();
    ASSERT_EQ(ReadStoredConfig()->GetActiveProfile()->GetButtonAssignment(kWheel).functionCode, FunctionCode::kMacro);

    auto* list = window->BoundAs<CDropdownListItem>(ItemId::LIST_GLOBALMACROLIST);
    Choose(L"Gone");
    popups.warningResult = 1;
    Click(ItemId::BUTTON_MACRO_DELETE);
    EXPECT_EQ(TakeWarning(), CMacrosPage::kConfirmDeletePopup);
    EXPECT_EQ(MacroNames(*config), std::vector<std::wstring>{L"Kept"});
    EXPECT_EQ(list->CurrentText(), L"Kept");
    EXPECT_EQ(profile->GetButtonAssignment(kWheel), AssignmentTables::DefaultButtonAssignment(kWheel));

    ApplyAndWait();
    const std::unique_ptr<CVantixConfig> stored = ReadStoredConfig();
    EXPECT_EQ(MacroNames(*stored), std::vector<std::wstring>{L"Kept"});
    EXPECT_EQ(stored->GetActiveProfile()->GetButtonAssignment(kWheel), AssignmentTables::DefaultButtonAssignment(kWheel));
}

TEST_F(MacrosPageTest, AnExportedMacroComesBackAndADamagedFileIsRefusedChangingNothing)
{
    OpenOnMacros();
    NewMacro(L"Trip");
    const std::vector<MacroEvent> steps = {Key('T', kKeyPressed), MacroEvent::Delay(40), Key('T', kKeyReleased)};
    config->FindMacroByName(L"Trip")->SetEvents(steps);
    Click(ItemId::BUTTON_MACRO_EXPORT);
    EXPECT_EQ(TakeWarning(), CMacrosPage::kExportWarningPopup) << "not on the mouse yet";
    ApplyAndWait();

    const std::wstring file = program.Path() + L"\\trip.dnm";
    fileDialogs.answers.push_back(file);
    Click(ItemId::BUTTON_MACRO_EXPORT);
    ASSERT_EQ(fileDialogs.asked.size(), 1u);
    EXPECT_EQ(fileDialogs.asked.back().request.filter, L"dnm Macro Files (*.dnm)|*.dnm||");
    ASSERT_TRUE(std::filesystem::exists(std::filesystem::path(file)));
    EXPECT_TRUE(popups.requests.empty());

    // Damaged: the same file cut short, and a file of another kind.
    std::string bytes;
    {
        std::ifstream in(std::filesystem::path(file), std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    ASSERT_GT(bytes.size(), 8u);
    const std::wstring cut = program.Path() + L"\\cut.dnm";
    const std::wstring foreign = program.Path() + L"\\foreign.dnm";
    std::ofstream(std::filesystem::path(cut), std::ios::binary) << bytes.substr(0, bytes.size() / 2);
    std::ofstream(std::filesystem::path(foreign), std::ios::binary) << "[Profile]\nName=Trip\n";
    config->FindMacroByName(L"Trip")->SetEvents({});
    for (const std::wstring& damaged : {cut, foreign}) {
        fileDialogs.answers.push_back(damaged);
        Click(ItemId::BUTTON_MACRO_IMPORT);
        EXPECT_EQ(TakeWarning(), CMacrosPage::kImportFailedPopup);
        EXPECT_EQ(MacroNames(*config), std::vector<std::wstring>{L"Trip"});
        EXPECT_TRUE(config->FindMacroByName(L"Trip")->GetEvents().empty()) << "nothing of the file was taken";
    }

    fileDialogs.answers.push_back(file);
    Click(ItemId::BUTTON_MACRO_IMPORT);
    EXPECT_TRUE(popups.requests.empty());
    EXPECT_EQ(StepTexts(config->FindMacroByName(L"Trip")->GetEvents()), StepTexts(steps));
}

// The user's hands: xdotool types letters, a Shift chord and Enter and clicks into the window
// while the page records; the click on Stop ends the recording and is not recorded. Then a step
// is deleted through the list's context menu.
TEST_F(MacrosPageTest, KeysAndAClickTypedByTheUserAreRecordedShownAndStored)
{
    OpenOnMacros();
    NewMacro(L"Typed");
    Toggle(ItemId::BUTTON_IGNORE_DELAY);
    const HWND record = ItemWindow(ItemId::BUTTON_MACRO_RECORD);
    const HWND stop = ItemWindow(ItemId::BUTTON_MACRO_RECORD_STOP);
    const auto recording = [&] { return Page().CurrentState() == State::Recording; };
    const auto steps = [&](size_t count) { return [&, count] { return Display()->Events().size() >= count; }; };

    CXInputScript script;
    script.Then(Focus())
        .Then([] { return true; }, [&] { return CXInputScript::ClickCentreOf(record); })
        .Then(recording, L"keydown a keyup a keydown b keyup b")
        .Then(steps(4), L"keydown Shift_L keydown c keyup c keyup Shift_L")
        .Then(steps(8), L"key Return")
        .Then(steps(10), [&] { return CXInputScript::MoveTo(Display()->Handle(), 40, 10) + L" click 1"; })
        .Then(steps(12), [&] { return CXInputScript::ClickCentreOf(stop); });
    ASSERT_TRUE(script.Run([&] { return Page().CurrentState() == State::Idle; }))
        << std::string(script.Failure().begin(), script.Failure().end()) << " with "
        << Display()->Events().size() << " steps";

    const std::vector<std::wstring> shown = StepTexts(Display()->Events());
    const std::vector<std::wstring> expected = {
        L"key 255 30", L"key 1 30", L"key 255 48", L"key 1 48",   // a, b
        L"key 255 42", L"key 255 46", L"key 1 46", L"key 1 42",   // Shift+C
        L"key 255 28", L"key 1 28", L"button 255 1", L"button 1 1"};  // Enter, the click
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(StepTexts(config->FindMacroByName(L"Typed")->GetEvents()), expected);

    // The list's context menu: the second step deleted with a right click and a choice.
    auto* options = window->BoundAs<CListPanelItem>(ItemId::LISTPANEL_MACROOPTIONS);
    CListPanelList* open = nullptr;
    const auto openList = [&] {
        return (open = dynamic_cast<CListPanelList*>(CWindow::FromHandle(GetCapture()))) != nullptr;
    };
    CXInputScript menu;
    menu.Then([] { return true; }, [&] {
            const int y = Display()->RowHeight() + Display()->RowHeight() / 2 + 1;
            return CXInputScript::MoveTo(Display()->Handle(), 60, y) + L" click 3";
        })
        .Then(openList, [&] {
            int row = 0;
            while (row < open->RowCount() && options->EntryText(open->EntryOfRow(row)) != L"$Delete")
                ++row;
            const RECT rect = open->RowRect(row);
            return CXInputScript::MoveTo(open->Handle(), rect.left + 12, (rect.top + rect.bottom) / 2) + L" click 1";
        });
    ASSERT_TRUE(menu.Run([&] { return Display()->Events().size() == expected.size() - 1 && !openList(); }))
        << std::string(menu.Failure().begin(), menu.Failure().end());
    std::vector<std::wstring> edited = expected;
    edited.erase(edited.begin() + 1);
    EXPECT_EQ(StepTexts(Display()->Events()), edited);
    EXPECT_EQ(Display()->Selection(), 1u) << "the next step is selected";
    ApplyAndWait();
    EXPECT_EQ(StepTexts(StoredEvents(L"Typed")), edited);
}
