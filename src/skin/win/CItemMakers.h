#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <utility>
#include <variant>

#include "skin/layout/ItemDescriptions.h"
#include "skin/win/CGUIItem.h"
#include "skin/win/IItemMakeContext.h"

// What a maker made of one element: the item, its own window (null for an item without one)
// and the window it belongs to. The loader gives it the element's identifier and kind and
// appends it; an empty item skips the element.
struct MadeItem
{
    std::unique_ptr<CGUIItem> item;
    HWND window = nullptr;
    HWND owner = nullptr;
};

// The makers of the element kinds the skin has no item class of its own for (the custom
// controls: sliders, stage windows, edit fields, macro displays, report lists, ...), by kind.
// The layout loader asks here for every such element and skips it when no maker is installed.
// The controls library registers its makers at start-up (CInstalledControls); see "Adding a
// control" in docs/architecture.md.
class CItemMakers
{
public:
    using Maker = std::function<MadeItem(const ItemDescription&, const IItemMakeContext&)>;

    // Installs the maker of a kind, replacing an earlier one.
    void Register(ItemKind kind, Maker maker);
    // The same for a maker of one description type (its kKind):
    //     makers.Register<EditDescription>(&CEditItem::Make);
    template <typename Description>
    void Register(std::function<MadeItem(const Description&, const IItemMakeContext&)> make)
    {
        Register(Description::kKind,
                 [make = std::move(make)](const ItemDescription& item, const IItemMakeContext& context) {
                     const auto* typed = std::get_if<Description>(&item);
                     return typed != nullptr ? make(*typed, context) : MadeItem{};
                 });
    }
    void Unregister(ItemKind kind) noexcept;

    // The maker of a kind; null when none is installed.
    [[nodiscard]] const Maker* Find(ItemKind kind) const noexcept;

private:
    static constexpr size_t kKindCount = 21;

    std::array<Maker, kKindCount> m_makers;
};
