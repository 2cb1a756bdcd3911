#pragma once

#include <windows.h>

#include <string_view>

// Drawing steps the picture items share.

// Copies `picture` from its top-left corner, `size` large, to `dc` at (0, 0); nothing for a
// null picture (a state without a picture stays blank).
void DrawPicture(HDC dc, HBITMAP picture, SIZE size);

// Draws an item's caption transparently in `colour` with `flags` (DrawTextW), in `font` or,
// without one, in the items' default caption font (Arial, 14 high, bold) made for this call.
void DrawItemText(HDC dc, const RECT& area, std::wstring_view text, COLORREF colour, HFONT font, UINT flags);
