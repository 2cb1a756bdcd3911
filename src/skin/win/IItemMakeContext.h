#pragma once

#include <windows.h>

#include "skin/layout/ItemDescriptions.h"

class CFontItem;
class CGUIItem;
class CItemList;

// What an item maker may ask the layout loader while it builds one layout: where the items
// go, and the items made for earlier elements that a description refers to.
class IItemMakeContext
{
public:
    // The window the layout is loaded into: the parent of items whose element names no other.
    [[nodiscard]] virtual HWND Parent() const noexcept = 0;
    // The item made for an earlier element, when it has this kind; null otherwise (no
    // reference, nothing made there, another kind).
    [[nodiscard]] virtual CGUIItem* Made(const ItemRef& reference, ItemKind kind) const noexcept = 0;
    // The font item a "fontid" names; null when it names none.
    [[nodiscard]] virtual CFontItem* FontOf(const ItemRef& reference) const noexcept = 0;
    // The window of the picture item a "windowid" (or "trackid") names, else Parent().
    [[nodiscard]] virtual HWND WindowOf(const ItemRef& reference) const noexcept = 0;
    // The list the loader appends to, for items that work with their siblings.
    [[nodiscard]] virtual CItemList& Items() const noexcept = 0;
    // The whole layout being built.
    [[nodiscard]] virtual const LayoutDescription& Description() const noexcept = 0;

protected:
    ~IItemMakeContext() = default;
};
