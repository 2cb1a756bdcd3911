#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "platform/win/WinHandles.h"

// Helpers of the tests that make real windows and pictures under Wine.
namespace wintest {

using PixelFunction = std::function<COLORREF(int x, int y)>;

// A 32-bit top-down bitmap of the given pixels, made in memory.
inline UniqueBitmap MemoryBitmap(int width, int height, const PixelFunction& pixel)
{
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap)
        return bitmap;
    auto* pixels = static_cast<uint32_t*>(bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            const COLORREF colour = pixel(x, y);
            pixels[y * width + x] = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
        }
    GdiFlush();
    return bitmap;
}

// Runs the messages waiting in the thread's queue (posted commands, paints), with a short
// pause between rounds so that follow-up messages arrive.
inline void PumpMessages(int rounds = 3)
{
    MSG message{};
    for (int round = 0; round < rounds; ++round)
    {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
}

// Paints a window now and reads one of its pixels from the screen (client coordinates).
inline COLORREF PixelOf(HWND window, int x, int y)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessages(1);
    POINT point{x, y};
    ClientToScreen(window, &point);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

// How many pixels of a window's client rectangle have the colour.
inline int CountPixels(HWND window, const RECT& area, COLORREF colour)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessages(1);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    HDC screen = GetDC(nullptr);
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += GetPixel(screen, origin.x + x, origin.y + y) == colour ? 1 : 0;
    ReleaseDC(nullptr, screen);
    return count;
}

// Runs the thread's messages until `done` answers true or `timeoutMs` passed, waking for every
// message (timers included) instead of sleeping; the answer of `done` at the end.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    MSG message{};
    for (;;)
    {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (done())
            return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
    }
}

}  // namespace wintest
