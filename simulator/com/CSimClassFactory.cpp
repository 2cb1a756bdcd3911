#include "CSimClassFactory.h"

#include "ServerModule.h"
#include "simulator/SimulatedService.h"

// The simulator's interfaces are declared without windows.h; their layout is the real one.
static_assert(sizeof(Guid) == sizeof(GUID));

CSimClassFactory::CSimClassFactory() noexcept
{
    ServerModule::Lock();
}

CSimClassFactory::~CSimClassFactory()
{
    ServerModule::Unlock();
}

HRESULT STDMETHODCALLTYPE CSimClassFactory::QueryInterface(REFIID iid, void** object)
{
    if (object == nullptr)
        return E_POINTER;
    *object = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IClassFactory))
        return E_NOINTERFACE;
    *object = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
}

ULONG STDMETHODCALLTYPE CSimClassFactory::AddRef()
{
    return ++m_references;
}

ULONG STDMETHODCALLTYPE CSimClassFactory::Release()
{
    const ULONG left = --m_references;
    if (left == 0)
        delete this;
    return left;
}

HRESULT STDMETHODCALLTYPE CSimClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object)
{
    if (object == nullptr)
        return E_POINTER;
    *object = nullptr;
    if (outer != nullptr)
        return CLASS_E_NOAGGREGATION;
    // Reports its own problems on stderr (a malformed control file, a missing store folder).
    svc::IMouseService* service = sim::CreateSimulatedService();
    if (service == nullptr)
        return E_FAIL;
    const HRESULT result = service->QueryInterface(reinterpret_cast<const Guid&>(iid), object);
    service->Release();
    return result;
}

HRESULT STDMETHODCALLTYPE CSimClassFactory::LockServer(BOOL lock)
{
    if (lock)
        ServerModule::Lock();
    else
        ServerModule::Unlock();
    return S_OK;
}
