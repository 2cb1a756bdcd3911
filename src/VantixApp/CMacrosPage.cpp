#include "VantixApp/CMacrosPage.h"

#include <array>
#include <cwchar>

#include "VantixApp/IPopupPresenter.h"
#include "VantixApp/PageTable.h"
#include "config/CVantixConfig.h"
#include "controls/CEditItem.h"
#include "controls/CMacroDisplayItem.h"
#include "device/IMouseDevice.h"
#include "macro/CMacro.h"
#include "macro/CMacroRecorder.h"
#include "macro/CPredefinedMacroList.h"
#include "macro/KeyStroke.h"
#include "skin/win/CBitmapBtn.h"
#include "skin/win/CDropdownListItem.h"
#include "skin/win/WindowFocus.h"
#include "skin/win/CListPanelItem.h"
#include "skin/win/CTextItem.h"
#include "vocabulary/ItemIds.h"
#include "vocabulary/NameKeys.h"

namespace {

constexpr std::array<int32_t, 16> kCommands = {
    ItemId::BUTTON_MACRO_CREATE, ItemId::BUTTON_MACRO_SAVE, ItemId::BUTTON_MACRO_EXPORT,
    ItemId::BUTTON_MACRO_IMPORT, ItemId::BUTTON_MACRO_DELETE, ItemId::BUTTON_MACRO_RECORD,
    ItemId::BUTTON_MACRO_ADVANCED, ItemId::BUTTON_MACRO_RECORD_STOP, ItemId::BUTTON_MACRO_RECORD_PLAY,
    ItemId::BUTTON_MACRO_RECORD_BACKWARD, ItemId::BUTTON_MACRO_RECORD_FORWARD, ItemId::BUTTON_IGNORE_DELAY,
    ItemId::BUTTON_DEFAULT_DELAY, ItemId::BUTTON_ADD_BASIC_MACRO_CMDS, ItemId::BUTTON_ADD_ADV_MACRO_CMDS,
    ItemId::BUTTON_INSERT_DELAY,
};
constexpr std::array<uint32_t, 5> kNotifications = {Notification::kEntryChosen, Notification::kMacroEventsEdited,
                                                    Notification::kMacroEventEdit, Notification::kMacroPreviewEnded,
                                                    Notification::kEditChanged};

constexpr TransferFlags kMacrosChanged = TransferFlag::kMacros;
constexpr wchar_t kDefaultDelayText[] = L"50";

// The items a chosen macro needs: off with no macro chosen.
constexpr std::array<int32_t, 15> kNeedAMacro = {
    ItemId::BUTTON_MACRO_EXPORT,          ItemId::BUTTON_MACRO_DELETE,         ItemId::BUTTON_MACRO_RECORD_PLAY,
    ItemId::BUTTON_MACRO_RECORD_BACKWARD, ItemId::BUTTON_MACRO_RECORD_FORWARD, ItemId::BUTTON_INSERT_DELAY,
    ItemId::BUTTON_ADD_BASIC_MACRO_CMDS,  ItemId::BUTTON_ADD_ADV_MACRO_CMDS,   ItemId::LIST_GLOBAL_BASIC_COMMANDS,
    ItemId::LIST_GLOBAL_ADDITIONAL_COMMANDS, ItemId::BUTTON_IGNORE_DELAY,      ItemId::BUTTON_DEFAULT_DELAY,
    ItemId::TEXT_IGNORE_DELAY,            ItemId::TEXT_DEFAULT_DELAY,          ItemId::EDITCTRL_INSERT_DELAY,
};
// The other items of the page that Stop does not need.
constexpr std::array<int32_t, 5> kAlwaysUsable = {
    ItemId::LIST_GLOBALMACROLIST, ItemId::BUTTON_MACRO_CREATE, ItemId::BUTTON_MACRO_IMPORT,
    ItemId::BUTTON_MACRO_RECORD, ItemId::BUTTON_MACRO_ADVANCED,
};
// The main window's items that a recording or a preview locks.
constexpr std::array<int32_t, 7> kLockedWhileBusy = {
    ItemId::BUTTON_ASSIGNBUTTONS,       ItemId::BUTTON_ADJUSTPERFORMANCE, ItemId::BUTTON_MANAGEPROFILES,
    ItemId::BUTTON_MANAGEMACROS,        ItemId::BUTTON_LIGHTINGMAINTENANCE, ItemId::BUTTON_OK,
    ItemId::BUTTON_CANCEL,
};

void EnableItem(CGUIItem* item, bool enable)
{
    if (item == nullptr)
        return;
    if (auto* box = dynamic_cast<CDropdownListItem*>(item))
        box->SetDisabled(!enable);
    const HWND window = item->ItemWindow();
    if (window != nullptr && window != CGUIItem::kNoWindow) {
        // Stop and Record disable themselves when clicked: the focus must stay in the window.
        EnableKeepingFocus(window, enable);
        InvalidateRect(window, nullptr, FALSE);
    }
}

// A whole number typed in a field; nothing for an empty field, 0 or anything not a number.
std::optional<int32_t> PositiveNumber(const std::wstring& text)
{
    if (text.empty() || text.size() > 8 || text.find_first_not_of(L"0123456789") != std::wstring::npos)
        return std::nullopt;
    const long value = std::wcstol(text.c_str(), nullptr, 10);
    if (value <= 0)
        return std::nullopt;
    return static_cast<int32_t>(std::min<long>(value, CMacroRecorder::kMaxDelay));
}

}  // namespace

CMacrosPage::CMacrosPage(IPageHost& host) : CPageBase(host, kCommands, kNotifications), m_rules(host.Config())
{
    m_macroList = host.BoundAs<CDropdownListItem>(ItemId::LIST_GLOBALMACROLIST);
    m_basicCommands = host.BoundAs<CDropdownListItem>(ItemId::LIST_GLOBAL_BASIC_COMMANDS);
    m_additionalCommands = host.BoundAs<CDropdownListItem>(ItemId::LIST_GLOBAL_ADDITIONAL_COMMANDS);
    m_display = host.BoundAs<CMacroDisplayItem>(ItemId::MACRO_DISPLAY);
    m_preview = host.BoundAs<CMacroDisplayItem>(ItemId::MACRO_DISPLAY_READONLY);
    m_ignoreDelays = host.BoundAs<CBitmapBtn>(ItemId::BUTTON_IGNORE_DELAY);
    m_useDefaultDelay = host.BoundAs<CBitmapBtn>(ItemId::BUTTON_DEFAULT_DELAY);
    m_recordButton = host.BoundAs<CBitmapBtn>(ItemId::BUTTON_MACRO_RECORD);
    m_stopButton = host.BoundAs<CBitmapBtn>(ItemId::BUTTON_MACRO_RECORD_STOP);
    m_defaultDelay = host.BoundAs<CEditItem>(ItemId::EDITCTRL_DEFAULT_DELAY);
    m_insertDelay = host.BoundAs<CEditItem>(ItemId::EDITCTRL_INSERT_DELAY);
    if (m_display != nullptr)
        m_display->SetOptionPanels(host.BoundAs<CListPanelItem>(ItemId::LISTPANEL_MACROOPTIONS),
                                   host.BoundAs<CListPanelItem>(ItemId::LISTPANEL_MACROOPTIONS2));
    if (m_defaultDelay != nullptr) {
        (void)m_defaultDelay->SetNumeric(0, CMacroRecorder::kMaxDelay);
        m_defaultDelay->SetText(kDefaultDelayText);
    }
    if (m_insertDelay != nullptr)
        (void)m_insertDelay->SetNumeric(0, CMacroRecorder::kMaxDelay);
    FillCommandLists();
    RefreshList({});
    SetState(CurrentMacro() != nullptr ? State::Idle : State::NoMacro);
}

std::unique_ptr<IVantixPage> CMacrosPage::Make(IPageHost& host)
{
    return std::make_unique<CMacrosPage>(host);
}

std::wstring CMacrosPage::MacroFilter()
{
    const std::wstring extension = CVantixConfig::kMacroExtension;
    return extension + L" Macro Files (*." + extension + L")|*." + extension + L"||";
}

std::vector<MacroEvent> CMacrosPage::CommandEvents(const std::wstring& name)
{
    const CPredefinedMacroList& commands = CPredefinedMacroList::Instance();
    for (int number = 1; number <= 17; ++number) {
        if (!name.empty() && NameKeys::FunctionNameKey(CPredefinedMacroList::FunctionCode(number)) == name)
            return commands.Events(number);
    }
    return {};
}

// --- showing -------------------------------------------------------------------------------------

void CMacrosPage::Refresh()
{
    if (IsRecording())
        return;
    RefreshList(m_macroList != nullptr ? m_macroList->CurrentText() : std::wstring());
    SetState(CurrentMacro() != nullptr ? State::Idle : State::NoMacro);
}

void CMacrosPage::OnShown()
{
    SetState(m_state);
}

void CMacrosPage::OnShowCommand()
{
    if (!IsRecording())
        SetState(CurrentMacro() != nullptr ? State::Idle : State::NoMacro);
}

void CMacrosPage::RefreshList(const std::wstring& select)
{
    if (m_macroList == nullptr)
        return;
    m_macroList->ClearEntries();
    for (const std::wstring& name : m_rules.Names())
        (void)m_macroList->AddEntry(name);
    const int index = select.empty() ? -1 : m_macroList->IndexOfEntry(select);
    if (index >= 0)
        (void)m_macroList->SetSelection(index);
    else
        m_macroList->ClearSelection();
    ShowMacro(CurrentMacro());
    InvalidateRect(m_macroList->ItemWindow(), nullptr, FALSE);
}

void CMacrosPage::FillCommandLists()
{
    const CPredefinedMacroList& commands = CPredefinedMacroList::Instance();
    const auto fill = [](CDropdownListItem* list, const auto& shortcuts) {
        if (list == nullptr)
            return;
        list->ClearEntries();
        for (const auto& [number, events] : shortcuts)
            (void)list->AddEntry(std::wstring(NameKeys::FunctionNameKey(CPredefinedMacroList::FunctionCode(number))));
        (void)list->SetSelection(0);
    };
    fill(m_basicCommands, commands.EditShortcuts());
    fill(m_additionalCommands, commands.WindowShortcuts());
}

CMacro* CMacrosPage::CurrentMacro() const
{
    if (m_macroList == nullptr || m_macroList->CurrentIndex() < 0)
        return nullptr;
    return Host().Config().FindMacroByName(m_macroList->CurrentText());
}

void CMacrosPage::ShowMacro(CMacro* macro)
{
    if (m_display != nullptr)
        m_display->SetEvents(macro != nullptr ? macro->GetEvents() : std::vector<MacroEvent>{});
}

void CMacrosPage::StoreEvents()
{
    if (CMacro* macro = CurrentMacro(); macro != nullptr && m_display != nullptr)
        macro->SetEvents(m_display->Events());
}

void CMacrosPage::SetState(State state)
{
    m_state = state;
    const bool busy = state == State::Previewing || state == State::Recording;
    for (const int32_t identifier : kNeedAMacro)
        EnableItem(Host().Bound(identifier), state == State::Idle);
    for (const int32_t identifier : kAlwaysUsable)
        EnableItem(Host().Bound(identifier), !busy);
    for (const int32_t identifier : kLockedWhileBusy)
        EnableItem(Host().Bound(identifier), !busy);
    // Apply is locked while busy too, and otherwise lit only when there is something to apply.
    EnableItem(Host().Bound(ItemId::BUTTON_APPLY), !busy && Host().HasUnappliedChanges());
    // The default delay is typed only while it is used.
    EnableItem(m_defaultDelay, !busy && m_useDefaultDelay != nullptr && m_useDefaultDelay->IsChecked());
    EnableItem(m_stopButton, busy);
    if (state == State::NoMacro && m_stopButton != nullptr)
        m_stopButton->SetToolTip(L"$StopRecordingMacroEvents");
    // One of the two event lists shows, and only while the page does.
    const bool shown = Host().IsPageShown(PageBit::kMacros);
    if (m_display != nullptr) {
        m_display->Recorder().SetLocked(busy && state != State::Recording);
        m_display->ShowItem(shown && state != State::Previewing);
        EnableItem(m_display, state != State::Previewing);
    }
    if (m_preview != nullptr) {
        m_preview->ShowItem(shown && state == State::Previewing);
        EnableItem(m_preview, state == State::Previewing);
    }
}

// --- what the user does --------------------------------------------------------------------------

void CMacrosPage::OnItemCommand(int32_t identifier)
{
    switch (identifier) {
    case ItemId::BUTTON_MACRO_CREATE: Create(); break;
    case ItemId::BUTTON_MACRO_RECORD: Record(); break;
    case ItemId::BUTTON_MACRO_RECORD_STOP: Stop(); break;
    case ItemId::BUTTON_MACRO_RECORD_PLAY: Preview(); break;
    case ItemId::BUTTON_MACRO_RECORD_BACKWARD: MoveSelection(true); break;
    case ItemId::BUTTON_MACRO_RECORD_FORWARD: MoveSelection(false); break;
    case ItemId::BUTTON_IGNORE_DELAY: SetIgnoreDelays(); return;
    case ItemId::BUTTON_DEFAULT_DELAY: SetDefaultDelay(); return;
    case ItemId::BUTTON_INSERT_DELAY: InsertDelay(); return;
    case ItemId::BUTTON_ADD_BASIC_MACRO_CMDS: AddCommand(m_basicCommands); break;
    case ItemId::BUTTON_ADD_ADV_MACRO_CMDS: AddCommand(m_additionalCommands); break;
    case ItemId::BUTTON_MACRO_ADVANCED: AddAdvancedCommand(); break;
    case ItemId::BUTTON_MACRO_DELETE: Delete(); break;
    case ItemId::BUTTON_MACRO_EXPORT:
    case ItemId::BUTTON_MACRO_SAVE: Export(); return;
    case ItemId::BUTTON_MACRO_IMPORT: Import(); break;
    default: return;
    }
    Host().MarkDirty(kMacrosChanged);
    // Marking enables Apply, which a recording or a preview keeps locked.
    if (IsRecording())
        EnableItem(Host().Bound(ItemId::BUTTON_APPLY), false);
}

void CMacrosPage::OnNotification(const PageNotification& notification)
{
    switch (notification.message) {
    case Notification::kEntryChosen:
        if (m_macroList != nullptr && notification.sender == m_macroList && !IsRecording()) {
            ShowMacro(CurrentMacro());
            SetState(CurrentMacro() != nullptr ? State::Idle : State::NoMacro);
        }
        break;
    case Notification::kMacroEventsEdited:
        if (m_display != nullptr && notification.sender == m_display && m_state == State::Idle) {
            StoreEvents();
            Host().MarkDirty(kMacrosChanged);
        }
        break;
    case Notification::kMacroEventEdit:
        if (m_display != nullptr && static_cast<int32_t>(notification.lParam) == m_display->Identifier()) {
            EditKeyStep();
            Host().MarkDirty(kMacrosChanged);
        }
        break;
    case Notification::kMacroPreviewEnded:
        if (m_state == State::Previewing)
            StopPreview();
        break;
    case Notification::kEditChanged:
        if (m_defaultDelay != nullptr && notification.sender == m_defaultDelay)
            OnDefaultDelayEdited();
        break;
    default: break;
    }
}

INT_PTR CMacrosPage::Warn(const wchar_t* layoutFile, const std::wstring& name)
{
    return Host().Popups().ShowWarning(Host().Window(), WarningRequest{layoutFile, name.empty() ? L"" : L": " + name, {}});
}

void CMacrosPage::Create()
{
    if (m_rules.IsFull())
        return;
    std::wstring name;
    if (Host().Popups().ShowNameEntry(Host().Window(), kNamePopup, L"", name) != IDOK || name.empty())
        return;
    const CMacroRules::Result made = m_rules.Create(name);
    if (made.outcome == CMacroRules::Outcome::DuplicateName) {
        (void)Warn(kDuplicatePopup, made.macro != nullptr ? made.macro->GetName() : name);
        return;
    }
    if (made.outcome != CMacroRules::Outcome::Done)
        return;
    RefreshList(made.macro->GetName());
    SetState(State::Idle);
}

std::optional<int32_t> CMacrosPage::TypedDefaultDelay() const
{
    return m_defaultDelay != nullptr ? PositiveNumber(m_defaultDelay->Text()) : std::nullopt;
}

void CMacrosPage::Record()
{
    if (m_state == State::NoMacro || CurrentMacro() == nullptr) {
        Create();
        return;
    }
    if (m_display == nullptr)
        return;
    CMacroRecorder& recorder = m_display->Recorder();
    if (recorder.UseDefaultDelay()) {
        const std::optional<int32_t> delay = TypedDefaultDelay();
        if (!delay) {
            (void)Warn(kDefaultDelayPopup);
            return;
        }
        recorder.SetDefaultDelay(*delay);
    }
    recorder.SetLocked(false);
    if (m_display->ToggleRecording()) {
        if (m_stopButton != nullptr)
            m_display->SetCaptureWindow(m_stopButton->ItemWindow());
        SetState(State::Recording);
        SetFocus(m_display->ItemWindow());
        if (m_recordButton != nullptr)
            m_recordButton->StartBlink(kRecordBlinkMs);
        return;
    }
    if (m_recordButton != nullptr)
        m_recordButton->SetCaption(L"$Record", 0);
    ShowMacro(CurrentMacro());
    SetState(State::Idle);
}

void CMacrosPage::Stop()
{
    if (m_state == State::Previewing)
        StopPreview();
    else
        StopRecording();
}

void CMacrosPage::StopRecording()
{
    if (m_display == nullptr || !m_display->IsRecording())
        return;
    if (m_display->ToggleRecording())
        return;
    StoreEvents();
    if (m_recordButton != nullptr)
        m_recordButton->StopBlink();
    SetState(State::Idle);
}

void CMacrosPage::StopPreview()
{
    if (m_preview != nullptr)
        m_preview->StopPreview();
    SetState(CurrentMacro() != nullptr ? State::Idle : State::NoMacro);
}

void CMacrosPage::Preview()
{
    CMacro* macro = CurrentMacro();
    if (macro == nullptr || m_preview == nullptr)
        return;
    SetState(State::Previewing);
    m_preview->StartPreview(macro->GetEvents());
}

void CMacrosPage::MoveSelection(bool toFirst)
{
    if (m_display == nullptr)
        return;
    const size_t count = m_display->Events().size();
    if (count == 0)
        m_display->Select(std::nullopt);
    else
        m_display->Select(toFirst ? 0 : count - 1);
}

void CMacrosPage::SetIgnoreDelays()
{
    if (m_display == nullptr || m_ignoreDelays == nullptr)
        return;
    const bool on = m_ignoreDelays->IsChecked();
    m_display->Recorder().SetNoDelays(on);
    if (on && m_useDefaultDelay != nullptr && m_useDefaultDelay->IsChecked()) {
        m_useDefaultDelay->SetChecked(false);
        EnableItem(m_defaultDelay, false);
    }
}

void CMacrosPage::SetDefaultDelay()
{
    if (m_display == nullptr || m_useDefaultDelay == nullptr)
        return;
    const bool on = m_useDefaultDelay->IsChecked();
    m_display->Recorder().SetUseDefaultDelay(on);
    EnableItem(m_defaultDelay, on);
    if (on && m_ignoreDelays != nullptr && m_ignoreDelays->IsChecked())
        m_ignoreDelays->SetChecked(false);
}

void CMacrosPage::OnDefaultDelayEdited()
{
    if (m_display == nullptr || !m_display->Recorder().UseDefaultDelay())
        return;
    if (const std::optional<int32_t> delay = TypedDefaultDelay()) {
        m_display->Recorder().SetDefaultDelay(*delay);
        return;
    }
    (void)Warn(kDefaultDelayPopup);
    m_defaultDelay->SetText(kDefaultDelayText);
    m_display->Recorder().SetDefaultDelay(CMacroRecorder::kDefaultDelay);
}

void CMacrosPage::InsertDelay()
{
    if (m_display == nullptr || m_insertDelay == nullptr || CurrentMacro() == nullptr)
        return;
    const std::optional<int32_t> delay = PositiveNumber(m_insertDelay->Text());
    const std::optional<size_t> selected = m_display->Selection();
    if (!delay || !selected)
        return;
    if (m_display->InsertSteps({MacroEvent::Delay(*delay)}, selected))
        StoreEvents();
}

void CMacrosPage::InsertCommand(const std::vector<MacroEvent>& events, bool select)
{
    if (events.empty() || m_display == nullptr || CurrentMacro() == nullptr)
        return;
    const std::optional<size_t> before = m_display->Selection();
    if (!m_display->InsertSteps(events, before))
        return;
    StoreEvents();
    if (!select)
        m_display->Select(before);
}

void CMacrosPage::AddCommand(CDropdownListItem* list)
{
    if (list != nullptr)
        InsertCommand(CommandEvents(list->CurrentText()), true);
}

void CMacrosPage::AddAdvancedCommand()
{
    std::wstring command;
    if (Host().Popups().ShowPredefinedCommand(Host().Window(), command) == IDOK)
        InsertCommand(CommandEvents(command), false);
}

void CMacrosPage::EditKeyStep()
{
    if (m_display == nullptr)
        return;
    const std::optional<size_t> selected = m_display->Selection();
    if (!selected || *selected >= m_display->Events().size())
        return;
    const MacroEvent step = m_display->Events()[*selected];
    if (step.kind != MacroEventKind::Key)
        return;
    KeyStroke key;
    key.scanCode = step.ScanCode();
    key.virtualKey = step.VirtualKey();
    key.direction = step.KeyDirection();
    key.flags = step.KeyFlags();
    if (Host().Popups().ShowSingleKey(Host().Window(), key) != IDOK || key.name.empty())
        return;
    // The new key keeps the step's direction.
    (void)m_display->ReplaceStep(*selected, MacroEvent::Key(key.scanCode, key.virtualKey, step.KeyDirection(),
                                                             key.flags));
}

void CMacrosPage::Delete()
{
    CMacro* macro = CurrentMacro();
    if (macro == nullptr || Warn(kConfirmDeletePopup, macro->GetName()) != IDOK)
        return;
    (void)m_rules.Delete(macro);
    // Buttons that ran the macro show their defaults on every page now.
    Host().RefreshPages();
    const std::vector<std::wstring> left = m_rules.Names();
    RefreshList(left.empty() ? std::wstring() : left.front());
    SetState(CurrentMacro() != nullptr ? State::Idle : State::NoMacro);
}

FileDialogRequest CMacrosPage::MacroFileRequest() const
{
    FileDialogRequest request;
    request.owner = Host().Window();
    request.filter = MacroFilter();
    request.defaultExtension = CVantixConfig::kMacroExtension;
    request.folder = Host().Config().GetMacroFolder();
    request.fileName = std::wstring(L".") + CVantixConfig::kMacroExtension;
    return request;
}

void CMacrosPage::Export()
{
    CMacro* macro = CurrentMacro();
    if (macro == nullptr)
        return;
    if (!Host().Device().HasMacro(macro)) {
        (void)Warn(kExportWarningPopup, macro->GetName());
        return;
    }
    const FileDialogRequest request = MacroFileRequest();
    const std::optional<std::wstring> path = Host().FileDialogs().ChooseFileToSave(request);
    if (!path || path->size() <= request.fileName.size())
        return;
    // A write the device service refuses is told, not passed over.
    if (!Host().Device().ExportMacro(*path, macro))
        (void)Warn(kExportFailedPopup, macro->GetName());
}

void CMacrosPage::Import()
{
    const FileDialogRequest request = MacroFileRequest();
    const std::optional<std::wstring> path = Host().FileDialogs().ChooseFileToOpen(request);
    if (!path || path->size() <= request.fileName.size())
        return;
    const std::wstring shown = m_macroList != nullptr ? m_macroList->CurrentText() : std::wstring();
    if (!Host().Device().ImportMacro(*path, &Host().Config())) {
        // Not a macro file, a damaged or cut-short one: the service took nothing.
        (void)Warn(kImportFailedPopup);
        return;
    }
    RefreshList(shown);
    SetState(CurrentMacro() != nullptr ? State::Idle : State::NoMacro);
}
