#pragma once

#include <windows.h>

#include "skin/layout/ResourceRecord.h"

// The bitmap a cached picture holds, or null when there is no record or its load failed. The
// cache owns the bitmap; items copy what they keep.
[[nodiscard]] inline HBITMAP BitmapOf(const ResourceRecord* picture) noexcept
{
    return picture != nullptr && picture->loaded ? reinterpret_cast<HBITMAP>(picture->handle) : nullptr;
}
