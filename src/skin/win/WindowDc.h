#pragma once

#include <windows.h>

// The device context of a window's client area (the screen's for a null window), released
// with ReleaseDC when the object goes.
class WindowDc
{
public:
    explicit WindowDc(HWND window) noexcept : m_window(window), m_dc(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc()
    {
        if (m_dc != nullptr)
            ReleaseDC(m_window, m_dc);
    }

    [[nodiscard]] HDC Get() const noexcept { return m_dc; }
    explicit operator bool() const noexcept { return m_dc != nullptr; }

private:
    HWND m_window;
    HDC m_dc;
};
