#pragma once

#include <windows.h>

#include "platform/win/WinHandles.h"

// Width and height of a bitmap; {0, 0} for none.
[[nodiscard]] SIZE BitmapSize(HBITMAP bitmap) noexcept;
