#include "VantixApp/CVantixApp.h"

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include "VantixApp/CVantixAppDlg.h"
#include "VantixApp/VantixResource.h"
#include "config/CVantixConfig.h"
#include "controls/CInstalledControls.h"
#include "device/CMouse.h"
#include "device/win/ComServiceFactory.h"
#include "platform/win/WinHandles.h"
#include "skin/CLanguageSet.h"
#include "skin/win/CLayoutLoader.h"
#include "skin/win/CSkinEnvironment.h"

namespace {

// Double clicks, save bits, byte-aligned window.
constexpr UINT kClassStyle = CS_DBLCLKS | CS_SAVEBITS | CS_BYTEALIGNWINDOW;
static_assert(kClassStyle == 0x2808);
constexpr DWORD kCommonControlClasses = 0xFF;
constexpr DWORD kPathCapacity = 260;

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
    while (!ActivateRunningCopy())
    {
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
    PrepareSkin(directory, language, m_languageItems);
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

void CVantixApp::PrepareSkin(const std::wstring& directory, std::wstring_view languageName, CItemList& languageItems)
{
    CSkinEnvironment& skin = CSkinEnvironment::Instance();
    skin.Initialize(directory);
    CLayoutLoader::Load(L"Language.xml", languageItems, nullptr);
    if (languageName.empty() || !skin.Languages().SelectByName(languageName))
        (void)skin.Languages().Select(CLanguageSet::kEnglish);
    skin.SetPanelTemplate(IDD_VANTIX_PANEL);
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
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRegistryKey, 0, KEY_ALL_ACCESS, key.Put()) != ERROR_SUCCESS &&
        RegCreateKeyW(HKEY_LOCAL_MACHINE, kRegistryKey, key.Put()) != ERROR_SUCCESS)
        return {};
    std::wstring language;
    (void)ReadRegistryText(key.Get(), L"Language", language);
    std::wstring installDir;
    (void)ReadRegistryText(key.Get(), L"InstallDir", installDir);
    if (!installDir.empty() && installDir.back() == L'\\')
        installDir.pop_back();
    if (!installDir.empty())
        SetCurrentDirectoryW(installDir.c_str());
    ShellExecuteW(nullptr, L"open", kTrayProgram, nullptr, nullptr, SW_SHOWNORMAL);
    return language;
}

void CVantixApp::RunMainWindow()
{
    // The pop-up list and the controls' item makers, while the window runs.
    const CInstalledControls controls(CSkinEnvironment::Instance());
    m_window = std::make_unique<CVantixAppDlg>(m_config.get(), m_device.get());
    m_window->RunModal();
}

void CVantixApp::TearDown()
{
    m_device.reset();
    m_config.reset();
    m_com.reset();
    m_window.reset();
    ReleaseSkin(m_languageItems);
}
