#include "SimulatorFixture.h"

namespace {

using RefCountTest = SimulatorTest;

TEST_F(RefCountTest, AddRefAndReleaseCountAndTheLastReleaseDestroys)
{
    svc::IMouseService* service = sim::CreateSimulatedService(Options());
    ASSERT_NE(service, nullptr);
    EXPECT_EQ(sim::SimulatorLiveObjectCount(), 1u);
    EXPECT_EQ(service->AddRef(), 2u);
    EXPECT_EQ(service->AddRef(), 3u);
    EXPECT_EQ(service->Release(), 2u);
    EXPECT_EQ(service->Release(), 1u);
    EXPECT_EQ(sim::SimulatorLiveObjectCount(), 1u);
    EXPECT_EQ(service->Release(), 0u);
    EXPECT_EQ(sim::SimulatorLiveObjectCount(), 0u);
}

TEST_F(RefCountTest, QueryInterfaceFollowsTheRules)
{
    auto service = Service();
    svc::ComPtr<svc::IUnknown> first, second;
    ASSERT_EQ(service->QueryInterface(svc::kIidUnknown, first.PutVoid()), svc::kOk);
    ASSERT_EQ(service->QueryInterface(svc::kIidUnknown, second.PutVoid()), svc::kOk);
    EXPECT_EQ(first.Get(), second.Get()) << "one identity";
    EXPECT_EQ(static_cast<void*>(first.Get()), static_cast<void*>(service.Get()));

    svc::ComPtr<svc::IMouseService> same;
    ASSERT_EQ(service->QueryInterface(svc::kIidMouseService, same.PutVoid()), svc::kOk);
    EXPECT_EQ(same.Get(), service.Get());
    EXPECT_EQ(service->AddRef(), 5u) << "the caller's, two IUnknowns and one more IMouseService";
    service->Release();

    void* none = reinterpret_cast<void*>(8);
    EXPECT_EQ(service->QueryInterface(svc::kIidDeviceProfiles, &none), svc::kNoInterface);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(service->QueryInterface(svc::kIidUnknown, nullptr), svc::kPointer);
}

TEST_F(RefCountTest, EveryKindOfObjectAnswersForItsOwnInterface)
{
    sim::SimulatorOptions options = Options();
    options.devicesAfter = {25};
    auto service = Service(options);
    auto device = FindDevice(service.Get(), 25);
    auto profiles = Profiles(device.Get());
    auto profile = ProfileAt(profiles.Get(), 0);
    auto macros = Macros(device.Get());
    svc::ComPtr<svc::IDeviceMacro> macro;
    ASSERT_EQ(macros->Create(macro.Put()), svc::kOk);
    svc::ComPtr<svc::ILight> light;
    ASSERT_EQ(GetFeature<svc::ILights>(profile.Get(), svc::kIidLights)->GetItem(0, light.Put()), svc::kOk);

    const std::pair<svc::IUnknown*, const Guid*> objects[] = {
        {device.Get(), &svc::kIidServiceDevice},     {profiles.Get(), &svc::kIidDeviceProfiles},
        {profile.Get(), &svc::kIidDeviceProfile},    {macros.Get(), &svc::kIidDeviceMacros},
        {macro.Get(), &svc::kIidDeviceMacro},        {light.Get(), &svc::kIidLight},
    };
    for (const auto& [object, iid] : objects) {
        svc::ComPtr<svc::IUnknown> answered;
        EXPECT_EQ(object->QueryInterface(*iid, answered.PutVoid()), svc::kOk) << platform::ToUtf8(iid->ToString());
        EXPECT_EQ(static_cast<void*>(answered.Get()), static_cast<void*>(object));
        EXPECT_EQ(object->QueryInterface(svc::kIidZoneColor, answered.PutVoid()), svc::kNoInterface);
    }
}

TEST_F(RefCountTest, ObjectsOutliveWhatGaveThemOut)
{
    svc::ComPtr<svc::IDeviceProfile> profile;
    svc::ComPtr<svc::IResolution> resolution;
    {
        auto service = Service();
        auto profiles = Profiles(Mouse(service.Get()).Get());
        profile = ProfileAt(profiles.Get(), 0);
        resolution = GetFeature<svc::IResolution>(profile.Get(), svc::kIidResolution);
    }
    EXPECT_EQ(sim::SimulatorLiveObjectCount(), 2u) << "service, device and collection are gone";
    EXPECT_EQ(NameOf(profile.Get()), u"Default");
    ASSERT_EQ(resolution->Set(1800, 1800), svc::kOk);
    profile.Reset();
    uint32_t x = 0, y = 0;
    EXPECT_EQ(resolution->Get(&x, &y), svc::kOk);
    EXPECT_EQ(x, 1800u);
}

TEST_F(RefCountTest, EveryHandedOutObjectHoldsExactlyOneReference)
{
    auto service = Service();
    svc::IServiceDevice* device = nullptr;
    ASSERT_EQ(service->GetDevice(0, &device), svc::kOk);
    svc::IDeviceProfiles* profiles = nullptr;
    ASSERT_EQ(device->GetFeature(svc::kIidDeviceProfiles, reinterpret_cast<void**>(&profiles)), svc::kOk);
    svc::IDeviceProfile* profile = nullptr;
    ASSERT_EQ(profiles->GetActive(&profile), svc::kOk);
    const uint32_t before = sim::SimulatorLiveObjectCount();
    EXPECT_EQ(profile->Release(), 0u);
    EXPECT_EQ(profiles->Release(), 0u);
    EXPECT_EQ(device->Release(), 0u);
    EXPECT_EQ(sim::SimulatorLiveObjectCount(), before - 3);
}

}  // namespace
