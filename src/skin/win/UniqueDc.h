#pragma once

#include <windows.h>

#include <utility>

// Owns a memory device context made with CreateCompatibleDC and deletes it once. Move-only.
class UniqueDc
{
public:
    UniqueDc() noexcept = default;
    // A memory context compatible with `compatible` (the screen when null).
    [[nodiscard]] static UniqueDc CompatibleWith(HDC compatible) noexcept { return UniqueDc(CreateCompatibleDC(compatible)); }

    UniqueDc(const UniqueDc&) = delete;
    UniqueDc& operator=(const UniqueDc&) = delete;
    UniqueDc(UniqueDc&& other) noexcept : m_dc(std::exchange(other.m_dc, nullptr)) {}
    UniqueDc& operator=(UniqueDc&& other) noexcept
    {
        if (this != &other)
            Reset(std::exchange(other.m_dc, nullptr));
        return *this;
    }
    ~UniqueDc() { Reset(); }

    void Reset(HDC owned = nullptr) noexcept
    {
        if (HDC old = std::exchange(m_dc, owned); old != nullptr)
            DeleteDC(old);
    }
    [[nodiscard]] HDC Get() const noexcept { return m_dc; }
    explicit operator bool() const noexcept { return m_dc != nullptr; }

private:
    explicit UniqueDc(HDC owned) noexcept : m_dc(owned) {}

    HDC m_dc = nullptr;
};
