#pragma once

#include "platform/UniqueResource.h"

namespace platform {

// The traits of a counted reference: an object with AddRef and Release (COM objects and the
// device service's objects, whose layout is COM's).
template <typename T>
struct ComReferenceTraits
{
    using Handle = T*;
    static constexpr T* Invalid() noexcept { return nullptr; }
    static void Close(T* object) noexcept { object->Release(); }
};

// Owns one reference to a counted object and releases it once. Move-only.
template <typename T>
class ComPtr : private UniqueResource<ComReferenceTraits<T>>
{
    using Base = UniqueResource<ComReferenceTraits<T>>;

public:
    ComPtr() noexcept = default;
    // Takes over a reference the caller already holds (an out-parameter just filled).
    explicit ComPtr(T* owned) noexcept : Base(owned) {}

    // A new owner of an extra reference to an object someone else holds.
    [[nodiscard]] static ComPtr Share(T* object) noexcept
    {
        if (object != nullptr)
            object->AddRef();
        return ComPtr(object);
    }

    using Base::Get;
    using Base::Put;
    using Base::Reset;
    using Base::operator bool;
    [[nodiscard]] void** PutVoid() noexcept { return reinterpret_cast<void**>(Put()); }
    // Gives the reference up without releasing it (named so that it is not mistaken for the
    // object's own Release).
    [[nodiscard]] T* Detach() noexcept { return Base::Release(); }
    T* operator->() const noexcept { return Get(); }
};

}  // namespace platform
