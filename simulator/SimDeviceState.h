#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <utility>

#include "SimModel.h"
#include "SimResults.h"

namespace sim {

// One simulated device's stored data and the file it lives in. Every service object of the
// process that presents the same device (same store folder, same product id) shares one state
// while any of them lives; the last release drops it, and the next service object reads the
// file again. One mutex guards the model; each change is prepared on a copy, written to the
// file atomically, and only then becomes the model, so a change either happens whole (in
// memory and on disk) or not at all.
class SimDeviceState
{
public:
    // deferWrites: see SimulatorOptions::deferWrites; a state asked once keeps deferring.
    [[nodiscard]] static std::shared_ptr<SimDeviceState> Acquire(const std::wstring& folder, uint32_t productId,
                                                                 bool deferWrites = false);
    [[nodiscard]] static std::wstring StorePathFor(const std::wstring& folder, uint32_t productId);

    // Loads the store at once; use Acquire, which shares states.
    SimDeviceState(std::wstring storePath, uint32_t productId);
    SimDeviceState(const SimDeviceState&) = delete;
    SimDeviceState& operator=(const SimDeviceState&) = delete;
    // Writes changes that were deferred.
    ~SimDeviceState();

    [[nodiscard]] uint32_t ProductId() const noexcept { return m_productId; }
    // kOk, or kStoreDamaged when the store failed its checks.
    [[nodiscard]] svc::HRESULT Health() const noexcept { return m_damaged ? kStoreDamaged : svc::kOk; }

    // Runs reader(const DeviceModel&) -> HRESULT under the lock.
    template <typename Reader>
    svc::HRESULT Read(Reader&& reader) const
    {
        std::lock_guard lock(m_mutex);
        if (m_damaged)
            return kStoreDamaged;
        return reader(std::as_const(m_model));
    }

    // Runs change(DeviceModel&) -> HRESULT on a copy; a successful change is stored and kept.
    template <typename Change>
    svc::HRESULT Update(Change&& change)
    {
        std::lock_guard lock(m_mutex);
        if (m_damaged)
            return kStoreDamaged;
        if (m_deferWrites) {
            // Changes check their arguments before they touch the model, so a failed one
            // leaves it as it was.
            const svc::HRESULT result = change(m_model);
            m_dirty = m_dirty || svc::Succeeded(result);
            return result;
        }
        DeviceModel next = m_model;
        const svc::HRESULT result = change(next);
        if (svc::Failed(result))
            return result;
        if (!Save(next))
            return kStoreWriteFailed;
        m_model = std::move(next);
        return result;
    }

    template <typename Reader>
    svc::HRESULT ReadProfile(const Guid& id, Reader&& reader) const
    {
        return Read([&](const DeviceModel& model) -> svc::HRESULT {
            const StoredProfile* profile = model.FindProfile(id);
            return profile != nullptr ? reader(*profile) : kNotFound;
        });
    }

    template <typename Change>
    svc::HRESULT UpdateProfile(const Guid& id, Change&& change)
    {
        return Update([&](DeviceModel& model) -> svc::HRESULT {
            StoredProfile* profile = model.FindProfile(id);
            return profile != nullptr ? change(*profile) : kNotFound;
        });
    }

    template <typename Reader>
    svc::HRESULT ReadMacro(const Guid& id, Reader&& reader) const
    {
        return Read([&](const DeviceModel& model) -> svc::HRESULT {
            const StoredMacro* macro = model.FindMacro(id);
            return macro != nullptr ? reader(*macro) : kNotFound;
        });
    }

    template <typename Change>
    svc::HRESULT UpdateMacro(const Guid& id, Change&& change)
    {
        return Update([&](DeviceModel& model) -> svc::HRESULT {
            StoredMacro* macro = model.FindMacro(id);
            return macro != nullptr ? change(*macro) : kNotFound;
        });
    }

    template <typename Reader>
    svc::HRESULT ReadZone(uint64_t serial, Reader&& reader) const
    {
        return Read([&](const DeviceModel& model) -> svc::HRESULT {
            const StoredZone* zone = model.FindZone(serial);
            return zone != nullptr ? reader(*zone) : kNotFound;
        });
    }

    template <typename Change>
    svc::HRESULT UpdateZone(uint64_t serial, Change&& change)
    {
        return Update([&](DeviceModel& model) -> svc::HRESULT {
            StoredZone* zone = model.FindZone(serial);
            return zone != nullptr ? change(*zone) : kNotFound;
        });
    }

private:
    void Load();
    void MarkDamaged(std::string_view reason);
    [[nodiscard]] bool Save(const DeviceModel& model) const;

    const std::wstring m_storePath;
    const uint32_t m_productId;
    mutable std::mutex m_mutex;
    DeviceModel m_model;
    bool m_damaged = false;  // set only while loading, before the state is shared
    bool m_deferWrites = false;
    bool m_dirty = false;
};

}  // namespace sim
