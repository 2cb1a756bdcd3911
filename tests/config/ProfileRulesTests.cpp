#include <gtest/gtest.h>

#include "config/AssignmentTables.h"
#include "config/CProfileRules.h"
#include "config/CVantixConfig.h"

namespace {

using ProfileOutcome = CProfileRules::Outcome;

class ProfileRulesTest : public ::testing::Test
{
protected:
    static constexpr uint32_t kLimit = 10;

    ProfileRulesTest()
    {
        first = config.CreateProfile(L"Default");
        config.SetActiveProfile(first);
    }

    [[nodiscard]] IMouseProfile* Add(const std::wstring& name)
    {
        CProfileRules::Result made = rules.Create(name);
        EXPECT_EQ(made.outcome, ProfileOutcome::Done) << "making " << std::string(name.begin(), name.end());
        return made.profile;
    }

    CVantixConfig config{L"unused-folder"};
    CProfileRules rules{config, kLimit};
    IMouseProfile* first = nullptr;
};

TEST(ProfileCopyNames, CountUpFromTwoAndCutNamesOfTwentyCharacters)
{
    EXPECT_EQ(CProfileRules::CopyName(L"Game", {L"Game"}), L"Game(2)");
    EXPECT_EQ(CProfileRules::CopyName(L"Game", {L"Game", L"Game(2)"}), L"Game(3)");
    EXPECT_EQ(CProfileRules::CopyName(L"Game(2)", {L"Game", L"Game(2)", L"Game(3)"}), L"Game(2)(2)");
    EXPECT_EQ(CProfileRules::CopyName(L"game", {L"Game(2)"}), L"game(2)") << "names compare exactly";

    const std::wstring nineteen(19, L'n');
    EXPECT_EQ(CProfileRules::CopyName(nineteen, {}), nineteen + L"(2)");
    EXPECT_EQ(CProfileRules::CopyName(std::wstring(20, L't'), {}), std::wstring(18, L't') + L"(2)");
    EXPECT_EQ(CProfileRules::CopyName(L"abcdefghijklmnopqrstuvwxy", {}), L"abcdefghijklmnopqr(2)");

    std::vector<std::wstring> taken;
    for (int n = 2; n <= 99; ++n)
        taken.push_back(L"Full(" + std::to_wstring(n) + L")");
    EXPECT_EQ(CProfileRules::CopyName(L"Full", taken), std::nullopt);
}

TEST_F(ProfileRulesTest, CopiesAreActiveNumberedCopiesOfTheirSource)
{
    IMouseProfile* game = Add(L"Game");
    game->SetSensitivity(650);
    const CProfileRules::Result second = rules.Copy(game);
    ASSERT_EQ(second.outcome, ProfileOutcome::Done);
    EXPECT_EQ(second.profile->GetName(), L"Game(2)");
    EXPECT_EQ(second.profile->GetSensitivity(), 650);
    EXPECT_EQ(config.GetActiveProfile(), second.profile);
    EXPECT_EQ(rules.Copy(game).profile->GetName(), L"Game(3)");
    EXPECT_EQ(rules.Copy(second.profile).profile->GetName(), L"Game(2)(2)");
    EXPECT_EQ(config.GetProfileCount(), 5u);
}

TEST_F(ProfileRulesTest, AtTheLimitNewAndCopyAreRefusedAndChangeNothing)
{
    for (int i = 2; i <= 10; ++i)
        (void)Add(L"P" + std::to_wstring(i));
    ASSERT_TRUE(rules.IsFull());
    IMouseProfile* active = config.GetActiveProfile();
    EXPECT_EQ(rules.Create(L"Eleventh").outcome, ProfileOutcome::LimitReached);
    EXPECT_EQ(rules.Copy(first).outcome, ProfileOutcome::LimitReached);
    EXPECT_EQ(config.GetProfileCount(), kLimit);
    EXPECT_EQ(config.GetActiveProfile(), active);
}

TEST_F(ProfileRulesTest, NamesAreComparedExactlyForNewAndRename)
{
    IMouseProfile* work = Add(L"Work");
    IMouseProfile* other = Add(L"Other");
    EXPECT_EQ(config.GetActiveProfile(), other) << "a new profile is made active";

    const CProfileRules::Result duplicate = rules.Rename(other, L"Work");
    EXPECT_EQ(duplicate.outcome, ProfileOutcome::DuplicateName);
    EXPECT_EQ(duplicate.name, L"Work");
    EXPECT_EQ(rules.Rename(other, L"Other").outcome, ProfileOutcome::DuplicateName) << "its own name";
    EXPECT_EQ(rules.Create(L"Work").outcome, ProfileOutcome::DuplicateName);
    EXPECT_EQ(rules.Rename(other, L"").outcome, ProfileOutcome::Nothing);
    EXPECT_EQ(rules.Create(L"").outcome, ProfileOutcome::Nothing);
    EXPECT_EQ(config.GetProfileCount(), 3u);

    const CProfileRules::Result renamed = rules.Rename(other, L"work");
    ASSERT_EQ(renamed.outcome, ProfileOutcome::Done);
    EXPECT_EQ(renamed.profile->GetName(), L"work");
    EXPECT_EQ(work->GetName(), L"Work");
}

TEST_F(ProfileRulesTest, TheFirstProfileIsNeverDeleted)
{
    EXPECT_EQ(rules.CheckDelete(first).outcome, ProfileOutcome::FirstProfile);
    EXPECT_EQ(rules.Delete(first).outcome, ProfileOutcome::FirstProfile);
    IMouseProfile* twin = Add(L"Twin");
    first->SetGuid(Guid{7, 1, 1, {1}});
    twin->SetGuid(first->GetGuid());
    EXPECT_EQ(rules.Delete(twin).outcome, ProfileOutcome::FirstProfile) << "the first profile's identity";
    EXPECT_EQ(config.GetProfileCount(), 2u);
}

TEST_F(ProfileRulesTest, DeletingGivesSwitchesTheirDefaultsAndMakesTheFirstActive)
{
    IMouseProfile* game = Add(L"Game");
    game->SetGuid(Guid{9, 2, 3, {4}});
    IMouseProfile* keep = Add(L"Keep");
    keep->SetGuid(Guid{9, 2, 3, {5}});
    ASSERT_TRUE(first->SetButtonAssignment(AssignmentTables::kButtonWheel, AssignmentInfo::Profile(game->GetGuid())));
    ASSERT_TRUE(keep->SetButtonAssignment(AssignmentTables::kButtonRight, AssignmentInfo::ProfileByName(L"GAME")));
    ASSERT_TRUE(keep->SetKeyAssignment(5, AssignmentInfo::Profile(game->GetGuid())));
    ASSERT_TRUE(keep->SetKeyAssignment(6, AssignmentInfo::Profile(keep->GetGuid())));
    config.SetActiveProfile(game);

    ASSERT_EQ(rules.Delete(game).outcome, ProfileOutcome::Done);
    EXPECT_EQ(config.GetProfileCount(), 2u);
    EXPECT_EQ(config.GetActiveProfile(), first);
    EXPECT_EQ(first->GetButtonAssignment(AssignmentTables::kButtonWheel),
              AssignmentTables::DefaultButtonAssignment(AssignmentTables::kButtonWheel));
    EXPECT_EQ(keep->GetButtonAssignment(AssignmentTables::kButtonRight),
              AssignmentTables::DefaultButtonAssignment(AssignmentTables::kButtonRight));
    EXPECT_EQ(keep->GetKeyAssignment(5), AssignmentTables::DefaultKeyAssignment(5));
    EXPECT_EQ(keep->GetKeyAssignment(6), AssignmentInfo::Profile(keep->GetGuid())) << "a switch elsewhere stays";

    IMouseProfile* spare = Add(L"Spare");
    config.SetActiveProfile(keep);
    ASSERT_EQ(rules.Delete(spare).outcome, ProfileOutcome::Done);
    EXPECT_EQ(config.GetActiveProfile(), keep) << "deleting another profile keeps the active one";
}

TEST_F(ProfileRulesTest, AutomaticSwitchingNeedsAProgram)
{
    IMouseProfile* game = Add(L"Game");
    EXPECT_FALSE(CProfileRules::CanUnassignProgram(game));
    EXPECT_EQ(rules.SetAutoSwitch(game, true).outcome, ProfileOutcome::NoProgram);
    EXPECT_FALSE(game->GetAutoSwitch());

    config.SetProgramPath(game, L"C:\\Games\\kart.exe");
    EXPECT_TRUE(CProfileRules::CanUnassignProgram(game));
    EXPECT_EQ(rules.SetAutoSwitch(game, true).outcome, ProfileOutcome::Done);
    EXPECT_TRUE(game->GetAutoSwitch());
    config.SetProgramPath(game, L"");
    EXPECT_EQ(rules.SetAutoSwitch(game, false).outcome, ProfileOutcome::Done);
    EXPECT_FALSE(game->GetAutoSwitch());
    EXPECT_FALSE(CProfileRules::CanUnassignProgram(nullptr));
}

TEST_F(ProfileRulesTest, ResetGivesTheDefaultsAndKeepsTheActiveProfilesSwitchDisplay)
{
    IMouseProfile* game = Add(L"Game");
    config.SetActiveProfile(first);
    config.SetProfileOsdAll(false);
    game->SetSensitivity(300);
    game->SetGlowLight(false);
    config.SetProgramPath(game, L"C:\\Games\\kart.exe");
    game->SetAutoSwitch(true);
    ASSERT_TRUE(game->SetButtonAssignment(AssignmentTables::kButtonLeft, AssignmentInfo::Function(FunctionCode::kMenu)));

    rules.ResetToDefaults(game);
    EXPECT_EQ(game->GetSensitivity(), 800);
    EXPECT_TRUE(game->GetGlowLight());
    EXPECT_TRUE(game->GetProgramPath().empty());
    EXPECT_FALSE(game->GetAutoSwitch());
    EXPECT_EQ(game->GetButtonAssignment(AssignmentTables::kButtonLeft), AssignmentInfo::Function(FunctionCode::kClick));
    EXPECT_FALSE(game->GetProfileOsd());
    EXPECT_FALSE(first->GetProfileOsd());
    EXPECT_EQ(first->GetName(), L"Default");
}

}  // namespace
