#include <gtest/gtest.h>

#include "config/AssignmentTables.h"
#include "config/CButtonAssigner.h"
#include "config/CVantixConfig.h"
#include "macro/CMacro.h"

namespace {

using Outcome = CButtonAssigner::Outcome;

class ButtonAssignerTest : public ::testing::Test
{
protected:
    ButtonAssignerTest()
    {
        config.SetActiveProfile(config.CreateProfile(L"Default"));
        assigner.LoadKeyMaps();
    }

    CVantixConfig config{L"unused-folder"};
    CButtonAssigner assigner{config};
};

TEST_F(ButtonAssignerTest, MenusAndEntryCodes)
{
    EXPECT_EQ(assigner.Menu(10).size(), 4u);
    EXPECT_EQ(assigner.Menu(11).size(), 4u);
    EXPECT_EQ(assigner.Menu(1).size(), 13u);
    EXPECT_EQ(CButtonAssigner::CodeOfEntry(L"$MACRO"), FunctionCode::kMacro) << "a shared key maps to the lowest";
    EXPECT_EQ(CButtonAssigner::CodeOfEntry(L"$profile"), FunctionCode::kProfile);
    EXPECT_EQ(CButtonAssigner::CodeOfEntry(L"$nothing"), FunctionCode::kUnassigned);
    EXPECT_EQ(CButtonAssigner::EntryCodeOf(FunctionCode::kMacroByName), FunctionCode::kMacro);
}

TEST_F(ButtonAssignerTest, MacrosAndProfilesAreReferencedByIdentityOrElseByName)
{
    CMacro* stored = config.AddMacro(L"Stored");
    const Guid guid{7, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}};
    stored->SetGuid(guid);
    (void)config.AddMacro(L"Fresh");
    EXPECT_EQ(assigner.RecordFor(FunctionCode::kMacro, L"stored"), AssignmentInfo::Macro(guid));
    EXPECT_EQ(assigner.RecordFor(FunctionCode::kMacro, L"Fresh"), AssignmentInfo::MacroByName(L"Fresh"));
    EXPECT_FALSE(assigner.RecordFor(FunctionCode::kMacro, L"Gone").has_value());
    EXPECT_FALSE(assigner.RecordFor(FunctionCode::kProfile, L"").has_value());
    EXPECT_EQ(assigner.RecordFor(FunctionCode::kProfile, L"Default"), AssignmentInfo::ProfileByName(L"Default"));
    EXPECT_EQ(assigner.RecordFor(FunctionCode::kMenu, L"ignored"), AssignmentInfo::Function(FunctionCode::kMenu));
}

TEST_F(ButtonAssignerTest, TheOnlyLeftClickStaysUntilAnotherButtonClicks)
{
    const AssignmentInfo off = AssignmentInfo::Function(FunctionCode::kButtonOff);
    EXPECT_EQ(assigner.Assign(1, off), Outcome::NoClickLeft);
    EXPECT_EQ(config.GetButtonAssignment(1).functionCode, FunctionCode::kClick);
    EXPECT_EQ(assigner.Assign(2, AssignmentInfo::Function(FunctionCode::kClick)), Outcome::Stored);
    EXPECT_EQ(assigner.Assign(1, AssignmentInfo::Function(FunctionCode::kMenu)), Outcome::Stored);
    EXPECT_EQ(config.GetButtonAssignment(1).functionCode, FunctionCode::kMenu);
}

TEST_F(ButtonAssignerTest, GridCellsFollowTheKeySetAndComeBackWhenAllWereOff)
{
    EXPECT_EQ(assigner.KeyOfButton(12), 2u);
    assigner.SelectKeySet(CButtonAssigner::KeySet::NumPad);
    EXPECT_EQ(assigner.KeyOfButton(12), 79u);
    EXPECT_EQ(assigner.KeyOfButton(23), 78u);
    ASSERT_EQ(assigner.Assign(23, AssignmentInfo::SingleKey(30, 'A', 0)), Outcome::Stored);
    EXPECT_EQ(config.GetKeyAssignment(78), AssignmentInfo::SingleKey(30, 'A', 0));
    EXPECT_EQ(config.GetKeyAssignment(13), AssignmentTables::DefaultKeyAssignment(13)) << "the other set is untouched";

    for (uint32_t key : AssignmentTables::kKeypadKeys)
        config.SetKeyAssignment(key, AssignmentInfo::Function(FunctionCode::kButtonOff));
    EXPECT_EQ(assigner.SetKeysEnabled(false), Outcome::Stored);
    EXPECT_EQ(assigner.Shown(12)->functionCode, FunctionCode::kButtonOff);
    EXPECT_EQ(assigner.SetKeysEnabled(true), Outcome::Stored);
    for (uint32_t key : AssignmentTables::kKeypadKeys)
        EXPECT_EQ(config.GetKeyAssignment(key), AssignmentTables::DefaultKeyAssignment(key)) << key;
}

}  // namespace
