#pragma once

#include <string>

class CListPanelItem;

// One entry of a drop-down or list panel item: its text, the text chosen in its submenu (shown
// after the text), and the submenu it opens, if any.
struct ListEntry
{
    std::wstring text;
    std::wstring secondText;
    CListPanelItem* submenu = nullptr;  // not owned; lives in the same item list
};
