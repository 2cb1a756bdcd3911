#pragma once

#include <windows.h>

#include <utility>

// Owns one kernel object handle (mutex, process, thread, event) and closes it once. Move-only.
class UniqueHandle
{
public:
    UniqueHandle() noexcept = default;
    explicit UniqueHandle(HANDLE owned) noexcept : m_handle(owned == INVALID_HANDLE_VALUE ? nullptr : owned) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other)
            Reset(std::exchange(other.m_handle, nullptr));
        return *this;
    }
    ~UniqueHandle() { Reset(); }

    void Reset(HANDLE owned = nullptr) noexcept
    {
        if (HANDLE old = std::exchange(m_handle, owned); old != nullptr)
            CloseHandle(old);
    }
    [[nodiscard]] HANDLE Get() const noexcept { return m_handle; }
    explicit operator bool() const noexcept { return m_handle != nullptr; }

private:
    HANDLE m_handle = nullptr;
};
