#include <gtest/gtest.h>

#include "config/CSensitivitySettings.h"
#include "config/CVantixConfig.h"

namespace {

using Axis = CSensitivitySettings::Axis;

class SensitivitySettingsTest : public ::testing::Test
{
protected:
    SensitivitySettingsTest() { config.SetActiveProfile(config.CreateProfile(L"Default")); }

    CVantixConfig config{L"unused-folder"};
    CSensitivitySettings settings{config};
};

TEST_F(SensitivitySettingsTest, EachResolutionPlacesItsEndsAtTheFirstAndLastPosition)
{
    const auto low = *CSensitivitySettings::RangeOf(800);
    const auto high = *CSensitivitySettings::RangeOf(1800);
    EXPECT_EQ(CSensitivitySettings::Positions(low), 70);
    EXPECT_EQ(CSensitivitySettings::Positions(high), 80);
    EXPECT_EQ(CSensitivitySettings::PositionOf(low, 800), 70);
    EXPECT_EQ(CSensitivitySettings::PositionOf(low, 110), 1);
    EXPECT_EQ(CSensitivitySettings::PositionOf(high, 1800), 80);
    EXPECT_EQ(CSensitivitySettings::PositionOf(high, 220), 1);
    EXPECT_EQ(CSensitivitySettings::ValueAt(high, 80), 1800);
    EXPECT_FALSE(CSensitivitySettings::RangeOf(1200).has_value());
}

TEST_F(SensitivitySettingsTest, ResolutionButtonSetsTheRangeAndTheTopValues)
{
    settings.SetFromPosition(Axis::Both, 40);
    EXPECT_EQ(config.GetSensitivity(), 500);
    ASSERT_TRUE(settings.ChooseResolution(1800));
    EXPECT_EQ(config.GetResolution(), 1800);
    EXPECT_EQ(config.GetSensitivity(), 1800);
    EXPECT_EQ(config.GetSensitivityY(), 1800);
    EXPECT_EQ(settings.PositionOf(Axis::X), 80);
    settings.SetFromPosition(Axis::Y, 1);
    EXPECT_EQ(config.GetSensitivityY(), 220);
    EXPECT_FALSE(settings.ChooseResolution(1000));
    EXPECT_EQ(config.GetResolution(), 1800);
}

TEST_F(SensitivitySettingsTest, SeparatingCopiesTheCombinedValueAndLinkingCopiesX)
{
    settings.SetFromPosition(Axis::Both, 50);
    ASSERT_TRUE(settings.SetSeparate(true));
    EXPECT_EQ(config.GetSensitivityX(), 600);
    EXPECT_EQ(config.GetSensitivityY(), 600);
    EXPECT_FALSE(settings.SetSeparate(true));
    settings.SetFromPosition(Axis::X, 10);
    ASSERT_TRUE(settings.SetSeparate(false));
    EXPECT_EQ(config.GetSensitivity(), 200);
}

}  // namespace
