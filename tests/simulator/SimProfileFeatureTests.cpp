#include <cstring>
#include <vector>

#include "SimulatorFixture.h"

namespace {

// The features of the mouse's first stored profile over a fresh store.
class ProfileFeatureTest : public SimulatorTest
{
protected:
    void SetUp() override
    {
        SimulatorTest::SetUp();
        m_service = Service();
        m_profiles = Profiles(Mouse(m_service.Get()).Get());
        m_profile = ProfileAt(m_profiles.Get(), 0);
        ASSERT_TRUE(m_profile);
    }
    void TearDown() override
    {
        m_profile.Reset();
        m_profiles.Reset();
        m_service.Reset();
        SimulatorTest::TearDown();
    }

    template <typename Feature>
    svc::ComPtr<Feature> ProfileFeature(const Guid& iid, svc::IDeviceProfile* profile = nullptr)
    {
        return GetFeature<Feature>(profile != nullptr ? profile : m_profile.Get(), iid);
    }

    std::vector<svc::ButtonRecord> Records(svc::IButtonMap* map)
    {
        uint32_t count = sim::kButtonCount;
        std::vector<svc::ButtonRecord> records(count);
        EXPECT_EQ(map->Get(&count, records.data()), svc::kOk);
        records.resize(count);
        return records;
    }

    svc::ComPtr<svc::IMouseService> m_service;
    svc::ComPtr<svc::IDeviceProfiles> m_profiles;
    svc::ComPtr<svc::IDeviceProfile> m_profile;
};

svc::ButtonRecord Record(uint32_t index, uint32_t kind, uint32_t subKind)
{
    svc::ButtonRecord record;
    record.SetWord(0, 1);
    record.SetWord(4, index);
    record.SetWord(8, kind);
    record.SetWord(12, subKind);
    return record;
}

bool SameRecord(const svc::ButtonRecord& a, const svc::ButtonRecord& b)
{
    return std::memcmp(a.bytes, b.bytes, sizeof(a.bytes)) == 0;
}

TEST_F(ProfileFeatureTest, ResolutionStartsAt800AndKeepsEachAxis)
{
    auto resolution = ProfileFeature<svc::IResolution>(svc::kIidResolution);
    uint32_t x = 0, y = 0;
    ASSERT_EQ(resolution->Get(&x, &y), svc::kOk);
    EXPECT_EQ(x, 800u);
    EXPECT_EQ(y, 800u);
    ASSERT_EQ(resolution->Set(1800, 900), svc::kOk);
    ASSERT_EQ(resolution->Get(&x, &y), svc::kOk);
    EXPECT_EQ(x, 1800u);
    EXPECT_EQ(y, 900u);
    EXPECT_EQ(resolution->Set(0, 800), svc::kInvalidArg);
    EXPECT_EQ(resolution->Set(800, 1801), svc::kInvalidArg);
    EXPECT_EQ(resolution->Get(nullptr, &y), svc::kPointer);
    ASSERT_EQ(resolution->Get(&x, &y), svc::kOk);
    EXPECT_EQ(x, 1800u) << "a refused Set changes nothing";
    EXPECT_EQ(y, 900u);
}

TEST_F(ProfileFeatureTest, SensitivityInPerMille)
{
    auto sensitivity = ProfileFeature<svc::ISensitivity>(svc::kIidSensitivity);
    uint32_t x = 0, y = 0;
    ASSERT_EQ(sensitivity->Get(&x, &y), svc::kOk);
    EXPECT_EQ(x, 1000u);
    EXPECT_EQ(y, 1000u);
    ASSERT_EQ(sensitivity->Set(222, 50), svc::kOk);
    ASSERT_EQ(sensitivity->Get(&x, &y), svc::kOk);
    EXPECT_EQ(x, 222u);
    EXPECT_EQ(y, 50u);
    EXPECT_EQ(sensitivity->Set(0, 500), svc::kInvalidArg);
    EXPECT_EQ(sensitivity->Set(500, 1001), svc::kInvalidArg);
    ASSERT_EQ(sensitivity->Get(&x, &y), svc::kOk);
    EXPECT_EQ(x, 222u);
}

TEST_F(ProfileFeatureTest, SettingsBelongToTheirProfile)
{
    svc::ComPtr<svc::IDeviceProfile> second;
    ASSERT_EQ(m_profiles->Create(second.Put(), nullptr), svc::kOk);
    ASSERT_EQ(ProfileFeature<svc::IResolution>(svc::kIidResolution, second.Get())->Set(1800, 1800), svc::kOk);
    uint32_t x = 0, y = 0;
    ASSERT_EQ(ProfileFeature<svc::IResolution>(svc::kIidResolution)->Get(&x, &y), svc::kOk);
    EXPECT_EQ(x, 800u);
}

TEST_F(ProfileFeatureTest, ButtonCapsCoverTwentyOneButtons)
{
    auto map = ProfileFeature<svc::IButtonMap>(svc::kIidButtonMap);
    uint32_t count = 0, reserved = 99, mask = 0;
    ASSERT_EQ(map->GetCaps(&count, &reserved, &mask), svc::kOk);
    EXPECT_EQ(count, 21u);
    EXPECT_EQ(mask, 0x7FFF9Fu);
    EXPECT_EQ(reserved, 0u);
    int bits = 0;
    for (uint32_t m = mask; m != 0; m &= m - 1)
        ++bits;
    EXPECT_EQ(static_cast<uint32_t>(bits), count);
}

TEST_F(ProfileFeatureTest, FactoryButtonsAreMouseFunctions)
{
    const std::vector<svc::ButtonRecord> records = Records(ProfileFeature<svc::IButtonMap>(svc::kIidButtonMap).Get());
    const std::vector<svc::ButtonRecord> expected = {Record(1, 1, 1), Record(2, 1, 2), Record(3, 1, 3),
                                                     Record(8, 1, 6), Record(9, 1, 7)};
    ASSERT_EQ(records.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_TRUE(SameRecord(records[i], expected[i])) << "record " << i;
}

TEST_F(ProfileFeatureTest, SetReplacesRecordsByIndexAndGetSortsThem)
{
    auto map = ProfileFeature<svc::IButtonMap>(svc::kIidButtonMap);
    svc::ButtonRecord key = Record(10, 5, 0);
    key.SetHalf(12, 0x45);
    key.bytes[17] = 0x01;
    const svc::ButtonRecord batch[2] = {key, Record(2, 4, 3)};
    ASSERT_EQ(map->Set(2, batch), svc::kOk);

    const std::vector<svc::ButtonRecord> records = Records(map.Get());
    ASSERT_EQ(records.size(), 6u);
    const uint32_t order[] = {1, 2, 3, 8, 9, 10};
    for (size_t i = 0; i < records.size(); ++i)
        EXPECT_EQ(records[i].Word(4), order[i]);
    EXPECT_TRUE(SameRecord(records[1], batch[1]));
    EXPECT_TRUE(SameRecord(records[5], key)) << "every byte kept, unaligned fields too";
}

TEST_F(ProfileFeatureTest, ARecordForAMissingButtonRefusesTheWholeBatch)
{
    auto map = ProfileFeature<svc::IButtonMap>(svc::kIidButtonMap);
    const svc::ButtonRecord batch[2] = {Record(1, 2, 0), Record(6, 1, 1)};  // index 6 has no button
    EXPECT_EQ(map->Set(2, batch), svc::kInvalidArg);
    const svc::ButtonRecord zero[1] = {Record(0, 1, 1)};
    EXPECT_EQ(map->Set(1, zero), svc::kInvalidArg);
    const svc::ButtonRecord past[1] = {Record(24, 1, 1)};
    EXPECT_EQ(map->Set(1, past), svc::kInvalidArg);
    const std::vector<svc::ButtonRecord> records = Records(map.Get());
    ASSERT_EQ(records.size(), 5u);
    EXPECT_TRUE(SameRecord(records[0], Record(1, 1, 1))) << "the valid record of the refused batch was not kept";
}

TEST_F(ProfileFeatureTest, AnUnassignedRecordIsKeptAsWritten)
{
    auto map = ProfileFeature<svc::IButtonMap>(svc::kIidButtonMap);
    svc::ButtonRecord none;
    none.SetWord(4, 3);  // kind 0, word 0 = 0: what an unknown assignment writes
    ASSERT_EQ(map->Set(1, &none), svc::kOk);
    EXPECT_TRUE(SameRecord(Records(map.Get())[2], none));
}

TEST_F(ProfileFeatureTest, GetFillsOnlyTheRoomGiven)
{
    auto map = ProfileFeature<svc::IButtonMap>(svc::kIidButtonMap);
    svc::ButtonRecord records[3];
    uint32_t count = 3;
    EXPECT_EQ(map->Get(&count, records), svc::kFalse) << "success, with more records than room";
    EXPECT_EQ(count, 3u);
    EXPECT_EQ(records[2].Word(4), 3u);
    EXPECT_EQ(map->Get(nullptr, records), svc::kPointer);
}

TEST_F(ProfileFeatureTest, TheSecondButtonMapHasNoButtons)
{
    auto alt = ProfileFeature<svc::IButtonMapAlt>(svc::kIidButtonMapAlt);
    EXPECT_EQ(alt->Set(0, nullptr), svc::kOk);
    const svc::ButtonRecord record = Record(1, 1, 1);
    EXPECT_EQ(alt->Set(1, &record), svc::kInvalidArg);
    EXPECT_EQ(alt->Reserved3(), svc::kNotImplemented);
}

TEST_F(ProfileFeatureTest, LightsOfTypesOneAndFourSwitchApart)
{
    auto lights = ProfileFeature<svc::ILights>(svc::kIidLights);
    svc::ComPtr<svc::ILight> first, second, third;
    ASSERT_EQ(lights->GetItem(0, first.Put()), svc::kOk);
    ASSERT_EQ(lights->GetItem(1, second.Put()), svc::kOk);
    EXPECT_EQ(lights->GetItem(2, third.Put()), svc::kNoMoreItems);
    uint32_t type = 0;
    ASSERT_EQ(first->GetType(&type), svc::kOk);
    EXPECT_EQ(type, 1u);
    ASSERT_EQ(second->GetType(&type), svc::kOk);
    EXPECT_EQ(type, 4u);

    int32_t on = 0;
    ASSERT_EQ(first->GetState(&on), svc::kOk);
    EXPECT_NE(on, 0) << "lights start on";
    ASSERT_EQ(second->TurnOff(), svc::kOk);
    ASSERT_EQ(second->GetState(&on), svc::kOk);
    EXPECT_EQ(on, 0);
    ASSERT_EQ(first->GetState(&on), svc::kOk);
    EXPECT_NE(on, 0);
    ASSERT_EQ(second->TurnOn(), svc::kOk);
    ASSERT_EQ(second->GetState(&on), svc::kOk);
    EXPECT_NE(on, 0);
}

TEST_F(ProfileFeatureTest, ApplicationPathHasNoSizeUntilWritten)
{
    auto values = ProfileFeature<svc::IProfileValues>(svc::kIidProfileValues);
    char16_t buffer[128];
    uint32_t bytes = sizeof(buffer);
    ASSERT_EQ(values->GetValue(svc::kValueApplicationPath, 0, buffer, 0, &bytes), svc::kOk);
    EXPECT_EQ(bytes, 0u);

    char16_t path[128] = {};
    std::memcpy(path, u"C:\\Games\\Arena.exe", sizeof(u"C:\\Games\\Arena.exe"));
    ASSERT_EQ(values->SetValue(svc::kValueApplicationPath, path, 0, sizeof(path), 0), svc::kOk);
    std::fill(std::begin(buffer), std::end(buffer), u'#');
    bytes = sizeof(buffer);
    ASSERT_EQ(values->GetValue(svc::kValueApplicationPath, 0, buffer, 0, &bytes), svc::kOk);
    EXPECT_EQ(bytes, 256u);
    EXPECT_EQ(std::u16string(buffer), u"C:\\Games\\Arena.exe");
    EXPECT_EQ(buffer[127], u'\0') << "the rest of the buffer is cleared";

    const char16_t empty[128] = {};
    ASSERT_EQ(values->SetValue(svc::kValueApplicationPath, empty, 0, sizeof(empty), 0), svc::kOk);
    bytes = sizeof(buffer);
    ASSERT_EQ(values->GetValue(svc::kValueApplicationPath, 0, buffer, 0, &bytes), svc::kOk);
    EXPECT_EQ(bytes, 256u) << "an empty path written is a value";
    EXPECT_EQ(buffer[0], u'\0');
}

TEST_F(ProfileFeatureTest, ApplicationPathLimits)
{
    auto values = ProfileFeature<svc::IProfileValues>(svc::kIidProfileValues);
    char16_t full[128];
    std::fill(std::begin(full), std::end(full), u'a');
    EXPECT_EQ(values->SetValue(svc::kValueApplicationPath, full, 0, sizeof(full), 0), svc::kInvalidArg)
        << "no room for the terminator";
    EXPECT_EQ(values->SetValue(svc::kValueApplicationPath, full, 0, 258, 0), svc::kInvalidArg);
    EXPECT_EQ(values->SetValue(svc::kValueApplicationPath, full, 0, 3, 0), svc::kInvalidArg);
    full[127] = u'\0';
    ASSERT_EQ(values->SetValue(svc::kValueApplicationPath, full, 0, sizeof(full), 0), svc::kOk);

    char16_t small[10];
    uint32_t bytes = sizeof(small);
    EXPECT_EQ(values->GetValue(svc::kValueApplicationPath, 0, small, 0, &bytes), sim::kBufferTooSmall);
    EXPECT_EQ(bytes, 256u) << "the size needed";
    EXPECT_EQ(values->GetValue(0x80000009, 0, small, 0, &bytes), svc::kInvalidArg);
}

TEST_F(ProfileFeatureTest, SwitchesAreWrittenByMaskAndReadAsBits)
{
    auto values = ProfileFeature<svc::IProfileValues>(svc::kIidProfileValues);
    auto write = [&](uint16_t mask, uint16_t value) {
        const uint16_t record[2] = {mask, value};
        return values->SetValue(svc::kValueSwitches, record, 0, sizeof(record), 0);
    };
    auto read = [&]() {
        uint16_t bits = 0xFFFF;
        uint32_t bytes = sizeof(bits);
        EXPECT_EQ(values->GetValue(svc::kValueSwitches, 0, &bits, 0, &bytes), svc::kOk);
        EXPECT_EQ(bytes, 2u);
        return bits;
    };
    EXPECT_EQ(read(), 0u);
    ASSERT_EQ(write(1, 1), svc::kOk);
    ASSERT_EQ(write(2, 0), svc::kOk);
    ASSERT_EQ(write(4, 1), svc::kOk);
    EXPECT_EQ(read(), 0x5u);
    ASSERT_EQ(write(2, 1), svc::kOk);
    EXPECT_EQ(read(), 0x7u);
    ASSERT_EQ(write(1, 0), svc::kOk);
    EXPECT_EQ(read(), 0x6u);

    EXPECT_EQ(write(8, 1), svc::kInvalidArg);
    EXPECT_EQ(write(0, 1), svc::kInvalidArg);
    const uint16_t shortRecord = 1;
    EXPECT_EQ(values->SetValue(svc::kValueSwitches, &shortRecord, 0, 2, 0), svc::kInvalidArg);
    EXPECT_EQ(read(), 0x6u);
}

}  // namespace
