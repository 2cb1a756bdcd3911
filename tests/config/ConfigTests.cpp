#include <gtest/gtest.h>

#include "config/AssignmentTables.h"
#include "config/CVantixConfig.h"
#include "macro/CMacro.h"

namespace {

class ConfigTest : public ::testing::Test
{
protected:
    CVantixConfig config{L"unused-folder"};
};

TEST_F(ConfigTest, WithoutAnyProfileTheFallbacksAnswer)
{
    EXPECT_TRUE(config.GetKeysEnabled());
    EXPECT_EQ(config.GetKeyAssignment(5).functionCode, -1);
    uint32_t min = 7, max = 8, step = 9;
    EXPECT_FALSE(config.GetSensitivityRange(min, max, step));
    EXPECT_EQ(min, 7u);
    EXPECT_EQ(max, 8u);
    EXPECT_EQ(step, 9u);

    config.SetResolutionRange(100, 1800, 100);
    EXPECT_TRUE(config.GetResolutionRange(min, max, step));
    EXPECT_EQ(min, 100u);
    EXPECT_EQ(max, 1800u);
    EXPECT_EQ(step, 100u);

    EXPECT_EQ(config.GetResolution(), 0);
    EXPECT_EQ(config.GetProgramPath(), L"");
    EXPECT_FALSE(config.GetAutoSwitch());
    EXPECT_FALSE(config.HasClickAssignment());
    EXPECT_FALSE(config.SetButtonAssignment(1, AssignmentInfo::Function(0)));
    EXPECT_EQ(config.GetButtonAssignment(1).functionCode, -1);
    EXPECT_EQ(config.GetKeyAt(0), 0u);
    EXPECT_EQ(config.GetPollingRateIndex(), -1);
}

TEST_F(ConfigTest, FallbackStagesFollowTheProfileRules)
{
    EXPECT_FALSE(config.SetResolutionStageCount(0));
    EXPECT_TRUE(config.SetResolutionStageCount(12));
    EXPECT_EQ(config.GetResolutionStageCount(), 10u);

    config.SetResolutionRange(200, 1600, 100);
    config.SetResolutionStageValue(2, 50);
    config.SetResolutionStageValue(30, 5000);
    config.SetResolutionStageValueY(3, 700);
    EXPECT_EQ(config.GetResolutionStageValue(2), 200);
    EXPECT_EQ(config.GetResolutionStageValue(10), 1600);
    EXPECT_EQ(config.GetResolutionStageValueY(3), 700);
    EXPECT_EQ(config.GetResolutionStageValueX(3), 0);

    config.SetResolutionActiveStageCount(4);
    EXPECT_EQ(config.GetResolutionActiveStageCount(), 4u);
    config.SetResolutionActiveStageCount(40);
    EXPECT_EQ(config.GetResolutionActiveStageCount(), 10u);

    EXPECT_EQ(config.SelectResolutionStage(3), 2);
    EXPECT_EQ(config.GetResolutionStage(), 3);
    EXPECT_EQ(config.SelectResolutionStage(0), -1);

    config.SetResolutionSeparateXY(true);
    EXPECT_TRUE(config.GetResolutionStageSeparateXY(1));
    config.SetGlowLight(true);
    EXPECT_TRUE(config.GetGlowLight());
}

TEST_F(ConfigTest, FallbackStageValuesReadZeroBeforeTheyExist)
{
    config.SetResolutionStageValue(1, 500);
    EXPECT_EQ(config.GetResolutionStageValue(1), 0);
}

TEST_F(ConfigTest, ExplicitStageCountWithoutProfileLeavesTheActiveProfileAlone)
{
    IMouseProfile* active = config.CreateProfile(L"A");
    config.SetActiveProfile(active);
    active->SetResolutionStageCount(2);
    EXPECT_TRUE(config.SetResolutionStageCount(5));
    EXPECT_EQ(active->GetResolutionStageCount(), 2u);
    EXPECT_EQ(config.GetResolutionStageCount(), 2u) << "the getter does use the active profile";
    EXPECT_FALSE(config.SetSensitivityStageCount(5)) << "sensitivity stages need a profile argument";
    EXPECT_TRUE(config.SetSensitivityStageCount(5, active));
    EXPECT_EQ(config.GetSensitivityStageCount(), 5u);
}

TEST_F(ConfigTest, AccelerationLevelIsKeptInsideTheRange)
{
    config.SetAccelerationRange(1, 10);
    EXPECT_EQ(config.SetAccelerationLevel(0), 1);
    EXPECT_EQ(config.SetAccelerationLevel(11), 10);
    EXPECT_EQ(config.SetAccelerationLevel(7), 7);
    EXPECT_EQ(config.GetAccelerationLevel(), 7);
    EXPECT_EQ(config.GetAccelerationMin(), 1);
    EXPECT_EQ(config.GetAccelerationMax(), 10);
}

TEST_F(ConfigTest, NewProfilesStartFromTheDefaults)
{
    config.SetPollingRateIndex(2);
    IMouseProfile* profile = config.CreateProfile(L"Default");
    ASSERT_NE(profile, nullptr);
    EXPECT_EQ(config.GetProfileCount(), 1u);
    EXPECT_EQ(config.GetActiveProfile(), nullptr) << "creating does not activate";

    EXPECT_EQ(profile->GetButtonAssignment(1).functionCode, 0);
    EXPECT_EQ(profile->GetButtonAssignment(2).functionCode, 1);
    EXPECT_EQ(profile->GetButtonAssignment(3).functionCode, 2);
    EXPECT_EQ(profile->GetButtonAssignment(10).functionCode, 39);
    EXPECT_EQ(profile->GetButtonAssignment(11).functionCode, 40);
    ASSERT_EQ(profile->GetKeyCount(), 24u);
    EXPECT_EQ(profile->GetKeyAt(0), 2u);
    EXPECT_EQ(profile->GetKeyAt(11), 13u);
    EXPECT_EQ(profile->GetKeyAt(12), 79u);
    EXPECT_EQ(profile->GetKeyAt(23), 78u);
    EXPECT_EQ(profile->GetKeyAssignment(71), AssignmentInfo::SingleKey(71, 0, 0));
    EXPECT_TRUE(profile->GetKeysEnabled());
    EXPECT_EQ(profile->GetResolution(), 800);
    uint32_t min = 0, max = 0, step = 0;
    profile->GetSensitivityRange(min, max, step);
    EXPECT_EQ(min, 110u);
    EXPECT_EQ(max, 800u);
    EXPECT_EQ(step, 10u);
    EXPECT_EQ(profile->GetSensitivity(), 800);
    EXPECT_EQ(profile->GetSensitivityX(), 800);
    EXPECT_EQ(profile->GetSensitivityY(), 800);
    EXPECT_TRUE(profile->GetAuxLight());
    EXPECT_TRUE(profile->GetGlowLight());
    EXPECT_TRUE(profile->GetDpiOsd());
    EXPECT_FALSE(profile->GetProfileOsd());
    EXPECT_FALSE(profile->GetAutoSwitch());
    EXPECT_EQ(config.GetPollingRateIndex(), 0) << "creating a profile resets the rate to 125 Hz";
    EXPECT_TRUE(config.GetGlowLight()) << "the lights also set the fallback values";
}

TEST_F(ConfigTest, ProfileOsdFollowsTheActiveProfileWhenCreating)
{
    IMouseProfile* first = config.CreateProfile(L"First");
    config.SetActiveProfile(first);
    first->SetProfileOsd(true);
    IMouseProfile* second = config.CreateProfile(L"Second");
    EXPECT_TRUE(second->GetProfileOsd());

    config.SetActiveProfile(nullptr);
    config.CreateProfile(L"Third");
    for (uint32_t i = 0; i < config.GetProfileCount(); ++i)
        EXPECT_FALSE(config.GetProfileAt(i)->GetProfileOsd()) << i;
}

TEST_F(ConfigTest, ResettingTheActiveProfileTurnsProfileOsdOnEverywhere)
{
    IMouseProfile* first = config.CreateProfile(L"First");
    IMouseProfile* second = config.CreateProfile(L"Second");
    config.SetActiveProfile(first);
    first->SetResolution(1800);
    first->SetButtonAssignment(1, AssignmentInfo::Function(3));
    first->SetProgramPath(L"C:\\x.exe");

    config.ApplyProfileDefaults();
    EXPECT_EQ(first->GetResolution(), 800);
    EXPECT_EQ(first->GetButtonAssignment(1).functionCode, 0);
    EXPECT_EQ(first->GetProgramPath(), L"");
    EXPECT_TRUE(first->GetProfileOsd());
    EXPECT_TRUE(second->GetProfileOsd());
}

TEST_F(ConfigTest, LookupsIgnoreCaseAndReturnNullWhenMissing)
{
    config.CreateProfile(L"work");
    IMouseProfile* game = config.CreateProfile(L"game");
    const Guid id{5, 6, 7, {8}};
    game->SetGuid(id);
    EXPECT_EQ(config.FindProfileByName(L"GAME"), game);
    EXPECT_EQ(config.FindProfileByName(L"none"), nullptr);
    EXPECT_EQ(config.FindProfileByGuid(id), game);
    EXPECT_EQ(config.FindProfileByGuid(Guid{9}), nullptr);
    EXPECT_EQ(config.GetProfileAt(2), nullptr);
    EXPECT_EQ(CVantixConfig(L"x").FindProfileByGuid(Guid{}), nullptr);

    CMacro* macro = config.AddMacro(L"burst");
    ASSERT_NE(macro, nullptr);
    EXPECT_EQ(config.FindMacroByName(L"BURST"), macro);
    EXPECT_EQ(config.AddMacro(L"Burst"), nullptr);
    EXPECT_EQ(config.GetMacroCount(), 1u);
    EXPECT_EQ(config.GetMacroAt(1), nullptr);
    config.DeleteMacro(macro);
    EXPECT_EQ(config.GetMacroCount(), 0u);
}

TEST_F(ConfigTest, RenameToTheSameNameChangesNothing)
{
    IMouseProfile* profile = config.CreateProfile(L"Alpha");
    EXPECT_EQ(config.RenameProfile(profile, L"Alpha"), nullptr);
    EXPECT_EQ(config.GetProfileAt(0), profile);
    EXPECT_EQ(config.RenameProfile(nullptr, L"x"), nullptr);
}

TEST_F(ConfigTest, RenameReplacesTheProfileInPlaceAndKeepsItActive)
{
    config.CreateProfile(L"First");
    IMouseProfile* profile = config.CreateProfile(L"alpha");
    config.CreateProfile(L"Last");
    profile->SetResolution(1800);
    config.SetActiveProfile(profile);

    IMouseProfile* renamed = config.RenameProfile(profile, L"ALPHA");
    ASSERT_NE(renamed, nullptr);
    EXPECT_EQ(config.GetProfileAt(1), renamed);
    EXPECT_EQ(renamed->GetName(), L"ALPHA");
    EXPECT_EQ(renamed->GetResolution(), 1800);
    EXPECT_EQ(config.GetActiveProfile(), renamed);
    EXPECT_EQ(config.GetProfileCount(), 3u);
}

TEST_F(ConfigTest, RenameOfAProfileOutsideTheListOnlySetsItsName)
{
    CMouseProfile outsider(L"old");
    EXPECT_EQ(config.RenameProfile(&outsider, L"new"), nullptr);
    EXPECT_EQ(outsider.GetName(), L"new");
}

TEST_F(ConfigTest, DuplicateAppendsAnUnstoredCopy)
{
    IMouseProfile* source = config.CreateProfile(L"Base");
    source->SetGuid(Guid{1, 2, 3, {4}});
    source->SetSensitivity(650);
    EXPECT_EQ(config.DuplicateProfile(source, L"Base"), nullptr);
    EXPECT_EQ(config.DuplicateProfile(nullptr, L"x"), nullptr);

    IMouseProfile* copy = config.DuplicateProfile(source, L"base");
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(config.GetProfileAt(1), copy);
    EXPECT_TRUE(copy->GetGuid().IsNull());
    EXPECT_EQ(copy->GetName(), L"base");
    EXPECT_EQ(copy->GetSensitivity(), 650);
    EXPECT_EQ(source->GetName(), L"Base");
    EXPECT_FALSE(source->GetGuid().IsNull());
}

TEST_F(ConfigTest, DeletingTheActiveProfileLeavesNoneActive)
{
    IMouseProfile* first = config.CreateProfile(L"1");
    IMouseProfile* second = config.CreateProfile(L"2");
    config.SetActiveProfile(first);
    config.DeleteProfile(first);
    EXPECT_EQ(config.GetActiveProfile(), nullptr);
    EXPECT_EQ(config.GetProfileCount(), 1u);
    EXPECT_EQ(config.GetProfileAt(0), second);

    CMouseProfile outsider(L"x");
    config.DeleteProfile(&outsider);
    config.DeleteProfile(nullptr);
    EXPECT_EQ(config.GetProfileCount(), 1u);
}

TEST_F(ConfigTest, AddProfileCopyAppendsAnEqualProfile)
{
    IMouseProfile* source = config.CreateProfile(L"S");
    EXPECT_EQ(config.AddProfileCopy(nullptr), nullptr);
    IMouseProfile* copy = config.AddProfileCopy(source);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, source);
    EXPECT_EQ(copy->GetName(), L"S");
    EXPECT_EQ(copy->GetKeyCount(), 24u);
}

TEST_F(ConfigTest, ProfileArgumentsWinOverTheActiveProfile)
{
    IMouseProfile* active = config.CreateProfile(L"active");
    IMouseProfile* other = config.CreateProfile(L"other");
    config.SetActiveProfile(active);
    config.SetSensitivity(300);
    config.SetSensitivity(500, other);
    EXPECT_EQ(active->GetSensitivity(), 300);
    EXPECT_EQ(other->GetSensitivity(), 500);
    config.SetProgramPath(other, L"C:\\p.exe");
    EXPECT_EQ(config.GetProgramPath(), L"");
    EXPECT_EQ(config.GetProgramPath(other), L"C:\\p.exe");
    config.SetKeysEnabled(false);
    EXPECT_FALSE(config.GetKeysEnabled());
    EXPECT_TRUE(config.GetKeysEnabled(other));
}

TEST_F(ConfigTest, ClearProfilesEmptiesTheListAndTheActiveProfile)
{
    config.SetActiveProfile(config.CreateProfile(L"a"));
    config.CreateProfile(L"b");
    config.ClearProfiles();
    EXPECT_EQ(config.GetProfileCount(), 0u);
    EXPECT_EQ(config.GetActiveProfile(), nullptr);
}

TEST_F(ConfigTest, ColourZonesAreNotPartOfThisMouse)
{
    uint32_t colour = 42, low = 1, high = 2;
    EXPECT_EQ(config.GetZoneCount(), 0u);
    EXPECT_FALSE(config.GetZoneColor(0, colour));
    EXPECT_FALSE(config.GetZoneRange(0, low, high));
    EXPECT_FALSE(config.AddZone(1, 2, 3));
    EXPECT_EQ(colour, 42u);
    EXPECT_EQ(config.GetProfileFileExtension(), L"dnp");
}

}  // namespace
