#include "VantixApp/CProfilesPage.h"

#include <array>
#include <cwchar>

#include "VantixApp/IPopupPresenter.h"
#include "VantixApp/PageTable.h"
#include "config/CVantixConfig.h"
#include "controls/CXListCtrl.h"
#include "device/IMouseDevice.h"
#include "skin/CLanguageSet.h"
#include "skin/win/CBitmapBtn.h"
#include "skin/win/CDropdownListItem.h"
#include "skin/win/CSkinEnvironment.h"
#include "skin/win/CTextItem.h"
#include "vocabulary/ItemIds.h"

namespace {

using Outcome = CProfileRules::Outcome;

constexpr std::array<int32_t, 6> kCommands = {
    ItemId::BUTTON_NEWPROFILE, ItemId::BUTTON_IMPORTPROFILE, ItemId::BUTTON_EXPORTPROFILE,
    ItemId::BUTTON_SAVEPROFILE, ItemId::BUTTON_DELETEPROFILE, ItemId::BUTTON_ENABLE_PROFILE_OSD,
};
constexpr std::array<uint32_t, 7> kNotifications = {
    Notification::kProfileNameEdited, Notification::kProfileProgramChosen, Notification::kProfileCheckToggled,
    Notification::kProfileCellOpened, Notification::kProfileOptionChosen,  Notification::kProfileOptionsOpening,
    Notification::kEntryChosen};

// The list's columns, by their code in the list column table.
constexpr int32_t kActiveColumn = 0;
constexpr int32_t kNumberColumn = 1;
constexpr int32_t kNameColumn = 2;
constexpr int32_t kProgramColumn = CXListCtrl::kProgramColumn;
constexpr int32_t kAutoSwitchColumn = CXListCtrl::kAutoSwitchColumn;

constexpr TransferFlags kProfilesChanged = TransferFlag::kProfileParts;

std::wstring Appended(const std::wstring& name)
{
    return L": " + name;
}

}  // namespace

CProfilesPage::CProfilesPage(IPageHost& host)
    : CPageBase(host, kCommands, kNotifications), m_rules(host.Config(), host.Device().GetFixedLimit())
{
    m_list = host.BoundAs<CXListCtrl>(ItemId::LIST_PROFILELIST);
    m_options = host.BoundAs<CListPanelItem>(ItemId::LISTPANEL_PROFILEOPTIONS);
    m_selector = host.BoundAs<CDropdownListItem>(ItemId::LIST_GLOBALPROFILELIST);
    m_profileOsd = host.BoundAs<CBitmapBtn>(ItemId::BUTTON_ENABLE_PROFILE_OSD);
    m_profileInfo = host.BoundAs<CTextItem>(ItemId::TEXT_PROFILEINFO);
    m_profileName = host.BoundAs<CTextItem>(ItemId::TEXT_PROFILENAME);
    if (m_list != nullptr) {
        m_list->SetOptionPanel(m_options);
        // Programs are chosen through the window's file dialogs, which tests answer.
        m_list->SetProgramChooser([&host](HWND owner) {
            FileDialogRequest request;
            request.owner = owner;
            request.filter = CXListCtrl::kProgramFilter;
            return host.FileDialogs().ChooseFileToOpen(request);
        });
    }
    if (m_profileInfo != nullptr) {
        const std::wstring heading = CSkinEnvironment::Instance().Languages().ShowText(m_profileInfo->Text());
        m_profileInfo->SetText(heading + L": ");
    }
}

std::unique_ptr<IVantixPage> CProfilesPage::Make(IPageHost& host)
{
    return std::make_unique<CProfilesPage>(host);
}

std::wstring CProfilesPage::ProfileFilter()
{
    const std::wstring extension = CVantixConfig::kProfileExtension;
    return extension + L" Profile Files (*." + extension + L")|*." + extension + L"||";
}

// --- showing -------------------------------------------------------------------------------------

void CProfilesPage::Refresh()
{
    RefreshList();
    RefreshSelector();
    if (m_profileOsd != nullptr) {
        const bool on = Host().Config().GetProfileOsd();
        if (m_profileOsd->IsChecked() != on)
            m_profileOsd->SetChecked(on);
    }
}

void CProfilesPage::RefreshList()
{
    CVantixConfig& config = Host().Config();
    const IMouseProfile* active = config.GetActiveProfile();
    int activeRow = 0;
    if (m_list != nullptr) {
        const CXListCtrl::Colours& colours = m_list->GetColours();
        m_list->DeleteAllRows();
        for (uint32_t index = 0; index < config.GetProfileCount(); ++index) {
            const IMouseProfile* profile = config.GetProfileAt(index);
            const int row = m_list->InsertRow(static_cast<int>(index), colours.text, colours.background,
                                              colours.highlightText, colours.highlightBackground);
            const auto key = static_cast<int32_t>(index);
            (void)m_list->SetRowKey(row, key);
            wchar_t number[8];
            std::swprintf(number, std::size(number), L"%02u", index + 1);
            (void)m_list->SetCellText(kNumberColumn, key, number);
            (void)m_list->SetCellText(kNameColumn, key, profile->GetName());
            (void)m_list->SetCellText(kProgramColumn, key, profile->GetProgramFileName());
            (void)m_list->SetCheck(kAutoSwitchColumn, key, profile->GetAutoSwitch() ? 1 : 0);
            if (profile == active)
                activeRow = row;
        }
        if (active != nullptr) {
            (void)m_list->SetCheck(kActiveColumn, static_cast<int32_t>(activeRow), 1);
            m_list->MarkRow(activeRow, colours.background, colours.highlightBackground);
        }
        (void)m_list->SelectRow(activeRow);
    }
    if (m_profileName != nullptr)
        m_profileName->SetText(active != nullptr ? active->GetName() : L"");
}

void CProfilesPage::RefreshSelector()
{
    if (m_selector == nullptr)
        return;
    CVantixConfig& config = Host().Config();
    m_selector->ClearEntries();
    int activeIndex = 0;
    for (uint32_t index = 0; index < config.GetProfileCount(); ++index) {
        const IMouseProfile* profile = config.GetProfileAt(index);
        (void)m_selector->AddEntry(profile->GetName());
        if (profile == config.GetActiveProfile())
            activeIndex = static_cast<int>(index);
    }
    (void)m_selector->SetSelection(activeIndex);
    InvalidateRect(m_selector->ItemWindow(), nullptr, FALSE);
}

void CProfilesPage::SwitchTo(IMouseProfile* profile)
{
    if (profile == nullptr)
        return;
    Host().Config().SetActiveProfile(profile);
    // Every page shows the profile now active, this one included.
    Host().RefreshPages();
}

IMouseProfile* CProfilesPage::ProfileOfRow(int32_t key) const
{
    return key < 0 ? nullptr : Host().Config().GetProfileAt(static_cast<uint32_t>(key));
}

IMouseProfile* CProfilesPage::SelectedProfile() const
{
    return m_list != nullptr ? ProfileOfRow(m_list->GetSelectedRowKey()) : nullptr;
}

int32_t CProfilesPage::ColumnPosition(int32_t column) const
{
    const CReportListModel::Column* found = m_list != nullptr ? m_list->Model().ColumnOf(column) : nullptr;
    return found != nullptr ? found->position : -1;
}

// --- what the user does --------------------------------------------------------------------------

void CProfilesPage::OnItemCommand(int32_t identifier)
{
    if (identifier == ItemId::BUTTON_ENABLE_PROFILE_OSD) {
        if (m_profileOsd != nullptr)
            Host().Config().SetProfileOsdAll(m_profileOsd->IsChecked());
        Host().MarkDirty(kProfilesChanged);
        return;
    }
    if (!Host().IsPageShown(PageBit::kProfiles))
        return;
    switch (identifier) {
    case ItemId::BUTTON_NEWPROFILE: NewProfile(); break;
    case ItemId::BUTTON_IMPORTPROFILE: ImportProfile(); break;
    case ItemId::BUTTON_EXPORTPROFILE:
    case ItemId::BUTTON_SAVEPROFILE: ExportProfile(SelectedProfile()); break;
    case ItemId::BUTTON_DELETEPROFILE: DeleteProfile(SelectedProfile()); break;
    default: return;
    }
    RefreshSelector();
    Host().MarkDirty(kProfilesChanged);
}

void CProfilesPage::OnNotification(const PageNotification& notification)
{
    if (notification.message == Notification::kEntryChosen) {
        // Only the profile selector's choices; the other drop-downs belong to other pages.
        if (m_selector == nullptr || notification.sender != m_selector)
            return;
        IMouseProfile* chosen =
            Host().Config().FindProfileByName(m_selector->EntryText(static_cast<int>(notification.wParam)));
        if (chosen != nullptr && chosen != Host().Config().GetActiveProfile()) {
            SwitchTo(chosen);
            Host().MarkDirty(kProfilesChanged);
        }
        return;
    }
    if (m_list == nullptr || notification.sender != m_list)
        return;
    if (const auto* check = notification.RecordAs<ListCellCheck>()) {
        OnCheck(*check);
        return;
    }
    if (const auto* row = notification.RecordAs<ListRow>()) {
        PrepareOptions(row->row < 0 ? m_list->GetSelectedRowKey() : row->row);
        return;
    }
    const auto* cell = notification.RecordAs<ListCellText>();
    if (cell == nullptr)
        return;
    const std::wstring text = cell->text != nullptr ? cell->text : L"";
    switch (notification.message) {
    case Notification::kProfileCellOpened:
        if (IMouseProfile* profile = ProfileOfRow(cell->row);
            profile != nullptr && profile != Host().Config().GetActiveProfile()) {
            SwitchTo(profile);
            Host().MarkDirty(kProfilesChanged);
        }
        break;
    case Notification::kProfileNameEdited:
        if (cell->column == ColumnPosition(kNameColumn))
            RenameInPlace(cell->row, text);
        break;
    case Notification::kProfileProgramChosen:
        if (IMouseProfile* profile = ProfileOfRow(cell->row)) {
            Host().Config().SetProgramPath(profile, text);
            Host().MarkDirty(kProfilesChanged);
        }
        break;
    case Notification::kProfileOptionChosen: OnOption(cell->row, text); break;
    default: break;
    }
}

void CProfilesPage::OnCheck(const ListCellCheck& check)
{
    IMouseProfile* profile = ProfileOfRow(check.row);
    const bool on = check.value != nullptr && *check.value != 0;
    if (profile == nullptr)
        return;
    if (check.column == ColumnPosition(kActiveColumn) && on)
        SwitchTo(profile);
    else if (check.column == ColumnPosition(kAutoSwitchColumn)) {
        const CProfileRules::Result result = m_rules.SetAutoSwitch(profile, on);
        if (result.outcome == Outcome::NoProgram) {
            (void)Warn(kNoProgramPopup, result.name);
            (void)m_list->SetCheck(kAutoSwitchColumn, check.row, 0);
        }
    }
    Host().MarkDirty(kProfilesChanged);
}

void CProfilesPage::PrepareOptions(int32_t key)
{
    if (m_options == nullptr)
        return;
    const bool canUnassign = CProfileRules::CanUnassignProgram(ProfileOfRow(key));
    std::vector<ListEntry> entries = m_options->Entries();
    for (ListEntry& entry : entries)
        if (entry.text == kUnassignApplication)
            entry.submenu = canUnassign ? nullptr : &m_noChoices;
    m_options->SetEntries(entries);
}

void CProfilesPage::OnOption(int32_t key, const std::wstring& option)
{
    IMouseProfile* profile = ProfileOfRow(key);
    if (option == L"$New")
        NewProfile();
    else if (option == L"$Rename")
        RenameProfile(profile);
    else if (option == L"$Preview") {
        if (profile != nullptr)
            (void)Host().Popups().ShowPreview(Host().Window(), *profile, Host().Config());
    } else if (option == L"$Copy")
        CopyProfile(profile);
    else if (option == L"$Delete")
        DeleteProfile(profile);
    else if (option == L"$Import")
        ImportProfile();
    else if (option == L"$Export")
        ExportProfile(profile);
    else if (option == L"$RestoreDefault")
        ResetProfile(profile);
    else
        return;
    RefreshSelector();
    Host().MarkDirty(kProfilesChanged);
}

// --- the operations ------------------------------------------------------------------------------

INT_PTR CProfilesPage::Warn(const wchar_t* layoutFile, const std::wstring& name, const std::wstring& replacementKey)
{
    return Host().Popups().ShowWarning(Host().Window(),
                                       WarningRequest{layoutFile, name.empty() ? L"" : Appended(name), replacementKey});
}

bool CProfilesPage::Accepted(const CProfileRules::Result& result, const wchar_t* limitKey)
{
    switch (result.outcome) {
    case Outcome::Done: return true;
    case Outcome::LimitReached: (void)Warn(kLimitPopup, L"", limitKey); break;
    case Outcome::DuplicateName: (void)Warn(kDuplicatePopup, result.name); break;
    case Outcome::FirstProfile: (void)Warn(kDisallowDeletePopup, result.name); break;
    case Outcome::NoProgram: (void)Warn(kNoProgramPopup, result.name); break;
    case Outcome::Nothing:
    case Outcome::NoNameLeft: break;
    }
    return false;
}

void CProfilesPage::NewProfile()
{
    if (m_rules.IsFull()) {
        (void)Warn(kLimitPopup, L"", L"$CreateProfile");
        return;
    }
    std::wstring name;
    if (Host().Popups().ShowNameEntry(Host().Window(), kNamePopup, L"", name) == IDOK &&
        Accepted(m_rules.Create(name), L"$CreateProfile"))
        Host().RefreshPages();
}

void CProfilesPage::RenameProfile(IMouseProfile* profile)
{
    if (profile == nullptr)
        return;
    std::wstring name;
    if (Host().Popups().ShowNameEntry(Host().Window(), kRenamePopup, Appended(profile->GetName()), name) == IDOK &&
        Accepted(m_rules.Rename(profile, name), L""))
        RefreshList();
}

void CProfilesPage::RenameInPlace(int32_t key, const std::wstring& name)
{
    IMouseProfile* profile = ProfileOfRow(key);
    if (profile == nullptr)
        return;
    if (Accepted(m_rules.Rename(profile, name), L"")) {
        RefreshList();
        RefreshSelector();
        Host().MarkDirty(kProfilesChanged);
    } else
        (void)m_list->SetCellText(kNameColumn, key, profile->GetName());
}

void CProfilesPage::CopyProfile(IMouseProfile* profile)
{
    if (Accepted(m_rules.Copy(profile), L"$Copy"))
        Host().RefreshPages();
}

void CProfilesPage::DeleteProfile(IMouseProfile* profile)
{
    if (!Accepted(m_rules.CheckDelete(profile), L""))
        return;
    if (Warn(kConfirmDeletePopup, profile->GetName()) != IDOK)
        return;
    (void)m_rules.Delete(profile);
    // Assignments that switched to the profile have their defaults now, and another profile
    // may be active: every page shows it again.
    Host().RefreshPages();
}

void CProfilesPage::ResetProfile(IMouseProfile* profile)
{
    if (profile == nullptr || Warn(kRestorePopup, L"") != IDOK)
        return;
    m_rules.ResetToDefaults(profile);
    Host().RefreshPages();
}

FileDialogRequest CProfilesPage::ProfileFileRequest() const
{
    FileDialogRequest request;
    request.owner = Host().Window();
    request.filter = ProfileFilter();
    request.defaultExtension = CVantixConfig::kProfileExtension;
    request.folder = Host().Config().GetProfileFolder();
    request.fileName = std::wstring(L".") + CVantixConfig::kProfileExtension;
    return request;
}

void CProfilesPage::ExportProfile(IMouseProfile* profile)
{
    if (profile == nullptr)
        return;
    if (!Host().Device().HasProfile(profile)) {
        (void)Warn(kExportWarningPopup, profile->GetName());
        return;
    }
    const FileDialogRequest request = ProfileFileRequest();
    const std::optional<std::wstring> path = Host().FileDialogs().ChooseFileToSave(request);
    if (!path || path->size() <= request.fileName.size())
        return;
    // A write the device service refuses is told, not passed over.
    if (!Host().Device().ExportProfile(*path, profile))
        (void)Warn(kExportFailedPopup, profile->GetName());
}

void CProfilesPage::ImportProfile()
{
    CVantixConfig& config = Host().Config();
    if (m_rules.IsFull()) {
        (void)Warn(kLimitPopup, L"", L"$ImportProfile");
        return;
    }
    if (config.GetProfileCount() != Host().Device().GetProfileCount()) {
        (void)Warn(kImportWarningPopup, L"", L"$ImportProfile");
        return;
    }
    const FileDialogRequest request = ProfileFileRequest();
    const std::optional<std::wstring> path = Host().FileDialogs().ChooseFileToOpen(request);
    if (!path || path->size() <= request.fileName.size())
        return;
    if (!Host().Device().ImportProfile(*path, &config)) {
        // Not a profile file, a damaged or newer one: the service took nothing.
        (void)Warn(kImportFailedPopup, L"");
        return;
    }
    RefreshList();
}
