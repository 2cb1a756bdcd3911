#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

class CListPanelItem;

// One row of a pop-up list: its text (a language key or plain text), its tool tip, and the
// sub-list it opens, if any. A row whose sub-list exists but holds no entries is inactive.
struct ListPopupEntry
{
    std::wstring text;
    std::wstring tooltip;
    CListPanelItem* subList = nullptr;  // not owned
};

// Colours of a pop-up list, as red + 256 x green + 65536 x blue.
struct ListPopupColours
{
    int32_t text = RGB(255, 255, 255);
    int32_t background = RGB(0, 0, 0);
    int32_t highlightText = RGB(0, 0, 0);
    int32_t highlightBackground = RGB(255, 255, 255);
    int32_t inactiveText = RGB(0, 0, 0);
    int32_t inactiveBackground = RGB(255, 255, 255);
    int32_t border = RGB(255, 255, 255);
};

// The pictures of the drawn scroll bar a long list gets; width 0 means none. Bitmaps are
// borrowed from the item that asks.
struct ListPopupScrollBar
{
    int32_t width = 0;
    HBITMAP thumb = nullptr;
    HBITMAP top = nullptr;
    HBITMAP bottom = nullptr;
    HBITMAP arrowUp = nullptr;
    HBITMAP arrowDown = nullptr;
    HBITMAP span = nullptr;
};

// Everything a pop-up list needs to open once.
struct ListPopupRequest
{
    HWND owner = nullptr;   // the window the list belongs to (it is disabled while the list runs)
    RECT screenRect{};      // where the list opens, in screen coordinates
    std::vector<ListPopupEntry> entries;
    bool sorted = false;    // rows sorted by text, ignoring case
    bool attached = false;  // hangs from the box that opened it: no top frame line
    int32_t borderWidth = 1;
    HFONT font = nullptr;   // borrowed; null: the dialog's font
    ListPopupColours colours;
    ListPopupScrollBar scrollBar;
};

// How the skin opens a pop-up list without knowing the control that shows it: drop-downs and
// list panel items hand a request over and get back the position of the chosen entry in
// request.entries, or -1 when the user dismissed the list. The controls library provides the
// implementation and installs it with CSkinEnvironment::SetListPopup (CInstalledControls).
class IListPopup
{
public:
    virtual ~IListPopup() = default;
    [[nodiscard]] virtual int Show(const ListPopupRequest& request) = 0;
};
