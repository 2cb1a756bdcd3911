#include <gtest/gtest.h>

#include <limits>

#include "skin/CLanguageSet.h"
#include "skin/layout/ItemDescriptions.h"
#include "skin/layout/LayoutValues.h"
#include "vocabulary/Colours.h"
#include "vocabulary/ItemIds.h"

using LayoutValues::ParseInteger;

TEST(LayoutValuesTest, IntegersTakeLeadingSpaceSignAndDigitsOnly)
{
    EXPECT_EQ(ParseInteger(L"42"), 42);
    EXPECT_EQ(ParseInteger(L"  \t-17px"), -17);
    EXPECT_EQ(ParseInteger(L"+8"), 8);
    EXPECT_EQ(ParseInteger(L"12 34"), 12);
    EXPECT_EQ(ParseInteger(L""), 0);
    EXPECT_EQ(ParseInteger(L"abc"), 0);
    EXPECT_EQ(ParseInteger(L"- 5"), 0);
    EXPECT_EQ(ParseInteger(L"0x10"), 0);
    EXPECT_EQ(ParseInteger("007"), 7);
}

TEST(LayoutValuesTest, IntegersOutOfRangeSaturate)
{
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    EXPECT_EQ(ParseInteger(L"2147483647"), kMax);
    EXPECT_EQ(ParseInteger(L"2147483648"), kMax);
    EXPECT_EQ(ParseInteger(L"-2147483648"), kMin);
    EXPECT_EQ(ParseInteger(L"-2147483649"), kMin);
    EXPECT_EQ(ParseInteger(std::string(10000, '9')), kMax);
    EXPECT_EQ(ParseInteger("-" + std::string(10000, '9')), kMin);
}

TEST(LayoutValuesTest, IdentifiersAndColoursIgnoreCase)
{
    EXPECT_EQ(LayoutValues::ParseIdentifier(L"button_help"), ItemId::BUTTON_HELP);
    EXPECT_EQ(LayoutValues::ParseIdentifier(L"BACKGROUND"), 0);
    EXPECT_EQ(LayoutValues::ParseIdentifier(L""), -1);
    EXPECT_EQ(LayoutValues::ParseIdentifier(L"BUTTON_NOPE"), -1);
    EXPECT_EQ(LayoutValues::ParseColour(L"Grey3"), Colour::kGrey3);
    EXPECT_EQ(LayoutValues::ParseColour(L"black"), Colour::kBlack);
    EXPECT_EQ(LayoutValues::ParseColour(L"Gray3"), std::nullopt);
    EXPECT_EQ(LayoutValues::ParseColour(L""), std::nullopt);
}

TEST(LayoutValuesTest, LetterChoicesLookAtTheFirstCharacter)
{
    EXPECT_EQ(LayoutValues::ParseJustify(L"Right"), Justify::Right);
    EXPECT_EQ(LayoutValues::ParseJustify(L"C"), Justify::Centre);
    EXPECT_EQ(LayoutValues::ParseJustify(L"Left"), Justify::Left);
    EXPECT_EQ(LayoutValues::ParseJustify(L"left"), Justify::Default);
    EXPECT_EQ(LayoutValues::ParseJustify(L""), Justify::Default);
    EXPECT_EQ(LayoutValues::ParseCaps(L"Upper"), CLanguageSet::kCapsUpper);
    EXPECT_EQ(LayoutValues::ParseCaps(L"Lower"), CLanguageSet::kCapsLower);
    EXPECT_EQ(LayoutValues::ParseCaps(L"x"), CLanguageSet::kCapsNone);
}

TEST(LayoutValuesTest, TextIsCutInUtf16UnitsWithoutSplittingAPair)
{
    EXPECT_EQ(LayoutValues::ToWide("abcdef", 4), L"abcd");
    EXPECT_EQ(LayoutValues::ToWide("\xC3\xA9\xC3\xA9", 1), L"\u00E9");
    // The emoji needs two units: with one left it is left out.
    EXPECT_EQ(LayoutValues::ToWide("a\xF0\x9F\x98\x80", 2), L"a");
    EXPECT_EQ(LayoutValues::ToWide("a\xF0\x9F\x98\x80", 3), L"a\U0001F600");
    EXPECT_EQ(LayoutValues::ToWide(std::string(1000000, 'x'), 512).size(), 512u);
}

TEST(LayoutValuesTest, TrimRemovesWhiteSpaceAtBothEnds)
{
    EXPECT_EQ(LayoutValues::Trim(std::wstring_view(L" \t\r\n a b \v\f")), L"a b");
    EXPECT_EQ(LayoutValues::Trim(std::wstring_view(L"   ")), L"");
}

TEST(LayoutRectTest, EdgesAddWidthAndHeightWithoutOverflow)
{
    EXPECT_EQ(EdgesOf(LayoutRect{10, 20, 30, 40}), (RectEdges{10, 20, 40, 60}));
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    EXPECT_EQ(EdgesOf(LayoutRect{kMax, kMin, kMax, kMin}), (RectEdges{kMax, kMin, kMax, kMin}));
    EXPECT_EQ(EdgesOf(LayoutRect{-5, 5, -10, -10}), (RectEdges{-5, 5, -15, -5}));
}
