#include "CControlsGallery.h"

#include <cstdio>
#include <memory>

#include "controls/CEditItem.h"
#include "controls/CEditItemSingleKeyInput.h"
#include "controls/CXListCtrl.h"
#include "platform/win/WinHandles.h"
#include "skin/CLanguageSet.h"
#include "skin/layout/CLayoutReader.h"
#include "skin/win/CDropdownListItem.h"
#include "skin/win/CLayoutLoader.h"
#include "skin/win/CListPanelItem.h"
#include "skin/win/CSkinEnvironment.h"
#include "skin/win/PaintDc.h"
#include "vocabulary/ItemIds.h"
#include "vocabulary/Notifications.h"

namespace {

constexpr UINT kRecorded[] = {
    Notification::kEditChanged,          Notification::kEntryChosen,          Notification::kDropdownOpening,
    Notification::kProfileNameEdited,    Notification::kProfileProgramChosen, Notification::kProfileCheckToggled,
    Notification::kProfileCellOpened,    Notification::kProfileOptionChosen,  Notification::kProfileOptionsOpening,
    Notification::kListPressed,
};

std::string ReadBytes(const std::wstring& path)
{
    std::string bytes;
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (file == nullptr)
        return bytes;
    char block[4096];
    for (size_t read = 0; (read = std::fread(block, 1, sizeof(block), file)) > 0;)
        bytes.append(block, read);
    std::fclose(file);
    return bytes;
}

struct Profile
{
    const wchar_t* name;
    const wchar_t* program;
    int autoSwitch;
};

constexpr Profile kProfiles[] = {
    {L"Default", L"", 0},
    {L"Racing", L"racer.exe", 1},
    {L"Office", L"", 0},
    {L"Shooter", L"arena.exe", 0},
};

}  // namespace

CControlsGallery::CControlsGallery(std::wstring layoutPath, HWND owner)
    : CGUIPanel(owner, kSize, CSkinEnvironment::Instance().PanelTemplate()), m_layoutPath(std::move(layoutPath))
{
}

bool CControlsGallery::OnInitDialog()
{
    CGUIPanel::OnInitDialog();
    CSkinEnvironment& skin = CSkinEnvironment::Instance();
    if (!skin.IsInitialized())
        return false;
    const CLayoutReader reader(skin.Cache(), skin.Languages());
    LayoutDescription description = reader.ReadBytes(ReadBytes(m_layoutPath));
    CLayoutLoader::Build(description, Items(), Handle());
    if (CDropdownListItem* dropdown = Dropdown(); dropdown != nullptr && ProfileMenu() != nullptr) {
        // The profile entry opens the sub-list of the profiles' names, as on the assign-buttons
        // page.
        std::vector<ListEntry> profiles;
        for (const Profile& profile : kProfiles)
            profiles.push_back(ListEntry{profile.name, {}, nullptr});
        ProfileMenu()->SetEntries(profiles);
        std::vector<ListEntry> entries = dropdown->Entries();
        dropdown->ClearEntries();
        for (ListEntry& entry : entries)
            dropdown->AddEntry(entry.text, entry.text == L"$profile" ? ProfileMenu() : nullptr);
        dropdown->SetSelection(0);
    }
    if (CEditItem* delay = DelayField()) {
        static_cast<void>(delay->SetNumeric(kDelayMinimum, kDelayMaximum));
        delay->SetText(L"20");
    }
    if (CEditItem* name = NameField())
        name->SetText(L"Racing");
    FillRows();
    return false;
}

void CControlsGallery::FillRows()
{
    CXListCtrl* list = List();
    if (list == nullptr)
        return;
    const COLORREF text = RGB(255, 255, 255);
    const COLORREF background = RGB(0x20, 0x20, 0x24);
    const COLORREF highlight = RGB(0x10, 0x60, 0x30);
    for (int index = 0; index < static_cast<int>(std::size(kProfiles)); ++index) {
        const int row = list->InsertRow(index, text, background, text, highlight);
        static_cast<void>(list->SetRowKey(row, index));
        wchar_t number[8];
        std::swprintf(number, std::size(number), L"%02d", index + 1);
        list->SetCellText(1, index, number);
        list->SetCellText(2, index, kProfiles[index].name);
        list->SetCellText(3, index, kProfiles[index].program);
        list->SetCheck(4, index, kProfiles[index].autoSwitch);
    }
    list->SetCheck(0, 0, 1);
    list->MarkRow(0, background, highlight);
    list->SelectRow(0);
    list->SetOptionPanel(Options());
}

CXListCtrl* CControlsGallery::List() const noexcept
{
    return Items().Find<CXListCtrl>(ItemId::LIST_PROFILELIST, ItemKind::ListCtrl);
}

CDropdownListItem* CControlsGallery::Dropdown() const noexcept
{
    return Items().Find<CDropdownListItem>(ItemId::BUTTON_ASSNRIGHTCLICK, ItemKind::Combo);
}

CEditItem* CControlsGallery::NameField() const noexcept
{
    return Items().Find<CEditItem>(ItemId::EDITCTRL_POPUP_NAMEENTRY, ItemKind::Edit);
}

CEditItem* CControlsGallery::DelayField() const noexcept
{
    return Items().Find<CEditItem>(ItemId::EDITCTRL_INSERT_DELAY, ItemKind::Edit);
}

CEditItemSingleKeyInput* CControlsGallery::KeyField() const noexcept
{
    return Items().Find<CEditItemSingleKeyInput>(ItemId::EDITCTRL_POPUP_SINGLEKEYENTRY, ItemKind::SingleKeyEdit);
}

CListPanelItem* CControlsGallery::Options() const noexcept
{
    return Items().Find<CListPanelItem>(ItemId::LISTPANEL_PROFILEOPTIONS, ItemKind::ListPanel);
}

CListPanelItem* CControlsGallery::ProfileMenu() const noexcept
{
    return Items().Find<CListPanelItem>(ItemId::LISTPANEL_ASSIGNSUBMENU_PR, ItemKind::ListPanel);
}

std::vector<CControlsGallery::Notice> CControlsGallery::NoticesOf(UINT message) const
{
    std::vector<Notice> found;
    for (const Notice& notice : m_notices)
        if (notice.message == message)
            found.push_back(notice);
    return found;
}

void CControlsGallery::OnPaint()
{
    const PaintDc paint(Handle());
    if (!paint)
        return;
    RECT client{};
    GetClientRect(Handle(), &client);
    const UniqueBrush background(CreateSolidBrush(kBackground));
    FillRect(paint.Get(), &client, background.Get());
}

void CControlsGallery::Record(UINT message, WPARAM wParam, LPARAM lParam)
{
    Notice notice;
    notice.message = message;
    notice.wParam = wParam;
    notice.lParam = lParam;
    const NotificationInfo* info = FindNotification(message);
    const NotificationRecord record = info != nullptr ? info->record : NotificationRecord::None;
    if (record == NotificationRecord::CellText && lParam != 0) {
        const auto* cell = reinterpret_cast<const ListCellText*>(lParam);
        notice.row = cell->row;
        notice.column = cell->column;
        notice.text = cell->text != nullptr ? cell->text : L"";
    } else if (record == NotificationRecord::CellCheck && lParam != 0) {
        const auto* cell = reinterpret_cast<const ListCellCheck*>(lParam);
        notice.row = cell->row;
        notice.column = cell->column;
        notice.value = cell->value != nullptr ? *cell->value : -1;
    } else if (record == NotificationRecord::Row && lParam != 0)
        notice.row = reinterpret_cast<const ListRow*>(lParam)->row;
    m_notices.push_back(std::move(notice));
}

LRESULT CControlsGallery::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    for (const UINT recorded : kRecorded) {
        if (message == recorded) {
            Record(message, wParam, lParam);
            return 0;
        }
    }
    return CGUIPanel::OnOtherMessage(message, wParam, lParam);
}
