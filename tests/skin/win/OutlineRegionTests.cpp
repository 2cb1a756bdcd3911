// The window outline cut from a mask picture: every pixel that is not pure white belongs to
// the window.
#include <windows.h>

#include <gtest/gtest.h>

#include "SkinTestProgram.h"
#include "skin/win/OutlineRegion.h"

namespace {

using skintest::MemoryBitmap;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kInk = RGB(0, 0, 0);

class OutlineRegionTest : public testing::Test
{
protected:
    // Every pixel of the mask is inside the region exactly when the pixel function is not white.
    static void ExpectRegionMatches(HRGN region, int width, int height, const skintest::PixelFunction& pixel)
    {
        int mismatches = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if ((PtInRegion(region, x, y) != FALSE) != (pixel(x, y) != kWhite) && ++mismatches <= 5)
                    ADD_FAILURE() << "pixel " << x << ", " << y;
        EXPECT_EQ(mismatches, 0);
        EXPECT_FALSE(PtInRegion(region, width, 0));
        EXPECT_FALSE(PtInRegion(region, 0, height));
    }
};

TEST_F(OutlineRegionTest, AllWhiteMaskGivesAnEmptyRegion)
{
    const UniqueBitmap mask = MemoryBitmap(16, 8, [](int, int) { return kWhite; });
    const UniqueRegion region = OutlineRegion(mask.Get());
    ASSERT_TRUE(region);
    RECT box{};
    EXPECT_EQ(GetRgnBox(region.Get(), &box), NULLREGION);
}

TEST_F(OutlineRegionTest, OnlyPureWhiteIsCutAway)
{
    const auto pixel = [](int x, int y) {
        if (x == 2 && y == 1)
            return RGB(254, 255, 255);
        if (x == 5 && y == 3)
            return RGB(255, 255, 254);
        return kWhite;
    };
    const UniqueBitmap mask = MemoryBitmap(8, 5, pixel);
    const UniqueRegion region = OutlineRegion(mask.Get());
    ASSERT_TRUE(region);
    ExpectRegionMatches(region.Get(), 8, 5, pixel);
}

TEST_F(OutlineRegionTest, RunsOfEveryRowBelongToTheWindow)
{
    // A ring: the outer frame and a centre dot, with white between.
    const auto pixel = [](int x, int y) {
        const bool frame = x == 0 || y == 0 || x == 11 || y == 9;
        const bool dot = x >= 5 && x <= 6 && y >= 4 && y <= 5;
        return frame || dot ? kInk : kWhite;
    };
    const UniqueBitmap mask = MemoryBitmap(12, 10, pixel);
    const UniqueRegion region = OutlineRegion(mask.Get());
    ASSERT_TRUE(region);
    ExpectRegionMatches(region.Get(), 12, 10, pixel);
    RECT box{};
    EXPECT_EQ(GetRgnBox(region.Get(), &box), COMPLEXREGION);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);
    EXPECT_EQ(box.right, 12);
    EXPECT_EQ(box.bottom, 10);
}

TEST_F(OutlineRegionTest, MaskOfManyRunsIsJoinedFromSeveralBlocks)
{
    // Every other pixel of a row is ink, shifted by one each row: 100 runs per row, 4500 runs.
    constexpr int kWidth = 200;
    constexpr int kHeight = 45;
    const auto pixel = [](int x, int y) { return (x + y) % 2 == 0 ? RGB(10, 20, 30) : kWhite; };
    const UniqueBitmap mask = MemoryBitmap(kWidth, kHeight, pixel);
    const UniqueRegion region = OutlineRegion(mask.Get());
    ASSERT_TRUE(region);
    ExpectRegionMatches(region.Get(), kWidth, kHeight, pixel);
}

TEST_F(OutlineRegionTest, NoMaskGivesNoRegion)
{
    EXPECT_FALSE(OutlineRegion(nullptr));
}

}  // namespace
