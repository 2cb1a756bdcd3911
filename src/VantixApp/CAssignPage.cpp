#include "VantixApp/CAssignPage.h"

#include "VantixApp/IPopupPresenter.h"
#include "config/AssignmentDetail.h"
#include "config/CVantixConfig.h"
#include "controls/LanguageKeyboard.h"
#include "macro/CMacro.h"
#include "macro/KeyStroke.h"
#include "skin/win/CBitmapBtn.h"
#include "skin/win/CDropdownListItem.h"
#include "skin/win/CListPanelItem.h"
#include "vocabulary/ItemIds.h"

namespace {

using Outcome = CButtonAssigner::Outcome;

constexpr std::array<int32_t, 3> kCommands = {
    ItemId::BUTTON_KEYASSIGN_123NUM_123, ItemId::BUTTON_KEYASSIGN_123NUM_NUM, ItemId::BUTTON_DISABLE_KEYS,
};
constexpr std::array<uint32_t, 2> kNotifications = {Notification::kEntryChosen, Notification::kDropdownOpening};

// Button number and item, in the order the page shows them.
constexpr std::array<std::pair<int32_t, int32_t>, CAssignPage::kButtonCount> kButtonItems = {{
    {1, ItemId::BUTTON_ASSNLEFTCLICK},     {2, ItemId::BUTTON_ASSNRIGHTCLICK},   {3, ItemId::BUTTON_ASSNSCROLLBUTTON},
    {10, ItemId::BUTTON_ASSNSCROLLUP},     {11, ItemId::BUTTON_ASSNSCROLLDOWN},  {12, ItemId::BUTTON_ASSNTHUMBGRID01},
    {13, ItemId::BUTTON_ASSNTHUMBGRID02},  {14, ItemId::BUTTON_ASSNTHUMBGRID03}, {15, ItemId::BUTTON_ASSNTHUMBGRID04},
    {16, ItemId::BUTTON_ASSNTHUMBGRID05},  {17, ItemId::BUTTON_ASSNTHUMBGRID06}, {18, ItemId::BUTTON_ASSNTHUMBGRID07},
    {19, ItemId::BUTTON_ASSNTHUMBGRID08},  {20, ItemId::BUTTON_ASSNTHUMBGRID09}, {21, ItemId::BUTTON_ASSNTHUMBGRID10},
    {22, ItemId::BUTTON_ASSNTHUMBGRID11},  {23, ItemId::BUTTON_ASSNTHUMBGRID12},
}};

constexpr TransferFlags kAssignmentsChanged = TransferFlag::kButtons;

}  // namespace

CAssignPage::CAssignPage(IPageHost& host) : CPageBase(host, kCommands, kNotifications), m_assigner(host.Config())
{
    for (size_t index = 0; index < kButtonItems.size(); ++index)
        m_buttons[index] = {kButtonItems[index].first, host.BoundAs<CDropdownListItem>(kButtonItems[index].second)};
    m_macros = host.BoundAs<CListPanelItem>(ItemId::LISTPANEL_ASSIGNSUBMENU_MA);
    m_profiles = host.BoundAs<CListPanelItem>(ItemId::LISTPANEL_ASSIGNSUBMENU_PR);
    m_digits = host.BoundAs<CBitmapBtn>(ItemId::BUTTON_KEYASSIGN_123NUM_123);
    m_numPad = host.BoundAs<CBitmapBtn>(ItemId::BUTTON_KEYASSIGN_123NUM_NUM);
    m_disableKeys = host.BoundAs<CBitmapBtn>(ItemId::BUTTON_DISABLE_KEYS);
}

std::unique_ptr<IVantixPage> CAssignPage::Make(IPageHost& host)
{
    return std::make_unique<CAssignPage>(host);
}

void CAssignPage::Refresh()
{
    m_assigner.LoadKeyMaps();
    SelectKeySet(m_assigner.CurrentKeySet());
}

void CAssignPage::RefreshAssignments()
{
    for (const Button& button : m_buttons)
        if (button.box != nullptr)
            ShowButton(button);
    const bool enabled = Host().Config().GetKeysEnabled();
    if (m_disableKeys != nullptr) {
        m_disableKeys->SetCaption(enabled ? L"$DisableAll" : L"$EnableAll", 0);
        if (m_disableKeys->IsChecked() == enabled)
            m_disableKeys->SetChecked(!enabled);
    }
}

void CAssignPage::ShowButton(const Button& button)
{
    CDropdownListItem& box = *button.box;
    box.ClearEntries();
    for (std::wstring& key : m_assigner.Menu(button.number)) {
        const int32_t code = CButtonAssigner::CodeOfEntry(key);
        box.AddEntry(std::move(key), code == FunctionCode::kMacro     ? m_macros
                                     : code == FunctionCode::kProfile ? m_profiles
                                                                      : nullptr);
    }
    const bool grid = CButtonAssigner::IsGridButton(button.number);
    box.SetDisabled(grid && !Host().Config().GetKeysEnabled());
    const std::optional<AssignmentInfo> record = m_assigner.Shown(button.number);
    if (!record)
        return;
    const int32_t entryCode = CButtonAssigner::EntryCodeOf(record->functionCode);
    for (size_t index = 0; index < box.EntryCount(); ++index)
        if (CButtonAssigner::CodeOfEntry(box.EntryText(static_cast<int>(index))) == entryCode) {
            (void)box.SetSelection(static_cast<int>(index),
                                   AssignmentDetail(Host().Config(), *record, LanguageKeyboard()));
            return;
        }
}

void CAssignPage::FillSubmenus()
{
    CVantixConfig& config = Host().Config();
    if (m_macros != nullptr) {
        m_macros->SetEntries({});
        for (uint32_t index = 0; index < config.GetMacroCount(); ++index)
            if (const CMacro* macro = config.GetMacroAt(index))
                m_macros->AddEntry(macro->GetName());
    }
    if (m_profiles != nullptr) {
        m_profiles->SetEntries({});
        for (uint32_t index = 0; index < config.GetProfileCount(); ++index)
            if (const IMouseProfile* profile = config.GetProfileAt(index))
                m_profiles->AddEntry(profile->GetName());
    }
}

const CAssignPage::Button* CAssignPage::ButtonOf(const CGUIItem* item) const noexcept
{
    for (const Button& button : m_buttons)
        if (button.box != nullptr && button.box == item)
            return &button;
    return nullptr;
}

void CAssignPage::OnNotification(const PageNotification& notification)
{
    const Button* button = ButtonOf(notification.sender);
    if (button == nullptr)
        return;
    if (notification.message == Notification::kDropdownOpening)
        FillSubmenus();
    else if (notification.message == Notification::kEntryChosen)
        OnEntryChosen(*button, static_cast<int>(notification.wParam));
}

bool CAssignPage::Accepted(Outcome outcome)
{
    if (outcome != Outcome::NoClickLeft)
        return true;
    (void)Host().Popups().ShowWarning(Host().Window(), WarningRequest{kNoClickPopup, L"", L""});
    return false;
}

void CAssignPage::OnEntryChosen(const Button& button, int entry)
{
    const int32_t code = CButtonAssigner::CodeOfEntry(button.box->EntryText(entry));
    if (code == FunctionCode::kUnassigned)
        return;
    if (code == FunctionCode::kSingleKey) {
        AssignSingleKey(button);
    } else if (const std::optional<AssignmentInfo> record = m_assigner.RecordFor(code, button.box->SecondText())) {
        (void)Accepted(m_assigner.Assign(button.number, *record));
    }
    RefreshAssignments();
    Host().MarkDirty(kAssignmentsChanged);
}

void CAssignPage::AssignSingleKey(const Button& button)
{
    const std::optional<AssignmentInfo> previous = m_assigner.Current(button.number);
    if (!previous || !Accepted(m_assigner.Assign(button.number, AssignmentInfo::SingleKey(0, 0, 0))))
        return;
    KeyStroke key;
    if (Host().Popups().ShowSingleKey(Host().Window(), key) == 1 && !key.name.empty())
        (void)m_assigner.Assign(button.number, AssignmentInfo::SingleKey(key.scanCode, key.virtualKey, key.flags));
    else
        m_assigner.Restore(button.number, *previous);
}

void CAssignPage::SelectKeySet(CButtonAssigner::KeySet set)
{
    m_assigner.SelectKeySet(set);
    const bool digits = set == CButtonAssigner::KeySet::Digits;
    if (m_digits != nullptr && m_digits->IsChecked() != digits)
        m_digits->SetChecked(digits);
    if (m_numPad != nullptr && m_numPad->IsChecked() == digits)
        m_numPad->SetChecked(!digits);
    RefreshAssignments();
}

void CAssignPage::ToggleKeys()
{
    // The button has toggled itself: pressed means the keys are off.
    const bool enable = m_disableKeys == nullptr || !m_disableKeys->IsChecked();
    (void)Accepted(m_assigner.SetKeysEnabled(enable));
    RefreshAssignments();
    // The keys' switch is part of the profile's assignments: Apply must send it.
    Host().MarkDirty(kAssignmentsChanged);
}

void CAssignPage::OnItemCommand(int32_t identifier)
{
    switch (identifier) {
    case ItemId::BUTTON_KEYASSIGN_123NUM_123: SelectKeySet(CButtonAssigner::KeySet::Digits); break;
    case ItemId::BUTTON_KEYASSIGN_123NUM_NUM: SelectKeySet(CButtonAssigner::KeySet::NumPad); break;
    case ItemId::BUTTON_DISABLE_KEYS: ToggleKeys(); break;
    default: break;
    }
}
