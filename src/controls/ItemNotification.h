#pragma once

#include <windows.h>

#include <cstdint>

// Tells the windows an item reports to: its parent and its owner. A window that is both hears
// it once, so a page that owns the sliders it holds does not handle every change twice.
inline void PostToParentAndOwner(HWND item, HWND owner, uint32_t message, WPARAM wParam, LPARAM lParam)
{
    const HWND parent = item != nullptr ? GetParent(item) : nullptr;
    if (parent != nullptr)
        PostMessageW(parent, message, wParam, lParam);
    if (owner != nullptr && owner != parent && owner != item)
        PostMessageW(owner, message, wParam, lParam);
}
