#include "ServerRegistration.h"

#include <olectl.h>

#include <new>
#include <string>

#include "RegistryKey.h"
#include "device/service/MouseService.h"

namespace ServerRegistration {
namespace {

constexpr const wchar_t* kClassName = L"Dunmo Peraxil 1800 device service (simulated)";
constexpr const wchar_t* kThreadingModel = L"Both";

std::wstring ClassKeyPath()
{
    return L"CLSID\\" + svc::kClsidMouseService.ToString();
}

// The full path of the module; empty when it cannot be had.
std::wstring ModulePath(HMODULE module)
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

HRESULT WriteKeys(const std::wstring& modulePath)
{
    const std::wstring classKeyPath = ClassKeyPath();
    RegistryKey classKey;
    if (classKey.Create(HKEY_CLASSES_ROOT, classKeyPath.c_str()) != ERROR_SUCCESS ||
        classKey.SetString(nullptr, kClassName) != ERROR_SUCCESS)
        return SELFREG_E_CLASS;
    RegistryKey server;
    if (server.Create(classKey.Get(), L"InprocServer32") != ERROR_SUCCESS ||
        server.SetString(nullptr, modulePath) != ERROR_SUCCESS ||
        server.SetString(L"ThreadingModel", kThreadingModel) != ERROR_SUCCESS)
        return SELFREG_E_CLASS;
    return S_OK;
}

}  // namespace

HRESULT Register(HMODULE module) noexcept
{
    try {
        const std::wstring path = ModulePath(module);
        if (path.empty())
            return HRESULT_FROM_WIN32(GetLastError());
        const HRESULT written = WriteKeys(path);
        if (FAILED(written))
            (void)Unregister();  // no half-written registration stays behind
        return written;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HRESULT Unregister() noexcept
{
    try {
        const LONG status = RegDeleteTreeW(HKEY_CLASSES_ROOT, ClassKeyPath().c_str());
        if (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND)
            return S_OK;
        return SELFREG_E_CLASS;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

}  // namespace ServerRegistration
