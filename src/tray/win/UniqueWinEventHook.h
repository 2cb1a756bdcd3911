#pragma once

#include <windows.h>

#include <utility>

// Owns one event hook (SetWinEventHook) and removes it once. Move-only.
class UniqueWinEventHook
{
public:
    UniqueWinEventHook() noexcept = default;
    explicit UniqueWinEventHook(HWINEVENTHOOK owned) noexcept : m_hook(owned) {}
    UniqueWinEventHook(const UniqueWinEventHook&) = delete;
    UniqueWinEventHook& operator=(const UniqueWinEventHook&) = delete;
    UniqueWinEventHook(UniqueWinEventHook&& other) noexcept : m_hook(std::exchange(other.m_hook, nullptr)) {}
    UniqueWinEventHook& operator=(UniqueWinEventHook&& other) noexcept
    {
        if (this != &other)
            Reset(std::exchange(other.m_hook, nullptr));
        return *this;
    }
    ~UniqueWinEventHook() { Reset(); }

    void Reset(HWINEVENTHOOK owned = nullptr) noexcept
    {
        if (HWINEVENTHOOK old = std::exchange(m_hook, owned); old != nullptr)
            UnhookWinEvent(old);
    }
    explicit operator bool() const noexcept { return m_hook != nullptr; }

private:
    HWINEVENTHOOK m_hook = nullptr;
};
