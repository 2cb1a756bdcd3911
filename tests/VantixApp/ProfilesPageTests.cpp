// The profiles page through the real main window over the simulated mouse: the profile life
// cycle (new, copy, rename, delete, program, automatic switch, export and import through real
// files), read back from the mouse's store after Apply and after a restart of the program. The
// in-place rename and an option of the option panel are driven with real X input.
#include <filesystem>
#include <fstream>

#include "../support/XInputScript.h"
#include "MainWindowFixture.h"
#include "VantixApp/CProfilesPage.h"
#include "config/AssignmentTables.h"
#include "controls/CListPanelList.h"
#include "controls/CXListCtrl.h"
#include "controls/CXListEdit.h"
#include "device/IMouseDevice.h"
#include "skin/win/CDropdownListItem.h"

namespace {

constexpr int32_t kNameColumn = 2;

std::string ReadBytes(const std::wstring& path)
{
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::wstring& path, const std::string& bytes)
{
    std::ofstream(std::filesystem::path(path), std::ios::binary) << bytes;
}

std::vector<std::wstring> NamesOf(const IMouseConfig& config)
{
    std::vector<std::wstring> names;
    for (uint32_t index = 0; index < config.GetProfileCount(); ++index)
        names.push_back(config.GetProfileAt(index)->GetName());
    return names;
}

// What a profile holds, field by field, as text (so that a difference names its field).
std::vector<std::wstring> Fields(IMouseProfile& profile)
{
    std::vector<std::wstring> fields{
        L"name " + profile.GetName(),
        L"resolution " + std::to_wstring(profile.GetResolution()),
        L"sensitivity " + std::to_wstring(profile.GetSensitivity()) + L" " + std::to_wstring(profile.GetSensitivityX()) +
            L" " + std::to_wstring(profile.GetSensitivityY()),
        L"lights " + std::to_wstring(profile.GetGlowLight()) + std::to_wstring(profile.GetAuxLight()),
        L"displays " + std::to_wstring(profile.GetDpiOsd()) + std::to_wstring(profile.GetProfileOsd()),
        L"keys enabled " + std::to_wstring(profile.GetKeysEnabled()),
        L"stages " + std::to_wstring(profile.GetResolutionStageCount()) + L" " +
            std::to_wstring(profile.GetSensitivityStageCount()),
    };
    for (int32_t button : {1, 2, 3, 10, 11})
        fields.push_back(L"button " + std::to_wstring(button) + L" " +
                         std::to_wstring(profile.GetButtonAssignment(button).functionCode));
    for (uint32_t index = 0; index < profile.GetKeyCount(); ++index) {
        const uint32_t key = profile.GetKeyAt(index);
        const AssignmentInfo info = profile.GetKeyAssignment(key);
        fields.push_back(L"key " + std::to_wstring(key) + L" " + std::to_wstring(info.functionCode) + L" " +
                         std::to_wstring(info.KeyScanCode()));
    }
    return fields;
}

}  // namespace

class ProfilesPageTest : public MainWindowTest
{
protected:
    void OpenOnProfiles()
    {
        Open();
        window->ShowPage(PageBit::kProfiles);
        PumpFor(2);
    }
    [[nodiscard]] CXListCtrl& List() const { return *window->BoundAs<CXListCtrl>(ItemId::LIST_PROFILELIST); }
    [[nodiscard]] std::vector<std::wstring> ShownNames() const
    {
        std::vector<std::wstring> names;
        for (int row = 0; row < static_cast<int>(List().Model().RowCount()); ++row)
            names.push_back(List().Model().CellAt(row, NamePosition())->text);
        return names;
    }
    [[nodiscard]] int NamePosition() const { return List().Model().ColumnOf(kNameColumn)->position; }

    // What the list sends when an option is chosen on a row.
    void Option(int32_t row, const wchar_t* option)
    {
        const ListCellText cell{row, 0, option};
        SendMessageW(window->Handle(), Notification::kProfileOptionChosen, reinterpret_cast<WPARAM>(List().Handle()),
                     reinterpret_cast<LPARAM>(&cell));
    }
    void Check(int32_t row, int32_t column, uint8_t value)
    {
        const ListCellCheck check{row, List().Model().ColumnOf(column)->position, &value};
        SendMessageW(window->Handle(), Notification::kProfileCheckToggled, reinterpret_cast<WPARAM>(List().Handle()),
                     reinterpret_cast<LPARAM>(&check));
    }
    void NewProfile(const std::wstring& name)
    {
        popups.editResult = 1;
        popups.nameAnswer = name;
        Click(ItemId::BUTTON_NEWPROFILE);
    }
    [[nodiscard]] int RowOf(const std::wstring& name) const
    {
        const std::vector<std::wstring> names = ShownNames();
        const auto found = std::find(names.begin(), names.end(), name);
        return found == names.end() ? -1 : static_cast<int>(found - names.begin());
    }
    [[nodiscard]] std::wstring Focus() const { return L"windowfocus --sync " + CXInputScript::XWindowOf(window->Handle()); }
    // xdotool's double click on the name cell of a row.
    [[nodiscard]] std::wstring DoubleClickName(int row) const
    {
        const RECT cell = List().CellRect(row, NamePosition());
        return CXInputScript::MoveTo(List().Handle(), cell.left + 20, (cell.top + cell.bottom) / 2) +
               L" click --repeat 2 --delay 80 1";
    }
    [[nodiscard]] bool EditShows(const std::wstring& text) const
    {
        return List().IsEditing() && List().EditField()->Text() == text;
    }
};

TEST_F(ProfilesPageTest, CopiesAreNumberedAndTenProfilesAreTheLimitOnTheMouseAndAfterARestart)
{
    OpenOnProfiles();
    ASSERT_EQ(ShownNames(), NamesOf(*config));
    NewProfile(L"Game");
    ASSERT_EQ(config->GetActiveProfile()->GetName(), L"Game");
    Option(RowOf(L"Game"), L"$Copy");
    Option(RowOf(L"Game"), L"$Copy");
    Option(RowOf(L"Game(2)"), L"$Copy");
    const std::wstring longName = L"abcdefghijklmnopqrstuvwxy";
    NewProfile(longName);
    Option(RowOf(longName), L"$Copy");
    EXPECT_EQ(config->GetActiveProfile()->GetName(), L"abcdefghijklmnopqr(2)");
    EXPECT_TRUE(popups.requests.empty());
    while (config->GetProfileCount() < 10)
        NewProfile(L"P" + std::to_wstring(config->GetProfileCount()));

    NewProfile(L"Eleventh");
    EXPECT_EQ(TakeWarning(), CProfilesPage::kLimitPopup);
    Option(0, L"$Copy");
    EXPECT_EQ(TakeWarning(), CProfilesPage::kLimitPopup);
    Click(ItemId::BUTTON_IMPORTPROFILE);
    EXPECT_EQ(TakeWarning(), CProfilesPage::kLimitPopup);
    EXPECT_TRUE(fileDialogs.asked.empty());

    const std::vector<std::wstring> expected = ShownNames();
    ASSERT_EQ(expected.size(), 10u);
    EXPECT_EQ(std::vector<std::wstring>(expected.begin() + 1, expected.begin() + 7),
              (std::vector<std::wstring>{L"Game", L"Game(2)", L"Game(3)", L"Game(2)(2)", longName,
                                         L"abcdefghijklmnopqr(2)"}));
    const std::vector<std::wstring> selector = [&] {
        std::vector<std::wstring> names;
        for (const ListEntry& entry : window->BoundAs<CDropdownListItem>(ItemId::LIST_GLOBALPROFILELIST)->Entries())
            names.push_back(entry.text);
        return names;
    }();
    EXPECT_EQ(selector, expected);
    EXPECT_EQ(window->DirtyMask(), TransferFlag::kProfileParts);
    ApplyAndWait();
    EXPECT_EQ(NamesOf(*ReadStoredConfig()), expected);
    Restart();
    window->ShowPage(PageBit::kProfiles);
    EXPECT_EQ(ShownNames(), expected);
}

TEST_F(ProfilesPageTest, DeletingKeepsTheFirstProfileAndGivesSwitchesToTheDeletedProfileTheirDefaults)
{
    OpenOnProfiles();
    NewProfile(L"Game");
    ApplyAndWait();
    IMouseProfile* first = config->GetProfileAt(0);
    const Guid game = config->GetActiveProfile()->GetGuid();
    ASSERT_FALSE(game.IsNull()) << "the mouse gave the new profile its identity";
    ASSERT_TRUE(config->SetButtonAssignment(AssignmentTables::kButtonWheel, AssignmentInfo::Profile(game), first));

    Option(0, L"$Delete");
    EXPECT_EQ(TakeWarning(), CProfilesPage::kDisallowDeletePopup);
    ASSERT_EQ(config->GetProfileCount(), 2u);

    popups.warningResult = 2;
    Option(1, L"$Delete");
    EXPECT_EQ(TakeWarning(), CProfilesPage::kConfirmDeletePopup);
    ASSERT_EQ(config->GetProfileCount(), 2u) << "not confirmed";

    popups.warningResult = 1;
    List().SelectRow(1);
    Click(ItemId::BUTTON_DELETEPROFILE);
    EXPECT_EQ(TakeWarning(), CProfilesPage::kConfirmDeletePopup);
    EXPECT_EQ(ShownNames(), std::vector<std::wstring>{first->GetName()});
    EXPECT_EQ(config->GetActiveProfile(), first);
    ApplyAndWait();
    const auto stored = ReadStoredConfig();
    ASSERT_EQ(NamesOf(*stored), std::vector<std::wstring>{first->GetName()});
    EXPECT_EQ(stored->GetButtonAssignment(AssignmentTables::kButtonWheel, stored->GetProfileAt(0)),
              AssignmentTables::DefaultButtonAssignment(AssignmentTables::kButtonWheel));
}

TEST_F(ProfilesPageTest, RenamingInPlaceByKeyboardKeepsWithEnterAndRevertsWithEscape)
{
    OpenOnProfiles();
    NewProfile(L"Work");
    NewProfile(L"Other");
    const int row = RowOf(L"Other");
    popups.editResult = 1;
    popups.nameAnswer = L"Other";
    Option(row, L"$Rename");
    EXPECT_EQ(TakeWarning(), CProfilesPage::kDuplicatePopup) << "its own name";

    CXInputScript script;
    script.Then(Focus())
        .Then([] { return true; }, [&] { return DoubleClickName(row); })
        .Then([&] { return EditShows(L"Other"); }, L"type work")
        .Then([&] { return EditShows(L"work"); }, L"key Return")
        .Then([&] { return !List().IsEditing(); }, [&] { return DoubleClickName(row); })
        .Then([&] { return EditShows(L"work"); }, L"type Work")
        .Then([&] { return EditShows(L"Work"); }, L"key Return")
        .Then([&] { return !List().IsEditing() && !popups.requests.empty(); }, [&] { return DoubleClickName(row); })
        .Then([&] { return EditShows(L"work"); }, L"type Gone")
        .Then([&] { return EditShows(L"Gone"); }, L"key Escape");
    ASSERT_TRUE(script.Run([&] { return !List().IsEditing(); })) << std::string(script.Failure().begin(), script.Failure().end());

    EXPECT_EQ(TakeWarning(), CProfilesPage::kDuplicatePopup) << "Work is taken, work was not";
    EXPECT_EQ(ShownNames()[static_cast<size_t>(row)], L"work");
    EXPECT_EQ(config->GetProfileAt(static_cast<uint32_t>(row))->GetName(), L"work");
    ApplyAndWait();
    EXPECT_EQ(NamesOf(*ReadStoredConfig())[static_cast<size_t>(row)], L"work");
}

TEST_F(ProfilesPageTest, AProgramChosenFromTheOptionPanelIsStoredShownAndRemovedAgain)
{
    OpenOnProfiles();
    NewProfile(L"Kart");
    const int row = RowOf(L"Kart");
    Check(row, CXListCtrl::kAutoSwitchColumn, 1);
    EXPECT_EQ(TakeWarning(), CProfilesPage::kNoProgramPopup);
    EXPECT_FALSE(config->GetActiveProfile()->GetAutoSwitch());
    EXPECT_EQ(List().Model().CellAt(row, List().Model().ColumnOf(CXListCtrl::kAutoSwitchColumn)->position)->check, 0);

    // A right click opens the option panel, where "$UnassignApplication" is inactive without a
    // program; the user picks "$AssignApplication" and the file dialog answers.
    const std::wstring program = L"C:\\Games\\Kart\\kart.exe";
    fileDialogs.answers.push_back(program);
    auto* options = window->BoundAs<CListPanelItem>(ItemId::LISTPANEL_PROFILEOPTIONS);
    const auto entryOf = [&](std::wstring_view key) {
        for (size_t index = 0; index < options->Entries().size(); ++index)
            if (options->Entries()[index].text == key)
                return static_cast<int>(index);
        return -1;
    };
    CListPanelList* open = nullptr;
    const auto openList = [&] { return (open = dynamic_cast<CListPanelList*>(CWindow::FromHandle(GetCapture()))) != nullptr; };
    bool inactiveWhenOpened = false;
    CXInputScript script;
    script.Then(Focus())
        .Then([] { return true; },
              [&] {
                  const RECT cell = List().CellRect(row, NamePosition());
                  return CXInputScript::MoveTo(List().Handle(), cell.left + 20, (cell.top + cell.bottom) / 2) + L" click 3";
              })
        .Then(openList,
              [&] {
                  const ListEntry& unassign = options->Entries()[static_cast<size_t>(entryOf(L"$UnassignApplication"))];
                  inactiveWhenOpened = unassign.submenu != nullptr && unassign.submenu->Entries().empty();
                  int listRow = 0;
                  while (listRow < open->RowCount() && open->EntryOfRow(listRow) != entryOf(L"$AssignApplication"))
                      ++listRow;
                  const RECT rect = open->RowRect(listRow);
                  return CXInputScript::MoveTo(open->Handle(), rect.left + 12, (rect.top + rect.bottom) / 2) + L" click 1";
              });
    ASSERT_TRUE(script.Run([&] { return !fileDialogs.asked.empty() && !openList(); }))
        << std::string(script.Failure().begin(), script.Failure().end());
    EXPECT_TRUE(inactiveWhenOpened);
    EXPECT_EQ(fileDialogs.asked.back().request.filter, CXListCtrl::kProgramFilter);
    EXPECT_EQ(List().Model().CellAt(row, List().Model().ColumnOf(CXListCtrl::kProgramColumn)->position)->text,
              L"kart.exe");
    Check(row, CXListCtrl::kAutoSwitchColumn, 1);
    EXPECT_TRUE(popups.requests.empty());
    ApplyAndWait();
    {
        const auto stored = ReadStoredConfig();
        EXPECT_EQ(stored->GetProfileAt(static_cast<uint32_t>(row))->GetProgramPath(), program);
        EXPECT_TRUE(stored->GetProfileAt(static_cast<uint32_t>(row))->GetAutoSwitch());
    }

    Restart();
    // The panel of the window before the restart is gone with it.
    options = window->BoundAs<CListPanelItem>(ItemId::LISTPANEL_PROFILEOPTIONS);
    ASSERT_NE(options, nullptr);
    window->ShowPage(PageBit::kProfiles);
    EXPECT_EQ(List().Model().CellAt(row, List().Model().ColumnOf(CXListCtrl::kProgramColumn)->position)->text,
              L"kart.exe");
    const ListRow opening{row};
    SendMessageW(window->Handle(), Notification::kProfileOptionsOpening, reinterpret_cast<WPARAM>(List().Handle()),
                 reinterpret_cast<LPARAM>(&opening));
    EXPECT_EQ(options->Entries()[static_cast<size_t>(entryOf(L"$UnassignApplication"))].submenu, nullptr);
    const std::wstring none;
    const ListCellText removed{row, List().Model().ColumnOf(CXListCtrl::kProgramColumn)->position, none.c_str()};
    SendMessageW(window->Handle(), Notification::kProfileProgramChosen, reinterpret_cast<WPARAM>(List().Handle()),
                 reinterpret_cast<LPARAM>(&removed));
    Check(row, CXListCtrl::kAutoSwitchColumn, 0);
    ApplyAndWait();
    const auto stored = ReadStoredConfig();
    EXPECT_TRUE(stored->GetProfileAt(static_cast<uint32_t>(row))->GetProgramPath().empty());
    EXPECT_FALSE(stored->GetProfileAt(static_cast<uint32_t>(row))->GetAutoSwitch());
}

TEST_F(ProfilesPageTest, AnExportedProfileImportsBackWholeAndDamagedFilesAreRefusedWithNothingTaken)
{
    OpenOnProfiles();
    NewProfile(L"Travel");
    config->SetSensitivity(420);
    config->SetGlowLight(false);
    ASSERT_TRUE(config->SetButtonAssignment(AssignmentTables::kButtonRight,
                                            AssignmentInfo::Function(FunctionCode::kDoubleClick)));
    const int row = RowOf(L"Travel");
    Option(row, L"$Export");
    EXPECT_EQ(TakeWarning(), CProfilesPage::kExportWarningPopup) << "not on the mouse before Apply";
    ApplyAndWait();

    const std::vector<std::wstring> original = Fields(*ReadStoredConfig()->FindProfileByName(L"Travel"));
    TempFolder files;
    const std::wstring exported = files.File(L"travel.dnp");
    fileDialogs.answers.push_back(exported);
    List().SelectRow(row);
    Click(ItemId::BUTTON_EXPORTPROFILE);
    ASSERT_EQ(fileDialogs.asked.size(), 1u);
    const FileDialogRequest& asked = fileDialogs.asked.back().request;
    EXPECT_TRUE(fileDialogs.asked.back().save);
    EXPECT_EQ(asked.filter, L"dnp Profile Files (*.dnp)|*.dnp||");
    EXPECT_EQ(asked.defaultExtension, L"dnp");
    EXPECT_EQ(asked.fileName, L".dnp");
    EXPECT_EQ(asked.folder, config->GetProfileFolder());
    const std::string bytes = ReadBytes(exported);
    ASSERT_GT(bytes.size(), 24u);

    popups.warningResult = 1;
    Option(row, L"$Delete");
    ApplyAndWait();
    const std::vector<std::wstring> before = NamesOf(*ReadStoredConfig());

    std::string newer = bytes;
    newer[6] = 2;
    std::string otherKind = bytes;
    otherKind[4] = 3;
    std::string damaged = bytes;
    damaged.back() = static_cast<char>(damaged.back() ^ 0x5A);
    const std::vector<std::string> refused = {"not a profile at all", bytes.substr(0, bytes.size() / 2), newer,
                                              otherKind, damaged};
    for (size_t index = 0; index < refused.size(); ++index) {
        const std::wstring path = files.File(L"bad" + std::to_wstring(index) + L".dnp");
        WriteBytes(path, refused[index]);
        fileDialogs.answers.push_back(path);
        Click(ItemId::BUTTON_IMPORTPROFILE);
        EXPECT_EQ(TakeWarning(), CProfilesPage::kImportFailedPopup) << "file " << index;
        EXPECT_EQ(NamesOf(*config), before) << "file " << index;
    }
    EXPECT_EQ(NamesOf(*ReadStoredConfig()), before);

    fileDialogs.answers.push_back(exported);
    Option(0, L"$Import");
    EXPECT_TRUE(popups.requests.empty());
    ApplyAndWait();
    Restart();
    IMouseProfile* back = config->FindProfileByName(L"Travel");
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(Fields(*back), original);
    EXPECT_EQ(back->GetButtonAssignment(AssignmentTables::kButtonRight).functionCode, FunctionCode::kDoubleClick);
}
