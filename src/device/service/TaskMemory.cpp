#include <cstdlib>

#include "device/service/ServiceTypes.h"

#ifdef _WIN32
// Declared here rather than through <objbase.h>, which would bring windows.h into the
// portable core; the win64 build links ole32.
extern "C" __declspec(dllimport) void* __stdcall CoTaskMemAlloc(size_t bytes);
extern "C" __declspec(dllimport) void __stdcall CoTaskMemFree(void* block);
#endif

namespace svc {

void* TaskMemAlloc(size_t bytes) noexcept
{
#ifdef _WIN32
    return CoTaskMemAlloc(bytes);
#else
    return std::malloc(bytes);
#endif
}

void TaskMemFree(void* block) noexcept
{
#ifdef _WIN32
    CoTaskMemFree(block);
#else
    std::free(block);
#endif
}

}  // namespace svc
