// The entry points of PeraxilSim.dll (exported through PeraxilSim.def).
#include <windows.h>
#include <olectl.h>

#include <new>

#include "CSimClassFactory.h"
#include "ServerModule.h"
#include "ServerRegistration.h"
#include "device/service/MouseService.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        ServerModule::SetHandle(instance);
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID classId, REFIID iid, LPVOID* object)
{
    if (object == nullptr)
        return E_POINTER;
    *object = nullptr;
    if (!IsEqualCLSID(classId, reinterpret_cast<const CLSID&>(svc::kClsidMouseService)))
        return CLASS_E_CLASSNOTAVAILABLE;
    auto* factory = new (std::nothrow) CSimClassFactory();
    if (factory == nullptr)
        return E_OUTOFMEMORY;
    const HRESULT result = factory->QueryInterface(iid, object);
    factory->Release();
    return result;
}

STDAPI DllCanUnloadNow()
{
    return ServerModule::CanUnload() ? S_OK : S_FALSE;
}

STDAPI DllRegisterServer()
{
    return ServerRegistration::Register(ServerModule::Handle());
}

STDAPI DllUnregisterServer()
{
    return ServerRegistration::Unregister();
}
