#pragma once

#include <windows.h>

#include "platform/UniqueResource.h"

// The traits of the Windows handles the program owns, and their owners. Each owner frees its
// handle once with the call its kind needs.
namespace platform::win {

// Pen, brush, font, bitmap or region: DeleteObject.
template <typename GdiHandle>
struct GdiObjectTraits
{
    using Handle = GdiHandle;
    static constexpr GdiHandle Invalid() noexcept { return nullptr; }
    static void Close(GdiHandle object) noexcept { DeleteObject(object); }
};

// A memory device context made with CreateCompatibleDC: DeleteDC.
struct MemoryDcTraits
{
    using Handle = HDC;
    static constexpr HDC Invalid() noexcept { return nullptr; }
    static void Close(HDC dc) noexcept { DeleteDC(dc); }
};

// A window's device context from GetDC: ReleaseDC with the same window.
struct WindowDcTraits
{
    using Handle = HDC;
    HWND window = nullptr;
    static constexpr HDC Invalid() noexcept { return nullptr; }
    void Close(HDC dc) const noexcept { ReleaseDC(window, dc); }
};

// A global memory block: GlobalFree.
struct GlobalMemoryTraits
{
    using Handle = HGLOBAL;
    static constexpr HGLOBAL Invalid() noexcept { return nullptr; }
    static void Close(HGLOBAL memory) noexcept { GlobalFree(memory); }
};

// A kernel object (mutex, event, process, thread, file): CloseHandle. Some calls answer
// INVALID_HANDLE_VALUE instead of null for "nothing".
struct KernelHandleTraits
{
    using Handle = HANDLE;
    static constexpr HANDLE Invalid() noexcept { return nullptr; }
    static bool IsValid(HANDLE handle) noexcept { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE handle) noexcept { CloseHandle(handle); }
};

// An open registry key: RegCloseKey.
struct RegistryKeyTraits
{
    using Handle = HKEY;
    static constexpr HKEY Invalid() noexcept { return nullptr; }
    static void Close(HKEY key) noexcept { RegCloseKey(key); }
};

// An event hook from SetWinEventHook: UnhookWinEvent.
struct WinEventHookTraits
{
    using Handle = HWINEVENTHOOK;
    static constexpr HWINEVENTHOOK Invalid() noexcept { return nullptr; }
    static void Close(HWINEVENTHOOK hook) noexcept { UnhookWinEvent(hook); }
};

// A library from LoadLibraryEx: FreeLibrary.
struct ModuleTraits
{
    using Handle = HMODULE;
    static constexpr HMODULE Invalid() noexcept { return nullptr; }
    static void Close(HMODULE module) noexcept { FreeLibrary(module); }
};

}  // namespace platform::win

using UniqueBitmap = platform::UniqueResource<platform::win::GdiObjectTraits<HBITMAP>>;
using UniqueFont = platform::UniqueResource<platform::win::GdiObjectTraits<HFONT>>;
using UniquePen = platform::UniqueResource<platform::win::GdiObjectTraits<HPEN>>;
using UniqueBrush = platform::UniqueResource<platform::win::GdiObjectTraits<HBRUSH>>;
using UniqueRegion = platform::UniqueResource<platform::win::GdiObjectTraits<HRGN>>;
using UniqueDc = platform::UniqueResource<platform::win::MemoryDcTraits>;
using UniqueGlobal = platform::UniqueResource<platform::win::GlobalMemoryTraits>;
using UniqueHandle = platform::UniqueResource<platform::win::KernelHandleTraits>;
using UniqueRegKey = platform::UniqueResource<platform::win::RegistryKeyTraits>;
using UniqueWinEventHook = platform::UniqueResource<platform::win::WinEventHookTraits>;
using UniqueModule = platform::UniqueResource<platform::win::ModuleTraits>;

// A memory device context compatible with `dc` (the screen when null).
[[nodiscard]] inline UniqueDc CreateCompatibleDc(HDC dc) noexcept
{
    return UniqueDc(CreateCompatibleDC(dc));
}
