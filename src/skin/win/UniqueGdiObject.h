#pragma once

#include <windows.h>

#include <utility>

// Owns one GDI object (bitmap, font, pen, brush, region) and deletes it once. Move-only.
template <typename Handle>
class UniqueGdiObject
{
public:
    UniqueGdiObject() noexcept = default;
    explicit UniqueGdiObject(Handle owned) noexcept : m_handle(owned) {}
    UniqueGdiObject(const UniqueGdiObject&) = delete;
    UniqueGdiObject& operator=(const UniqueGdiObject&) = delete;
    UniqueGdiObject(UniqueGdiObject&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    UniqueGdiObject& operator=(UniqueGdiObject&& other) noexcept
    {
        if (this != &other)
            Reset(std::exchange(other.m_handle, nullptr));
        return *this;
    }
    ~UniqueGdiObject() { Reset(); }

    void Reset(Handle owned = nullptr) noexcept
    {
        if (Handle old = std::exchange(m_handle, owned); old != nullptr)
            DeleteObject(old);
    }
    [[nodiscard]] Handle Release() noexcept { return std::exchange(m_handle, nullptr); }
    [[nodiscard]] Handle Get() const noexcept { return m_handle; }
    explicit operator bool() const noexcept { return m_handle != nullptr; }

private:
    Handle m_handle = nullptr;
};

using UniqueFont = UniqueGdiObject<HFONT>;
using UniquePen = UniqueGdiObject<HPEN>;
using UniqueBrush = UniqueGdiObject<HBRUSH>;
using UniqueRegion = UniqueGdiObject<HRGN>;
