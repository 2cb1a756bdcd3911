#pragma once

#include <windows.h>

#include <utility>

// Owns one bitmap and deletes it once. Move-only.
class UniqueBitmap
{
public:
    UniqueBitmap() noexcept = default;
    explicit UniqueBitmap(HBITMAP owned) noexcept : m_bitmap(owned) {}
    UniqueBitmap(const UniqueBitmap&) = delete;
    UniqueBitmap& operator=(const UniqueBitmap&) = delete;
    UniqueBitmap(UniqueBitmap&& other) noexcept : m_bitmap(std::exchange(other.m_bitmap, nullptr)) {}
    UniqueBitmap& operator=(UniqueBitmap&& other) noexcept
    {
        if (this != &other)
            Reset(std::exchange(other.m_bitmap, nullptr));
        return *this;
    }
    ~UniqueBitmap() { Reset(); }

    void Reset(HBITMAP owned = nullptr) noexcept
    {
        if (HBITMAP old = std::exchange(m_bitmap, owned); old != nullptr)
            DeleteObject(old);
    }
    [[nodiscard]] HBITMAP Release() noexcept { return std::exchange(m_bitmap, nullptr); }
    [[nodiscard]] HBITMAP Get() const noexcept { return m_bitmap; }
    explicit operator bool() const noexcept { return m_bitmap != nullptr; }

private:
    HBITMAP m_bitmap = nullptr;
};
