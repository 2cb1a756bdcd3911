#pragma once

#include <windows.h>

#include "skin/layout/ResourceRecord.h"

// A part of a picture the resource cache holds. Controls draw from the cache's bitmap through
// its source rectangle instead of keeping a copy: the cache owns the bitmap until the program
// ends, which outlives every control.
struct PictureArea
{
    HBITMAP bitmap = nullptr;  // the cache's; not owned
    RECT source{};

    // The whole picture of a cache record; empty when the record has no loaded picture.
    [[nodiscard]] static PictureArea Whole(const ResourceRecord* picture) noexcept;
    [[nodiscard]] static PictureArea Whole(HBITMAP bitmap) noexcept;
    // The part of `bitmap` from (left, top), `width` x `height`.
    [[nodiscard]] static PictureArea Part(HBITMAP bitmap, int left, int top, int width, int height) noexcept;

    [[nodiscard]] int Width() const noexcept { return source.right - source.left; }
    [[nodiscard]] int Height() const noexcept { return source.bottom - source.top; }
    explicit operator bool() const noexcept { return bitmap != nullptr; }
};

// Copies the area to `dc` with its top-left corner at (x, y); nothing for an empty area.
void DrawPictureArea(HDC dc, int x, int y, const PictureArea& area);
// The same, as much of it as fits `width` x `height`.
void DrawPictureArea(HDC dc, int x, int y, int width, int height, const PictureArea& area);
