#include "device/win/ComServiceFactory.h"

#include <objbase.h>

#include <cstring>

namespace {

// The portable Guid and the Windows GUID share one layout.
GUID ToWindowsGuid(const Guid& guid) noexcept
{
    static_assert(sizeof(GUID) == sizeof(Guid));
    GUID result;
    std::memcpy(&result, &guid, sizeof(result));
    return result;
}

}  // namespace

ServiceFactory MakeComServiceFactory()
{
    return [] {
        const CLSID classId = ToWindowsGuid(svc::kClsidMouseService);
        const IID interfaceId = ToWindowsGuid(svc::kIidMouseService);
        void* object = nullptr;
        const HRESULT result = CoCreateInstance(classId, nullptr, svc::kServiceContext, interfaceId, &object);
        // The service's interfaces are declared portably with the same slots as the real ones.
        return svc::ComPtr<svc::IMouseService>(SUCCEEDED(result) ? static_cast<svc::IMouseService*>(object) : nullptr);
    };
}
