#include "CSimZones.h"

#include <algorithm>

#include "CSimZone.h"

namespace sim {

svc::HRESULT CSimZones::GetItem(uint32_t index, svc::IZone** zone)
{
    ClearOut(zone);
    return RunCall(*m_context.session, SimOperation::ZonesGetItem, [&]() -> svc::HRESULT {
        if (zone == nullptr)
            return svc::kPointer;
        uint64_t serial = 0;
        const svc::HRESULT found = m_context.state->Read([&](const DeviceModel& model) {
            if (index >= model.zones.size())
                return svc::kNoMoreItems;
            serial = model.zones[index].serial;
            return svc::kOk;
        });
        if (svc::Failed(found))
            return found;
        *zone = new CSimZone(m_context, serial);
        return svc::kOk;
    });
}

svc::HRESULT CSimZones::Add(svc::IZone** zone)
{
    ClearOut(zone);
    return RunCall(*m_context.session, SimOperation::ZonesAdd, [&]() -> svc::HRESULT {
        if (zone == nullptr)
            return svc::kPointer;
        uint64_t serial = 0;
        const svc::HRESULT added = m_context.state->Update([&](DeviceModel& model) {
            if (model.zones.size() >= kMaxZones)
                return kLimitReached;
            serial = model.AddZone(0, 0, 0).serial;
            return svc::kOk;
        });
        if (svc::Failed(added))
            return added;
        *zone = new CSimZone(m_context, serial);
        return svc::kOk;
    });
}

svc::HRESULT CSimZones::Remove(svc::IZone* zone)
{
    return RunCall(*m_context.session, SimOperation::ZonesRemove, [&]() -> svc::HRESULT {
        ItemKey key;
        if (!KeyOf(zone, key) || key.owner != m_context.state.get())
            return svc::kInvalidArg;
        return m_context.state->Update([&](DeviceModel& model) {
            const auto removed = std::remove_if(model.zones.begin(), model.zones.end(),
                                                [&](const StoredZone& stored) { return stored.serial == key.serial; });
            if (removed == model.zones.end())
                return kNotFound;
            model.zones.erase(removed, model.zones.end());
            return svc::kOk;
        });
    });
}

}  // namespace sim
