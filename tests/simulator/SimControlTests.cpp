#include "SimulatorFixture.h"
#include "platform/Utf16.h"
#include "simulator/SimulatorControl.h"

namespace {

TEST(SimulatorControlTest, AControlTextSetsEveryOption)
{
    sim::SimulatorOptions options;
    std::string error;
    ASSERT_TRUE(sim::ApplyControlText("\xEF\xBB\xBF# devices around the mouse\r\n"
                                      "devices-before 0x30, 49\r\n"
                                      "\r\n"
                                      "devices-after 25\n"
                                      "  no-mouse  \n"
                                      "fail-info 1 3\n"
                                      "fail IDeviceProfiles.Create 2\n"
                                      "fail ISensitivity.Set 3+ 0x8007001F\n"
                                      "store /tmp/sim folder\n"
                                      "refuse-service\n",
                                      "control.txt", options, error))
        << error;
    EXPECT_EQ(options.devicesBefore, (std::vector<uint32_t>{0x30, 49}));
    EXPECT_EQ(options.devicesAfter, std::vector<uint32_t>{25});
    EXPECT_TRUE(options.mouseAbsent);
    EXPECT_TRUE(options.refuseService);
    EXPECT_EQ(options.failingInfo, (std::vector<uint32_t>{1, 3}));
    EXPECT_EQ(options.storeFolder, L"/tmp/sim folder");
    ASSERT_EQ(options.faults.size(), 2u);
    EXPECT_EQ(options.faults[0].operation, sim::SimOperation::ProfilesCreate);
    EXPECT_EQ(options.faults[0].call, 2u);
    EXPECT_FALSE(options.faults[0].andLater);
    EXPECT_EQ(options.faults[0].result, svc::kFail);
    EXPECT_EQ(options.faults[1].operation, sim::SimOperation::SensitivitySet);
    EXPECT_EQ(options.faults[1].call, 3u);
    EXPECT_TRUE(options.faults[1].andLater);
    EXPECT_EQ(options.faults[1].result, static_cast<svc::HRESULT>(0x8007001Fu));
}

struct BadLine
{
    const char* text;
    const char* message;
};

class SimulatorControlErrorTest : public ::testing::TestWithParam<BadLine>
{
};

TEST_P(SimulatorControlErrorTest, NamesTheSourceAndLine)
{
    sim::SimulatorOptions options;
    std::string error;
    EXPECT_FALSE(sim::ApplyControlText(std::string("# fine\n") + GetParam().text + "\n", "ctl", options, error));
    EXPECT_EQ(error.rfind("ctl:2: ", 0), 0u) << error;
    EXPECT_NE(error.find(GetParam().message), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(Lines, SimulatorControlErrorTest,
                         ::testing::Values(BadLine{"devices-befor 25", "unknown setting 'devices-befor'"},
                                           BadLine{"devices-after", "expected one or more product id"},
                                           BadLine{"devices-after 0x10000", "not a valid product id"},
                                           BadLine{"devices-after 2x", "not a valid product id"},
                                           BadLine{"fail IDeviceProfiles.Creat 1", "unknown operation"},
                                           BadLine{"fail ISensitivity.Set 0", "1 or more"},
                                           BadLine{"fail ISensitivity.Set", "expected"},
                                           BadLine{"fail ISensitivity.Set 1 0x1", "failure HRESULT"},
                                           BadLine{"no-mouse please", "takes no arguments"},
                                           BadLine{"store", "expected a folder"}));

TEST(SimulatorOperationTest, EveryOperationHasAUniqueNameThatFindsIt)
{
    for (size_t i = 0; i < sim::kOperationCount; ++i) {
        const auto operation = static_cast<sim::SimOperation>(i);
        const std::string_view name = sim::OperationName(operation);
        ASSERT_FALSE(name.empty());
        EXPECT_EQ(sim::FindOperation(name), operation) << name;
        EXPECT_EQ(name.front(), 'I') << name;
        EXPECT_NE(name.find('.'), std::string_view::npos) << name;
    }
    EXPECT_FALSE(sim::FindOperation("ideviceprofiles.create")) << "names are matched exactly";
}

// The environment as the COM server reads it.
class SimulatorEnvironmentTest : public SimulatorTest
{
protected:
    std::string FolderUtf8() const { return platform::ToUtf8(m_folder.Path()); }
};

TEST_F(SimulatorEnvironmentTest, ShortcutsThenTheControlFile)
{
    const std::wstring control = m_folder.File(L"control.txt");
    ASSERT_TRUE(platform::WriteFileAtomically(control, "devices-after 0x31\nfail IPollingRate.Set 1\n"));
    ScopedEnvironment dir("PERAXIL_SIM_DIR", FolderUtf8());
    ScopedEnvironment before("PERAXIL_SIM_DEVICES_BEFORE", "0x30,25");
    ScopedEnvironment fail("PERAXIL_SIM_FAIL", "IDeviceProfiles.Create 2; ISensitivity.Set 1+ ;");
    ScopedEnvironment info("PERAXIL_SIM_FAIL_INFO", "0");
    ScopedEnvironment noMouse("PERAXIL_SIM_NO_MOUSE", "0");
    ScopedEnvironment file("PERAXIL_SIM_CONTROL", platform::ToUtf8(control));

    sim::SimulatorOptions options;
    std::string error;
    ASSERT_TRUE(sim::OptionsFromEnvironment(options, error)) << error;
    EXPECT_EQ(options.storeFolder, m_folder.Path());
    EXPECT_EQ(options.devicesBefore, (std::vector<uint32_t>{0x30, 25}));
    EXPECT_EQ(options.devicesAfter, std::vector<uint32_t>{0x31});
    EXPECT_EQ(options.failingInfo, std::vector<uint32_t>{0});
    EXPECT_FALSE(options.mouseAbsent) << "0 switches it off";
    ASSERT_EQ(options.faults.size(), 3u);
    EXPECT_EQ(options.faults[0].operation, sim::SimOperation::ProfilesCreate);
    EXPECT_TRUE(options.faults[1].andLater);
    EXPECT_EQ(options.faults[2].operation, sim::SimOperation::PollingRateSet);

    // And the service made from the environment presents exactly that.
    svc::ComPtr<svc::IMouseService> service(sim::CreateSimulatedService());
    ASSERT_TRUE(service);
    svc::ComPtr<svc::IServiceDevice> first;
    ASSERT_EQ(service->GetDevice(0, first.Put()), svc::kOk);
    svc::DeviceInfo infoOfFirst;
    EXPECT_TRUE(svc::Failed(first->GetInfo(&infoOfFirst)));
    EXPECT_TRUE(FindDevice(service.Get(), 25));
    EXPECT_TRUE(FindDevice(service.Get(), 0x31));
    EXPECT_TRUE(Mouse(service.Get()));
    EXPECT_TRUE(std::filesystem::exists(platform::ToFsPath(StorePath())));
}

TEST_F(SimulatorEnvironmentTest, AnAbsentMouseFromTheEnvironment)
{
    ScopedEnvironment dir("PERAXIL_SIM_DIR", FolderUtf8());
    ScopedEnvironment noMouse("PERAXIL_SIM_NO_MOUSE", "1");
    svc::ComPtr<svc::IMouseService> service(sim::CreateSimulatedService());
    ASSERT_TRUE(service);
    EXPECT_FALSE(Mouse(service.Get()));
}

TEST_F(SimulatorEnvironmentTest, MalformedSettingsRefuseTheServiceAndSaySo)
{
    ScopedEnvironment dir("PERAXIL_SIM_DIR", FolderUtf8());
    {
        ScopedEnvironment fail("PERAXIL_SIM_FAIL", "IDeviceProfiles.Create");
        testing::internal::CaptureStderr();
        EXPECT_EQ(sim::CreateSimulatedService(), nullptr);
        EXPECT_NE(testing::internal::GetCapturedStderr().find("PERAXIL_SIM_FAIL:1: "), std::string::npos);
    }
    {
        ScopedEnvironment noMouse("PERAXIL_SIM_NO_MOUSE", "maybe");
        testing::internal::CaptureStderr();
        EXPECT_EQ(sim::CreateSimulatedService(), nullptr);
        EXPECT_NE(testing::internal::GetCapturedStderr().find("expected 1 or 0"), std::string::npos);
    }
    {
        ScopedEnvironment file("PERAXIL_SIM_CONTROL", platform::ToUtf8(m_folder.File(L"missing.txt")));
        testing::internal::CaptureStderr();
        EXPECT_EQ(sim::CreateSimulatedService(), nullptr);
        EXPECT_NE(testing::internal::GetCapturedStderr().find("cannot read the control file"), std::string::npos);
    }
    {
        ScopedEnvironment refuse("PERAXIL_SIM_REFUSE_SERVICE", "yes");
        EXPECT_EQ(sim::CreateSimulatedService(), nullptr);
    }
    svc::ComPtr<svc::IMouseService> service(sim::CreateSimulatedService());
    EXPECT_TRUE(service) << "with the bad settings gone the service is made again";
}

TEST_F(SimulatorEnvironmentTest, TheDefaultFolder)
{
#ifdef _WIN32
    ScopedEnvironment local("LOCALAPPDATA", "C:\\Users\\tester\\AppData\\Local");
    EXPECT_EQ(sim::DefaultStoreFolder(), L"C:\\Users\\tester\\AppData\\Local\\PeraxilSim");
#else
    {
        ScopedEnvironment data("XDG_DATA_HOME", "/home/tester/data");
        EXPECT_EQ(sim::DefaultStoreFolder(), L"/home/tester/data/peraxil-sim");
    }
    ScopedEnvironment data("XDG_DATA_HOME", "");
    ScopedEnvironment home("HOME", "/home/tester");
    EXPECT_EQ(sim::DefaultStoreFolder(), L"/home/tester/.local/share/peraxil-sim");
#endif
}

}  // namespace
