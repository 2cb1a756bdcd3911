#pragma once

#include "skin/win/UniqueGdiObject.h"

using UniqueBitmap = UniqueGdiObject<HBITMAP>;
