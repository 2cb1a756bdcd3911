#include <gtest/gtest.h>

#include "TraySnapshots.h"
#include "device/MouseTestSupport.h"
#include "platform/Utf16.h"
#include "tray/CTrayController.h"
#include "tray/CTrayDevice.h"

using traytest::kGame;

namespace {

// The configurator's side: the stored "Default" (active) and a "Racing" profile tied to the
// game, one macro, written as Apply does.
class TrayOverSimulatorTest : public SimulatedMouseTest
{
protected:
    void SetUp() override
    {
        Started started = Start();
        ASSERT_TRUE(started.read);
        CVantixConfig& config = *started.config;
        IMouseProfile* racing = config.CreateProfile(L"Racing");
        config.SetProgramPath(racing, kGame);
        config.SetAutoSwitch(racing, true);
        config.SetResolution(1800, racing);
        config.SetProfileOsdAll(true);
        CMacro* macro = config.AddMacro(L"Hello", 0);
        macro->Events().push_back(MacroEvent::Delay(50));
        ASSERT_TRUE(WriteAndWait(started, TransferFlag::kAll));
    }

    // What the configurator reads at its next start: the active profile's name.
    std::wstring ActiveOnTheMouse()
    {
        Started started = Start();
        const IMouseProfile* active = started.config->GetActiveProfile();
        return active != nullptr ? active->GetName() : L"(none)";
    }

    tray::CTrayDevice device{Factory(), program.Path()};
};

}  // namespace

TEST_F(TrayOverSimulatorTest, FollowsTheProgramInFrontThroughTheDeviceService)
{
    tray::CTrayController controller(device, tray::CTrayTexts{});
    EXPECT_EQ(controller.Refresh(L"C:\\Windows\\explorer.exe"), std::nullopt);
    ASSERT_TRUE(controller.Mouse().present);
    ASSERT_EQ(controller.Mouse().profiles.size(), 2u);
    EXPECT_EQ(controller.Mouse().profiles[1].programPath, kGame);
    EXPECT_EQ(controller.Mouse().profiles[1].resolution, 1800);

    const auto shown = controller.Refresh(L"c:/games/racer/RACER.EXE");
    EXPECT_EQ(ActiveOnTheMouse(), L"Racing");
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->text, L"Racing");

    EXPECT_TRUE(controller.Refresh(L"C:\\Windows\\explorer.exe").has_value());
    EXPECT_EQ(ActiveOnTheMouse(), L"Default");

    // Switching wrote nothing but the active profile: the macro and both profiles are kept.
    Started again = Start();
    EXPECT_EQ(again.config->GetProfileCount(), 2u);
    ASSERT_EQ(again.config->GetMacroCount(), 1u);
    EXPECT_EQ(again.config->GetMacroAt(0)->Events().size(), 1u);
}

TEST_F(TrayOverSimulatorTest, NoticesWhatTheConfiguratorAppliesAndWhatTheUserChooses)
{
    tray::CTrayController controller(device, tray::CTrayTexts{});
    (void)controller.Refresh(L"");
    {
        Started started = Start();
        started.config->SetAutoSwitch(started.config->FindProfileByName(L"Racing"), false);
        ASSERT_TRUE(WriteAndWait(started, TransferFlag::kProfileParts));
    }
    EXPECT_EQ(controller.Refresh(kGame), std::nullopt);
    EXPECT_EQ(ActiveOnTheMouse(), L"Default");

    std::optional<tray::OsdMessage> shown;
    EXPECT_TRUE(controller.ChooseProfile(1, shown));
    EXPECT_EQ(ActiveOnTheMouse(), L"Racing");
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->detail, L"1800 DPI");

    controller.SetDisplaysOn(false);
    EXPECT_TRUE(controller.ChooseProfile(0, shown));
    EXPECT_EQ(shown, std::nullopt);
    EXPECT_FALSE(controller.ChooseProfile(7, shown));
}

TEST_F(TrayOverSimulatorTest, AMissingMouseShowsAsAbsentAndSwitchesNothing)
{
    options.mouseAbsent = true;
    tray::CTrayController controller(device, tray::CTrayTexts{});
    EXPECT_EQ(controller.Refresh(kGame), std::nullopt);
    EXPECT_FALSE(controller.Mouse().present);
    EXPECT_FALSE(device.Activate(Guid{}));
}
