#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

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
        for (int x = 0; x < width; ++x) {
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
    for (int round = 0; round < rounds; ++round) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
}

// A host path ("/work/build/program") as Wine names it ("Z:\work\build\program"); a Windows
// path keeps its drive. Slashes become backslashes; `folder` adds one at the end.
inline std::wstring WindowsPath(std::wstring path, bool folder = false)
{
    if (!path.empty() && path.front() == L'/')
        path.insert(0, L"Z:");
    for (wchar_t& c : path)
        if (c == L'/')
            c = L'\\';
    if (folder && !path.empty() && path.back() != L'\\')
        path.push_back(L'\\');
    return path;
}

// The same for a path the build wrote into the test as ASCII text.
inline std::wstring WindowsPath(std::string_view path, bool folder = false)
{
    return WindowsPath(std::wstring(path.begin(), path.end()), folder);
}

// A pixel of the screen at a point of a window's client area, as it shows now.
inline COLORREF ScreenPixel(HWND window, int x, int y)
{
    POINT point{x, y};
    ClientToScreen(window, &point);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

// Paints a window now and reads one of its pixels from the screen (client coordinates).
inline COLORREF PixelOf(HWND window, int x, int y)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessages(1);
    return ScreenPixel(window, x, y);
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

// Runs the thread's messages until `done` answers true or `deadlineMs` passed, waking for each
// message that arrives (and at least every 10 ms to ask again); the answer of `done` at the end.
inline bool PumpUntil(const std::function<bool()>& done, DWORD deadlineMs = 10000)
{
    const ULONGLONG end = GetTickCount64() + deadlineMs;
    MSG message{};
    for (;;) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (done())
            return true;
        if (GetTickCount64() >= end)
            return false;
        (void)MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

// Runs what waits in the queue (paints, posted moves) and what follows within 30 ms.
inline void PumpBriefly()
{
    (void)PumpUntil([] { return false; }, 30);
}

}  // namespace wintest
