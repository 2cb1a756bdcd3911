#include <cstring>
#include <filesystem>
#include <functional>

#include "SimulatorFixture.h"
#include "simulator/Crc32.h"
#include "simulator/SimFileFormat.h"

namespace {

using PersistenceTest = SimulatorTest;

void WriteBytes(const std::wstring& path, const std::string& bytes)
{
    ASSERT_TRUE(platform::WriteFileAtomically(path, bytes));
}

// Everything a test below changes, read back as one comparable text.
std::string Describe(svc::IServiceDevice* device)
{
    std::string text;
    auto profiles = SimulatorTest::Profiles(device);
    for (uint32_t i = 0; i < SimulatorTest::CountProfiles(profiles.Get()); ++i) {
        auto profile = SimulatorTest::ProfileAt(profiles.Get(), i);
        uint32_t x = 0, y = 0, sx = 0, sy = 0;
        SimulatorTest::GetFeature<svc::IResolution>(profile.Get(), svc::kIidResolution)->Get(&x, &y);
        SimulatorTest::GetFeature<svc::ISensitivity>(profile.Get(), svc::kIidSensitivity)->Get(&sx, &sy);
        text += platform::ToUtf8(SimulatorTest::IdOf(profile.Get()).ToString()) + " " +
                platform::ToUtf8(platform::FromUtf16(SimulatorTest::NameOf(profile.Get()))) + " " +
                std::to_string(x) + "x" + std::to_string(y) + " " + std::to_string(sx) + "/" + std::to_string(sy) + "\n";
    }
    uint32_t interval = 0;
    SimulatorTest::GetFeature<svc::IPollingRate>(device, svc::kIidPollingRate)->Get(&interval);
    auto macros = SimulatorTest::Macros(device);
    text += "interval " + std::to_string(interval) + " macros " + std::to_string(SimulatorTest::CountMacros(macros.Get()));
    return text;
}

TEST_F(PersistenceTest, TheFirstUseWritesAFreshStoreWhoseIdsStay)
{
    EXPECT_FALSE(std::filesystem::exists(platform::ToFsPath(StorePath())));
    Guid first;
    {
        auto service = Service();
        first = IdOf(ProfileAt(Profiles(Mouse(service.Get()).Get()).Get(), 0).Get());
    }
    EXPECT_TRUE(std::filesystem::exists(platform::ToFsPath(StorePath())));
    auto service = Service();
    EXPECT_EQ(IdOf(ProfileAt(Profiles(Mouse(service.Get()).Get()).Get(), 0).Get()), first)
        << "the program connects anew for every operation and must see the same profile each time";
}

TEST_F(PersistenceTest, ChangesSurviveTheServiceAndAreReadFromTheFile)
{
    std::string before;
    {
        auto service = Service();
        auto mouse = Mouse(service.Get());
        auto profiles = Profiles(mouse.Get());
        svc::ComPtr<svc::IDeviceProfile> created;
        ASSERT_EQ(profiles->Create(created.Put(), nullptr), svc::kOk);
        ASSERT_EQ(created->SetName(u"Sniper"), svc::kOk);
        ASSERT_EQ(GetFeature<svc::IResolution>(created.Get(), svc::kIidResolution)->Set(1800, 1800), svc::kOk);
        ASSERT_EQ(GetFeature<svc::ISensitivity>(created.Get(), svc::kIidSensitivity)->Set(300, 400), svc::kOk);
        ASSERT_EQ(profiles->SetActive(created.Get()), svc::kOk);
        ASSERT_EQ(GetFeature<svc::IPollingRate>(mouse.Get(), svc::kIidPollingRate)->Set(1), svc::kOk);
        svc::ComPtr<svc::IDeviceMacro> macro;
        ASSERT_EQ(Macros(mouse.Get())->Create(macro.Put()), svc::kOk);
        before = Describe(mouse.Get());
    }
    ASSERT_EQ(sim::SimulatorLiveObjectCount(), 0u) << "every object released, so the next service reads the file";

    // A copy of the store in another folder holds the same device.
    TempFolder copy;
    std::filesystem::copy_file(platform::ToFsPath(StorePath()), platform::ToFsPath(sim::SimulatorStorePath(copy.Path(), 0x20)));
    sim::SimulatorOptions copied;
    copied.storeFolder = copy.Path();
    for (const sim::SimulatorOptions& options : {Options(), copied}) {
        auto service = Service(options);
        auto mouse = Mouse(service.Get());
        EXPECT_EQ(Describe(mouse.Get()), before);
        svc::ComPtr<svc::IDeviceProfile> active;
        ASSERT_EQ(Profiles(mouse.Get())->GetActive(active.Put()), svc::kOk);
        EXPECT_EQ(NameOf(active.Get()), u"Sniper");
    }
}

TEST_F(PersistenceTest, LiveServiceObjectsShareOneDevice)
{
    auto first = Service();
    auto second = Service();
    ASSERT_EQ(ProfileAt(Profiles(Mouse(first.Get()).Get()).Get(), 0)->SetName(u"Shared"), svc::kOk);
    EXPECT_EQ(NameOf(ProfileAt(Profiles(Mouse(second.Get()).Get()).Get(), 0).Get()), u"Shared");
}

TEST_F(PersistenceTest, WritesLeaveNoTemporaryFiles)
{
    auto service = Service();
    auto profile = ProfileAt(Profiles(Mouse(service.Get()).Get()).Get(), 0);
    for (int i = 0; i < 20; ++i)
        ASSERT_EQ(profile->SetName(std::u16string(u"Name ").append(1, static_cast<char16_t>(u'a' + i)).c_str()), svc::kOk);
    EXPECT_EQ(m_folder.FileCount(), 1u);
}

TEST_F(PersistenceTest, AChangeThatCannotBeStoredChangesNothing)
{
    auto service = Service();
    auto profile = ProfileAt(Profiles(Mouse(service.Get()).Get()).Get(), 0);
    ASSERT_EQ(profile->SetName(u"Kept"), svc::kOk);
    const std::string stored = StoreBytes();

    // A folder where the store file should be: the new file cannot be moved into place.
    const auto storePath = platform::ToFsPath(StorePath());
    std::filesystem::remove(storePath);
    std::filesystem::create_directory(storePath);
    EXPECT_EQ(profile->SetName(u"Lost"), sim::kStoreWriteFailed);
    EXPECT_EQ(NameOf(profile.Get()), u"Kept") << "memory and file stay together";
    std::filesystem::remove(storePath);
    EXPECT_EQ(m_folder.FileCount(), 0u) << "the temporary file was removed";

    ASSERT_EQ(profile->SetName(u"Again"), svc::kOk);
    EXPECT_NE(StoreBytes(), stored);
    sim::DeviceModel model;
    EXPECT_EQ(sim::DecodeStore(StoreBytes(), model), sim::FileProblem::None);
    EXPECT_EQ(model.profiles.at(0).name, u"Again");
}

TEST_F(PersistenceTest, DeferredWritesReachTheFileWhenTheLastObjectGoes)
{
    sim::SimulatorOptions options = Options();
    options.deferWrites = true;
    {
        auto service = Service(options);
        const std::string fresh = StoreBytes();
        auto profile = ProfileAt(Profiles(Mouse(service.Get()).Get()).Get(), 0);
        ASSERT_EQ(profile->SetName(u"Deferred"), svc::kOk);
        EXPECT_EQ(NameOf(profile.Get()), u"Deferred");
        EXPECT_EQ(StoreBytes(), fresh) << "nothing written while the device is in use";
    }
    ASSERT_EQ(sim::SimulatorLiveObjectCount(), 0u);
    auto service = Service();
    EXPECT_EQ(NameOf(ProfileAt(Profiles(Mouse(service.Get()).Get()).Get(), 0).Get()), u"Deferred");
}

TEST(Crc32Test, MatchesTheStandardCheckValue)
{
    EXPECT_EQ(sim::Crc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(sim::Crc32(""), 0u);
}

// --- damaged stores ----------------------------------------------------------------------------

struct Damage
{
    const char* name;
    std::function<void(std::string&)> apply;
};

const Damage kDamages[] = {
    {"FlippedPayloadByte", [](std::string& b) { b[b.size() / 2] ^= 0x20; }},
    {"FlippedChecksum", [](std::string& b) { b[17] ^= 0x01; }},
    {"WrongMagic", [](std::string& b) { b[0] = 'Q'; }},
    {"WrongKind", [](std::string& b) { b[4] = 2; }},
    {"NewerVersion", [](std::string& b) { b[6] = 2; }},
    {"ReservedHeaderField", [](std::string& b) { b[22] = 1; }},
    {"TruncatedByOneByte", [](std::string& b) { b.pop_back(); }},
    {"TruncatedInTheHeader", [](std::string& b) { b.resize(10); }},
    {"Empty", [](std::string& b) { b.clear(); }},
    {"TrailingByte", [](std::string& b) { b.push_back('\0'); }},
    {"ResealedBadInterval", [](std::string& b) { PutU32(b, sim::kHeaderBytes + 4, 4); Reseal(b); }},
    {"ResealedElevenProfiles", [](std::string& b) { PutU32(b, sim::kHeaderBytes + 16, 11); Reseal(b); }},
    {"ResealedOtherProduct", [](std::string& b) { PutU32(b, sim::kHeaderBytes, 0x21); Reseal(b); }},
    {"Oversized", [](std::string& b) { b.resize(sim::kMaxStoreBytes + 1, '\0'); }},
};

class DamagedStoreTest : public SimulatorTest, public ::testing::WithParamInterface<Damage>
{
};

TEST_P(DamagedStoreTest, IsReportedRefusedAndLeftUntouched)
{
    {
        auto service = Service();
        ASSERT_EQ(ProfileAt(Profiles(Mouse(service.Get()).Get()).Get(), 0)->SetName(u"Mine"), svc::kOk);
    }
    std::string damaged = StoreBytes();
    GetParam().apply(damaged);
    WriteBytes(StorePath(), damaged);

    sim::SimulatorOptions options = Options();
    options.devicesAfter = {0x30};
    testing::internal::CaptureStderr();
    auto service = Service(options);
    const std::string diagnostics = testing::internal::GetCapturedStderr();
    ASSERT_TRUE(service);
    EXPECT_NE(diagnostics.find("peraxil-sim: store "), std::string::npos) << diagnostics;
    EXPECT_NE(diagnostics.find("refused"), std::string::npos) << diagnostics;

    svc::ComPtr<svc::IServiceDevice> mouse;
    ASSERT_EQ(service->GetDevice(0, mouse.Put()), svc::kOk);
    svc::DeviceInfo info;
    EXPECT_EQ(mouse->GetInfo(&info), sim::kStoreDamaged);
    svc::ComPtr<svc::IDeviceProfiles> profiles;
    EXPECT_EQ(mouse->GetFeature(svc::kIidDeviceProfiles, profiles.PutVoid()), sim::kStoreDamaged);
    svc::ComPtr<svc::IPollingRate> rate;
    EXPECT_EQ(mouse->GetFeature(svc::kIidPollingRate, rate.PutVoid()), sim::kStoreDamaged);
    EXPECT_FALSE(Mouse(service.Get()));
    EXPECT_TRUE(FindDevice(service.Get(), 0x30)) << "other devices are not affected";
    service.Reset();
    mouse.Reset();

    EXPECT_EQ(StoreBytes(), damaged) << "the damaged file is left as it was";
    EXPECT_EQ(m_folder.FileCount(), 2u) << "only the two stores, nothing written beside them";
}

INSTANTIATE_TEST_SUITE_P(Damages, DamagedStoreTest, ::testing::ValuesIn(kDamages),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PersistenceTest, ARepairedStoreIsReadAgain)
{
    {
        auto service = Service();
        ASSERT_EQ(ProfileAt(Profiles(Mouse(service.Get()).Get()).Get(), 0)->SetName(u"Good"), svc::kOk);
    }
    const std::string good = StoreBytes();
    std::string bad = good;
    bad[bad.size() - 1] ^= 0x55;
    WriteBytes(StorePath(), bad);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(Mouse(Service().Get()));
    (void)testing::internal::GetCapturedStderr();

    WriteBytes(StorePath(), good);
    auto service = Service();
    auto mouse = Mouse(service.Get());
    ASSERT_TRUE(mouse);
    EXPECT_EQ(NameOf(ProfileAt(Profiles(mouse.Get()).Get(), 0).Get()), u"Good");
}

}  // namespace
