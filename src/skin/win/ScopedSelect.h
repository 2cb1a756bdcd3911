#pragma once

#include <windows.h>

// Selects a GDI object into a device context and puts the previous one back when it goes, so
// an owned object is never deleted while selected.
class ScopedSelect
{
public:
    ScopedSelect(HDC dc, HGDIOBJ object) noexcept
        : m_dc(dc), m_previous(dc != nullptr && object != nullptr ? SelectObject(dc, object) : nullptr)
    {
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;
    ~ScopedSelect()
    {
        if (m_previous != nullptr && m_previous != HGDI_ERROR)
            SelectObject(m_dc, m_previous);
    }

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};
