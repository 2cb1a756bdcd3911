#include <algorithm>
#include <vector>

#include "SimulatorFixture.h"

namespace {

using FaultTest = SimulatorTest;

sim::FaultRule Rule(sim::SimOperation operation, uint32_t call, bool andLater = false,
                    svc::HRESULT result = svc::kFail)
{
    return sim::FaultRule{operation, call, andLater, result};
}

TEST_F(FaultTest, TheNamedCallFailsAndChangesNothing)
{
    sim::SimulatorOptions options = Options();
    options.faults = {Rule(sim::SimOperation::ProfilesCreate, 2, false, static_cast<svc::HRESULT>(0x80070005u))};
    auto service = Service(options);
    auto profiles = Profiles(Mouse(service.Get()).Get());
    svc::ComPtr<svc::IDeviceProfile> profile;
    Guid id;
    EXPECT_EQ(profiles->Create(profile.Put(), &id), svc::kOk);
    const std::string stored = StoreBytes();
    id = Guid{};
    EXPECT_EQ(profiles->Create(profile.Put(), &id), static_cast<svc::HRESULT>(0x80070005u));
    EXPECT_FALSE(profile);
    EXPECT_TRUE(id.IsNull());
    EXPECT_EQ(StoreBytes(), stored);
    EXPECT_EQ(CountProfiles(profiles.Get()), 2u);
    EXPECT_EQ(profiles->Create(profile.Put(), nullptr), svc::kOk) << "only the second call fails";
    EXPECT_EQ(CountProfiles(profiles.Get()), 3u);
}

TEST_F(FaultTest, FromTheNamedCallOn)
{
    sim::SimulatorOptions options = Options();
    options.faults = {Rule(sim::SimOperation::SensitivitySet, 2, true)};
    auto service = Service(options);
    auto sensitivity = GetFeature<svc::ISensitivity>(ProfileAt(Profiles(Mouse(service.Get()).Get()).Get(), 0).Get(),
                                                     svc::kIidSensitivity);
    EXPECT_EQ(sensitivity->Set(500, 500), svc::kOk);
    EXPECT_EQ(sensitivity->Set(600, 600), svc::kFail);
    EXPECT_EQ(sensitivity->Set(700, 700), svc::kFail);
    uint32_t x = 0, y = 0;
    ASSERT_EQ(sensitivity->Get(&x, &y), svc::kOk) << "other operations are not affected";
    EXPECT_EQ(x, 500u);
}

TEST_F(FaultTest, CallsAreCountedAcrossObjectsOfOneServiceAndAfreshForTheNext)
{
    sim::SimulatorOptions options = Options();
    options.faults = {Rule(sim::SimOperation::ProfileGetName, 3)};
    {
        auto service = Service(options);
        auto profiles = Profiles(Mouse(service.Get()).Get());
        EXPECT_EQ(NameOf(ProfileAt(profiles.Get(), 0).Get()), u"Default");
        EXPECT_EQ(NameOf(ProfileAt(profiles.Get(), 0).Get()), u"Default");
        EXPECT_EQ(NameOf(ProfileAt(profiles.Get(), 0).Get()), u"<failed>") << "third call, through a third object";
        EXPECT_EQ(NameOf(ProfileAt(profiles.Get(), 0).Get()), u"Default");
    }
    auto service = Service(options);
    auto profile = ProfileAt(Profiles(Mouse(service.Get()).Get()).Get(), 0);
    EXPECT_EQ(NameOf(profile.Get()), u"Default");
    EXPECT_EQ(NameOf(profile.Get()), u"Default");
    EXPECT_EQ(NameOf(profile.Get()), u"<failed>");
}

TEST_F(FaultTest, AFailingGetDeviceEndsTheEnumeration)
{
    sim::SimulatorOptions options = Options();
    options.faults = {Rule(sim::SimOperation::ServiceGetDevice, 1)};
    auto service = Service(options);
    EXPECT_FALSE(Mouse(service.Get()));
    EXPECT_TRUE(Mouse(service.Get())) << "the next enumeration starts at call 2";
}

TEST_F(FaultTest, FaultsOnReadsLeaveOutParametersEmpty)
{
    sim::SimulatorOptions options = Options();
    options.faults = {Rule(sim::SimOperation::PollingRateGetSupported, 1), Rule(sim::SimOperation::MacroGetEvents, 1),
                      Rule(sim::SimOperation::DeviceGetFeature, 2)};
    auto service = Service(options);
    auto mouse = Mouse(service.Get());
    auto rate = GetFeature<svc::IPollingRate>(mouse.Get(), svc::kIidPollingRate);
    uint32_t count = 0;
    uint32_t* intervals = reinterpret_cast<uint32_t*>(16);
    EXPECT_EQ(rate->GetSupported(&count, &intervals), svc::kFail);
    EXPECT_EQ(intervals, nullptr);
    svc::ComPtr<svc::IDeviceMacros> macros;
    EXPECT_EQ(mouse->GetFeature(svc::kIidDeviceMacros, macros.PutVoid()), svc::kFail);
    EXPECT_FALSE(macros);
}

class EveryOperationFaultTest : public SimulatorTest, public ::testing::WithParamInterface<sim::SimOperation>
{
};

// Every operation is called once or more with a rule for exactly that operation; the rule's
// result must come back from one of those calls.
TEST_P(EveryOperationFaultTest, CanBeMadeToFail)
{
    const sim::SimOperation operation = GetParam();
    {
        sim::SimulatorOptions options = Options();
        options.devicesAfter = {25};
        options.faults = {Rule(operation, 1, true, static_cast<svc::HRESULT>(0x8000FFFFu))};
        auto service = Service(options);
        bool failed = false;
        auto check = [&](svc::HRESULT result) { failed = failed || result == static_cast<svc::HRESULT>(0x8000FFFFu); };

        svc::ComPtr<svc::IServiceDevice> device;
        check(service->GetDevice(1, device.Put()));  // the product-25 device: every feature
        if (!device) {
            EXPECT_TRUE(failed) << sim::OperationName(operation);
            return;
        }
        svc::DeviceInfo info;
        check(device->GetInfo(&info));
        svc::TaskMemFree(info.text);
        svc::ComPtr<svc::IDeviceProfiles> profiles;
        check(device->GetFeature(svc::kIidDeviceProfiles, profiles.PutVoid()));
        if (!profiles) {
            EXPECT_TRUE(failed) << sim::OperationName(operation);
            return;
        }
        svc::ComPtr<svc::IDeviceProfile> profile, other;
        Guid id;
        check(profiles->Create(other.Put(), &id));
        check(profiles->GetItem(0, profile.Put()));
        if (!profile)
            check(profiles->GetActive(profile.Put()));
        check(profiles->FindById(id, other.Put()));
        check(profiles->GetActive(other.Put()));
        check(profiles->SetActive(other.Get()));
        const std::wstring profileFile = m_folder.File(L"p.dnp");
        check(profile->Export(platform::ToUtf16(profileFile).c_str()));
        check(profiles->Import(platform::ToUtf16(profileFile).c_str(), other.Put()));
        check(profile->GetId(&id));
        svc::TaskMemPtr<char16_t> name;
        check(profile->GetName(name.Put()));
        check(profile->SetName(u"x"));
        uint32_t a = 0, b = 0;
        svc::ComPtr<svc::IResolution> resolution;
        check(profile->GetFeature(svc::kIidResolution, resolution.PutVoid()));
        if (resolution) {
            check(resolution->Get(&a, &b));
            check(resolution->Set(800, 800));
        }
        svc::ComPtr<svc::ISensitivity> sensitivity;
        profile->GetFeature(svc::kIidSensitivity, sensitivity.PutVoid());
        if (sensitivity) {
            check(sensitivity->Get(&a, &b));
            check(sensitivity->Set(500, 500));
        }
        svc::ComPtr<svc::IButtonMap> map;
        profile->GetFeature(svc::kIidButtonMap, map.PutVoid());
        svc::ButtonRecord records[sim::kButtonCount];
        if (map) {
            uint32_t room = sim::kButtonCount, reserved = 0, mask = 0;
            check(map->Get(&room, records));
            check(map->Set(1, records));
            check(map->GetCaps(&room, &reserved, &mask));
        }
        svc::ComPtr<svc::IButtonMapAlt> alt;
        profile->GetFeature(svc::kIidButtonMapAlt, alt.PutVoid());
        if (alt)
            check(alt->Set(0, nullptr));
        svc::ComPtr<svc::ILights> lights;
        profile->GetFeature(svc::kIidLights, lights.PutVoid());
        svc::ComPtr<svc::ILight> light;
        if (lights)
            check(lights->GetItem(0, light.Put()));
        if (light) {
            int32_t on = 0;
            uint32_t type = 0;
            check(light->TurnOn());
            check(light->TurnOff());
            check(light->GetState(&on));
            check(light->GetType(&type));
        }
        svc::ComPtr<svc::IProfileValues> values;
        profile->GetFeature(svc::kIidProfileValues, values.PutVoid());
        if (values) {
            uint16_t switches[2] = {1, 1};
            uint32_t bytes = 2;
            check(values->SetValue(svc::kValueSwitches, switches, 0, 4, 0));
            check(values->GetValue(svc::kValueSwitches, 0, switches, 0, &bytes));
        }
        check(profiles->Remove(other.Get()));
        svc::ComPtr<svc::IPollingRate> rate;
        device->GetFeature(svc::kIidPollingRate, rate.PutVoid());
        if (rate) {
            svc::TaskMemPtr<uint32_t> intervals;
            check(rate->Get(&a));
            check(rate->Set(8));
            check(rate->GetSupported(&a, intervals.Put()));
        }
        svc::ComPtr<svc::IAcceleration> acceleration;
        device->GetFeature(svc::kIidAcceleration, acceleration.PutVoid());
        if (acceleration) {
            int32_t value = 0;
            check(acceleration->Enable());
            check(acceleration->Disable());
            check(acceleration->IsEnabled(&value));
            check(acceleration->SetLevel(3));
            check(acceleration->GetLevel(&value));
        }
        svc::ComPtr<svc::IDeviceMacros> macros;
        device->GetFeature(svc::kIidDeviceMacros, macros.PutVoid());
        svc::ComPtr<svc::IDeviceMacro> macro, found;
        if (macros) {
            check(macros->Create(macro.Put()));
            check(macros->GetItem(0, found.Put()));
        }
        if (macro) {
            Guid macroId;
            svc::TaskMemPtr<char16_t> macroName;
            svc::TaskMemPtr<svc::MacroEventBlock> block;
            const std::wstring macroFile = m_folder.File(L"m.dnm");
            check(macro->GetId(&macroId));
            check(macros->FindById(macroId, found.Put()));
            check(macro->GetName(macroName.Put()));
            check(macro->SetName(u"m"));
            check(macro->Export(platform::ToUtf16(macroFile).c_str()));
            check(macros->Import(platform::ToUtf16(macroFile).c_str(), found.Put()));
            check(macro->GetEvents(block.Put()));
            if (block)
                check(macro->SetEvents(block.Get()));
            check(macros->Remove(macro.Get()));
        }
        svc::ComPtr<svc::IZoneCollection> zones;
        device->GetFeature(svc::kIidZoneCollection, zones.PutVoid());
        svc::ComPtr<svc::IZone> zone;
        if (zones) {
            check(zones->Add(zone.Put()));
            if (!zone)
                check(zones->GetItem(0, zone.Put()));
        }
        if (zone) {
            svc::ComPtr<svc::IZoneColor> colour;
            zone->QueryInterface(svc::kIidZoneColor, colour.PutVoid());
            uint32_t value = 0;
            check(zone->SetRange(1, 2));
            check(zone->GetRange(&a, &b));
            check(colour->Set(5));
            check(colour->Get(&value));
            svc::ComPtr<svc::IZone> first;
            check(zones->GetItem(0, first.Put()));
            check(zones->Remove(zone.Get()));
        }
        EXPECT_TRUE(failed) << sim::OperationName(operation) << " never failed";
    }
}

std::vector<sim::SimOperation> AllOperations()
{
    std::vector<sim::SimOperation> operations;
    for (size_t i = 0; i < sim::kOperationCount; ++i)
        operations.push_back(static_cast<sim::SimOperation>(i));
    return operations;
}

std::string TestName(const ::testing::TestParamInfo<sim::SimOperation>& info)
{
    std::string name(sim::OperationName(info.param));
    std::replace(name.begin(), name.end(), '.', '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Operations, EveryOperationFaultTest, ::testing::ValuesIn(AllOperations()), TestName);

}  // namespace
