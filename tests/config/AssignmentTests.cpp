#include <gtest/gtest.h>

#include <cstddef>

#include "config/AssignmentTables.h"
#include "config/CMouseProfile.h"
#include "vocabulary/NameKeys.h"

namespace {

TEST(AssignmentInfoTest, SingleKeyBlockIsScanCodeVirtualKeyFlags)
{
    static_assert(offsetof(AssignmentInfo, parameters) == 4);
    const AssignmentInfo info = AssignmentInfo::SingleKey(0x45, 144, kKeyFlagExtended | kKeyFlagShift);
    EXPECT_EQ(info.functionCode, FunctionCode::kSingleKey);
    const uint8_t expected[6] = {0x45, 0, 144, 0, 0x09, 0};
    EXPECT_EQ(0, std::memcmp(info.parameters, expected, sizeof(expected)));
    EXPECT_EQ(info.KeyScanCode(), 0x45);
    EXPECT_EQ(info.KeyVirtualKey(), 144);
    EXPECT_EQ(info.KeyFlags(), 0x09);
}

TEST(AssignmentInfoTest, ByNameReferencesHoldUtf16WithATerminator)
{
    const AssignmentInfo info = AssignmentInfo::MacroByName(L"Ab\U0001F3AE");
    EXPECT_EQ(info.functionCode, FunctionCode::kMacroByName);
    // 'A', 'b', then the pair D83C DFAE, then NUL: UTF-16 on every platform.
    const uint8_t expected[10] = {'A', 0, 'b', 0, 0x3C, 0xD8, 0xAE, 0xDF, 0, 0};
    EXPECT_EQ(0, std::memcmp(info.parameters, expected, sizeof(expected)));
    EXPECT_EQ(info.ReferenceName(), L"Ab\U0001F3AE");
}

TEST(AssignmentInfoTest, LongReferenceNamesAreCutTo38Characters)
{
    const std::wstring name(50, L'n');
    EXPECT_FALSE(AssignmentInfo::FitsReferenceName(name));
    EXPECT_TRUE(AssignmentInfo::FitsReferenceName(name.substr(0, 38)));
    const AssignmentInfo info = AssignmentInfo::ProfileByName(name);
    EXPECT_EQ(info.functionCode, FunctionCode::kProfileByName);
    EXPECT_EQ(info.ReferenceName(), name.substr(0, 38));
    for (size_t i = 78; i < AssignmentInfo::kParameterBytes; ++i)
        EXPECT_EQ(info.parameters[i], 0) << "byte " << i;
}

TEST(AssignmentInfoTest, GuidReferencesRoundTrip)
{
    const Guid id{0x01020304, 0x0506, 0x0708, {9, 10, 11, 12, 13, 14, 15, 16}};
    EXPECT_EQ(AssignmentInfo::Macro(id).ReferenceGuid(), id);
    EXPECT_EQ(AssignmentInfo::Profile(id).functionCode, FunctionCode::kProfile);
    EXPECT_EQ(AssignmentInfo::Profile(id).parameters[0], 0x04) << "Data1 little-endian first";
}

TEST(AssignmentTablesTest, NamesOfCodesAndButtons)
{
    EXPECT_EQ(NameKeys::FunctionNameKey(0), L"$click");
    EXPECT_EQ(NameKeys::FunctionNameKey(6), L"$macro");
    EXPECT_EQ(NameKeys::FunctionNameKey(21), L"$profile");
    EXPECT_EQ(NameKeys::FunctionNameKey(61), L"$launchprogram");
    EXPECT_EQ(NameKeys::FunctionNameKey(62), L"");
    EXPECT_EQ(NameKeys::FunctionNameKey(-1), L"");
    EXPECT_EQ(NameKeys::ButtonNameKey(0), L"<null>");
    EXPECT_EQ(NameKeys::ButtonNameKey(23), L"$ThumbGrid12");
    EXPECT_EQ(NameKeys::ButtonNameKey(24), L"");
    EXPECT_EQ(NameKeys::ButtonNameKey(26), L"$Button5");
    EXPECT_EQ(NameKeys::ButtonNameKey(27), L"");
}

struct AllowedCase
{
    int32_t code;
    int32_t button;
    bool allowed;
};

class AllowedFunctionTest : public ::testing::TestWithParam<AllowedCase>
{
};

TEST_P(AllowedFunctionTest, FollowsTheButtonsList)
{
    const AllowedCase& c = GetParam();
    EXPECT_EQ(AssignmentTables::IsFunctionAllowed(c.code, c.button), c.allowed)
        << "code " << c.code << " on button " << c.button;
}

INSTANTIATE_TEST_SUITE_P(WheelAndGeneral, AllowedFunctionTest,
                         ::testing::Values(AllowedCase{0, 10, false}, AllowedCase{39, 10, true},
                                           AllowedCase{6, 11, true}, AllowedCase{21, 11, false},
                                           AllowedCase{7, 11, true}, AllowedCase{21, 1, true},
                                           AllowedCase{4, 0, true}, AllowedCase{8, 1, false},
                                           AllowedCase{41, 2, false}, AllowedCase{-1, 1, false},
                                           AllowedCase{32, 9, true}));

TEST(AssignmentTablesTest, ChoiceListsKeepMenuOrder)
{
    CMouseProfile profile;
    std::vector<std::wstring> list = {L"stale"};
    profile.ListAllowedFunctions(list, 10);
    EXPECT_EQ(list, (std::vector<std::wstring>{L"$macro", L"$scrollup", L"$scrolldown", L"$buttonoff"}));
    profile.ListAllowedFunctions(list, 3);
    ASSERT_EQ(list.size(), 13u);
    EXPECT_EQ(list[5], L"$Forward");
    EXPECT_EQ(list[6], L"$Backward");
    EXPECT_EQ(list[9], L"$profile");
}

TEST(AssignmentTablesTest, DefaultsCoverTheFiveButtonsAndTwentyFourKeys)
{
    const auto& buttons = AssignmentTables::DefaultButtonAssignments();
    ASSERT_EQ(buttons.size(), 5u);
    EXPECT_EQ(buttons[3].first, 10);
    EXPECT_EQ(buttons[3].second.functionCode, 39);
    EXPECT_EQ(AssignmentTables::DefaultButtonAssignment(2).functionCode, 1);
    EXPECT_EQ(AssignmentTables::DefaultButtonAssignment(4).functionCode, -1);

    const auto& keys = AssignmentTables::DefaultKeyAssignments();
    ASSERT_EQ(keys.size(), 24u);
    EXPECT_EQ(keys[12].first, 79u) << "numeric-pad 1 follows the top row";
    EXPECT_EQ(keys[23].first, 78u);
    EXPECT_EQ(AssignmentTables::DefaultKeyAssignment(75), AssignmentInfo::SingleKey(75, 0, 0));
    EXPECT_EQ(AssignmentTables::DefaultKeyAssignment(1).functionCode, -1);
}

}  // namespace
