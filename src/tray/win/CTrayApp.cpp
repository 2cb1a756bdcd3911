#include "tray/win/CTrayApp.h"

#include <objbase.h>

#include "device/win/ComServiceFactory.h"
#include "skin/CLanguageSet.h"
#include "tray/CTrayController.h"
#include "tray/CTrayDevice.h"
#include "tray/CTrayTexts.h"
#include "tray/win/CTrayWindow.h"
#include "tray/win/TraySettings.h"

namespace {

constexpr DWORD kPathCapacity = 32768;

std::wstring ProgramDirectory()
{
    std::wstring path(kPathCapacity, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), kPathCapacity);
    path.resize(length < kPathCapacity ? length : 0);
    path.resize(path.find_last_of(L"\\/") == std::wstring::npos ? 0 : path.find_last_of(L"\\/") + 1);
    return path;
}

// The faces the skin ships for each script (fonts\, as the configurator's layouts use them).
struct DisplayFont
{
    int32_t languageId;
    const wchar_t* file;
    const wchar_t* face;
};
constexpr DisplayFont kCjkFonts[] = {
    {341, L"NotoSansCJK-Regular.ttc", L"Noto Sans CJK SC"},
    {342, L"NotoSansCJK-Regular.ttc", L"Noto Sans CJK TC"},
    {346, L"NotoSansCJK-Regular.ttc", L"Noto Sans CJK KR"},
    {348, L"NotoSansCJK-Regular.ttc", L"Noto Sans CJK JP"},
};
constexpr DisplayFont kLatinFont{0, L"LiberationSans-Bold.ttf", L"Liberation Sans"};

}  // namespace

CTrayApp::~CTrayApp()
{
    if (!m_fontFile.empty())
        RemoveFontResourceExW(m_fontFile.c_str(), FR_PRIVATE, nullptr);
    if (m_comInitialized)
        CoUninitialize();
}

std::wstring CTrayApp::InstanceName()
{
    std::wstring name = L"Local\\Peraxil1800Tray";
    wchar_t desktop[256] = {};
    if (GetUserObjectInformationW(GetThreadDesktop(GetCurrentThreadId()), UOI_NAME, desktop, sizeof(desktop), nullptr))
        name += std::wstring(L"-") + desktop;
    return name;
}

bool CTrayApp::IsOnlyCopy()
{
    m_instanceMutex.Reset(CreateMutexW(nullptr, FALSE, InstanceName().c_str()));
    return m_instanceMutex && GetLastError() != ERROR_ALREADY_EXISTS;
}

std::wstring CTrayApp::PrepareFonts(int32_t languageId)
{
    DisplayFont font = kLatinFont;
    for (const DisplayFont& cjk : kCjkFonts)
        if (cjk.languageId == languageId)
            font = cjk;
    m_fontFile = m_programDirectory + L"fonts\\" + font.file;
    if (AddFontResourceExW(m_fontFile.c_str(), FR_PRIVATE, nullptr) == 0)
        m_fontFile.clear();
    return font.face;
}

int CTrayApp::Run()
{
    if (!IsOnlyCopy())
        return 0;
    m_comInitialized = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    m_programDirectory = ProgramDirectory();

    tray::CTrayTexts texts = tray::CTrayTexts::Load(m_programDirectory, TraySettings::ReadLanguageName());
    const std::wstring face = PrepareFonts(texts.Table().Identifier());
    tray::CTrayDevice device(MakeComServiceFactory(), m_programDirectory);
    tray::CTrayController controller(device, std::move(texts));
    controller.SetDisplaysOn(TraySettings::ReadDisplaysOn());

    CTrayWindow window(controller, m_programDirectory);
    if (!window.Create(m_instance, face))
        return 1;
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
