#pragma once

#include <windows.h>

#include "platform/win/WinHandles.h"

// Off-screen drawing for one paint: drawing goes into a bitmap of the area's size, and the
// destructor copies the area to the target in one step, so the screen never shows half a
// picture. The drawing surface uses the target's coordinates (mapping mode, extents, and the
// window origin at the area's top-left corner). Printer targets, and targets for which no
// off-screen bitmap can be made, are drawn on directly.
class CMemDC2
{
public:
    // `area` null: the target's clip box.
    explicit CMemDC2(HDC target, const RECT* area = nullptr);
    CMemDC2(const CMemDC2&) = delete;
    CMemDC2& operator=(const CMemDC2&) = delete;
    ~CMemDC2();

    // Where to draw.
    [[nodiscard]] HDC Get() const noexcept { return m_offScreen ? m_memory.Get() : m_target; }
    [[nodiscard]] bool IsOffScreen() const noexcept { return m_offScreen; }
    [[nodiscard]] const RECT& Area() const noexcept { return m_area; }

private:
    bool BeginOffScreen();
    void FillBackground() const;

    HDC m_target;
    RECT m_area{};
    UniqueDc m_memory;
    UniqueBitmap m_bitmap;
    HGDIOBJ m_previousBitmap = nullptr;
    bool m_offScreen = false;
};
