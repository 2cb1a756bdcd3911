#include <gtest/gtest.h>

#include "config/AssignmentTables.h"
#include "config/CMacroRules.h"
#include "config/CVantixConfig.h"
#include "macro/CMacro.h"

namespace {

using MacroOutcome = CMacroRules::Outcome;

class MacroRulesTest : public ::testing::Test
{
protected:
    MacroRulesTest()
    {
        game = config.CreateProfile(L"Game");
        office = config.CreateProfile(L"Office");
        config.SetActiveProfile(game);
    }

    CVantixConfig config{L"unused-folder"};
    CMacroRules rules{config};
    IMouseProfile* game = nullptr;
    IMouseProfile* office = nullptr;
};

TEST_F(MacroRulesTest, ANameTakenInAnyLetterCaseIsADuplicateAndAddsNothing)
{
    const CMacroRules::Result fire = rules.Create(L"Fire");
    ASSERT_EQ(fire.outcome, MacroOutcome::Done);
    ASSERT_NE(fire.macro, nullptr);
    EXPECT_EQ(fire.macro->GetName(), L"Fire");

    for (const wchar_t* again : {L"Fire", L"FIRE", L"fire"})
    {
        const CMacroRules::Result refused = rules.Create(again);
        EXPECT_EQ(refused.outcome, MacroOutcome::DuplicateName);
        EXPECT_EQ(refused.macro, fire.macro) << "the refusal names the macro that holds the name";
    }
    EXPECT_EQ(rules.Create(L"").outcome, MacroOutcome::Nothing);
    EXPECT_EQ(rules.Names(), std::vector<std::wstring>{L"Fire"});
}

TEST_F(MacroRulesTest, DeletingAMacroGivesEveryButtonAndKeyThatRanItItsDefault)
{
    CMacro* fire = rules.Create(L"Fire").macro;
    CMacro* jump = rules.Create(L"Jump").macro;
    ASSERT_NE(fire, nullptr);
    ASSERT_NE(jump, nullptr);
    fire->SetGuid(Guid{0x11, 0x22, 0x33, {4, 5, 6, 7, 8, 9, 10, 11}});
    const uint32_t key = game->GetKeyAt(0);
    game->SetButtonAssignment(3, AssignmentInfo::Macro(fire->GetGuid()));
    game->SetKeyAssignment(key, AssignmentInfo::MacroByName(L"FIRE"));
    office->SetButtonAssignment(4, AssignmentInfo::MacroByName(L"fire"));
    office->SetButtonAssignment(5, AssignmentInfo::MacroByName(L"Jump"));

    EXPECT_EQ(rules.Delete(fire), 3u);

    EXPECT_EQ(game->GetButtonAssignment(3), AssignmentTables::DefaultButtonAssignment(3));
    EXPECT_EQ(game->GetKeyAssignment(key), AssignmentTables::DefaultKeyAssignment(key));
    EXPECT_EQ(office->GetButtonAssignment(4), AssignmentTables::DefaultButtonAssignment(4));
    EXPECT_EQ(office->GetButtonAssignment(5), AssignmentInfo::MacroByName(L"Jump")) << "other macros stay";
    EXPECT_EQ(rules.Names(), std::vector<std::wstring>{L"Jump"});
}

TEST_F(MacroRulesTest, ANewMacroIsRefusedAtTheLimit)
{
    for (uint32_t n = 0; n < CMacroRules::kMaxMacros; ++n)
        (void)config.AddMacro(L"m" + std::to_wstring(n));
    ASSERT_TRUE(rules.IsFull());
    EXPECT_EQ(rules.Create(L"One more").outcome, MacroOutcome::LimitReached);
    EXPECT_EQ(config.GetMacroCount(), CMacroRules::kMaxMacros);
}

}  // namespace
