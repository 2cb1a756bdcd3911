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

}  // namespace wintest
