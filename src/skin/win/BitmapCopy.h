#pragma once

#include <windows.h>

#include "platform/win/WinHandles.h"

// Items keep their own copies of the cached pictures, so a page may change or free its copy
// without touching the picture other items share.
//
// A new bitmap of width x height compatible with `surface` (the screen when null), holding the
// source's pixels from (left, top) 1:1; null when the source is null or the copy fails.
[[nodiscard]] UniqueBitmap CopyBitmap(HBITMAP source, int left, int top, int width, int height, HDC surface = nullptr);

// Width and height of a bitmap; {0, 0} for none.
[[nodiscard]] SIZE BitmapSize(HBITMAP bitmap) noexcept;
