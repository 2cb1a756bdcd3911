#include <gtest/gtest.h>

#include "config/CDpiStageList.h"
#include "config/CVantixConfig.h"

namespace {

using Stage = CDpiStageList::Stage;

class DpiStageListTest : public ::testing::Test
{
protected:
    // The active profile with three stages (400, 900, 1600), two of them active, the second
    // current, in the range 100 to 8200 in steps of 100.
    DpiStageListTest()
    {
        profile = config.CreateProfile(L"Three");
        config.SetActiveProfile(profile);
        config.SetResolutionRange(100, 8200, 100, profile);
        (void)config.SetResolutionStageCount(3, profile);
        config.SetResolutionActiveStageCount(2, profile);
        const uint32_t values[] = {400, 900, 1600};
        for (uint32_t number = 1; number <= 3; ++number)
        {
            config.SetResolutionStageValue(number, values[number - 1], profile);
            config.SetResolutionStageValueX(number, values[number - 1], profile);
            config.SetResolutionStageValueY(number, values[number - 1], profile);
        }
        (void)config.SelectResolutionStage(2, profile);
    }

    CVantixConfig config{L"unused-folder"};
    IMouseProfile* profile = nullptr;
};

TEST_F(DpiStageListTest, AProfileWithThreeStagesIsPaddedToFiveWithTheDefaults)
{
    const CDpiStageList list = CDpiStageList::FromConfig(config);
    ASSERT_EQ(list.Size(), 5u);
    EXPECT_EQ(list.ActiveCount(), 2u);
    EXPECT_EQ(list.CurrentIndex(), 1);
    EXPECT_EQ(list.At(2).value, 1600);
    EXPECT_FALSE(list.At(2).enabled);
    for (size_t index : {3u, 4u})
    {
        const Stage& added = list.At(index);
        EXPECT_EQ(added.value, CDpiStageList::kDefaultValues[index]);
        EXPECT_EQ(added.xValue, added.value);
        EXPECT_EQ(added.yValue, added.value);
        EXPECT_FALSE(added.enabled || added.current || added.separate);
    }
    EXPECT_EQ(list.At(3).value, 4000);
    EXPECT_EQ(list.At(4).value, 5600);
}

TEST_F(DpiStageListTest, AProfileWithoutStagesOffersTheDefaultsActiveAndKeepsThem)
{
    config.SetActiveProfile(config.CreateProfile(L"Fresh"));
    const CDpiStageList list = CDpiStageList::FromConfig(config);
    ASSERT_EQ(list.Size(), 5u);
    EXPECT_EQ(list.ActiveCount(), 5u);
    EXPECT_EQ(list.CurrentIndex(), 0);
    EXPECT_TRUE(list.At(4).enabled);
    ASSERT_TRUE(list.StoreInto(config));
    const CDpiStageList again = CDpiStageList::FromConfig(config);
    for (size_t index = 0; index < again.Size(); ++index)
        EXPECT_EQ(again.At(index).value, CDpiStageList::kDefaultValues[index]) << "a profile without a range";
}

TEST_F(DpiStageListTest, CountStaysWithinOneAndTheStagesAndTheCurrentMarkFollows)
{
    CDpiStageList list = CDpiStageList::FromConfig(config);
    ASSERT_TRUE(list.Select(4));
    list.ChangeActiveCount(+9);
    EXPECT_EQ(list.ActiveCount(), 5u);
    list.ChangeActiveCount(-2);
    EXPECT_EQ(list.ActiveCount(), 3u);
    EXPECT_EQ(list.CurrentIndex(), 2) << "the mark moves to the last enabled stage";
    list.ChangeActiveCount(-7);
    EXPECT_EQ(list.ActiveCount(), 1u);
    EXPECT_EQ(list.CurrentIndex(), 0);
    EXPECT_TRUE(list.At(0).enabled);
    EXPECT_FALSE(list.At(1).enabled);
    EXPECT_FALSE(list.Select(5));
}

TEST_F(DpiStageListTest, SliderPositionsAndTheXYSwitch)
{
    CDpiStageList list = CDpiStageList::FromConfig(config);
    EXPECT_EQ(list.FirstPosition(), 1);
    EXPECT_EQ(list.LastPosition(), 82);
    EXPECT_EQ(list.ValueOfPosition(83), 8200) << "past the end gives the maximum";
    EXPECT_EQ(list.ValueOfPosition(0), 100);
    EXPECT_EQ(list.ValueOfPosition(12), 1200);
    EXPECT_EQ(list.PositionOfValue(1200), 12);

    list.SetCurrentValue(CDpiStageList::Axis::Both, 1500);
    list.SetCurrentSeparate(true);
    EXPECT_EQ(list.At(1).xValue, 1500);
    EXPECT_EQ(list.At(1).yValue, 1500);
    list.SetCurrentValue(CDpiStageList::Axis::X, 700);
    list.SetCurrentValue(CDpiStageList::Axis::Y, 2500);
    list.SetCurrentSeparate(false);
    EXPECT_EQ(list.At(1).value, 700) << "linking again takes X";
    EXPECT_EQ(list.At(1).yValue, 2500);
}

TEST_F(DpiStageListTest, StoringGrowsTheProfileSoThePaddedStagesKeepTheirOwnPlaces)
{
    CDpiStageList list = CDpiStageList::FromConfig(config);
    list.ChangeActiveCount(+3);
    ASSERT_TRUE(list.Select(3));
    list.SetCurrentValue(CDpiStageList::Axis::Both, 3000);
    ASSERT_TRUE(list.StoreInto(config));

    EXPECT_EQ(config.GetResolutionStageCount(), 5u);
    EXPECT_EQ(config.GetResolutionActiveStageCount(), 5u);
    EXPECT_EQ(config.GetResolutionStageValue(3), 1600) << "the third stage is not overwritten";
    EXPECT_EQ(config.GetResolutionStageValue(4), 3000);
    EXPECT_EQ(config.GetResolutionStageValue(5), 5600);
    EXPECT_EQ(config.GetResolutionStage(), 4);
    EXPECT_EQ(config.GetResolution(), 3000);

    CVantixConfig empty{L"unused-folder"};
    EXPECT_FALSE(list.StoreInto(empty));
}

}  // namespace
