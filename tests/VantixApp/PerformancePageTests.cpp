// The performance page through the real main window over the simulated mouse: resolution,
// a sensitivity thumb dragged with real X input, X/Y, acceleration, polling rate and the stages
// pop-up, read back from the mouse after Apply; a shown profile keeps its values; reset.
#include "../support/RealInput.h"
#include "../support/XInputScript.h"
#include "MainWindowFixture.h"
#include "controls/CSliderHMulti.h"
#include "skin/win/CBitmapBtn.h"

class PerformancePageTest : public MainWindowTest
{
protected:
    void Press(int32_t identifier) { SendMessageW(ItemWindow(identifier), BM_CLICK, 0, 0); }
    CSliderHMulti& Slider(int32_t identifier) { return *window->BoundAs<CSliderHMulti>(identifier); }
};

TEST_F(PerformancePageTest, EverySettingReachesTheMouse)
{
    Open();
    window->ShowPage(PageBit::kPerformance);
    // The stages first: the stage chosen there becomes the resolution.
    popups.editResult = 1;
    popups.editStages = [](CDpiStageList& stages) { stages.ChangeActiveCount(+9); };
    Click(ItemId::BUTTON_SENSITIVITY_STAGES);
    ASSERT_TRUE(popups.stagesGiven.has_value());
    EXPECT_EQ(popups.stagesGiven->Size(), 5u);
    Press(ItemId::BUTTON_DPI2);
    ASSERT_EQ(config->GetResolution(), 1800);
    EXPECT_EQ(config->GetSensitivity(), 1800);
    CSliderHMulti& slider = Slider(ItemId::SLIDER_DPI_MULTI_1800);
    CPHSlider& thumb = *slider.Thumb(0);
    EXPECT_EQ(thumb.GetValue(), 80);

    const int32_t from = thumb.Scale().CentreOf(80);
    const int32_t to = thumb.Scale().CentreOf(40);
    CXInputScript script;
    script.Then(L"windowfocus --sync " + CXInputScript::XWindowOf(window->Handle()))
        .Then(L"mousemove " + wintest::ScreenArguments(slider.Handle(), from, 18) + L" mousedown 1 mousemove " +
              wintest::ScreenArguments(slider.Handle(), (from + to) / 2, 20) + L" mousemove " +
              wintest::ScreenArguments(slider.Handle(), to, 22) + L" mouseup 1");
    ASSERT_TRUE(script.Run([&] { return !thumb.IsDragging() && config->GetSensitivity() == 1000; }))
        << script.Failure();

    Press(ItemId::BUTTON_ENABLEXY);
    EXPECT_EQ(config->GetSensitivityX(), 1000);
    SendMessageW(window->Handle(), Notification::kSliderMoved, 10, ItemId::SLIDER_DPI_MULTI_Y_STAGE1);
    EXPECT_EQ(config->GetSensitivityY(), 400);
    if (!config->GetAccelerationEnabled())
        Press(ItemId::BUTTON_ENABLEACCELERATION);
    SendMessageW(window->Handle(), Notification::kSliderMoved, 99, ItemId::SLIDER_ACCEL_STAGE1);
    EXPECT_EQ(config->GetAccelerationLevel(), config->GetAccelerationMax());
    EXPECT_EQ(window->BoundAs<CBitmapBtn>(ItemId::BUTTON_RATE1)->Caption().substr(0, 4), L"125 ");
    Press(ItemId::BUTTON_RATE3);

    Click(ItemId::BUTTON_APPLY);
    WaitForTransfer();
    const auto stored = ReadStoredConfig();
    EXPECT_EQ(stored->GetResolution(), 1800);
    EXPECT_TRUE(stored->GetSensitivitySeparateXY());
    EXPECT_EQ(stored->GetSensitivityX(), 1000);
    EXPECT_EQ(stored->GetSensitivityY(), 400);
    EXPECT_TRUE(stored->GetAccelerationEnabled());
    EXPECT_EQ(stored->GetAccelerationLevel(), config->GetAccelerationMax());
    EXPECT_EQ(stored->GetPollingRateIndex(), 2);
    // The mouse keeps no stages; the program holds them for the session.
    EXPECT_EQ(config->GetResolutionActiveStageCount(), 5u);
}

TEST_F(PerformancePageTest, TheCurrentStageSetsOnlyAResolutionTheMouseOffers)
{
    Open();
    window->ShowPage(PageBit::kPerformance);
    Press(ItemId::BUTTON_DPI2);
    popups.editResult = 1;
    popups.editStages = [](CDpiStageList& stages) { (void)stages.Select(1); };
    Click(ItemId::BUTTON_SENSITIVITY_STAGES);
    EXPECT_EQ(config->GetResolution(), 1800) << "stage 2 is at 1200";

    popups.editStages = [](CDpiStageList& stages) { (void)stages.Select(0); };
    Click(ItemId::BUTTON_SENSITIVITY_STAGES);
    EXPECT_EQ(config->GetResolution(), 800);
    EXPECT_EQ(config->GetSensitivity(), 800) << "the top of the new range, as its button gives";
    EXPECT_EQ(Slider(ItemId::SLIDER_DPI_MULTI).Thumb(0)->GetValue(), 70);
}

TEST_F(PerformancePageTest, ShowingAProfileKeepsItsSensitivity)
{
    Open();
    config->SetResolution(800);
    config->SetSensitivityRange(110, 800, 10);
    config->SetSensitivity(500);
    window->RefreshPages();
    window->ShowPage(PageBit::kPerformance);
    EXPECT_EQ(config->GetSensitivity(), 500);
    EXPECT_EQ(Slider(ItemId::SLIDER_DPI_MULTI).Thumb(0)->GetValue(), 40);
    EXPECT_EQ(window->DirtyMask(), 0);
}

TEST_F(PerformancePageTest, ResetAsksAndMarksByTheMaskRule)
{
    Open();
    window->ShowPage(PageBit::kPerformance);
    popups.warningResult = 2;
    Click(ItemId::BUTTON_RESET);
    EXPECT_EQ(window->DirtyMask(), 0) << "declined";
    popups.warningResult = 1;
    Press(ItemId::BUTTON_DPI2);
    Click(ItemId::BUTTON_APPLY);
    WaitForTransfer();
    Click(ItemId::BUTTON_RESET);
    ASSERT_EQ(popups.requests.back().layoutFile, L"RestorePopup.xml");
    EXPECT_EQ(config->GetResolution(), 800);
    EXPECT_EQ(window->DirtyMask(), TransferFlag::kAll);
}
