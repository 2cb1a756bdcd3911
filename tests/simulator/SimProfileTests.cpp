#include <set>

#include "SimulatorFixture.h"

namespace {

// The mouse's profile collection over a fresh store.
class ProfileTest : public SimulatorTest
{
protected:
    void SetUp() override
    {
        SimulatorTest::SetUp();
        m_service = Service();
        ASSERT_TRUE(m_service);
        m_profiles = Profiles(Mouse(m_service.Get()).Get());
        ASSERT_TRUE(m_profiles);
    }
    void TearDown() override
    {
        m_profiles.Reset();
        m_service.Reset();
        SimulatorTest::TearDown();
    }

    svc::ComPtr<svc::IDeviceProfile> Create(Guid* freshId = nullptr)
    {
        svc::ComPtr<svc::IDeviceProfile> profile;
        EXPECT_EQ(m_profiles->Create(profile.Put(), freshId), svc::kOk);
        return profile;
    }
    Guid ActiveId()
    {
        svc::ComPtr<svc::IDeviceProfile> active;
        if (svc::Failed(m_profiles->GetActive(active.Put())))
            return Guid{};
        return IdOf(active.Get());
    }

    svc::ComPtr<svc::IMouseService> m_service;
    svc::ComPtr<svc::IDeviceProfiles> m_profiles;
};

TEST_F(ProfileTest, AFreshStoreHoldsOneActiveDefaultProfile)
{
    ASSERT_EQ(CountProfiles(m_profiles.Get()), 1u);
    auto profile = ProfileAt(m_profiles.Get(), 0);
    EXPECT_EQ(NameOf(profile.Get()), u"Default");
    const Guid id = IdOf(profile.Get());
    EXPECT_FALSE(id.IsNull());
    EXPECT_EQ(ActiveId(), id);
}

TEST_F(ProfileTest, CreateGivesFreshIdsThatFindByIdFinds)
{
    Guid firstId;
    auto first = Create(&firstId);
    Guid secondId;
    auto second = Create(&secondId);
    EXPECT_EQ(IdOf(first.Get()), firstId);
    EXPECT_EQ(IdOf(second.Get()), secondId);
    EXPECT_NE(firstId, secondId);
    EXPECT_NE(firstId, IdOf(ProfileAt(m_profiles.Get(), 0).Get()));
    EXPECT_EQ(firstId.data3 >> 12, 4) << "random ids are version 4";

    svc::ComPtr<svc::IDeviceProfile> found;
    ASSERT_EQ(m_profiles->FindById(secondId, found.Put()), svc::kOk);
    EXPECT_EQ(IdOf(found.Get()), secondId);
    EXPECT_EQ(IdOf(ProfileAt(m_profiles.Get(), 2).Get()), secondId) << "profiles are kept in the order made";
    EXPECT_EQ(ActiveId(), IdOf(ProfileAt(m_profiles.Get(), 0).Get())) << "creating does not change the active one";

    Guid unknown = secondId;
    unknown.data1 ^= 1;
    EXPECT_EQ(m_profiles->FindById(unknown, found.Put()), sim::kNotFound);
    EXPECT_FALSE(found);
}

TEST_F(ProfileTest, NoMoreThanTenProfiles)
{
    std::set<std::wstring> ids{IdOf(ProfileAt(m_profiles.Get(), 0).Get()).ToString()};
    for (int i = 1; i < 10; ++i)
        ids.insert(IdOf(Create().Get()).ToString());
    EXPECT_EQ(ids.size(), 10u);
    const std::string before = StoreBytes();

    svc::ComPtr<svc::IDeviceProfile> eleventh;
    Guid freshId;
    EXPECT_EQ(m_profiles->Create(eleventh.Put(), &freshId), sim::kLimitReached);
    EXPECT_FALSE(eleventh);
    EXPECT_TRUE(freshId.IsNull());
    EXPECT_EQ(CountProfiles(m_profiles.Get()), 10u);
    EXPECT_EQ(StoreBytes(), before);
}

TEST_F(ProfileTest, RemoveDeletesAndLeavesObjectsOfTheRemovedProfileFailing)
{
    auto second = Create();
    auto third = Create();
    const Guid secondId = IdOf(second.Get());
    ASSERT_EQ(m_profiles->Remove(second.Get()), svc::kOk);

    EXPECT_EQ(CountProfiles(m_profiles.Get()), 2u);
    EXPECT_EQ(IdOf(ProfileAt(m_profiles.Get(), 1).Get()), IdOf(third.Get())) << "later profiles move up";
    svc::ComPtr<svc::IDeviceProfile> found;
    EXPECT_EQ(m_profiles->FindById(secondId, found.Put()), sim::kNotFound);
    EXPECT_EQ(NameOf(second.Get()), u"<failed>");
    Guid id;
    EXPECT_EQ(second->GetId(&id), sim::kNotFound);
    EXPECT_EQ(second->SetName(u"Back"), sim::kNotFound);
    EXPECT_EQ(m_profiles->Remove(second.Get()), sim::kNotFound) << "removing twice";
}

TEST_F(ProfileTest, SetActiveAndGetActive)
{
    auto second = Create();
    ASSERT_EQ(m_profiles->SetActive(second.Get()), svc::kOk);
    EXPECT_EQ(ActiveId(), IdOf(second.Get()));
    ASSERT_EQ(m_profiles->SetActive(ProfileAt(m_profiles.Get(), 0).Get()), svc::kOk);
    EXPECT_EQ(ActiveId(), IdOf(ProfileAt(m_profiles.Get(), 0).Get()));
}

TEST_F(ProfileTest, SetActiveRefusesProfilesOfOtherDevicesAndNull)
{
    sim::SimulatorOptions options = Options();
    options.devicesAfter = {0x30};
    auto service = Service(options);
    auto otherProfile = ProfileAt(Profiles(FindDevice(service.Get(), 0x30).Get()).Get(), 0);
    const Guid active = ActiveId();
    EXPECT_EQ(m_profiles->SetActive(otherProfile.Get()), svc::kInvalidArg);
    EXPECT_EQ(m_profiles->SetActive(nullptr), svc::kInvalidArg);
    EXPECT_EQ(m_profiles->Remove(otherProfile.Get()), svc::kInvalidArg);
    EXPECT_EQ(ActiveId(), active);
    EXPECT_EQ(CountProfiles(m_profiles.Get()), 1u);
}

TEST_F(ProfileTest, RemovingTheActiveProfileActivatesTheFirst)
{
    auto second = Create();
    auto third = Create();
    ASSERT_EQ(m_profiles->SetActive(third.Get()), svc::kOk);
    ASSERT_EQ(m_profiles->Remove(third.Get()), svc::kOk);
    EXPECT_EQ(ActiveId(), IdOf(ProfileAt(m_profiles.Get(), 0).Get()));
}

TEST_F(ProfileTest, RemovingEveryProfileLeavesNoneActiveUntilOneIsCreated)
{
    ASSERT_EQ(m_profiles->Remove(ProfileAt(m_profiles.Get(), 0).Get()), svc::kOk);
    EXPECT_EQ(CountProfiles(m_profiles.Get()), 0u);
    svc::ComPtr<svc::IDeviceProfile> active;
    EXPECT_EQ(m_profiles->GetActive(active.Put()), sim::kNotFound);
    Guid id;
    auto created = Create(&id);
    EXPECT_EQ(ActiveId(), id);
}

TEST_F(ProfileTest, NamesRoundTripUpToTheirLimit)
{
    auto profile = ProfileAt(m_profiles.Get(), 0);
    ASSERT_EQ(profile->SetName(u"Spiel \u00FC \u041F\u0440\u043E\u0444\u0438\u043B\u044C \U0001F3AE"), svc::kOk);
    EXPECT_EQ(NameOf(profile.Get()), u"Spiel \u00FC \u041F\u0440\u043E\u0444\u0438\u043B\u044C \U0001F3AE");

    const std::u16string longest(sim::kMaxNameUnits, u'n');
    ASSERT_EQ(profile->SetName(longest.c_str()), svc::kOk);
    EXPECT_EQ(NameOf(profile.Get()), longest);
    const std::u16string tooLong(sim::kMaxNameUnits + 1, u'x');
    EXPECT_EQ(profile->SetName(tooLong.c_str()), svc::kInvalidArg);
    EXPECT_EQ(profile->SetName(nullptr), svc::kPointer);
    EXPECT_EQ(NameOf(profile.Get()), longest);

    ASSERT_EQ(profile->SetName(u""), svc::kOk);
    EXPECT_EQ(NameOf(profile.Get()), u"") << "an empty name is a name";
}

TEST_F(ProfileTest, ProfileFeaturesAndTheirAbsence)
{
    auto profile = ProfileAt(m_profiles.Get(), 0);
    for (const Guid* iid : {&svc::kIidResolution, &svc::kIidSensitivity, &svc::kIidButtonMap, &svc::kIidButtonMapAlt,
                            &svc::kIidLights, &svc::kIidProfileValues}) {
        svc::ComPtr<svc::IUnknown> feature;
        EXPECT_EQ(profile->GetFeature(*iid, feature.PutVoid()), svc::kOk) << platform::ToUtf8(iid->ToString());
    }
    svc::ComPtr<svc::IUnknown> feature;
    EXPECT_EQ(profile->GetFeature(svc::kIidPollingRate, feature.PutVoid()), svc::kNoInterface) << "a device feature";
    EXPECT_EQ(profile->Reserved7(), svc::kNotImplemented);
    EXPECT_EQ(m_profiles->Reserved9(), svc::kNotImplemented);
}

}  // namespace
