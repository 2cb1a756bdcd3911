#include <vector>

#include "SimulatorFixture.h"

namespace {

using DeviceFeatureTest = SimulatorTest;

TEST_F(DeviceFeatureTest, ReportIntervalsOneTwoAndEight)
{
    auto service = Service();
    auto rate = GetFeature<svc::IPollingRate>(Mouse(service.Get()).Get(), svc::kIidPollingRate);
    uint32_t count = 0;
    svc::TaskMemPtr<uint32_t> intervals;
    ASSERT_EQ(rate->GetSupported(&count, intervals.Put()), svc::kOk);
    ASSERT_TRUE(intervals);
    EXPECT_EQ(std::vector<uint32_t>(intervals.Get(), intervals.Get() + count), (std::vector<uint32_t>{1, 2, 8}));

    uint32_t milliseconds = 0;
    ASSERT_EQ(rate->Get(&milliseconds), svc::kOk);
    EXPECT_EQ(milliseconds, 8u);
    for (const uint32_t interval : {1u, 2u, 8u}) {
        ASSERT_EQ(rate->Set(interval), svc::kOk);
        ASSERT_EQ(rate->Get(&milliseconds), svc::kOk);
        EXPECT_EQ(milliseconds, interval);
    }
    ASSERT_EQ(rate->Set(2), svc::kOk);
    EXPECT_EQ(rate->Set(4), svc::kInvalidArg);
    EXPECT_EQ(rate->Set(0), svc::kInvalidArg);
    ASSERT_EQ(rate->Get(&milliseconds), svc::kOk);
    EXPECT_EQ(milliseconds, 2u);
}

TEST_F(DeviceFeatureTest, AccelerationSwitchAndLevel)
{
    auto service = Service();
    auto acceleration = GetFeature<svc::IAcceleration>(Mouse(service.Get()).Get(), svc::kIidAcceleration);
    int32_t enabled = -1, level = -1;
    ASSERT_EQ(acceleration->IsEnabled(&enabled), svc::kOk);
    ASSERT_EQ(acceleration->GetLevel(&level), svc::kOk);
    EXPECT_EQ(enabled, 0);
    EXPECT_EQ(level, 5);

    ASSERT_EQ(acceleration->SetLevel(10), svc::kOk);
    ASSERT_EQ(acceleration->Enable(), svc::kOk);
    ASSERT_EQ(acceleration->IsEnabled(&enabled), svc::kOk);
    EXPECT_NE(enabled, 0);
    ASSERT_EQ(acceleration->Disable(), svc::kOk);
    ASSERT_EQ(acceleration->IsEnabled(&enabled), svc::kOk);
    EXPECT_EQ(enabled, 0);
    ASSERT_EQ(acceleration->GetLevel(&level), svc::kOk);
    EXPECT_EQ(level, 10) << "the level stays while acceleration is off";

    EXPECT_EQ(acceleration->SetLevel(0), svc::kInvalidArg);
    EXPECT_EQ(acceleration->SetLevel(11), svc::kInvalidArg);
    ASSERT_EQ(acceleration->GetLevel(&level), svc::kOk);
    EXPECT_EQ(level, 10);
}

// The colour zones of a product-25 device.
class ZoneTest : public SimulatorTest
{
protected:
    void SetUp() override
    {
        SimulatorTest::SetUp();
        sim::SimulatorOptions options = Options();
        options.devicesAfter = {25};
        m_service = Service(options);
        m_zones = GetFeature<svc::IZoneCollection>(FindDevice(m_service.Get(), 25).Get(), svc::kIidZoneCollection);
        ASSERT_TRUE(m_zones);
    }
    void TearDown() override
    {
        m_zones.Reset();
        m_service.Reset();
        SimulatorTest::TearDown();
    }

    struct ZoneValues
    {
        uint32_t low, high, colour;
        bool operator==(const ZoneValues&) const = default;
    };

    std::vector<ZoneValues> Zones()
    {
        std::vector<ZoneValues> values;
        for (uint32_t index = 0;; ++index) {
            svc::ComPtr<svc::IZone> zone;
            if (svc::Failed(m_zones->GetItem(index, zone.Put())))
                return values;
            svc::ComPtr<svc::IZoneColor> colour;
            EXPECT_EQ(zone->QueryInterface(svc::kIidZoneColor, colour.PutVoid()), svc::kOk);
            ZoneValues value{};
            EXPECT_EQ(zone->GetRange(&value.low, &value.high), svc::kOk);
            EXPECT_EQ(colour->Get(&value.colour), svc::kOk);
            values.push_back(value);
        }
    }

    svc::ComPtr<svc::IMouseService> m_service;
    svc::ComPtr<svc::IZoneCollection> m_zones;
};

TEST_F(ZoneTest, AFreshDeviceHasTwoZones)
{
    EXPECT_EQ(Zones(), (std::vector<ZoneValues>{{0, 49, 0x0000FF}, {50, 100, 0xFF0000}}));
}

TEST_F(ZoneTest, ClearingAndAddingZones)
{
    // How the program rewrites the zones: remove the first while there is one, then add.
    for (svc::ComPtr<svc::IZone> zone; svc::Succeeded(m_zones->GetItem(0, zone.Put()));)
        ASSERT_EQ(m_zones->Remove(zone.Get()), svc::kOk);
    EXPECT_TRUE(Zones().empty());

    for (const ZoneValues& wanted : {ZoneValues{0, 30, 0x00FF00}, ZoneValues{31, 60, 0x123456}, ZoneValues{61, 100, 0}}) {
        svc::ComPtr<svc::IZone> zone;
        ASSERT_EQ(m_zones->Add(zone.Put()), svc::kOk);
        svc::ComPtr<svc::IZoneColor> colour;
        ASSERT_EQ(zone->QueryInterface(svc::kIidZoneColor, colour.PutVoid()), svc::kOk);
        ASSERT_EQ(colour->Set(wanted.colour), svc::kOk);
        ASSERT_EQ(zone->SetRange(wanted.low, wanted.high), svc::kOk);
    }
    EXPECT_EQ(Zones(), (std::vector<ZoneValues>{{0, 30, 0x00FF00}, {31, 60, 0x123456}, {61, 100, 0}}));
}

TEST_F(ZoneTest, ARemovedZoneObjectFailsAndOthersKeepTheirZone)
{
    svc::ComPtr<svc::IZone> first, second;
    ASSERT_EQ(m_zones->GetItem(0, first.Put()), svc::kOk);
    ASSERT_EQ(m_zones->GetItem(1, second.Put()), svc::kOk);
    ASSERT_EQ(m_zones->Remove(first.Get()), svc::kOk);
    uint32_t low = 0, high = 0;
    EXPECT_EQ(first->GetRange(&low, &high), sim::kNotFound);
    EXPECT_EQ(m_zones->Remove(first.Get()), sim::kNotFound);
    ASSERT_EQ(second->GetRange(&low, &high), svc::kOk) << "the object follows its zone, not an index";
    EXPECT_EQ(low, 50u);
    EXPECT_EQ(Zones().size(), 1u);
}

TEST_F(ZoneTest, InvalidRangesAndColoursAreRefused)
{
    svc::ComPtr<svc::IZone> zone;
    ASSERT_EQ(m_zones->GetItem(0, zone.Put()), svc::kOk);
    svc::ComPtr<svc::IZoneColor> colour;
    ASSERT_EQ(zone->QueryInterface(svc::kIidZoneColor, colour.PutVoid()), svc::kOk);
    EXPECT_EQ(zone->SetRange(60, 50), svc::kInvalidArg);
    EXPECT_EQ(colour->Set(0x1000000), svc::kInvalidArg);
    EXPECT_EQ(Zones().front(), (ZoneValues{0, 49, 0x0000FF}));
}

TEST_F(ZoneTest, NoMoreThanTheZoneLimit)
{
    for (size_t i = Zones().size(); i < sim::kMaxZones; ++i) {
        svc::ComPtr<svc::IZone> zone;
        ASSERT_EQ(m_zones->Add(zone.Put()), svc::kOk);
    }
    svc::ComPtr<svc::IZone> zone;
    EXPECT_EQ(m_zones->Add(zone.Put()), sim::kLimitReached);
    EXPECT_FALSE(zone);
    EXPECT_EQ(Zones().size(), sim::kMaxZones);
}

TEST_F(ZoneTest, ZoneAndColourAreOneObject)
{
    svc::ComPtr<svc::IZone> zone;
    ASSERT_EQ(m_zones->GetItem(0, zone.Put()), svc::kOk);
    svc::ComPtr<svc::IZoneColor> colour;
    ASSERT_EQ(zone->QueryInterface(svc::kIidZoneColor, colour.PutVoid()), svc::kOk);
    svc::ComPtr<svc::IZone> back;
    ASSERT_EQ(colour->QueryInterface(svc::kIidZone, back.PutVoid()), svc::kOk);
    EXPECT_EQ(back.Get(), zone.Get());
    svc::ComPtr<svc::IUnknown> fromZone, fromColour;
    ASSERT_EQ(zone->QueryInterface(svc::kIidUnknown, fromZone.PutVoid()), svc::kOk);
    ASSERT_EQ(colour->QueryInterface(svc::kIidUnknown, fromColour.PutVoid()), svc::kOk);
    EXPECT_EQ(fromZone.Get(), fromColour.Get()) << "one identity";
    ASSERT_EQ(colour->Set(0xABCDEF), svc::kOk);
    uint32_t value = 0;
    ASSERT_EQ(colour->Get(&value), svc::kOk);
    EXPECT_EQ(value, 0xABCDEFu);
}

}  // namespace
