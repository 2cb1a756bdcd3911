#pragma once

#include <windows.h>

#include "platform/win/WinHandles.h"

// The pictures of a check-box column of the report list (SBMN unchecked, SBMD checked, SBMM an
// optional mask whose white pixels are left out), borrowed from the resource cache.
class CListCheckPictures
{
public:
    CListCheckPictures() = default;
    CListCheckPictures(HBITMAP unchecked, HBITMAP checked, HBITMAP mask);

    [[nodiscard]] bool HasPictures() const noexcept { return m_unchecked != nullptr || m_checked != nullptr; }
    [[nodiscard]] SIZE Size() const noexcept;
    // Draws the picture of the state centred in `area`, inside the mask's outline.
    void Draw(HDC dc, const RECT& area, bool checked) const;

private:
    HBITMAP m_unchecked = nullptr;  // not owned
    HBITMAP m_checked = nullptr;    // not owned
    UniqueRegion m_outline;         // from the mask; null: the whole picture
};
