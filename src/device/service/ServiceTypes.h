#pragma once

#include <cstdint>

#include "platform/Guid.h"

// The basic COM vocabulary of the mouse device service, declared without windows.h so that the
// device client stays portable. Everything here is layout-compatible with its Windows
// counterpart on x64 (HRESULT is a 32-bit signed value, IUnknown's three slots come first), so
// a service created through real COM can be used through these declarations unchanged.
namespace svc {

using HRESULT = int32_t;

inline constexpr HRESULT kOk = 0;
inline constexpr HRESULT kFalse = 1;
inline constexpr HRESULT kNotImplemented = static_cast<HRESULT>(0x80004001u);
inline constexpr HRESULT kNoInterface = static_cast<HRESULT>(0x80004002u);
inline constexpr HRESULT kPointer = static_cast<HRESULT>(0x80004003u);
inline constexpr HRESULT kFail = static_cast<HRESULT>(0x80004005u);
inline constexpr HRESULT kOutOfMemory = static_cast<HRESULT>(0x8007000Eu);
inline constexpr HRESULT kInvalidArg = static_cast<HRESULT>(0x80070057u);
inline constexpr HRESULT kNoMoreItems = static_cast<HRESULT>(0x80070103u);

// Only an HRESULT's sign counts.
[[nodiscard]] constexpr bool Succeeded(HRESULT result) noexcept { return result >= 0; }
[[nodiscard]] constexpr bool Failed(HRESULT result) noexcept { return result < 0; }

// Slots 0 to 2 of every interface of the service. Interfaces have no virtual destructor (it
// would add a slot); objects are destroyed by their last Release.
class IUnknown
{
public:
    virtual HRESULT QueryInterface(const Guid& iid, void** object) = 0;
    virtual uint32_t AddRef() = 0;
    virtual uint32_t Release() = 0;

protected:
    ~IUnknown() = default;
};

inline constexpr Guid kIidUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// Memory handed across the service boundary: on Windows the COM task allocator
// (CoTaskMemAlloc / CoTaskMemFree), elsewhere the C heap. Null is accepted by the free.
[[nodiscard]] void* TaskMemAlloc(size_t bytes) noexcept;
void TaskMemFree(void* block) noexcept;

}  // namespace svc
