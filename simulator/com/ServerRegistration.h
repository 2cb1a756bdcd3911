#pragma once

#include <windows.h>

// The server's class registration under HKEY_CLASSES_ROOT\CLSID\{472079C9-...}:
// InprocServer32 = this DLL's full path, ThreadingModel "Both" (the simulator's objects are
// safe from any thread).
namespace ServerRegistration {

// Writes the registration again over any earlier one, so registering twice is harmless.
[[nodiscard]] HRESULT Register(HMODULE module) noexcept;
// Removes the class key with everything below it; S_OK when there was none.
[[nodiscard]] HRESULT Unregister() noexcept;

}  // namespace ServerRegistration
