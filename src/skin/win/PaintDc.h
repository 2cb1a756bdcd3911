#pragma once

#include <windows.h>

// BeginPaint on construction, EndPaint on destruction: the body of a WM_PAINT handler.
class PaintDc
{
public:
    explicit PaintDc(HWND window) noexcept : m_window(window), m_dc(BeginPaint(window, &m_paint)) {}
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    ~PaintDc() { EndPaint(m_window, &m_paint); }

    [[nodiscard]] HDC Get() const noexcept { return m_dc; }
    [[nodiscard]] const RECT& Area() const noexcept { return m_paint.rcPaint; }
    explicit operator bool() const noexcept { return m_dc != nullptr; }

private:
    HWND m_window;
    PAINTSTRUCT m_paint{};
    HDC m_dc;
};
