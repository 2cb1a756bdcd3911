#include "platform/win/ShellOpen.h"

#include <windows.h>

#include <shellapi.h>

#include "platform/win/CSystemLibrary.h"

namespace platform::win {

bool OpenWithShell(const std::wstring& target) noexcept
{
    static const CSystemLibrary shell(L"shell32.dll");
    auto* execute = shell.Find<decltype(ShellExecuteW)>("ShellExecuteW");
    if (execute == nullptr)
        return false;
    // Values above 32 mean success.
    const auto result = reinterpret_cast<INT_PTR>(execute(nullptr, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

}  // namespace platform::win
