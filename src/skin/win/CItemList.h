#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "skin/win/CGUIItem.h"

class CBitmapItem;

// The items of one window, in the order they were appended, owned by the list. Searches walk
// from the front, so of two items with one identifier the first appended is found. Items are
// destroyed from the back to the front, so an item goes before the items it refers to (a text
// before its font, a button before the picture item that holds its window).
class CItemList
{
public:
    CItemList() = default;
    CItemList(const CItemList&) = delete;
    CItemList& operator=(const CItemList&) = delete;
    CItemList(CItemList&&) noexcept = default;
    CItemList& operator=(CItemList&& other) noexcept;
    ~CItemList() { DestroyAll(); }

    CGUIItem& Append(std::unique_ptr<CGUIItem> item);

    [[nodiscard]] CGUIItem* FindById(int32_t identifier) const noexcept;
    [[nodiscard]] CGUIItem* FindByWindow(HWND window) const noexcept;
    // The first item with the identifier as its class, when it is of that kind; null otherwise.
    template <typename Item>
    [[nodiscard]] Item* Find(int32_t identifier, ItemKind kind) const noexcept
    {
        CGUIItem* item = FindById(identifier);
        return item != nullptr && item->Kind() == kind ? dynamic_cast<Item*>(item) : nullptr;
    }
    // The first item with the identifier when it is a picture item (kind 1).
    [[nodiscard]] CBitmapItem* FindPicture(int32_t identifier) const noexcept;

    // Shows or hides the windows of the items that have them; panel pictures, fonts,
    // languages, list panels and the windowless sliders are left alone.
    void ShowAll(bool show) const;
    void DestroyAll() noexcept;

    [[nodiscard]] size_t Size() const noexcept { return m_items.size(); }
    [[nodiscard]] bool Empty() const noexcept { return m_items.empty(); }
    [[nodiscard]] CGUIItem& At(size_t index) const noexcept { return *m_items[index]; }
    [[nodiscard]] auto begin() const noexcept { return m_items.begin(); }
    [[nodiscard]] auto end() const noexcept { return m_items.end(); }

private:
    std::vector<std::unique_ptr<CGUIItem>> m_items;
};
