#include "VantixApp/CVantixApp.h"

#include <commctrl.h>
#include <objbase.h>

#include "VantixApp/CVantixAppDlg.h"
#include "VantixApp/FailureReport.h"
#include "VantixApp/VantixResource.h"
#include "config/CVantixConfig.h"
#include "controls/CInstalledControls.h"
#include "device/CMouse.h"
#include "device/win/ComServiceFactory.h"
#include "platform/win/ShellOpen.h"
#include "platform/win/WinHandles.h"
#include "skin/CLanguageSet.h"
#include "skin/layout/LayoutFaults.h"
#include "skin/win/CLayoutLoader.h"
#include "skin/win/CSkinEnvironment.h"

namespace {

// Double clicks, save bits, byte-aligned window.
constexpr UINT kClassStyle = CS_DBLCLKS | CS_SAVEBITS | CS_BYTEALIGNWINDOW;
static_assert(kClassStyle == 0x2808);
constexpr DWORD kCommonControlClasses = 0xFF;
constexpr DWORD kPathCapacity = 260;
// The English texts by themselves, read when Language.xml does not give them.
constexpr char kEnglishOnly[] =
    R"(<ITEMLIST><LANGLIST><LANG name="LANGUAGE_DEFAULT" file="English.lng" kbdlayout="00000409"/></LANGLIST></ITEMLIST>)";
constexpr wchar_t kDamagedKey[] = L"$InstallationDamagedMessage";
constexpr wchar_t kDamagedText[] =
    L"The configurator cannot start: a file of its installation is missing or damaged. Install the configurator again.";
constexpr wchar_t kWindowFailedKey[] = L"$WindowFailedMessage";
constexpr wchar_t kWindowFailedText[] = L"The configurator's window could not be opened.";

// A string value of at most CVantixApp::kRegistryTextBytes bytes; empty when it cannot be read.
bool ReadRegistryText(HKEY key, const wchar_t* name, std::wstring& text)
{
    wchar_t buffer[CVantixApp::kRegistryTextBytes / sizeof(wchar_t)] = {};
    DWORD size = sizeof(buffer);
    DWORD type = 0;
    text.clear();
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return false;
    buffer[std::size(buffer) - 1] = L'\0';
    text = buffer;
    return true;
}

}  // namespace

CVantixApp::CVantixApp(HINSTANCE instance) noexcept : m_instance(instance) {}

CVantixApp::~CVantixApp()
{
    TearDown();
}

bool CVantixApp::RegisterWindowClass(HINSTANCE instance)
{
    WNDCLASSW windowClass{};
    windowClass.style = kClassStyle;
    windowClass.lpfnWndProc = DefDlgProcW;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_VANTIX));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = kInstanceName;
    return RegisterClassW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

std::wstring CVantixApp::ProgramDirectory()
{
    wchar_t path[kPathCapacity] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, kPathCapacity);
    std::wstring directory(path, length < kPathCapacity ? length : 0);
    const size_t slash = directory.find_last_of(L"\\/");
    directory.resize(slash == std::wstring::npos ? 0 : slash + 1);
    return directory;
}

bool CVantixApp::ActivateRunningCopy()
{
    HWND running = FindWindowW(kInstanceName, nullptr);
    if (running == nullptr)
        return false;
    HWND popup = GetLastActivePopup(running);
    BringWindowToTop(running);
    if (IsIconic(popup))
        ShowWindow(popup, SW_RESTORE);
    else
        SetForegroundWindow(popup);
    return true;
}

bool CVantixApp::ActivateRunningCopy(DWORD waitMs)
{
    // The first copy may still be starting: its window comes a moment after its token.
    const ULONGLONG end = GetTickCount64() + waitMs;
    while (!ActivateRunningCopy()) {
        if (GetTickCount64() >= end)
            return false;
        (void)MsgWaitForMultipleObjects(0, nullptr, FALSE, kWindowPollMs, QS_ALLINPUT);
    }
    return true;
}

bool CVantixApp::InitInstance()
{
    RegisterWindowClass(m_instance);
    if (!IsOnlyCopy())
        return false;
    PrepareProcess();
    const std::wstring directory = ProgramDirectory();
    m_config = std::make_unique<CVantixConfig>(directory);
    CreateDevice();
    const std::wstring language = ReadInstallation();
    if (const auto problem = PrepareSkin(directory, language, m_languageItems))
        Fail(kExitInstallationDamaged, LayoutFaults::Describe(*problem));
    else
        RunMainWindow();
    TearDown();
    return false;
}

bool CVantixApp::IsOnlyCopy()
{
    // The named mutex is the token: made by the first copy and held for its whole life, so two
    // copies started at the same moment cannot both pass, whatever their windows are doing.
    m_instanceToken.Reset(CreateMutexW(nullptr, FALSE, kInstanceName));
    if (!m_instanceToken)
        return true;  // without the token the program still runs, as a lone copy would
    if (GetLastError() != ERROR_ALREADY_EXISTS)
        return true;
    m_instanceToken.Reset();
    (void)ActivateRunningCopy(kFirstWindowWaitMs);
    return false;
}

void CVantixApp::PrepareProcess()
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), kCommonControlClasses};
    InitCommonControlsEx(&controls);
    m_com.emplace();
    SetCurrentDirectoryW(ProgramDirectory().c_str());
}

std::optional<LayoutProblem> CVantixApp::PrepareSkin(const std::wstring& directory, std::wstring_view languageName,
                                                     CItemList& languageItems)
{
    CSkinEnvironment& skin = CSkinEnvironment::Instance();
    skin.Initialize(directory);
    std::vector<LayoutProblem> problems = CLayoutLoader::Load(L"Language.xml", languageItems, nullptr);
    // The English texts stand in for every key another language lacks, so they are read even
    // when Language.xml could not name them.
    if (skin.Languages().Fallback() == nullptr) {
        std::vector<LayoutProblem> english = CLayoutLoader::LoadText(kEnglishOnly, languageItems, nullptr);
        problems.insert(problems.end(), english.begin(), english.end());
    }
    for (const LayoutProblem& problem : problems)
        FailureReport::Trace(LayoutFaults::Describe(problem));
    if (languageName.empty() || !skin.Languages().SelectByName(languageName))
        (void)skin.Languages().Select(CLanguageSet::kEnglish);
    skin.SetPanelTemplate(IDD_VANTIX_PANEL);
    if (skin.Languages().Current() != nullptr)
        return std::nullopt;
    return problems.empty() ? LayoutProblem{LayoutProblem::Kind::LanguageUnreadable, L"English.lng"} : problems.back();
}

void CVantixApp::ReleaseSkin(CItemList& languageItems) noexcept
{
    CSkinEnvironment::Instance().Languages().Clear();
    languageItems.DestroyAll();
    CSkinEnvironment::Instance().Release();
}

void CVantixApp::CreateDevice()
{
    m_device = std::make_unique<CMouse>(MakeComServiceFactory());
    (void)m_device->Initialize(m_config.get(), ProductId::kPeraxil1800);
    m_config->AttachDevice(m_device->GetPollingRateCount());
}

std::wstring CVantixApp::ReadInstallation()
{
    UniqueRegKey key;
    m_keyMissing = RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRegistryKey, 0, KEY_ALL_ACCESS, key.Put()) != ERROR_SUCCESS;
    if (m_keyMissing)
        return {};
    std::wstring language;
    (void)ReadRegistryText(key.Get(), L"Language", language);
    std::wstring installDir;
    (void)ReadRegistryText(key.Get(), L"InstallDir", installDir);
    if (!installDir.empty() && installDir.back() == L'\\')
        installDir.pop_back();
    if (!installDir.empty())
        SetCurrentDirectoryW(installDir.c_str());
    return language;
}

void CVantixApp::CompleteInstallation()
{
    UniqueRegKey key;
    // Without the key, and without the right to make it, the tray companion is not started.
    if (m_keyMissing && RegCreateKeyW(HKEY_LOCAL_MACHINE, kRegistryKey, key.Put()) != ERROR_SUCCESS)
        return;
    (void)platform::win::OpenWithShell(kTrayProgram);
}

void CVantixApp::RunMainWindow()
{
    // The pop-up list and the controls' item makers, while the window runs.
    const CInstalledControls controls(CSkinEnvironment::Instance());
    m_window = std::make_unique<CVantixAppDlg>(m_config.get(), m_device.get());
    m_window->SetMadeHandler([this] { CompleteInstallation(); });
    const INT_PTR result = m_window->RunModal();
    const DWORD error = GetLastError();
    if (!m_window->Fault().empty())
        Fail(kExitInstallationDamaged, m_window->Fault());
    else if (result == -1)
        Fail(kExitWindowNotMade, L"the main window could not be made (error " + std::to_wstring(error) + L")");
    else if (m_window->MouseNotFound())
        m_exitStatus = kExitMouseNotFound;
}

void CVantixApp::Fail(int status, const std::wstring& detail)
{
    m_exitStatus = status;
    FailureReport::Trace(detail);
    if (status == kExitWindowNotMade)
        FailureReport::Tell(kWindowFailedKey, kWindowFailedText, detail);
    else
        FailureReport::Tell(kDamagedKey, kDamagedText, detail);
}

void CVantixApp::TearDown()
{
    m_device.reset();
    m_config.reset();
    m_com.reset();
    m_window.reset();
    ReleaseSkin(m_languageItems);
}
