#pragma once

#include <windows.h>

#include <utility>

// Owns one global memory block and frees it once. Move-only.
class UniqueGlobal
{
public:
    UniqueGlobal() noexcept = default;
    explicit UniqueGlobal(HGLOBAL owned) noexcept : m_memory(owned) {}
    UniqueGlobal(const UniqueGlobal&) = delete;
    UniqueGlobal& operator=(const UniqueGlobal&) = delete;
    UniqueGlobal(UniqueGlobal&& other) noexcept : m_memory(std::exchange(other.m_memory, nullptr)) {}
    UniqueGlobal& operator=(UniqueGlobal&& other) noexcept
    {
        if (this != &other)
            Reset(std::exchange(other.m_memory, nullptr));
        return *this;
    }
    ~UniqueGlobal() { Reset(); }

    void Reset(HGLOBAL owned = nullptr) noexcept
    {
        if (HGLOBAL old = std::exchange(m_memory, owned); old != nullptr)
            GlobalFree(old);
    }
    [[nodiscard]] HGLOBAL Get() const noexcept { return m_memory; }
    explicit operator bool() const noexcept { return m_memory != nullptr; }

private:
    HGLOBAL m_memory = nullptr;
};
