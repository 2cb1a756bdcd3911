#include "ServerModule.h"

#include <atomic>

#include "simulator/SimulatedService.h"

namespace ServerModule {
namespace {

std::atomic<HMODULE> g_module{nullptr};
std::atomic<long> g_locks{0};

}  // namespace

void SetHandle(HMODULE module) noexcept { g_module = module; }
HMODULE Handle() noexcept { return g_module; }

void Lock() noexcept { ++g_locks; }
void Unlock() noexcept { --g_locks; }

bool CanUnload() noexcept
{
    return g_locks == 0 && sim::SimulatorLiveObjectCount() == 0;
}

}  // namespace ServerModule
