#pragma once

#include <windows.h>

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "../support/WindowTestSupport.h"
#include "VantixApp/CVantixApp.h"
#include "VantixApp/IPopupPresenter.h"
#include "config/CDpiStageList.h"
#include "macro/KeyStroke.h"
#include "controls/CInstalledControls.h"
#include "skin/CLanguageSet.h"
#include "skin/win/CItemList.h"
#include "skin/win/CLayoutLoader.h"
#include "skin/win/CSkinEnvironment.h"

// Ends the tray companions that a program started during a test launched. The companion
// outlives the program: left running, it would serve later tests with this test's mouse store,
// and under Wine it keeps the test runner's output open, so the runner waits for its time-out.
class CTrayCompanionGuard
{
public:
    CTrayCompanionGuard() : m_before(Running()) {}
    ~CTrayCompanionGuard()
    {
        for (const DWORD id : Running()) {
            if (std::find(m_before.begin(), m_before.end(), id) != m_before.end())
                continue;
            if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
                TerminateProcess(process, 1);
                (void)WaitForSingleObject(process, 20000);
                CloseHandle(process);
            }
        }
    }
    CTrayCompanionGuard(const CTrayCompanionGuard&) = delete;
    CTrayCompanionGuard& operator=(const CTrayCompanionGuard&) = delete;

private:
    static std::vector<DWORD> Running()
    {
        std::vector<DWORD> ids;
        HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        if (snapshot == INVALID_HANDLE_VALUE)
            return ids;
        PROCESSENTRY32W entry{};
        entry.dwSize = sizeof(entry);
        for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
            if (_wcsicmp(entry.szExeFile, L"Peraxil1800Tray.exe") == 0)
                ids.push_back(entry.th32ProcessID);
        CloseHandle(snapshot);
        return ids;
    }

    std::vector<DWORD> m_before;
};

// The build's program folder (layouts, pictures, fonts, language files) as Wine names it.
inline std::wstring ProgramFolder()
{
    return wintest::WindowsPath(std::string_view(VANTIX_TEST_PROGRAM_DIR), true);
}

// Runs the thread's messages until `done` answers true or `rounds` rounds passed, each ending
// when a message arrives or after 10 ms; the answer of `done` at the end.
inline bool PumpUntil(const std::function<bool()>& done, int rounds = 500)
{
    MSG message{};
    for (int round = 0; round < rounds; ++round) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (done())
            return true;
        (void)MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return done();
}

inline void PumpFor(int rounds)
{
    (void)PumpUntil([] { return false; }, rounds);
}

// Remembers the pop-ups a window asked for without showing them: warnings are answered with
// `warningResult`; the editing pop-ups with `editResult` and, after OK, the prepared answers.
class CPopupRecorder : public IPopupPresenter
{
public:
    INT_PTR ShowWarning(HWND, const WarningRequest& request) override
    {
        requests.push_back(request);
        return warningResult;
    }
    INT_PTR ShowNameEntry(HWND, const std::wstring& layoutFile, const std::wstring&, std::wstring& name) override
    {
        shown.push_back(layoutFile);
        if (editResult == 1)
            name = nameAnswer;
        return editResult;
    }
    INT_PTR ShowSingleKey(HWND, KeyStroke& key) override
    {
        shown.push_back(L"SingleKeyPopup.xml");
        if (editResult == 1)
            key = keyAnswer;
        else
            key.name.clear();
        return editResult;
    }
    INT_PTR ShowDpiStages(HWND, CDpiStageList& stages) override
    {
        shown.push_back(L"DPIStagesPopup.xml");
        stagesGiven = stages;
        if (editResult == 1 && editStages)
            editStages(stages);
        return editResult;
    }
    INT_PTR ShowPredefinedCommand(HWND, std::wstring& command) override
    {
        shown.push_back(L"AdvancedMacroPopup.xml");
        if (editResult == 1)
            command = commandAnswer;
        return editResult;
    }
    INT_PTR ShowPreview(HWND, IMouseProfile&, IMouseConfig&) override
    {
        shown.push_back(L"PreviewPopup.xml");
        return 1;
    }

    std::vector<WarningRequest> requests;
    std::vector<std::wstring> shown;  // the other pop-ups' layouts, in order
    INT_PTR warningResult = 1;
    INT_PTR editResult = 2;
    std::wstring nameAnswer;
    KeyStroke keyAnswer;
    std::function<void(CDpiStageList&)> editStages;
    std::optional<CDpiStageList> stagesGiven;
    std::wstring commandAnswer;
};

// The skin environment on the build's program folder with the texts of `language` (a registry
// language name), as start-up sets it up; torn down again after the test.
class SkinEnvironmentScope
{
public:
    explicit SkinEnvironmentScope(std::wstring_view language = L"English")
    {
        CVantixApp::RegisterWindowClass(GetModuleHandleW(nullptr));
        (void)CVantixApp::PrepareSkin(ProgramFolder(), language, m_languages);
    }
    ~SkinEnvironmentScope() { CVantixApp::ReleaseSkin(m_languages); }
    SkinEnvironmentScope(const SkinEnvironmentScope&) = delete;
    SkinEnvironmentScope& operator=(const SkinEnvironmentScope&) = delete;

private:
    CItemList m_languages;
    // The pop-up list and the controls' item makers, as the program installs them.
    CInstalledControls m_controls{CSkinEnvironment::Instance()};
};
