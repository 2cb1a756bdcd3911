#pragma once

#include <windows.h>

#include <string>

class CDpiStageList;
class IMouseConfig;
class IMouseProfile;
struct KeyStroke;

// A warning or confirmation to show: its layout file and the optional texts for its heading.
struct WarningRequest
{
    std::wstring layoutFile;
    // Appended to the heading as written (callers include the ": ").
    std::wstring appendText;
    // A language key that replaces the heading; it wins over appendText.
    std::wstring replacementKey;
};

// Where the main window and its pages show their pop-ups. The program shows them modally over
// the owner, which takes no input meanwhile (CPopupPresenter); tests put a stand-in in its place
// to see which pop-up was asked for and to answer it without a modal loop.
//
// Every operation returns the pop-up's result: 1 (OK) or 2 (Cancel), -1 when it could not be
// shown. Outputs are written only after OK unless said otherwise.
class IPopupPresenter
{
public:
    virtual ~IPopupPresenter() = default;

    // A message ("NoMousePopup.xml", "RestorePopup.xml", ...): CVantixWarningDlg.
    virtual INT_PTR ShowWarning(HWND owner, const WarningRequest& request) = 0;
    // A name ("ProfileNamePopup.xml", "ProfileRenamePopup.xml", "MacroNamePopup.xml"), with
    // `appendText` after the heading: CVantixNameEntryPopup. `name`: what was typed, at most
    // 20 characters, empty when nothing was.
    virtual INT_PTR ShowNameEntry(HWND owner, const std::wstring& layoutFile, const std::wstring& appendText,
                                  std::wstring& name) = 0;
    // One key ("SingleKeyPopup.xml"): CPopupBoxSingleKeyEntry. `key` in and out: after OK the
    // key pressed with its name; after Cancel its name is emptied.
    virtual INT_PTR ShowSingleKey(HWND owner, KeyStroke& key) = 0;
    // The DPI stages ("DPIStagesPopup.xml"): CDPIStagesPopup. `stages` in and out (at least five
    // stages, as CDpiStageList::FromConfig gives them).
    virtual INT_PTR ShowDpiStages(HWND owner, CDpiStageList& stages) = 0;
    // A ready-made command ("AdvancedMacroPopup.xml"): CPredefinedMacroPopup. `command`: the
    // chosen command's name key, empty when none was chosen.
    virtual INT_PTR ShowPredefinedCommand(HWND owner, std::wstring& command) = 0;
    // A profile's button functions ("PreviewPopup.xml"): CPreviewPopup.
    virtual INT_PTR ShowPreview(HWND owner, IMouseProfile& profile, IMouseConfig& config) = 0;
};
