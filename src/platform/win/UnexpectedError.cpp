#include "platform/win/UnexpectedError.h"

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstring>

namespace platform::win {
namespace {

constexpr size_t kReportLength = 1024;

bool HasStandardError() noexcept
{
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    return error != nullptr && error != INVALID_HANDLE_VALUE && GetFileType(error) != FILE_TYPE_UNKNOWN;
}

// Written straight to the handle: the C runtime's streams may be what failed.
void WriteStandardError(const char* text) noexcept
{
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_ERROR_HANDLE), text, static_cast<DWORD>(std::strlen(text)), &written, nullptr);
}

}  // namespace

void EndOnUnexpectedError(const char* where, const char* what) noexcept
{
    static std::atomic<bool> ending{false};
    if (!ending.exchange(true)) {
        char report[kReportLength];
        std::snprintf(report, sizeof(report), "Vantix: unexpected error in %s: %s\n", where != nullptr ? where : "?",
                      what != nullptr ? what : "?");
        OutputDebugStringA(report);
        if (HasStandardError())
            WriteStandardError(report);
        else
            MessageBoxA(nullptr, report, "Vantix", MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
    }
    // Nothing of the program runs any more: no destructors, no handlers of other windows.
    TerminateProcess(GetCurrentProcess(), kUnexpectedErrorExitCode);
    ExitProcess(kUnexpectedErrorExitCode);
}

}  // namespace platform::win
