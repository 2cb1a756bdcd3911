#include "skin/win/CItemMakers.h"

namespace {

// The slot of a kind; kKindCount for a value outside the layout format's kinds.
template <size_t Count>
size_t SlotOf(ItemKind kind) noexcept
{
    const auto value = static_cast<int32_t>(kind);
    return value >= 0 && static_cast<size_t>(value) < Count ? static_cast<size_t>(value) : Count;
}

}  // namespace

void CItemMakers::Register(ItemKind kind, Maker maker)
{
    const size_t slot = SlotOf<kKindCount>(kind);
    if (slot < kKindCount)
        m_makers[slot] = std::move(maker);
}

void CItemMakers::Unregister(ItemKind kind) noexcept
{
    const size_t slot = SlotOf<kKindCount>(kind);
    if (slot < kKindCount)
        m_makers[slot] = nullptr;
}

const CItemMakers::Maker* CItemMakers::Find(ItemKind kind) const noexcept
{
    const size_t slot = SlotOf<kKindCount>(kind);
    return slot < kKindCount && m_makers[slot] ? &m_makers[slot] : nullptr;
}
