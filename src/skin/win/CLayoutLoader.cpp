#include "skin/win/CLayoutLoader.h"

#include <algorithm>
#include <memory>
#include <variant>
#include <vector>

#include "skin/CLangTable.h"
#include "skin/layout/CLayoutReader.h"
#include "skin/layout/ItemDescriptions.h"
#include "skin/win/CBitmapBtn.h"
#include "skin/win/CBitmapItem.h"
#include "skin/win/CBitmapWindow.h"
#include "skin/win/CDropdownListItem.h"
#include "skin/win/CFontItem.h"
#include "skin/win/CItemList.h"
#include "skin/win/CItemMakers.h"
#include "skin/win/CLanguageItem.h"
#include "skin/win/CListPanelItem.h"
#include "skin/win/CPanelBitmap.h"
#include "skin/win/CSkinEnvironment.h"
#include "skin/win/CTextItem.h"

namespace {

// Makes the item of one description. References to earlier items are resolved through the
// items made so far, by their place in the description; an element whose item could not be
// made leaves a gap there, and references to it resolve to nothing.
class CItemBuilder final : public IItemMakeContext
{
public:
    CItemBuilder(LayoutDescription& description, CItemList& items, HWND parent, const CItemMakers& makers)
        : m_description(description), m_items(items), m_parent(parent), m_makers(makers),
          m_made(description.items.size(), nullptr)
    {
    }

    void MakeAll()
    {
        for (m_current = 0; m_current < m_description.items.size(); ++m_current)
            m_made[m_current] =
                std::visit([this](const auto& item) { return Make(item); }, m_description.items[m_current]);
    }

    // --- what registered makers may ask ---

    HWND Parent() const noexcept override { return m_parent; }

    CGUIItem* Made(const ItemRef& reference, ItemKind kind) const noexcept override
    {
        if (!reference || *reference >= m_made.size() || m_made[*reference] == nullptr ||
            m_made[*reference]->Kind() != kind)
            return nullptr;
        return m_made[*reference];
    }

    CFontItem* FontOf(const ItemRef& reference) const noexcept override
    {
        return Made<CFontItem>(reference, ItemKind::Font);
    }

    // The window of the picture item an element names, or the loader's parent window.
    HWND WindowOf(const ItemRef& reference) const noexcept override
    {
        const CBitmapItem* picture = Made<CBitmapItem>(reference, ItemKind::BitmapItem);
        return picture != nullptr ? picture->Handle() : m_parent;
    }

    CItemList& Items() const noexcept override { return m_items; }
    const LayoutDescription& Description() const noexcept override { return m_description; }

private:
    // Sets the common fields last and appends the item to the caller's list.
    template <typename Item>
    CGUIItem* Append(std::unique_ptr<Item> item, int32_t identifier, ItemKind kind, HWND window, HWND owner)
    {
        if (!item)
            return nullptr;
        item->SetCommon(identifier, kind, window, owner);
        return &m_items.Append(std::move(item));
    }

    template <typename Item>
    static void Place(Item& item, const LayoutRect& rect) noexcept
    {
        item.SetRectangle(rect.left, rect.top, rect.width, rect.height);
    }

    template <typename Item>
    [[nodiscard]] Item* Made(const ItemRef& reference, ItemKind kind) const noexcept
    {
        return dynamic_cast<Item*>(Made(reference, kind));
    }

    CGUIItem* Make(const PanelBitmapDescription& description)
    {
        return Append(CPanelBitmap::Create(description, m_parent), description.identifier, ItemKind::PanelBitmap,
                      CGUIItem::kNoWindow, m_parent);
    }

    CGUIItem* Make(const LanguageDescription& description)
    {
        auto& tables = m_description.languageTables;
        const auto owned = std::find_if(tables.begin(), tables.end(),
                                        [&](const auto& table) { return table.Table() == description.table; });
        if (owned == tables.end() || owned->Table() == nullptr)
            return nullptr;
        return Append(std::make_unique<CLanguageItem>(std::move(*owned)), description.identifier, ItemKind::Language,
                      nullptr, m_parent);
    }

    CGUIItem* Make(const FontDescription& description)
    {
        CSkinEnvironment::Instance().NoteFontFace(description.identifier, description.typeface);
        return Append(CFontItem::Create(description), description.identifier, ItemKind::Font, nullptr, m_parent);
    }

    CGUIItem* Make(const BitmapItemDescription& description)
    {
        auto item = CBitmapItem::Create(description, m_parent);
        if (!item)
            return nullptr;
        Place(*item, description.rect);
        const HWND window = item->Handle();
        return Append(std::move(item), description.identifier, ItemKind::BitmapItem, window, m_parent);
    }

    CGUIItem* Make(const BitmapWindowDescription& description)
    {
        auto item = CBitmapWindow::Create(description, m_parent, FontOf(description.font));
        if (!item)
            return nullptr;
        Place(*item, description.rect);
        const HWND window = item->Handle();
        return Append(std::move(item), description.identifier, ItemKind::BitmapWindow, window, m_parent);
    }

    CGUIItem* Make(const ButtonDescription& description)
    {
        const HWND parent = WindowOf(description.parent);
        auto item = CBitmapBtn::Create(description, parent, FontOf(description.font));
        if (!item)
            return nullptr;
        Place(*item, description.rect);
        const HWND window = item->Handle();
        return Append(std::move(item), description.identifier, ItemKind::Button, window, parent);
    }

    CGUIItem* Make(const TextItemDescription& description)
    {
        const HWND parent = WindowOf(description.parent);
        CBitmapBtn* checkBox = Made<CBitmapBtn>(description.checkbox, ItemKind::Button);
        auto item = CTextItem::Create(description, parent, FontOf(description.font), checkBox);
        if (!item)
            return nullptr;
        Place(*item, description.rect);
        const HWND window = item->Handle();
        return Append(std::move(item), description.identifier, ItemKind::TextItem, window, parent);
    }

    CGUIItem* Make(const ComboDescription& description)
    {
        auto item = CDropdownListItem::Create(description, m_parent, FontOf(description.font), m_items);
        if (!item)
            return nullptr;
        Place(*item, description.rect);
        const HWND window = item->Handle();
        return Append(std::move(item), description.identifier, ItemKind::Combo, window, m_parent);
    }

    CGUIItem* Make(const ListPanelDescription& description)
    {
        auto item = CListPanelItem::Create(description, m_parent, FontOf(description.font));
        if (!item)
            return nullptr;
        Place(*item, description.rect);
        return Append(std::move(item), description.identifier, ItemKind::ListPanel, nullptr, m_parent);
    }

    // The custom controls: made by the maker installed for their kind, if any.
    template <typename Description>
    CGUIItem* Make(const Description& description)
    {
        const CItemMakers::Maker* maker = m_makers.Find(Description::kKind);
        if (maker == nullptr)
            return nullptr;
        MadeItem made = (*maker)(m_description.items[m_current], *this);
        return Append(std::move(made.item), description.identifier, Description::kKind, made.window, made.owner);
    }

    LayoutDescription& m_description;
    CItemList& m_items;
    HWND m_parent;
    const CItemMakers& m_makers;
    std::vector<CGUIItem*> m_made;  // by description index; null where nothing was made
    size_t m_current = 0;           // the description being made
};

}  // namespace

std::vector<LayoutProblem> CLayoutLoader::Load(std::wstring_view fileName, CItemList& items, HWND parent)
{
    CSkinEnvironment& environment = CSkinEnvironment::Instance();
    if (!environment.IsInitialized())
        return {{LayoutProblem::Kind::LayoutUnreadable, std::wstring(fileName)}};
    CLayoutReader reader(environment.Cache(), environment.Languages());
    LayoutDescription description = reader.ReadFile(fileName);
    Build(description, items, parent);
    return std::move(description.problems);
}

std::vector<LayoutProblem> CLayoutLoader::LoadText(std::string_view bytes, CItemList& items, HWND parent)
{
    CSkinEnvironment& environment = CSkinEnvironment::Instance();
    if (!environment.IsInitialized())
        return {{LayoutProblem::Kind::LayoutUnreadable, {}}};
    CLayoutReader reader(environment.Cache(), environment.Languages());
    LayoutDescription description = reader.ReadBytes(bytes);
    Build(description, items, parent);
    return std::move(description.problems);
}

void CLayoutLoader::Build(LayoutDescription& description, CItemList& items, HWND parent)
{
    CItemBuilder(description, items, parent, CSkinEnvironment::Instance().ItemMakers()).MakeAll();
}
