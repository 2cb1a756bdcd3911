#include "skin/win/CItemList.h"

#include "skin/win/CBitmapItem.h"

CItemList& CItemList::operator=(CItemList&& other) noexcept
{
    if (this != &other) {
        DestroyAll();
        m_items = std::move(other.m_items);
    }
    return *this;
}

CGUIItem& CItemList::Append(std::unique_ptr<CGUIItem> item)
{
    m_items.push_back(std::move(item));
    return *m_items.back();
}

CGUIItem* CItemList::FindById(int32_t identifier) const noexcept
{
    for (const auto& item : m_items)
        if (item->Identifier() == identifier)
            return item.get();
    return nullptr;
}

CGUIItem* CItemList::FindByWindow(HWND window) const noexcept
{
    for (const auto& item : m_items)
        if (item->ItemWindow() == window)
            return item.get();
    return nullptr;
}

CBitmapItem* CItemList::FindPicture(int32_t identifier) const noexcept
{
    return Find<CBitmapItem>(identifier, ItemKind::BitmapItem);
}

void CItemList::ShowAll(bool show) const
{
    for (const auto& item : m_items) {
        switch (item->Kind()) {
        case ItemKind::PanelBitmap:
        case ItemKind::ApmSlider:
        case ItemKind::Font:
        case ItemKind::Language:
        case ItemKind::ListPanel:
            break;
        default:
            if (static_cast<int32_t>(item->Kind()) >= 0 && static_cast<int32_t>(item->Kind()) <= 20)
                item->ShowItem(show);
            break;
        }
    }
}

void CItemList::DestroyAll() noexcept
{
    while (!m_items.empty())
        m_items.pop_back();
}
