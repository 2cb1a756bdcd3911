#pragma once

#include <utility>

// Owns one reference to a COM object and releases it once. Move-only.
template <typename T>
class ComRef
{
public:
    ComRef() noexcept = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ComRef(ComRef&& other) noexcept : m_object(std::exchange(other.m_object, nullptr)) {}
    ComRef& operator=(ComRef&& other) noexcept
    {
        if (this != &other)
            Reset(std::exchange(other.m_object, nullptr));
        return *this;
    }
    ~ComRef() { Reset(); }

    void Reset(T* owned = nullptr) noexcept
    {
        if (T* old = std::exchange(m_object, owned); old != nullptr)
            old->Release();
    }
    // Releases what is held and gives the address an out-parameter fills.
    [[nodiscard]] T** Put() noexcept
    {
        Reset();
        return &m_object;
    }
    [[nodiscard]] void** PutVoid() noexcept { return reinterpret_cast<void**>(Put()); }
    [[nodiscard]] T* Get() const noexcept { return m_object; }
    T* operator->() const noexcept { return m_object; }
    explicit operator bool() const noexcept { return m_object != nullptr; }

private:
    T* m_object = nullptr;
};
