#pragma once

#include <cstdint>

#include "device/service/ServiceTypes.h"

namespace sim {

class SimDeviceState;

// Which stored item an object of this simulator stands for. Collections ask objects handed to
// them (SetActive, Remove) through ISimItem, so a foreign or stale object is refused instead
// of being trusted.
struct ItemKey
{
    const SimDeviceState* owner = nullptr;
    Guid id;              // profiles and macros
    uint64_t serial = 0;  // zones
};

// Private to this simulator: only its own objects answer for it.
inline constexpr Guid kIidSimItem = {0x5E0C2A71, 0x8B3D, 0x4F6A, {0x9C, 0x15, 0x3B, 0x7E, 0x42, 0xD0, 0x66, 0xA9}};

class ISimItem : public svc::IUnknown
{
public:
    [[nodiscard]] virtual ItemKey Key() const noexcept = 0;

protected:
    ~ISimItem() = default;
};

// The item an object handed in stands for; false for null and for objects not of this
// simulator.
[[nodiscard]] inline bool KeyOf(svc::IUnknown* object, ItemKey& key) noexcept
{
    ISimItem* item = nullptr;
    if (object == nullptr || svc::Failed(object->QueryInterface(kIidSimItem, reinterpret_cast<void**>(&item))) ||
        item == nullptr)
        return false;
    key = item->Key();
    item->Release();
    return true;
}

}  // namespace sim
