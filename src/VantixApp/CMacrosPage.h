#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "VantixApp/CPageBase.h"
#include "config/CMacroRules.h"
#include "macro/MacroEvent.h"
#include "platform/win/IFileDialogs.h"

class CBitmapBtn;
class CDropdownListItem;
class CEditItem;
class CListPanelItem;
class CMacro;
class CMacroDisplayItem;

// The macros page: the macro selector, the event list that records and edits the chosen macro,
// the read-only list that previews it, the delay options, the ready-made commands, and making,
// deleting, exporting and importing macros. While it records or previews, only its Stop button
// acts (the main window asks IsRecording).
class CMacrosPage : public CPageBase
{
public:
    static constexpr wchar_t kNamePopup[] = L"MacroNamePopup.xml";
    static constexpr wchar_t kDuplicatePopup[] = L"DuplicateMacroWarningPopup.xml";
    static constexpr wchar_t kDefaultDelayPopup[] = L"DefaultDelayWarningPopup.xml";
    static constexpr wchar_t kExportWarningPopup[] = L"ExportMacroWarningPopup.xml";
    static constexpr wchar_t kConfirmDeletePopup[] = L"ConfirmDeleteMacroPopup.xml";
    // A file the device service would not import or export.
    static constexpr wchar_t kImportFailedPopup[] = L"ImportMacroFailedPopup.xml";
    static constexpr wchar_t kExportFailedPopup[] = L"ExportMacroFailedPopup.xml";
    // The record button blinks at this pace while recording.
    static constexpr unsigned kRecordBlinkMs = 500;

    // What can be pressed: nothing chosen, a macro chosen, previewing, recording.
    enum class State : uint8_t
    {
        NoMacro = 0,
        Idle = 1,
        Previewing = 2,
        Recording = 3,
    };

    explicit CMacrosPage(IPageHost& host);
    [[nodiscard]] static std::unique_ptr<IVantixPage> Make(IPageHost& host);

    void OnItemCommand(int32_t identifier) override;
    void OnNotification(const PageNotification& notification) override;
    void Refresh() override;
    void OnShown() override;
    void OnShowCommand() override;

    // Recording and previewing lock the main window: only Stop acts.
    [[nodiscard]] bool IsRecording() const override
    {
        return m_state == State::Recording || m_state == State::Previewing;
    }
    [[nodiscard]] State CurrentState() const noexcept { return m_state; }

    // The macro files' filter for the file dialogs: "dnm Macro Files (*.dnm)|*.dnm||".
    [[nodiscard]] static std::wstring MacroFilter();
    // The events of a ready-made command by its name key; empty for an unknown name.
    [[nodiscard]] static std::vector<MacroEvent> CommandEvents(const std::wstring& name);

private:
    void RefreshList(const std::wstring& select);
    void FillCommandLists();
    void SetState(State state);
    void ShowMacro(CMacro* macro);
    [[nodiscard]] CMacro* CurrentMacro() const;
    void StoreEvents();

    void Create();
    void Record();
    void Stop();
    void StopRecording();
    void StopPreview();
    void Preview();
    void MoveSelection(bool toFirst);
    void SetIgnoreDelays();
    void SetDefaultDelay();
    void OnDefaultDelayEdited();
    void InsertDelay();
    void AddCommand(CDropdownListItem* list);
    void AddAdvancedCommand();
    void InsertCommand(const std::vector<MacroEvent>& events, bool select);
    void EditKeyStep();
    void Delete();
    void Export();
    void Import();
    INT_PTR Warn(const wchar_t* layoutFile, const std::wstring& name = {});
    [[nodiscard]] FileDialogRequest MacroFileRequest() const;
    // The default delay typed in its field; nothing when empty or 0.
    [[nodiscard]] std::optional<int32_t> TypedDefaultDelay() const;

    CMacroRules m_rules;
    State m_state = State::NoMacro;
    CDropdownListItem* m_macroList = nullptr;
    CDropdownListItem* m_basicCommands = nullptr;
    CDropdownListItem* m_additionalCommands = nullptr;
    CMacroDisplayItem* m_display = nullptr;
    CMacroDisplayItem* m_preview = nullptr;
    CBitmapBtn* m_ignoreDelays = nullptr;
    CBitmapBtn* m_useDefaultDelay = nullptr;
    CBitmapBtn* m_recordButton = nullptr;
    CBitmapBtn* m_stopButton = nullptr;
    CEditItem* m_defaultDelay = nullptr;
    CEditItem* m_insertDelay = nullptr;
};
