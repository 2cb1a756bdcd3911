#include "skin/layout/ItemDescriptions.h"

#include <algorithm>
#include <limits>

namespace {

int32_t SaturatedSum(int32_t a, int32_t b) noexcept
{
    const int64_t sum = int64_t{a} + int64_t{b};
    return static_cast<int32_t>(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

}  // namespace

RectEdges EdgesOf(const LayoutRect& rect) noexcept
{
    return RectEdges{rect.left, rect.top, SaturatedSum(rect.left, rect.width), SaturatedSum(rect.top, rect.height)};
}

ItemKind KindOf(const ItemDescription& item) noexcept
{
    return std::visit([](const auto& description) { return std::decay_t<decltype(description)>::kKind; }, item);
}

int32_t IdentifierOf(const ItemDescription& item) noexcept
{
    return std::visit([](const auto& description) { return description.identifier; }, item);
}

ItemRef LayoutDescription::Find(int32_t identifier) const noexcept
{
    const auto found = std::find_if(items.begin(), items.end(),
                                    [&](const ItemDescription& item) { return IdentifierOf(item) == identifier; });
    if (found == items.end())
        return std::nullopt;
    return static_cast<size_t>(found - items.begin());
}
