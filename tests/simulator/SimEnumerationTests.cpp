#include <vector>

#include "SimulatorFixture.h"

namespace {

using EnumerationTest = SimulatorTest;

// Product ids of the enumeration in order; 0 for a device whose GetInfo fails.
std::vector<uint32_t> ProductIds(svc::IMouseService* service)
{
    std::vector<uint32_t> ids;
    for (uint32_t index = 0;; ++index) {
        svc::ComPtr<svc::IServiceDevice> device;
        if (svc::Failed(service->GetDevice(index, device.Put()))) {
            EXPECT_EQ(device.Get(), nullptr) << "a failed GetDevice leaves no object";
            return ids;
        }
        svc::DeviceInfo info;
        const bool known = svc::Succeeded(device->GetInfo(&info));
        svc::TaskMemFree(info.text);
        ids.push_back(known ? info.productId : 0);
    }
}

TEST_F(EnumerationTest, TheMouseAloneByDefault)
{
    auto service = Service();
    ASSERT_TRUE(service);
    EXPECT_EQ(ProductIds(service.Get()), std::vector<uint32_t>{0x20});
}

TEST_F(EnumerationTest, InfoGivesProductVersionsAndAText)
{
    auto service = Service();
    svc::ComPtr<svc::IServiceDevice> device;
    ASSERT_TRUE(svc::Succeeded(service->GetDevice(0, device.Put())));
    svc::DeviceInfo info;
    ASSERT_TRUE(svc::Succeeded(device->GetInfo(&info)));
    svc::TaskMemPtr<char16_t> text;
    *text.Put() = info.text;
    EXPECT_EQ(info.productId, 0x20u);
    EXPECT_EQ(info.versionAMajor, 2u);
    EXPECT_EQ(info.versionAMinor, 3u);
    EXPECT_EQ(info.versionBMajor, 1u);
    EXPECT_EQ(info.versionBMinor, 7u);
    ASSERT_TRUE(text);
    EXPECT_NE(std::u16string(text.Get()).find(u"Peraxil 1800"), std::u16string::npos);
}

TEST_F(EnumerationTest, OtherDevicesComeBeforeAndAfterTheMouse)
{
    sim::SimulatorOptions options = Options();
    options.devicesBefore = {0x30, 0x31};
    options.devicesAfter = {25};
    auto service = Service(options);
    EXPECT_EQ(ProductIds(service.Get()), (std::vector<uint32_t>{0x30, 0x31, 0x20, 25}));
    auto mouse = Mouse(service.Get());
    ASSERT_TRUE(mouse);
    svc::DeviceInfo info;
    ASSERT_TRUE(svc::Succeeded(mouse->GetInfo(&info)));
    svc::TaskMemFree(info.text);
    EXPECT_EQ(info.productId, 0x20u);
}

TEST_F(EnumerationTest, GetInfoFailsForTheChosenIndicesOnly)
{
    sim::SimulatorOptions options = Options();
    options.devicesBefore = {0x20};  // a first mouse whose info cannot be read
    options.devicesAfter = {0x31};
    options.failingInfo = {0, 2};
    auto service = Service(options);
    EXPECT_EQ(ProductIds(service.Get()), (std::vector<uint32_t>{0, 0x20, 0}));

    svc::ComPtr<svc::IServiceDevice> first;
    ASSERT_TRUE(svc::Succeeded(service->GetDevice(0, first.Put())));
    svc::DeviceInfo info;
    EXPECT_TRUE(svc::Failed(first->GetInfo(&info)));
    EXPECT_EQ(info.text, nullptr) << "a failed GetInfo hands out nothing to free";
    EXPECT_TRUE(Mouse(service.Get())) << "the search goes on past a device whose info fails";
}

TEST_F(EnumerationTest, AnAbsentMouseIsNotEnumerated)
{
    sim::SimulatorOptions options = Options();
    options.mouseAbsent = true;
    options.devicesAfter = {0x30};
    auto service = Service(options);
    EXPECT_EQ(ProductIds(service.Get()), std::vector<uint32_t>{0x30});
    EXPECT_FALSE(Mouse(service.Get()));
}

TEST_F(EnumerationTest, NoDevicesAtAll)
{
    sim::SimulatorOptions options = Options();
    options.mouseAbsent = true;
    auto service = Service(options);
    ASSERT_TRUE(service);
    svc::ComPtr<svc::IServiceDevice> device;
    EXPECT_EQ(service->GetDevice(0, device.Put()), svc::kNoMoreItems);
}

TEST_F(EnumerationTest, RefusedServiceAndMissingFolderCreateNothing)
{
    sim::SimulatorOptions refused = Options();
    refused.refuseService = true;
    EXPECT_FALSE(Service(refused));
    sim::SimulatorOptions noFolder;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(Service(noFolder));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("no store folder"), std::string::npos);
}

TEST_F(EnumerationTest, TheDeviceOffersItsDeviceWideFeatures)
{
    auto service = Service();
    auto mouse = Mouse(service.Get());
    for (const Guid* iid : {&svc::kIidDeviceProfiles, &svc::kIidPollingRate, &svc::kIidAcceleration, &svc::kIidDeviceMacros}) {
        svc::ComPtr<svc::IUnknown> feature;
        EXPECT_EQ(mouse->GetFeature(*iid, feature.PutVoid()), svc::kOk) << platform::ToUtf8(iid->ToString());
        EXPECT_TRUE(feature);
    }
    void* feature = reinterpret_cast<void*>(1);
    EXPECT_EQ(mouse->GetFeature(svc::kIidResolution, &feature), svc::kNoInterface) << "a profile feature";
    EXPECT_EQ(feature, nullptr);
}

TEST_F(EnumerationTest, OnlyProduct25HasColourZones)
{
    sim::SimulatorOptions options = Options();
    options.devicesAfter = {25, 0x30};
    auto service = Service(options);
    svc::ComPtr<svc::IZoneCollection> zones;
    EXPECT_EQ(Mouse(service.Get())->GetFeature(svc::kIidZoneCollection, zones.PutVoid()), svc::kNoInterface);
    EXPECT_EQ(FindDevice(service.Get(), 0x30)->GetFeature(svc::kIidZoneCollection, zones.PutVoid()), svc::kNoInterface);
    EXPECT_EQ(FindDevice(service.Get(), 25)->GetFeature(svc::kIidZoneCollection, zones.PutVoid()), svc::kOk);
    EXPECT_TRUE(zones);
}

TEST_F(EnumerationTest, OtherDevicesKeepTheirOwnStores)
{
    sim::SimulatorOptions options = Options();
    options.devicesAfter = {0x30};
    {
        auto service = Service(options);
        auto other = Profiles(FindDevice(service.Get(), 0x30).Get());
        auto profile = ProfileAt(other.Get(), 0);
        ASSERT_EQ(profile->SetName(u"Other"), svc::kOk);
        EXPECT_EQ(NameOf(ProfileAt(Profiles(Mouse(service.Get()).Get()).Get(), 0).Get()), u"Default");
    }
    EXPECT_TRUE(std::filesystem::exists(platform::ToFsPath(StorePath(0x30))));
    EXPECT_TRUE(std::filesystem::exists(platform::ToFsPath(StorePath(0x20))));
}

}  // namespace
