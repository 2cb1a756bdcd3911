#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "AppTestSupport.h"
#include "platform/win/WinHandles.h"
#include "support/TempFolder.h"

namespace {

constexpr DWORD kStartWaitRounds = 3000;
constexpr wchar_t kTrayWindowClass[] = L"Peraxil1800Tray";

struct Process
{
    UniqueHandle process;
    UniqueHandle thread;
};

// Starts the program with the simulated mouse's store in `storeFolder`.
Process StartProgram(const std::wstring& storeFolder)
{
    SetEnvironmentVariableW(L"PERAXIL_SIM_DIR", storeFolder.c_str());
    std::wstring command = L"\"" + ProgramFolder() + L"Vantix.exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    const BOOL started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                        ProgramFolder().c_str(), &startup, &info);
    SetEnvironmentVariableW(L"PERAXIL_SIM_DIR", nullptr);
    Process process;
    if (started) {
        process.process.Reset(info.hProcess);
        process.thread.Reset(info.hThread);
    }
    return process;
}

int CountMainWindows()
{
    int count = 0;
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, CVantixApp::kInstanceName, nullptr)) != nullptr)
        ++count;
    return count;
}

}  // namespace

class SingleInstanceTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        if (first.process) {
            if (HWND window = FindWindowW(CVantixApp::kInstanceName, nullptr))
                PostMessageW(window, WM_CLOSE, 0, 0);
            if (WaitForSingleObject(first.process.Get(), 20000) != WAIT_OBJECT_0)
                TerminateProcess(first.process.Get(), 1);
        }
    }

    // The program starts its tray companion as its window is made; a companion left running
    // would serve later tests with this test's mouse store.
    CTrayCompanionGuard trays;
    TempFolder store;
    Process first;
};

TEST_F(SingleInstanceTest, SecondCopyBringsTheFirstForwardAndEnds)
{
    ASSERT_EQ(CountMainWindows(), 0) << "another copy of the program is running";
    ASSERT_EQ(FindWindowW(kTrayWindowClass, nullptr), nullptr) << "a tray companion is running";
    first = StartProgram(store.Path());
    ASSERT_TRUE(first.process);
    ASSERT_TRUE(PumpUntil([] { return FindWindowW(CVantixApp::kInstanceName, nullptr) != nullptr; }, kStartWaitRounds));
    // Every start-up starts the tray companion beside the program.
    EXPECT_TRUE(PumpUntil([] { return FindWindowW(kTrayWindowClass, nullptr) != nullptr; }, kStartWaitRounds));
    HWND running = FindWindowW(CVantixApp::kInstanceName, nullptr);

    Process second = StartProgram(store.Path());
    ASSERT_TRUE(second.process);
    ASSERT_EQ(WaitForSingleObject(second.process.Get(), 30000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(second.process.Get(), &exitCode);
    EXPECT_EQ(exitCode, 0u);

    EXPECT_EQ(WaitForSingleObject(first.process.Get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_EQ(CountMainWindows(), 1);
    EXPECT_EQ(FindWindowW(CVantixApp::kInstanceName, nullptr), running);
    EXPECT_EQ(GetForegroundWindow(), GetLastActivePopup(running));

    PostMessageW(running, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(first.process.Get(), 20000), WAIT_OBJECT_0);
    first = Process{};
    EXPECT_EQ(CountMainWindows(), 0);
}

TEST_F(SingleInstanceTest, CopiesStartedTogetherOpenOneWindow)
{
    ASSERT_EQ(CountMainWindows(), 0) << "another copy of the program is running";
    constexpr size_t kCopies = 3;
    Process copies[kCopies];
    for (Process& copy : copies) {
        copy = StartProgram(store.Path());
        ASSERT_TRUE(copy.process);
    }
    // All but one end; the one left keeps its window.
    const auto running = [&copies] {
        size_t count = 0;
        for (const Process& copy : copies)
            count += WaitForSingleObject(copy.process.Get(), 0) == WAIT_TIMEOUT ? 1 : 0;
        return count;
    };
    EXPECT_TRUE(PumpUntil([&] { return running() <= 1 && CountMainWindows() >= 1; }, kStartWaitRounds));
    EXPECT_EQ(running(), 1u);
    EXPECT_EQ(CountMainWindows(), 1);
    for (Process& copy : copies) {
        if (WaitForSingleObject(copy.process.Get(), 0) != WAIT_TIMEOUT)
            continue;
        if (!first.process)
            first = std::move(copy);  // closed by TearDown
        else
            TerminateProcess(copy.process.Get(), 1);
    }
}
