#include "platform/DebugTrace.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#ifdef _WIN32
// Declared here rather than through <windows.h>, which the portable core never includes.
extern "C" __declspec(dllimport) void __stdcall OutputDebugStringA(const char* text);
#endif

namespace platform {

void DebugTrace(std::string_view line) noexcept
{
    try {
        const std::string text(line);
#ifdef _WIN32
        OutputDebugStringA(text.c_str());
#else
        static const bool enabled = std::getenv("VANTIX_TRACE") != nullptr;
        if (enabled)
            std::fputs(text.c_str(), stderr);
#endif
    } catch (...) {
        // A trace line is never worth failing for.
    }
}

}  // namespace platform
