#pragma once

#include <memory>
#include <string>

#include "VantixApp/CPageBase.h"
#include "config/CProfileRules.h"
#include "platform/win/IFileDialogs.h"
#include "skin/win/CListPanelItem.h"

class CBitmapBtn;
class CDropdownListItem;
class CTextItem;
class CXListCtrl;
class IMouseProfile;

// The profiles page and the profile selector of the main page: the list of profiles (active
// mark, number, name edited in place, program, automatic switch), its option panel, the page's
// buttons and the profile-switch display. Profiles are made, renamed, copied, deleted, reset,
// exported and imported here; the rules are CProfileRules's, every refusal is its pop-up, and
// every change marks the profile parts of the dirty mask.
class CProfilesPage : public CPageBase
{
public:
    static constexpr wchar_t kLimitPopup[] = L"ProfileLimitReachedPopup.xml";
    static constexpr wchar_t kNamePopup[] = L"ProfileNamePopup.xml";
    static constexpr wchar_t kRenamePopup[] = L"ProfileRenamePopup.xml";
    static constexpr wchar_t kDuplicatePopup[] = L"DuplicateProfileWarningPopup.xml";
    static constexpr wchar_t kDisallowDeletePopup[] = L"DisallowDeletePopup.xml";
    static constexpr wchar_t kConfirmDeletePopup[] = L"ConfirmDeletePopup.xml";
    static constexpr wchar_t kRestorePopup[] = L"RestorePopup.xml";
    static constexpr wchar_t kExportWarningPopup[] = L"ExportProfileWarningPopup.xml";
    static constexpr wchar_t kImportWarningPopup[] = L"ImporttProfileWarningPopup.xml";
    // A file the device service would not export to or import from.
    static constexpr wchar_t kExportFailedPopup[] = L"ExportProfileFailedPopup.xml";
    static constexpr wchar_t kImportFailedPopup[] = L"ImportProfileFailedPopup.xml";
    static constexpr wchar_t kNoProgramPopup[] = L"SelectApplicationWarningPopup.xml";
    static constexpr wchar_t kUnassignApplication[] = L"$UnassignApplication";

    explicit CProfilesPage(IPageHost& host);
    [[nodiscard]] static std::unique_ptr<IVantixPage> Make(IPageHost& host);

    void OnItemCommand(int32_t identifier) override;
    void OnNotification(const PageNotification& notification) override;
    void Refresh() override;

    // The profile files' filter for the file dialogs: "dnp Profile Files (*.dnp)|*.dnp||".
    [[nodiscard]] static std::wstring ProfileFilter();

private:
    void RefreshList();
    void RefreshSelector();
    void SwitchTo(IMouseProfile* profile);
    [[nodiscard]] IMouseProfile* ProfileOfRow(int32_t key) const;
    [[nodiscard]] IMouseProfile* SelectedProfile() const;
    [[nodiscard]] int32_t ColumnPosition(int32_t column) const;

    void NewProfile();
    void RenameProfile(IMouseProfile* profile);
    void RenameInPlace(int32_t key, const std::wstring& name);
    void CopyProfile(IMouseProfile* profile);
    void DeleteProfile(IMouseProfile* profile);
    void ResetProfile(IMouseProfile* profile);
    void ExportProfile(IMouseProfile* profile);
    void ImportProfile();
    void OnOption(int32_t key, const std::wstring& option);
    void OnCheck(const ListCellCheck& check);
    void PrepareOptions(int32_t key);
    // Shows the refusal's pop-up; true when the outcome was Done.
    bool Accepted(const CProfileRules::Result& result, const wchar_t* limitKey);
    INT_PTR Warn(const wchar_t* layoutFile, const std::wstring& name, const std::wstring& replacementKey = {});
    [[nodiscard]] FileDialogRequest ProfileFileRequest() const;

    CProfileRules m_rules;
    CXListCtrl* m_list = nullptr;
    CListPanelItem* m_options = nullptr;
    CDropdownListItem* m_selector = nullptr;
    CBitmapBtn* m_profileOsd = nullptr;
    CTextItem* m_profileInfo = nullptr;
    CTextItem* m_profileName = nullptr;
    // An option whose sub-list exists but is empty shows inactive; this is that sub-list.
    CListPanelItem m_noChoices;
};
