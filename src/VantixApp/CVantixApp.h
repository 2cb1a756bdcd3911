#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/win/ScopedComInit.h"
#include "platform/win/WinHandles.h"
#include "skin/layout/ItemDescriptions.h"
#include "skin/win/CItemList.h"

class CMouse;
class CVantixConfig;
class CVantixAppDlg;

// The program's life: one copy per desktop (a named mutex held for the program's life), the
// process set up (common controls, COM, the program directory), the configuration and the mouse
// device object made, the language table loaded and the language chosen, then the main window
// run modally, the tray companion started once the window was made; afterwards everything is
// torn down in the order device, configuration, COM, window. A damaged installation or a window
// that cannot be made is told to the user and ends the run with a failing exit status.
class CVantixApp
{
public:
    static constexpr wchar_t kInstanceName[] = L"SINGLE_INSTANCE_APP_VANTIX";
    static constexpr wchar_t kRegistryKey[] = L"Software\\Dunmo\\Peraxil1800";
    static constexpr wchar_t kTrayProgram[] = L"Peraxil1800Tray.exe";
    // How long a second copy waits for the first copy's window to bring it forward.
    static constexpr DWORD kFirstWindowWaitMs = 10000;
    static constexpr DWORD kWindowPollMs = 50;
    // Registry texts: at most this many bytes of data (39 characters and the terminator).
    static constexpr DWORD kRegistryTextBytes = 80;
    // The program's exit status: how its run ended.
    static constexpr int kExitClosed = 0;               // closed by the user, or handed to a running copy
    static constexpr int kExitMouseNotFound = 2;        // the mouse was missing or went away
    static constexpr int kExitInstallationDamaged = 3;  // a layout, picture or language could not be read
    static constexpr int kExitWindowNotMade = 4;        // the window could not be made (no display)

    explicit CVantixApp(HINSTANCE instance) noexcept;
    CVantixApp(const CVantixApp&) = delete;
    CVantixApp& operator=(const CVantixApp&) = delete;
    ~CVantixApp();

    // Runs the whole program; returns false in every case, as the program then ends.
    bool InitInstance();
    // How the run ended (kExit...), for the process's exit status.
    [[nodiscard]] int ExitStatus() const noexcept { return m_exitStatus; }

    // The main window's class: the dialog procedure, dialog extra bytes, the program's icon,
    // a black background. A second copy finds the first by it.
    static bool RegisterWindowClass(HINSTANCE instance);
    // The drive and folder of the program file, ending in a backslash.
    [[nodiscard]] static std::wstring ProgramDirectory();
    // Brings a running copy's window (or its open pop-up) forward; false when none runs.
    static bool ActivateRunningCopy();
    // The same, waiting up to `waitMs` for the window of a copy that is still starting.
    static bool ActivateRunningCopy(DWORD waitMs);

    // The skin as start-up sets it up for the windows: the skin environment on `directory`, the
    // language table and fonts of its Language.xml loaded into `languageItems`, the language
    // `languageName` names (the registry's name: English, German, ...) made current, English
    // when it names none, and the panels' dialog template. The panel gallery shares it.
    // Without a readable Language.xml the English texts are read by themselves. What was
    // refused is traced; the problem that left no language at all is returned.
    [[nodiscard]] static std::optional<LayoutProblem>
    PrepareSkin(const std::wstring& directory, std::wstring_view languageName, CItemList& languageItems);
    // Undoes PrepareSkin: no current language, the language items destroyed, the cache released.
    static void ReleaseSkin(CItemList& languageItems) noexcept;

private:
    [[nodiscard]] bool IsOnlyCopy();
    void PrepareProcess();
    void CreateDevice();
    // Reads the installation's key and moves to its folder; the registry's language name, empty
    // when there is none.
    [[nodiscard]] std::wstring ReadInstallation();
    // Once the window was made: the key made when it was missing, and the tray companion started.
    // Left undone when the installation cannot show its window, so that nothing is written then.
    void CompleteInstallation();
    void RunMainWindow();
    // Ends the run with `status`: a line for a developer and a message box for the user.
    void Fail(int status, const std::wstring& detail);
    void TearDown();

    HINSTANCE m_instance;
    // The single-instance token (kInstanceName), held while the program runs.
    UniqueHandle m_instanceToken;
    bool m_keyMissing = false;
    int m_exitStatus = kExitClosed;
    std::optional<ScopedComInit> m_com;
    std::unique_ptr<CVantixConfig> m_config;
    std::unique_ptr<CMouse> m_device;
    CItemList m_languageItems;
    std::unique_ptr<CVantixAppDlg> m_window;
};
