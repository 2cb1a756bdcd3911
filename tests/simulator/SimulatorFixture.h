#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

#include "device/service/ComPtr.h"
#include "device/service/MouseService.h"
#include "platform/FileSystem.h"
#include "platform/Utf16.h"
#include "simulator/Crc32.h"
#include "simulator/SimFileFormat.h"
#include "simulator/SimLimits.h"
#include "simulator/SimResults.h"
#include "simulator/SimulatedService.h"
#include "support/TempFolder.h"

// Sets an environment variable for the life of the object and restores the old value after.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char* name, const std::string& value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        Put(value.c_str());
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment() { Put(m_old ? m_old->c_str() : nullptr); }

private:
    void Put(const char* value)
    {
#ifdef _WIN32
        _putenv_s(m_name.c_str(), value != nullptr ? value : "");
#else
        if (value != nullptr)
            setenv(m_name.c_str(), value, 1);
        else
            unsetenv(m_name.c_str());
#endif
    }

    std::string m_name;
    std::optional<std::string> m_old;
};

// A store folder of its own for each test, a service over it, and the walks every test needs.
// Every test must release everything it obtained: the fixture checks that no simulator object
// is left alive, which is also how reference-counting mistakes in the simulator show up.
class SimulatorTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(sim::SimulatorLiveObjectCount(), 0u) << "an earlier test leaked objects"; }
    void TearDown() override { EXPECT_EQ(sim::SimulatorLiveObjectCount(), 0u) << "objects left alive"; }

public:

    [[nodiscard]] sim::SimulatorOptions Options() const
    {
        sim::SimulatorOptions options;
        options.storeFolder = m_folder.Path();
        return options;
    }

    [[nodiscard]] static svc::ComPtr<svc::IMouseService> Service(const sim::SimulatorOptions& options)
    {
        return svc::ComPtr<svc::IMouseService>(sim::CreateSimulatedService(options));
    }
    [[nodiscard]] svc::ComPtr<svc::IMouseService> Service() const { return Service(Options()); }

    // The first device of the enumeration with this product id, found the way the program
    // connects: GetDevice until it fails, skipping devices whose GetInfo fails.
    [[nodiscard]] static svc::ComPtr<svc::IServiceDevice> FindDevice(svc::IMouseService* service, uint32_t productId)
    {
        for (uint32_t index = 0;; ++index) {
            svc::ComPtr<svc::IServiceDevice> device;
            if (svc::Failed(service->GetDevice(index, device.Put())))
                return {};
            svc::DeviceInfo info;
            const bool known = svc::Succeeded(device->GetInfo(&info));
            svc::TaskMemFree(info.text);
            if (known && info.productId == productId)
                return device;
        }
    }
    [[nodiscard]] static svc::ComPtr<svc::IServiceDevice> Mouse(svc::IMouseService* service)
    {
        return FindDevice(service, sim::kMouseProductId);
    }

    template <typename Feature, typename Owner>
    [[nodiscard]] static svc::ComPtr<Feature> GetFeature(Owner* owner, const Guid& iid)
    {
        svc::ComPtr<Feature> feature;
        EXPECT_TRUE(svc::Succeeded(owner->GetFeature(iid, feature.PutVoid())));
        return feature;
    }

    [[nodiscard]] static svc::ComPtr<svc::IDeviceProfiles> Profiles(svc::IServiceDevice* device)
    {
        return GetFeature<svc::IDeviceProfiles>(device, svc::kIidDeviceProfiles);
    }
    [[nodiscard]] static svc::ComPtr<svc::IDeviceMacros> Macros(svc::IServiceDevice* device)
    {
        return GetFeature<svc::IDeviceMacros>(device, svc::kIidDeviceMacros);
    }

    [[nodiscard]] static svc::ComPtr<svc::IDeviceProfile> ProfileAt(svc::IDeviceProfiles* profiles, uint32_t index)
    {
        svc::ComPtr<svc::IDeviceProfile> profile;
        EXPECT_TRUE(svc::Succeeded(profiles->GetItem(index, profile.Put()))) << "no profile at " << index;
        return profile;
    }

    [[nodiscard]] static uint32_t CountProfiles(svc::IDeviceProfiles* profiles)
    {
        uint32_t count = 0;
        for (svc::ComPtr<svc::IDeviceProfile> profile; svc::Succeeded(profiles->GetItem(count, profile.Put()));)
            ++count;
        return count;
    }
    [[nodiscard]] static uint32_t CountMacros(svc::IDeviceMacros* macros)
    {
        uint32_t count = 0;
        for (svc::ComPtr<svc::IDeviceMacro> macro; svc::Succeeded(macros->GetItem(count, macro.Put()));)
            ++count;
        return count;
    }

    // The name the object gives, freed; "<failed>" when GetName fails.
    template <typename Item>
    [[nodiscard]] static std::u16string NameOf(Item* item)
    {
        svc::TaskMemPtr<char16_t> name;
        if (svc::Failed(item->GetName(name.Put())) || !name)
            return u"<failed>";
        return std::u16string(name.Get());
    }

    template <typename Item>
    [[nodiscard]] static Guid IdOf(Item* item)
    {
        Guid id;
        EXPECT_TRUE(svc::Succeeded(item->GetId(&id)));
        return id;
    }

protected:
    [[nodiscard]] std::wstring StorePath(uint32_t productId = sim::kMouseProductId) const
    {
        return sim::SimulatorStorePath(m_folder.Path(), productId);
    }
    [[nodiscard]] std::string StoreBytes(uint32_t productId = sim::kMouseProductId) const
    {
        return platform::ReadFileBytes(StorePath(productId)).value_or("<missing>");
    }

    TempFolder m_folder;
};

// Writes a little-endian u32 into a file's bytes (the tests run on little-endian hosts).
inline void PutU32(std::string& bytes, size_t offset, uint32_t value)
{
    std::memcpy(bytes.data() + offset, &value, 4);
}

// Rewrites a simulator file's checksum, so that only its other checks can catch a change.
inline void Reseal(std::string& bytes)
{
    PutU32(bytes, 16, sim::Crc32(std::string_view(bytes).substr(sim::kHeaderBytes)));
}
