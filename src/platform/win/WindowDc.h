#pragma once

#include <windows.h>

#include "platform/win/WinHandles.h"

// The device context of a window's client area (the screen's for a null window), released
// with ReleaseDC when the object goes.
class WindowDc : public platform::UniqueResource<platform::win::WindowDcTraits>
{
public:
    explicit WindowDc(HWND window) noexcept : UniqueResource(GetDC(window), platform::win::WindowDcTraits{window}) {}
};
