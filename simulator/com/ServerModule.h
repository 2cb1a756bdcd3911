#pragma once

#include <windows.h>

// The DLL's own bookkeeping: its module handle and the locks that keep it loaded (class
// factories and LockServer); the simulator's objects count for themselves.
namespace ServerModule {

void SetHandle(HMODULE module) noexcept;
[[nodiscard]] HMODULE Handle() noexcept;

void Lock() noexcept;
void Unlock() noexcept;

// True when no factory, lock or simulator object is alive.
[[nodiscard]] bool CanUnload() noexcept;

}  // namespace ServerModule
