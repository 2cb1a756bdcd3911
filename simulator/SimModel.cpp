#include "SimModel.h"

#include <algorithm>
#include <random>

namespace sim {
namespace {

// The factory assignment of a button: a mouse function of the given sub-kind.
struct FactoryButton
{
    uint32_t deviceIndex;
    uint32_t subKind;
};

constexpr uint32_t kMouseFunctionKind = 1;
// Left, right and wheel click, then the two side buttons (back and forward).
constexpr std::array<FactoryButton, 5> kFactoryButtons = {{{1, 1}, {2, 2}, {3, 3}, {8, 6}, {9, 7}}};

constexpr std::array<StoredZone, 2> kFactoryZones = {{{0, 0, 49, 0x0000FF}, {0, 50, 100, 0xFF0000}}};

template <typename Item>
auto FindById(std::vector<Item>& items, const Guid& id) noexcept -> Item*
{
    const auto found = std::find_if(items.begin(), items.end(), [&](const Item& item) { return item.id == id; });
    return found == items.end() ? nullptr : &*found;
}

Guid RandomGuid()
{
    thread_local std::mt19937_64 engine{(static_cast<uint64_t>(std::random_device{}()) << 32) ^ std::random_device{}()};
    const uint64_t high = engine();
    const uint64_t low = engine();
    Guid id;
    id.data1 = static_cast<uint32_t>(high >> 32);
    id.data2 = static_cast<uint16_t>(high >> 16);
    id.data3 = static_cast<uint16_t>((high & 0x0FFF) | 0x4000);  // version 4
    for (size_t i = 0; i < 8; ++i)
        id.data4[i] = static_cast<uint8_t>(low >> (8 * i));
    id.data4[0] = static_cast<uint8_t>((id.data4[0] & 0x3F) | 0x80);  // RFC 4122 variant
    return id;
}

}  // namespace

StoredProfile* DeviceModel::FindProfile(const Guid& id) noexcept { return FindById(profiles, id); }
const StoredProfile* DeviceModel::FindProfile(const Guid& id) const noexcept
{
    return const_cast<DeviceModel*>(this)->FindProfile(id);
}
StoredMacro* DeviceModel::FindMacro(const Guid& id) noexcept { return FindById(macros, id); }
const StoredMacro* DeviceModel::FindMacro(const Guid& id) const noexcept
{
    return const_cast<DeviceModel*>(this)->FindMacro(id);
}

StoredZone* DeviceModel::FindZone(uint64_t serial) noexcept
{
    const auto found = std::find_if(zones.begin(), zones.end(), [&](const StoredZone& zone) { return zone.serial == serial; });
    return found == zones.end() ? nullptr : &*found;
}
const StoredZone* DeviceModel::FindZone(uint64_t serial) const noexcept
{
    return const_cast<DeviceModel*>(this)->FindZone(serial);
}

Guid DeviceModel::NewId() const
{
    for (;;) {
        const Guid id = RandomGuid();
        if (FindProfile(id) == nullptr && FindMacro(id) == nullptr)
            return id;
    }
}

StoredZone& DeviceModel::AddZone(uint32_t low, uint32_t high, uint32_t colour)
{
    zones.push_back(StoredZone{nextZoneSerial++, low, high, colour});
    return zones.back();
}

DeviceModel MakeFreshModel(uint32_t productId)
{
    DeviceModel model;
    model.productId = productId;
    model.profiles.push_back(MakeNewProfile(model.NewId(), u"Default"));
    model.activeProfile = model.profiles.front().id;
    if (productId == kZoneProductId) {
        for (const StoredZone& zone : kFactoryZones)
            model.AddZone(zone.low, zone.high, zone.colour);
    }
    return model;
}

StoredProfile MakeNewProfile(const Guid& id, std::u16string name)
{
    StoredProfile profile;
    profile.id = id;
    profile.name = std::move(name);
    for (const FactoryButton& button : kFactoryButtons) {
        svc::ButtonRecord record;
        record.SetWord(0, 1);
        record.SetWord(4, button.deviceIndex);
        record.SetWord(8, kMouseFunctionKind);
        record.SetWord(12, button.subKind);
        profile.buttons[button.deviceIndex] = record;
    }
    return profile;
}

bool IsValidResolution(uint32_t value) noexcept { return value >= kMinResolution && value <= kMaxResolution; }
bool IsValidSensitivity(uint32_t value) noexcept { return value >= kMinSensitivity && value <= kMaxSensitivity; }

bool IsValidReportInterval(uint32_t milliseconds) noexcept
{
    return std::find(kReportIntervals.begin(), kReportIntervals.end(), milliseconds) != kReportIntervals.end();
}

bool IsValidAccelerationLevel(int32_t level) noexcept
{
    return level >= kMinAccelerationLevel && level <= kMaxAccelerationLevel;
}

bool IsValidName(std::u16string_view name) noexcept
{
    return name.size() <= kMaxNameUnits && name.find(u'\0') == std::u16string_view::npos;
}

bool IsValidApplicationPath(std::u16string_view path) noexcept
{
    return path.size() <= kMaxApplicationPathUnits && path.find(u'\0') == std::u16string_view::npos;
}

bool IsAssignableButton(uint32_t deviceIndex) noexcept
{
    return deviceIndex >= 1 && deviceIndex <= kMaxButtonIndex && (kButtonMask & (1u << (deviceIndex - 1))) != 0;
}

bool IsValidEvent(const svc::MacroEventEntry& event) noexcept
{
    return event.type == svc::kEventMouse || event.type == svc::kEventKey || event.type == svc::kEventDelay;
}

bool IsValidZone(uint32_t low, uint32_t high, uint32_t colour) noexcept
{
    return low <= high && colour <= kMaxZoneColour;
}

}  // namespace sim
