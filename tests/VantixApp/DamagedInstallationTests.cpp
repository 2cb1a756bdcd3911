// A damaged installation, as a user meets it: the program started in a copy of the installed
// folder with one part broken. It never fails silently: a message box the user closes, a line
// on standard error, a non-zero exit status, and nothing written. A missing mouse, told by the
// program's own pop-up, ends with a non-zero status too.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "AppTestSupport.h"
#include "config/CVantixConfig.h"
#include "device/CMouse.h"
#include "platform/FileSystem.h"
#include "platform/win/WinHandles.h"
#include "simulator/SimulatedService.h"
#include "skin/CLangTable.h"
#include "support/RealInput.h"
#include "support/TempFolder.h"
#include "support/XInputScript.h"

namespace {

namespace fs = std::filesystem;

constexpr int kStartRounds = 3000;  // 10 ms each at most
constexpr wchar_t kDamagedText[] = L"The configurator cannot start";

// Every file under a folder with its size and time of last change.
using FolderState = std::map<fs::path, std::pair<uintmax_t, fs::file_time_type>>;

FolderState StateOf(const fs::path& folder)
{
    FolderState state;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            state[entry.path()] = {entry.file_size(), entry.last_write_time()};
    return state;
}

// The installed folder as the installer lays it out, without the tray companion and manual.
// The files are links to the build's: a damage replaces a file, never changes it.
void CopyInstallation(const fs::path& to)
{
    const fs::path from = platform::ToFsPath(ProgramFolder());
    fs::create_hard_link(from / "Vantix.exe", to / "Vantix.exe");
    for (const char* folder : {"xml", "skins", "lang", "fonts", "save"})
        fs::copy(from / folder, to / folder, fs::copy_options::recursive | fs::copy_options::create_hard_links);
}

// Replaces a file by its first `bytes`, or its first half when none are given.
void Truncate(const fs::path& file, uintmax_t bytes = 0)
{
    std::string content;
    {
        std::ifstream in(file, std::ios::binary);
        content.assign(std::istreambuf_iterator<char>(in), {});
    }
    content.resize(bytes != 0 ? bytes : content.size() / 2);
    fs::remove(file);
    std::ofstream(file, std::ios::binary) << content;
}

struct DamageCase
{
    const char* name;
    void (*damage)(const fs::path& folder);
    // Environment of the program: the simulated mouse missing, or a display that is not there.
    bool noMouse = false;
    bool noDisplay = false;
    int exitStatus = CVantixApp::kExitInstallationDamaged;
    // What is wrong, as the developer's line on standard error and the message box's last line.
    const char* traced = nullptr;
    // The start of the message box's text where it is known whatever the registry's language.
    const wchar_t* message = nullptr;
};

void PrintTo(const DamageCase& damage, std::ostream* out)
{
    *out << damage.name;
}

const DamageCase kCases[] = {
    {"XmlFolderMissing", [](const fs::path& f) { fs::rename(f / "xml", f / "xml.old"); }, false, false,
     CVantixApp::kExitInstallationDamaged, "MainPage.xml: the layout file is missing"},
    {"MainPageBroken", [](const fs::path& f) { Truncate(f / "xml" / "MainPage.xml"); }, false, false,
     CVantixApp::kExitInstallationDamaged, "MainPage.xml: the layout file is not well-formed"},
    {"BackgroundMissing", [](const fs::path& f) { fs::remove(f / "skins" / "main_background.bmp"); }, false, false,
     CVantixApp::kExitInstallationDamaged, "main_background.bmp: the picture is missing"},
    {"TabPictureMissing", [](const fs::path& f) { fs::remove(f / "skins" / "tab_n.bmp"); }, false, false,
     CVantixApp::kExitInstallationDamaged, "tab_n.bmp: the picture is missing"},
    {"NoLanguageFile", [](const fs::path& f) { fs::remove_all(f / "lang"); }, false, false,
     CVantixApp::kExitInstallationDamaged, "English.lng: the language file is missing", kDamagedText},
    {"NoMousePopupMissingWithoutMouse", [](const fs::path& f) { fs::remove(f / "xml" / "NoMousePopup.xml"); }, true,
     false, CVantixApp::kExitInstallationDamaged, "NoMousePopup.xml: the pop-up could not be made"},
    {"NoDisplayDriver", [](const fs::path&) {}, false, true, CVantixApp::kExitWindowNotMade,
     "the main window could not be made"},
    {"IntactWithoutMouse", [](const fs::path&) {}, true, false, CVantixApp::kExitMouseNotFound, nullptr, nullptr},
};

// A visible top-level dialog window of the process (a message box or a pop-up), or null.
HWND DialogOf(DWORD processId)
{
    struct Search
    {
        DWORD processId;
        HWND found;
    } search{processId, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* search = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t className[16] = {};
            GetClassNameW(window, className, 16);
            if (owner != search->processId || !IsWindowVisible(window) || std::wstring(className) != L"#32770")
                return TRUE;
            search->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The host's name of a Windows path (Wine's own conversion).
std::wstring HostPath(const std::wstring& windowsPath)
{
    using Convert = char*(CDECL*)(const wchar_t*);
    const auto convert = reinterpret_cast<Convert>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* path = convert != nullptr ? convert(windowsPath.c_str()) : nullptr;
    const std::string host = path != nullptr ? path : "";
    HeapFree(GetProcessHeap(), 0, path);
    return std::wstring(host.begin(), host.end());
}

std::wstring TextOf(HWND window)
{
    wchar_t text[1024] = {};
    GetWindowTextW(window, text, 1024);
    return text;
}

}  // namespace

class DamagedInstallationTest : public ::testing::TestWithParam<DamageCase>
{
protected:
    void TearDown() override
    {
        if (m_process && WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT) {
            TerminateProcess(m_process.Get(), 1);
            (void)WaitForSingleObject(m_process.Get(), 20000);
        }
    }

    // The simulated mouse's store made as a first connection makes it.
    void SeedStore()
    {
        sim::SimulatorOptions options;
        options.storeFolder = m_store.Path();
        CVantixConfig config(m_folder.Path());
        CMouse mouse([&options] { return svc::ComPtr<svc::IMouseService>(sim::CreateSimulatedService(options)); });
        (void)mouse.Initialize(&config, ProductId::kPeraxil1800);
    }

    // Starts the copy's program with its standard error in a file of the test.
    bool Start(const DamageCase& damage)
    {
        if (damage.noDisplay)
            return StartWithoutDisplay();
        SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
        UniqueHandle errors(CreateFileW(m_errors.File(L"stderr.txt").c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        SetEnvironmentVariableW(L"PERAXIL_SIM_DIR", m_store.Path().c_str());
        SetEnvironmentVariableW(L"PERAXIL_SIM_NO_MOUSE", damage.noMouse ? L"1" : nullptr);
        std::wstring command = L"\"" + m_folder.File(L"Vantix.exe") + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdError = errors.Get();
        PROCESS_INFORMATION info{};
        const BOOL started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                            m_folder.Path().c_str(), &startup, &info);
        SetEnvironmentVariableW(L"PERAXIL_SIM_DIR", nullptr);
        SetEnvironmentVariableW(L"PERAXIL_SIM_NO_MOUSE", nullptr);
        if (!started)
            return false;
        m_process.Reset(info.hProcess);
        CloseHandle(info.hThread);
        m_processId = info.dwProcessId;
        return true;
    }

    // Wine takes a program's display from the host's environment, so the program runs under a
    // host shell that names a display that is not there, and writes the exit status to a file.
    bool StartWithoutDisplay()
    {
        SetEnvironmentVariableW(L"PERAXIL_SIM_DIR", m_store.Path().c_str());
        std::wstring command = L"/bin/sh -c \"DISPLAY=:9999 wine $0 2>$1; echo $? >$2.part && mv $2.part $2\" " +
                               HostPath(m_folder.File(L"Vantix.exe")) + L" " + HostPath(m_errors.File(L"stderr.txt")) +
                               L" " + HostPath(m_errors.File(L"status.txt"));
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info{};
        const BOOL started =
            CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info);
        SetEnvironmentVariableW(L"PERAXIL_SIM_DIR", nullptr);
        if (info.hThread != nullptr)
            CloseHandle(info.hThread);
        if (info.hProcess != nullptr)
            CloseHandle(info.hProcess);
        m_hostStatus = true;
        return started != FALSE;
    }

    [[nodiscard]] bool Ended() const
    {
        if (m_hostStatus)
            return fs::exists(m_errors.FsPath() / "status.txt");
        return WaitForSingleObject(m_process.Get(), 0) == WAIT_OBJECT_0;
    }

    [[nodiscard]] DWORD ExitStatus() const
    {
        DWORD status = 0;
        if (m_hostStatus)
            std::ifstream(m_errors.FsPath() / "status.txt") >> status;
        else
            GetExitCodeProcess(m_process.Get(), &status);
        return status;
    }

    [[nodiscard]] std::string Errors() const
    {
        std::ifstream file(m_errors.FsPath() / "stderr.txt", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

    CTrayCompanionGuard m_trays;
    TempFolder m_folder;
    TempFolder m_store;
    TempFolder m_errors;
    UniqueHandle m_process;
    DWORD m_processId = 0;
    bool m_hostStatus = false;
};

TEST_P(DamagedInstallationTest, TellsTheUserEndsWithAFailureAndWritesNothing)
{
    const DamageCase& damage = GetParam();
    CopyInstallation(m_folder.FsPath());
    damage.damage(m_folder.FsPath());
    SeedStore();
    const FolderState installed = StateOf(m_folder.FsPath());
    const FolderState stored = StateOf(m_store.FsPath());

    ASSERT_TRUE(Start(damage));
    HWND box = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return Ended() || (box = DialogOf(m_processId)) != nullptr; }, kStartRounds));
    if (damage.noDisplay) {
        EXPECT_EQ(box, nullptr) << "without a display nothing can be shown";
    } else {
        ASSERT_NE(box, nullptr) << "the program ended without a message";
        const std::wstring text = TextOf(GetDlgItem(box, 0xFFFF));
        if (damage.message != nullptr) {
            EXPECT_EQ(text.rfind(damage.message, 0), 0u) << "in English when no language could be read";
        }
        if (damage.traced != nullptr) {
            EXPECT_NE(text.find(std::wstring(damage.traced, damage.traced + std::strlen(damage.traced))),
                      std::wstring::npos);
        }
        EXPECT_FALSE(Ended()) << "the message waits for the user";
        // The user closes the message with the Enter key, once the box is on the screen.
        ASSERT_TRUE(PumpUntil([&] { return CXInputScript::XWindowOf(box) != L"0"; }, kStartRounds));
        ASSERT_TRUE(wintest::Xdotool(L"windowfocus --sync " + CXInputScript::XWindowOf(box) + L" key Return"));
    }
    ASSERT_TRUE(PumpUntil([&] { return Ended(); }, kStartRounds));
    EXPECT_EQ(ExitStatus(), static_cast<DWORD>(damage.exitStatus));
    if (damage.traced != nullptr) {
        EXPECT_NE(Errors().find(std::string("Vantix: ") + damage.traced), std::string::npos) << Errors();
    }
    EXPECT_EQ(StateOf(m_folder.FsPath()), installed) << "the installed folder changed";
    EXPECT_EQ(StateOf(m_store.FsPath()), stored) << "the mouse was written";
}

INSTANTIATE_TEST_SUITE_P(Installations, DamagedInstallationTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A language file that cannot be read leaves no key raw: the English texts stand in, key by key.
TEST(LanguageFallbackTest, DamagedOrMissingLanguageFilesShowTheEnglishTexts)
{
    TempFolder folder;
    CopyInstallation(folder.FsPath());
    // German keeps only its first texts: the tabs' names are among them.
    Truncate(folder.FsPath() / "lang" / "German.lng", 1000);
    CItemList languages;
    EXPECT_EQ(CVantixApp::PrepareSkin(folder.Path(), L"German", languages), std::nullopt);
    const CLanguageSet& set = CSkinEnvironment::Instance().Languages();
    ASSERT_NE(set.Current(), nullptr);
    EXPECT_EQ(set.Current()->Identifier(), 345) << "the damaged language stays chosen";
    EXPECT_EQ(set.ShowText(L"$ManageProfiles"), L"Profile") << "its own text";
    EXPECT_EQ(set.ShowText(L"$NoMouseHeading"), L"Mouse not found") << "a key it lost";
    CVantixApp::ReleaseSkin(languages);

    fs::remove(folder.FsPath() / "xml" / "Language.xml");
    EXPECT_EQ(CVantixApp::PrepareSkin(folder.Path(), L"German", languages), std::nullopt);
    EXPECT_EQ(set.ShowText(L"$NoMouseHeading"), L"Mouse not found") << "English read by itself";
    CVantixApp::ReleaseSkin(languages);
}
