#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "skin/layout/ItemDescriptions.h"

class CItemList;

// The layout loader's Windows half: reads a layout file from the program directory's "xml"
// folder through the portable reader and makes an item for every element it describes, in the
// description's order, appending each to the caller's list. Window items become children of
// `parent` (or of the picture item their element names); `parent` may be null for files that
// hold only languages and fonts. What the read refused (a damaged or missing file, a picture or
// language file that did not load) is returned for the caller to tell the user.
//
// Elements of a kind without an item class of the skin (the custom controls) are made by the
// maker installed for their kind (CSkinEnvironment::ItemMakers), or skipped when there is none.
class CLayoutLoader
{
public:
    static std::vector<LayoutProblem> Load(std::wstring_view fileName, CItemList& items, HWND parent);
    // The same for a layout given as its bytes, as if they were a file's.
    static std::vector<LayoutProblem> LoadText(std::string_view bytes, CItemList& items, HWND parent);
    // Makes the items of a description that was read already.
    static void Build(LayoutDescription& description, CItemList& items, HWND parent);
};
