#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "skin/layout/ItemKind.h"

class IPageHost;
class IVantixPage;

// The page bits of the main window: one bit per page layout.
namespace PageBit {
inline constexpr unsigned kAssignButtons = 0x01;  // top view
inline constexpr unsigned kAssignKeys = 0x02;     // thumb-grid view
inline constexpr unsigned kPerformance = 0x04;
inline constexpr unsigned kProfiles = 0x08;
inline constexpr unsigned kMacros = 0x10;
inline constexpr unsigned kLighting = 0x20;
inline constexpr size_t kPageCount = 6;
}  // namespace PageBit

// An item the main window looks up by identifier once the layouts are loaded; bound only when
// it has this kind. `reports`: the window becomes the item's owner, so the item sends its
// notifications to the main window (the profile selector and the sliders).
struct ItemBinding
{
    int32_t identifier;
    ItemKind kind;
    bool reports = false;
};

// Makes a page's behaviour once the window has bound its items (IPageHost::Bound).
using PageFactory = std::unique_ptr<IVantixPage> (*)(IPageHost& host);

// One page of the main window. The window iterates the table to load the layouts, bind the
// items, make the behaviours, select the tabs and dispatch; adding a page adds a row here and
// the page's own files.
struct PageEntry
{
    unsigned bit;                           // PageBit
    const wchar_t* layoutFile;              // in the "xml" folder
    int32_t tab;                            // the main page's tab button selected while it is shown
    std::span<const int32_t> showCommands;  // items whose command shows the page
    bool showsProfileSelector;              // the main page's profile selector stays visible
    PageFactory makeBehaviour;              // null: another page's behaviour works its items
    std::span<const ItemBinding> items;     // bound in the page's own layout
};

// The pages in page-bit order (1, 2, 4, 8, 16, 32).
[[nodiscard]] std::span<const PageEntry> Pages() noexcept;
// The items bound in the main page's layout ("MainPage.xml").
[[nodiscard]] std::span<const ItemBinding> MainPageBindings() noexcept;
