#include <cstring>
#include <functional>

#include "SimulatorFixture.h"
#include "platform/Utf16.h"
#include "simulator/Crc32.h"
#include "simulator/SimFileFormat.h"

namespace {

std::u16string U16(const std::wstring& text) { return platform::ToUtf16(text); }

// Export and import through the mouse of a fresh store.
class ExchangeFileTest : public SimulatorTest
{
protected:
    void SetUp() override
    {
        SimulatorTest::SetUp();
        m_service = Service();
        auto mouse = Mouse(m_service.Get());
        m_profiles = Profiles(mouse.Get());
        m_macros = Macros(mouse.Get());
        ASSERT_TRUE(m_profiles && m_macros);
    }
    void TearDown() override
    {
        m_macros.Reset();
        m_profiles.Reset();
        m_service.Reset();
        SimulatorTest::TearDown();
    }

    // The first profile with every setting moved off its factory value.
    svc::ComPtr<svc::IDeviceProfile> CustomProfile()
    {
        auto profile = ProfileAt(m_profiles.Get(), 0);
        EXPECT_EQ(profile->SetName(u"Tournament"), svc::kOk);
        EXPECT_EQ(GetFeature<svc::IResolution>(profile.Get(), svc::kIidResolution)->Set(1800, 1800), svc::kOk);
        EXPECT_EQ(GetFeature<svc::ISensitivity>(profile.Get(), svc::kIidSensitivity)->Set(222, 333), svc::kOk);
        svc::ComPtr<svc::ILight> light;
        EXPECT_EQ(GetFeature<svc::ILights>(profile.Get(), svc::kIidLights)->GetItem(1, light.Put()), svc::kOk);
        EXPECT_EQ(light->TurnOff(), svc::kOk);
        svc::ButtonRecord record;
        record.SetWord(0, 1);
        record.SetWord(4, 23);
        record.SetWord(8, 3);
        record.SetWord(12, 3);
        record.SetWord(16, 0xDEADBEEF);
        EXPECT_EQ(GetFeature<svc::IButtonMap>(profile.Get(), svc::kIidButtonMap)->Set(1, &record), svc::kOk);
        auto values = GetFeature<svc::IProfileValues>(profile.Get(), svc::kIidProfileValues);
        char16_t path[128] = u"D:\\Play\\game.exe";
        EXPECT_EQ(values->SetValue(svc::kValueApplicationPath, path, 0, sizeof(path), 0), svc::kOk);
        const uint16_t on[2] = {2, 1};
        EXPECT_EQ(values->SetValue(svc::kValueSwitches, on, 0, sizeof(on), 0), svc::kOk);
        return profile;
    }

    // Everything stored with a profile except its id.
    std::string Settings(svc::IDeviceProfile* profile)
    {
        std::string text = platform::ToUtf8(platform::FromUtf16(NameOf(profile)));
        uint32_t a = 0, b = 0;
        GetFeature<svc::IResolution>(profile, svc::kIidResolution)->Get(&a, &b);
        text += " res " + std::to_string(a) + "," + std::to_string(b);
        GetFeature<svc::ISensitivity>(profile, svc::kIidSensitivity)->Get(&a, &b);
        text += " sens " + std::to_string(a) + "," + std::to_string(b);
        auto lights = GetFeature<svc::ILights>(profile, svc::kIidLights);
        for (uint32_t i = 0; i < 2; ++i) {
            svc::ComPtr<svc::ILight> light;
            int32_t on = 0;
            lights->GetItem(i, light.Put());
            light->GetState(&on);
            text += " light " + std::to_string(on);
        }
        uint32_t count = sim::kButtonCount;
        svc::ButtonRecord records[sim::kButtonCount];
        GetFeature<svc::IButtonMap>(profile, svc::kIidButtonMap)->Get(&count, records);
        for (uint32_t i = 0; i < count; ++i)
            text += " b" + std::to_string(records[i].Word(4)) + ":" + std::to_string(records[i].Word(8)) + "/" +
                    std::to_string(records[i].Word(12)) + "/" + std::to_string(records[i].Word(16));
        auto values = GetFeature<svc::IProfileValues>(profile, svc::kIidProfileValues);
        char16_t path[128] = {};
        uint32_t bytes = sizeof(path);
        values->GetValue(svc::kValueApplicationPath, 0, path, 0, &bytes);
        uint16_t switches = 0;
        uint32_t switchBytes = sizeof(switches);
        values->GetValue(svc::kValueSwitches, 0, &switches, 0, &switchBytes);
        return text + " path " + platform::ToUtf8(platform::FromUtf16(path)) + " switches " + std::to_string(switches);
    }

    svc::ComPtr<svc::IDeviceMacro> CustomMacro()
    {
        svc::ComPtr<svc::IDeviceMacro> macro;
        EXPECT_EQ(m_macros->Create(macro.Put()), svc::kOk);
        EXPECT_EQ(macro->SetName(u"Reload"), svc::kOk);
        auto* block = static_cast<svc::MacroEventBlock*>(svc::TaskMemAlloc(svc::MacroEventBlock::BytesFor(2)));
        std::memset(block, 0, svc::MacroEventBlock::BytesFor(2));
        block->count = 2;
        const uint32_t entries[4] = {svc::kEventKey, 0x0013, svc::kEventDelay, 40};
        std::memcpy(reinterpret_cast<unsigned char*>(block) + 8, entries, sizeof(entries));
        EXPECT_EQ(macro->SetEvents(block), svc::kOk);
        svc::TaskMemFree(block);
        return macro;
    }

    std::string MacroText(svc::IDeviceMacro* macro)
    {
        svc::TaskMemPtr<svc::MacroEventBlock> block;
        EXPECT_EQ(macro->GetEvents(block.Put()), svc::kOk);
        std::string events(reinterpret_cast<const char*>(block.Get()), 8 + 8 * block.Get()->count);
        return platform::ToUtf8(platform::FromUtf16(NameOf(macro))) + "|" + events;
    }

    // Imports a profile file and says whether anything at all changed.
    svc::HRESULT ImportProfile(const std::wstring& path, bool& changed)
    {
        const std::string before = StoreBytes();
        const uint32_t count = CountProfiles(m_profiles.Get());
        svc::ComPtr<svc::IDeviceProfile> imported;
        const svc::HRESULT result = m_profiles->Import(U16(path).c_str(), imported.Put());
        EXPECT_EQ(svc::Succeeded(result), static_cast<bool>(imported));
        changed = StoreBytes() != before || CountProfiles(m_profiles.Get()) != count;
        return result;
    }
    svc::HRESULT ImportMacro(const std::wstring& path, bool& changed)
    {
        const std::string before = StoreBytes();
        const uint32_t count = CountMacros(m_macros.Get());
        svc::ComPtr<svc::IDeviceMacro> imported;
        const svc::HRESULT result = m_macros->Import(U16(path).c_str(), imported.Put());
        EXPECT_EQ(svc::Succeeded(result), static_cast<bool>(imported));
        changed = StoreBytes() != before || CountMacros(m_macros.Get()) != count;
        return result;
    }

    std::wstring ExportedProfile()
    {
        const std::wstring path = m_folder.File(L"exported.dnp");
        EXPECT_EQ(CustomProfile()->Export(U16(path).c_str()), svc::kOk);
        return path;
    }
    std::wstring ExportedMacro()
    {
        const std::wstring path = m_folder.File(L"exported.dnm");
        EXPECT_EQ(CustomMacro()->Export(U16(path).c_str()), svc::kOk);
        return path;
    }

    svc::ComPtr<svc::IMouseService> m_service;
    svc::ComPtr<svc::IDeviceProfiles> m_profiles;
    svc::ComPtr<svc::IDeviceMacros> m_macros;
};

TEST_F(ExchangeFileTest, AProfileRoundTripsUnderAFreshId)
{
    auto original = CustomProfile();
    const std::wstring path = m_folder.File(L"T\u00FCrnier.dnp");
    ASSERT_EQ(original->Export(U16(path).c_str()), svc::kOk);
    const std::string file = platform::ReadFileBytes(path).value_or("");
    ASSERT_GE(file.size(), sim::kHeaderBytes);
    EXPECT_EQ(file.substr(0, 6), std::string("PXSM\x02\x00", 6)) << "magic, then kind 2";

    svc::ComPtr<svc::IDeviceProfile> imported;
    ASSERT_EQ(m_profiles->Import(U16(path).c_str(), imported.Put()), svc::kOk);
    EXPECT_NE(IdOf(imported.Get()), IdOf(original.Get()));
    EXPECT_EQ(IdOf(ProfileAt(m_profiles.Get(), 1).Get()), IdOf(imported.Get()));
    EXPECT_EQ(Settings(imported.Get()), Settings(original.Get()));
    EXPECT_NE(Settings(imported.Get()).find("b23:3/3/3735928559"), std::string::npos);
    EXPECT_NE(Settings(imported.Get()).find("path D:\\Play\\game.exe switches 2"), std::string::npos);
}

TEST_F(ExchangeFileTest, AMacroRoundTripsUnderAFreshId)
{
    auto original = CustomMacro();
    const std::wstring path = m_folder.File(L"reload.dnm");
    ASSERT_EQ(original->Export(U16(path).c_str()), svc::kOk);
    EXPECT_EQ(platform::ReadFileBytes(path).value_or("").substr(0, 6), std::string("PXSM\x03\x00", 6));
    svc::ComPtr<svc::IDeviceMacro> imported;
    ASSERT_EQ(m_macros->Import(U16(path).c_str(), imported.Put()), svc::kOk);
    EXPECT_NE(IdOf(imported.Get()), IdOf(original.Get()));
    EXPECT_EQ(MacroText(imported.Get()), MacroText(original.Get()));
    EXPECT_EQ(CountMacros(m_macros.Get()), 2u);
}

TEST_F(ExchangeFileTest, ExportingOverAnOldFileReplacesIt)
{
    const std::wstring path = m_folder.File(L"twice.dnp");
    ASSERT_TRUE(platform::WriteFileAtomically(path, std::string(5000, 'x')));
    auto profile = CustomProfile();
    ASSERT_EQ(profile->Export(U16(path).c_str()), svc::kOk);
    bool changed = false;
    EXPECT_EQ(ImportProfile(path, changed), svc::kOk);
}

TEST_F(ExchangeFileTest, ExportFailsWhereNoFileCanBeWritten)
{
    auto profile = ProfileAt(m_profiles.Get(), 0);
    const std::wstring path = m_folder.File(L"missing-folder") + platform::kPathSeparator + L"p.dnp";
    EXPECT_TRUE(svc::Failed(profile->Export(U16(path).c_str())));
    EXPECT_EQ(profile->Export(nullptr), svc::kInvalidArg);
    EXPECT_EQ(profile->Export(u""), svc::kInvalidArg);
}

TEST_F(ExchangeFileTest, AMissingFileImportsNothing)
{
    bool changed = true;
    EXPECT_EQ(ImportProfile(m_folder.File(L"none.dnp"), changed), sim::kFileNotFound);
    EXPECT_FALSE(changed);
    EXPECT_EQ(ImportMacro(m_folder.File(L"none.dnm"), changed), sim::kFileNotFound);
    EXPECT_FALSE(changed);
    svc::ComPtr<svc::IDeviceProfile> profile;
    EXPECT_EQ(m_profiles->Import(nullptr, profile.Put()), svc::kInvalidArg);
}

TEST_F(ExchangeFileTest, ImportFailsWhenTenProfilesAreStored)
{
    const std::wstring path = ExportedProfile();
    for (uint32_t i = CountProfiles(m_profiles.Get()); i < sim::kMaxProfiles; ++i) {
        svc::ComPtr<svc::IDeviceProfile> created;
        ASSERT_EQ(m_profiles->Create(created.Put(), nullptr), svc::kOk);
    }
    bool changed = true;
    EXPECT_EQ(ImportProfile(path, changed), sim::kLimitReached);
    EXPECT_FALSE(changed);
}

// --- refused files -----------------------------------------------------------------------------

struct BadFile
{
    const char* name;
    std::function<void(std::string&)> spoil;
};

const BadFile kBadFiles[] = {
    {"Garbage", [](std::string& b) { b = "this is not an exported file at all, just some text"; }},
    {"Empty", [](std::string& b) { b.clear(); }},
    {"TruncatedPayload", [](std::string& b) { b.resize(b.size() - 3); }},
    {"TruncatedHeader", [](std::string& b) { b.resize(sim::kHeaderBytes - 1); }},
    {"TrailingBytes", [](std::string& b) { b += "xyz"; }},
    {"FlippedByte", [](std::string& b) { b[sim::kHeaderBytes + 20] ^= 0x08; }},
    {"WrongVersion", [](std::string& b) { b[6] = 9; }},
    {"HeaderSize", [](std::string& b) { b[8] = 32; }},
    {"Oversized", [](std::string& b) { b.resize(sim::kMaxExchangeBytes + 1, 'z'); }},
    {"HugeFieldResealed", [](std::string& b) { PutU32(b, sim::kHeaderBytes + 16, 0x7FFFFFFF); Reseal(b); }},
};

class RefusedProfileFileTest : public ExchangeFileTest, public ::testing::WithParamInterface<BadFile>
{
};

TEST_P(RefusedProfileFileTest, ChangesNothing)
{
    const std::wstring path = ExportedProfile();
    std::string bytes = platform::ReadFileBytes(path).value();
    GetParam().spoil(bytes);
    ASSERT_TRUE(platform::WriteFileAtomically(path, bytes));
    bool changed = true;
    EXPECT_TRUE(svc::Failed(ImportProfile(path, changed)));
    EXPECT_FALSE(changed);
}

INSTANTIATE_TEST_SUITE_P(Files, RefusedProfileFileTest, ::testing::ValuesIn(kBadFiles),
                         [](const auto& info) { return std::string(info.param.name); });

class RefusedMacroFileTest : public ExchangeFileTest, public ::testing::WithParamInterface<BadFile>
{
};

TEST_P(RefusedMacroFileTest, ChangesNothing)
{
    const std::wstring path = ExportedMacro();
    std::string bytes = platform::ReadFileBytes(path).value();
    GetParam().spoil(bytes);
    ASSERT_TRUE(platform::WriteFileAtomically(path, bytes));
    bool changed = true;
    EXPECT_TRUE(svc::Failed(ImportMacro(path, changed)));
    EXPECT_FALSE(changed);
}

INSTANTIATE_TEST_SUITE_P(Files, RefusedMacroFileTest, ::testing::ValuesIn(kBadFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExchangeFileTest, EachKindIsRefusedByTheOtherImport)
{
    const std::wstring profilePath = ExportedProfile();
    const std::wstring macroPath = ExportedMacro();
    bool changed = true;
    EXPECT_EQ(ImportProfile(macroPath, changed), sim::kBadFile);
    EXPECT_FALSE(changed);
    EXPECT_EQ(ImportMacro(profilePath, changed), sim::kBadFile);
    EXPECT_FALSE(changed);
    EXPECT_EQ(ImportProfile(StorePath(), changed), sim::kBadFile) << "nor is a store a profile";
    EXPECT_FALSE(changed);
}

TEST_F(ExchangeFileTest, FieldsOutOfRangeAreRefusedEvenWithAGoodChecksum)
{
    sim::StoredProfile profile = sim::MakeNewProfile(Guid{1, 2, 3, {4}}, u"Bad");
    profile.sensitivityX = 0;
    const std::wstring badSensitivity = m_folder.File(L"sensitivity.dnp");
    ASSERT_TRUE(platform::WriteFileAtomically(badSensitivity, sim::EncodeProfile(profile)));
    bool changed = true;
    EXPECT_EQ(ImportProfile(badSensitivity, changed), sim::kBadFile);
    EXPECT_FALSE(changed);

    profile = sim::MakeNewProfile(Guid{1, 2, 3, {4}}, u"Bad");
    svc::ButtonRecord orphan;
    orphan.SetWord(4, 6);  // no button 6
    profile.buttons[6] = orphan;
    const std::wstring badButton = m_folder.File(L"button.dnp");
    ASSERT_TRUE(platform::WriteFileAtomically(badButton, sim::EncodeProfile(profile)));
    EXPECT_EQ(ImportProfile(badButton, changed), sim::kBadFile);
    EXPECT_FALSE(changed);

    sim::StoredMacro macro;
    macro.name = u"Bad";
    macro.events.push_back(svc::MacroEventEntry{9, {}});
    const std::wstring badEvent = m_folder.File(L"event.dnm");
    ASSERT_TRUE(platform::WriteFileAtomically(badEvent, sim::EncodeMacro(macro)));
    EXPECT_EQ(ImportMacro(badEvent, changed), sim::kBadFile);
    EXPECT_FALSE(changed);
}

}  // namespace
