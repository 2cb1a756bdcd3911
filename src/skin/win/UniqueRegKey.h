#pragma once

#include <windows.h>

#include <utility>

// Owns one open registry key and closes it once. Move-only.
class UniqueRegKey
{
public:
    UniqueRegKey() noexcept = default;
    explicit UniqueRegKey(HKEY owned) noexcept : m_key(owned) {}
    UniqueRegKey(const UniqueRegKey&) = delete;
    UniqueRegKey& operator=(const UniqueRegKey&) = delete;
    UniqueRegKey(UniqueRegKey&& other) noexcept : m_key(std::exchange(other.m_key, nullptr)) {}
    UniqueRegKey& operator=(UniqueRegKey&& other) noexcept
    {
        if (this != &other)
            Reset(std::exchange(other.m_key, nullptr));
        return *this;
    }
    ~UniqueRegKey() { Reset(); }

    void Reset(HKEY owned = nullptr) noexcept
    {
        if (HKEY old = std::exchange(m_key, owned); old != nullptr)
            RegCloseKey(old);
    }
    [[nodiscard]] HKEY Get() const noexcept { return m_key; }
    // For the calls that open or create a key into a pointer.
    [[nodiscard]] HKEY* Receive() noexcept
    {
        Reset();
        return &m_key;
    }
    explicit operator bool() const noexcept { return m_key != nullptr; }

private:
    HKEY m_key = nullptr;
};
