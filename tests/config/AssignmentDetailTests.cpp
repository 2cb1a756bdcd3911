#include <gtest/gtest.h>

#include "config/AssignmentDetail.h"
#include "config/CVantixConfig.h"
#include "macro/CMacro.h"
#include "macro/FakeKeyboard.h"

namespace {

TEST(AssignmentDetailTest, NamesTheKeyTheMacroAndTheProfileByIdentityOrByName)
{
    CVantixConfig config{L"unused-folder"};
    FakeKeyboard keyboard;
    keyboard.Name(0x1C, false, L"Enter");
    CMacro* macro = config.AddMacro(L"Reload");
    ASSERT_NE(macro, nullptr);
    const Guid macroGuid{0x11, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}};
    macro->SetGuid(macroGuid);
    IMouseProfile* profile = config.CreateProfile(L"Racing");
    const Guid profileGuid{0x22, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}};
    profile->SetGuid(profileGuid);

    EXPECT_EQ(AssignmentDetail(config, AssignmentInfo::SingleKey(0x1C, 13, 0), keyboard), L"Enter");
    EXPECT_EQ(AssignmentDetail(config, AssignmentInfo::SingleKey(0, 0, 0), keyboard), L"");
    EXPECT_EQ(AssignmentDetail(config, AssignmentInfo::Macro(macroGuid), keyboard), L"Reload");
    EXPECT_EQ(AssignmentDetail(config, AssignmentInfo::MacroByName(L"reload"), keyboard), L"Reload");
    EXPECT_EQ(AssignmentDetail(config, AssignmentInfo::Profile(profileGuid), keyboard), L"Racing");
    EXPECT_EQ(AssignmentDetail(config, AssignmentInfo::ProfileByName(L"Racing"), keyboard), L"Racing");
    EXPECT_EQ(AssignmentDetail(config, AssignmentInfo::ProfileByName(L"Gone"), keyboard), L"");
    EXPECT_EQ(AssignmentDetail(config, AssignmentInfo::Function(FunctionCode::kClick), keyboard), L"");
}

}  // namespace
