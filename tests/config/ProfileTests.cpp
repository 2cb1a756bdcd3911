#include <gtest/gtest.h>

#include "config/CMouseProfile.h"
#include "config/CVantixProfile.h"

namespace {

TEST(ProfileTest, StartsWithTheDocumentedInitialValues)
{
    const CVantixProfile profile(L"Fresh");
    EXPECT_EQ(profile.GetName(), L"Fresh");
    EXPECT_TRUE(profile.GetGuid().IsNull());
    EXPECT_TRUE(profile.GetKeysEnabled());
    EXPECT_FALSE(profile.GetGlowLight());
    EXPECT_FALSE(profile.HasStorageFile());
    EXPECT_EQ(profile.GetResolutionStageCount(), 0u);
    EXPECT_EQ(profile.GetResolutionStage(), 0) << "no stage selected";
    uint32_t min = 1, max = 1, step = 1;
    EXPECT_TRUE(profile.GetSensitivityRange(min, max, step));
    EXPECT_EQ(min + max + step, 0u);
}

TEST(ProfileTest, RefusedButtonFunctionKeepsTheOldAssignment)
{
    CMouseProfile profile;
    ASSERT_TRUE(profile.SetButtonAssignment(10, AssignmentInfo::Function(39)));
    EXPECT_FALSE(profile.SetButtonAssignment(10, AssignmentInfo::Function(0)));
    EXPECT_EQ(profile.GetButtonAssignment(10).functionCode, 39);
    EXPECT_TRUE(profile.SetButtonAssignment(11, AssignmentInfo::MacroByName(L"m")));
}

TEST(ProfileTest, RefusedKeyFunctionStillExtendsTheKeyOrder)
{
    CMouseProfile profile;
    ASSERT_TRUE(profile.SetKeyAssignment(5, AssignmentInfo::SingleKey(5, 0, 0)));
    EXPECT_FALSE(profile.SetKeyAssignment(9, AssignmentInfo::Function(41)));
    EXPECT_EQ(profile.GetKeyCount(), 1u);
    EXPECT_EQ(profile.GetKeyAt(0), 5u);
    EXPECT_EQ(profile.GetKeyAt(1), 9u) << "the refused key joined the order list";
    EXPECT_EQ(profile.GetKeyAt(2), 0u);

    EXPECT_TRUE(profile.SetKeyAssignment(5, AssignmentInfo::Function(0)));
    EXPECT_EQ(profile.GetKeyAt(2), 0u) << "a key is listed once";
}

TEST(ProfileTest, ReadingAMissingAssignmentCreatesAnUnassignedEntry)
{
    CMouseProfile profile;
    const AssignmentInfo info = profile.GetButtonAssignment(7);
    EXPECT_EQ(info, AssignmentInfo{});
    EXPECT_EQ(info.functionCode, -1);
    EXPECT_EQ(profile.GetKeyCount(), 0u);
    profile.GetKeyAssignment(3);
    EXPECT_EQ(profile.GetKeyCount(), 1u) << "the map now holds the key";
}

TEST(ProfileTest, ClickCheckIgnoresKeysWhileTheKeypadIsOff)
{
    CMouseProfile profile;
    profile.SetButtonAssignment(1, AssignmentInfo::Function(1));
    profile.SetKeyAssignment(2, AssignmentInfo::Function(0));
    EXPECT_TRUE(profile.HasClickAssignment());
    profile.SetKeysEnabled(false);
    EXPECT_FALSE(profile.HasClickAssignment());
    profile.SetButtonAssignment(3, AssignmentInfo::Function(0));
    EXPECT_TRUE(profile.HasClickAssignment());
}

TEST(ProfileTest, StageCountIsClampedAndSelectsTheFirstStage)
{
    CMouseProfile profile;
    profile.SetResolutionStageCount(0);
    EXPECT_EQ(profile.GetResolutionStageCount(), 1u);
    EXPECT_EQ(profile.GetResolutionStage(), 1);
    profile.SetSensitivityStageCount(25);
    EXPECT_EQ(profile.GetSensitivityStageCount(), 10u);
    EXPECT_EQ(profile.GetSensitivityStage(), 1);
}

TEST(ProfileTest, ActiveStageCountNeverExceedsTheStages)
{
    CMouseProfile profile;
    profile.SetResolutionStageCount(5);
    profile.SetResolutionActiveStageCount(3);
    EXPECT_EQ(profile.GetResolutionActiveStageCount(), 3u);
    profile.SetResolutionActiveStageCount(8);
    EXPECT_EQ(profile.GetResolutionActiveStageCount(), 5u);
    profile.SetResolutionStageCount(2);
    EXPECT_EQ(profile.GetResolutionActiveStageCount(), 5u) << "reallocation leaves the active count alone";
}

TEST(ProfileTest, StageValuesAreClampedButTheStepIsNotApplied)
{
    CMouseProfile profile;
    profile.SetSensitivityStageCount(5);
    profile.SetSensitivityRange(110, 800, 10);
    EXPECT_EQ(profile.SetSensitivityStageValue(1, 50), 110);
    EXPECT_EQ(profile.SetSensitivityStageValue(2, 900), 800);
    EXPECT_EQ(profile.SetSensitivityStageValue(3, 455), 455);
    EXPECT_EQ(profile.GetSensitivityStageValue(3), 455);
    EXPECT_EQ(profile.SetSensitivityStageValueX(4, 0xFFFFFFFFu), 800) << "compared unsigned";
    profile.SetSensitivity(5000);
    EXPECT_EQ(profile.GetSensitivity(), 5000) << "the group's own value is not clamped";
}

TEST(ProfileTest, StageNumbersPastTheEndAddressTheLastStage)
{
    CMouseProfile profile;
    profile.SetResolutionStageCount(3);
    profile.SetResolutionRange(0, 2000, 0);
    profile.SetResolutionStageValue(9, 1600);
    EXPECT_EQ(profile.GetResolutionStageValue(3), 1600);
    profile.SetResolutionStageSeparateXY(3, true);
    EXPECT_TRUE(profile.GetResolutionStageSeparateXY(50));
    EXPECT_FALSE(profile.GetResolutionStageSeparateXY(2));
}

TEST(ProfileTest, StageZeroAndGroupsWithoutStagesAddressNothing)
{
    CMouseProfile profile;
    profile.SetResolutionRange(0, 2000, 0);
    EXPECT_EQ(profile.SetResolutionStageValue(1, 400), 0);
    EXPECT_EQ(profile.GetResolutionStageValue(1), 0);
    profile.SetResolutionStageCount(2);
    EXPECT_EQ(profile.SetResolutionStageValue(0, 400), 0);
    EXPECT_EQ(profile.GetResolutionStageValue(1), 0);
    EXPECT_EQ(profile.GetResolutionStageValue(2), 0);
}

TEST(ProfileTest, SelectingAStage)
{
    CMouseProfile profile;
    EXPECT_EQ(profile.SelectResolutionStage(3), 0) << "no stages: index 0";
    profile.SetResolutionStageCount(4);
    EXPECT_EQ(profile.SelectResolutionStage(2), 1);
    EXPECT_EQ(profile.GetResolutionStage(), 2);
    EXPECT_EQ(profile.SelectResolutionStage(4), 3) << "the last stage";
    EXPECT_EQ(profile.SelectResolutionStage(7), 3);
    EXPECT_EQ(profile.SelectResolutionStage(0), -1) << "stage 0 clears the selection";
    EXPECT_EQ(profile.GetResolutionStage(), 0);
}

TEST(ProfileTest, ProgramPathGivesItsFileName)
{
    CMouseProfile profile;
    profile.SetProgramPath(L"C:\\Games\\Arena\\run.exe");
    EXPECT_EQ(profile.GetProgramFileName(), L"run.exe");
    profile.SetProgramPath(L"D:\\Tools\\launcher");
    EXPECT_EQ(profile.GetProgramFileName(), L"launcher") << "no extension";
    profile.SetProgramPath(L"C:game.exe");
    EXPECT_EQ(profile.GetProgramFileName(), L"game.exe");
    profile.SetProgramPath(L"");
    EXPECT_EQ(profile.GetProgramFileName(), L"");
}

TEST(ProfileTest, CopyTakesEverySettingAndTheStageValues)
{
    CMouseProfile source(L"Source");
    source.SetGuid(Guid{7, 7, 7, {7}});
    source.SetProgramPath(L"C:\\a\\b.exe");
    source.SetAutoSwitch(true);
    source.SetDpiOsd(true);
    source.SetGlowLight(true);
    source.SetKeysEnabled(false);
    source.SetResolution(1800);
    source.SetResolutionRange(100, 1800, 100);
    source.SetResolutionStageCount(5);
    source.SetResolutionActiveStageCount(4);
    source.SelectResolutionStage(3);
    source.SetResolutionStageValue(2, 900);
    source.SetSensitivityRange(220, 1800, 20);
    source.SetSensitivityX(300);
    source.SetSensitivitySeparateXY(true);
    source.SetButtonAssignment(1, AssignmentInfo::Function(0));
    source.SetKeyAssignment(13, AssignmentInfo::SingleKey(13, 0, 0));
    source.SetKeyAssignment(2, AssignmentInfo::Function(41));  // refused, still ordered

    CMouseProfile copy(source);
    EXPECT_EQ(copy.GetName(), L"Source");
    EXPECT_EQ(copy.GetGuid(), source.GetGuid());
    EXPECT_EQ(copy.GetProgramFileName(), L"b.exe");
    EXPECT_TRUE(copy.GetAutoSwitch());
    EXPECT_TRUE(copy.GetDpiOsd());
    EXPECT_TRUE(copy.GetGlowLight());
    EXPECT_FALSE(copy.GetKeysEnabled());
    EXPECT_EQ(copy.GetResolution(), 1800);
    EXPECT_EQ(copy.GetResolutionStageCount(), 5u);
    EXPECT_EQ(copy.GetResolutionActiveStageCount(), 4u);
    EXPECT_EQ(copy.GetResolutionStage(), 3);
    EXPECT_EQ(copy.GetResolutionStageValue(2), 900);
    EXPECT_EQ(copy.GetSensitivityX(), 300);
    EXPECT_TRUE(copy.GetSensitivitySeparateXY());
    EXPECT_EQ(copy.GetSensitivityStageCount(), 1u) << "a group without stages is reallocated with one";
    uint32_t min = 0, max = 0, step = 0;
    copy.GetSensitivityRange(min, max, step);
    EXPECT_EQ(max, 1800u);
    EXPECT_EQ(copy.GetButtonAssignment(1).functionCode, 0);
    EXPECT_EQ(copy.GetKeyCount(), 1u);
    EXPECT_EQ(copy.GetKeyAt(1), 2u);

    copy.SetButtonAssignment(1, AssignmentInfo::Function(1));
    EXPECT_EQ(source.GetButtonAssignment(1).functionCode, 0) << "the copy is independent";
}

TEST(ProfileTest, ReservedOperationsDoNothing)
{
    CMouseProfile profile;
    profile.Reserved1(5);
    EXPECT_EQ(profile.Reserved2(), 0);
    EXPECT_EQ(profile.Reserved11(), 0);
    EXPECT_FALSE(profile.ApplyStoredAssignment(1, L"0"));
}

}  // namespace
