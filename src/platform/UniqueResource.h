#pragma once

#include <utility>

namespace platform {

// Owns one handle and frees it exactly once. Move-only, so a handle can neither leak through a
// copy nor be freed twice; the moved-from owner holds nothing.
//
// Traits describe one kind of handle:
//   using Handle = ...;                       the handle type
//   static constexpr Handle Invalid() noexcept  the value that owns nothing
//   static bool IsValid(Handle) noexcept      optional: for kinds with a second "nothing" value
//                                             (INVALID_HANDLE_VALUE); else compared to Invalid()
//   void Close(Handle) const noexcept         frees a valid handle; static, or a member using
//                                             state the traits carry (the window of a DC that is
//                                             released, not deleted)
template <typename Traits>
class UniqueResource : private Traits
{
public:
    using Handle = typename Traits::Handle;

    UniqueResource() noexcept = default;
    explicit UniqueResource(Handle owned, Traits traits = Traits()) noexcept
        : Traits(std::move(traits)), m_handle(Valid(owned) ? owned : Traits::Invalid())
    {
    }
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;
    UniqueResource(UniqueResource&& other) noexcept
        : Traits(std::move(static_cast<Traits&>(other))), m_handle(other.Release())
    {
    }
    UniqueResource& operator=(UniqueResource&& other) noexcept
    {
        if (this != &other) {
            const Handle taken = other.Release();
            Reset();
            static_cast<Traits&>(*this) = std::move(static_cast<Traits&>(other));
            m_handle = taken;
        }
        return *this;
    }
    ~UniqueResource() { Reset(); }

    // Frees what is held and owns `owned` instead. Handing back the handle already held
    // changes nothing (it is not freed).
    void Reset(Handle owned = Traits::Invalid()) noexcept
    {
        if (owned == m_handle)
            return;
        const Handle old = std::exchange(m_handle, Valid(owned) ? owned : Traits::Invalid());
        if (Valid(old))
            this->Close(old);
    }
    // Gives the handle up without freeing it; the caller owns it now.
    [[nodiscard]] Handle Release() noexcept { return std::exchange(m_handle, Traits::Invalid()); }
    // Frees what is held and gives the address a function fills with a new handle.
    [[nodiscard]] Handle* Put() noexcept
    {
        Reset();
        return &m_handle;
    }

    [[nodiscard]] Handle Get() const noexcept { return m_handle; }
    explicit operator bool() const noexcept { return Valid(m_handle); }

protected:
    [[nodiscard]] const Traits& GetTraits() const noexcept { return *this; }

private:
    [[nodiscard]] static bool Valid(Handle handle) noexcept
    {
        if constexpr (requires { Traits::IsValid(handle); })
            return Traits::IsValid(handle);
        else
            return handle != Traits::Invalid();
    }

    Handle m_handle = Traits::Invalid();
};

}  // namespace platform
