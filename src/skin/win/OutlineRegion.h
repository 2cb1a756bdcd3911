#pragma once

#include <windows.h>

#include "platform/win/WinHandles.h"

// The outline a mask picture cuts: every pixel that is not pure white (255, 255, 255) belongs
// to the window. A mask without such a pixel gives an empty region (nothing of the window is
// visible); null when the mask is null or cannot be read, and the window then stays
// rectangular.
[[nodiscard]] UniqueRegion OutlineRegion(HBITMAP mask);

// The outline of a picture drawn over others with a key colour: every pixel whose colour
// differs from the top-left pixel's belongs to the window, so the key colour around the
// picture becomes see-through. Null when the picture is null or cannot be read.
[[nodiscard]] UniqueRegion KeyedOutlineRegion(HBITMAP picture);
