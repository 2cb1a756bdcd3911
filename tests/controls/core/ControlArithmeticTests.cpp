// The arithmetic of the scroll bar, the pop-up list's rows and numeric entry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/core/ListRows.h"
#include "controls/core/NumericEntry.h"
#include "controls/core/ScrollBarGeometry.h"

namespace {

// A 90-pixel bar: end pieces of 4, arrows of 10, a thumb of 20; the thumb runs from 14 to 56.
constexpr ScrollBarGeometry kBar{.top = 4, .arrowUp = 10, .arrowDown = 10, .bottom = 4, .thumb = 20, .height = 90};

TEST(ScrollBarGeometryTest, ThumbAndPositionFollowEachOther)
{
    EXPECT_EQ(kBar.TrackLength(), 42);
    const ScrollState twelveRowsFiveShown{.max = 12, .page = 5, .pos = 0};
    EXPECT_EQ(kBar.ThumbFor(twelveRowsFiveShown), 14);
    EXPECT_EQ(kBar.ThumbFor({12, 5, 3}), 14 + 18);  // trunc(42 / 7 x 3)
    EXPECT_EQ(kBar.ThumbFor({12, 5, 7}), 56);
    EXPECT_EQ(kBar.ThumbFor({12, 5, 99}), 56);
    EXPECT_EQ(kBar.PositionFor(14 + 18, twelveRowsFiveShown), 3);
    EXPECT_EQ(kBar.PositionFor(56, twelveRowsFiveShown), 7);
    // Nothing to scroll (max equal to or below page): no division, the thumb stays on top.
    EXPECT_EQ(kBar.ThumbFor({5, 5, 2}), 14);
    EXPECT_EQ(kBar.ThumbFor({4, 5, 0}), 14);
    EXPECT_EQ(kBar.PositionFor(40, {4, 5, 0}), 0);
    // Dragging centres the thumb on the pointer within its bounds, also past the bar's ends.
    EXPECT_EQ(kBar.DraggedThumb(40), 30);
    EXPECT_EQ(kBar.DraggedThumb(-50), 14);
    EXPECT_EQ(kBar.DraggedThumb(500), 56);
    // A bar shorter than its pieces keeps the thumb at the top.
    const ScrollBarGeometry squashed{.top = 4, .arrowUp = 10, .arrowDown = 10, .bottom = 4, .thumb = 20, .height = 30};
    EXPECT_EQ(squashed.ThumbFor({12, 5, 7}), 14);
}

TEST(ScrollBarGeometryTest, PiecesLieWhereTheyAreHit)
{
    EXPECT_TRUE(kBar.OnArrowUp(4));
    EXPECT_TRUE(kBar.OnArrowUp(14));
    EXPECT_FALSE(kBar.OnArrowUp(15));
    EXPECT_TRUE(kBar.OnArrowDown(76));
    EXPECT_TRUE(kBar.OnArrowDown(86));
    EXPECT_FALSE(kBar.OnArrowDown(75));
    // With a tall top piece and a short bottom one the down arrow is drawn where it is hit.
    const ScrollBarGeometry uneven{.top = 9, .arrowUp = 12, .arrowDown = 8, .bottom = 2, .thumb = 20, .height = 100};
    EXPECT_EQ(uneven.DownArrowTop(), 90);
    EXPECT_EQ(uneven.BottomPieceTop(), 98);
    EXPECT_TRUE(uneven.OnArrowDown(uneven.DownArrowTop()));
}

TEST(ScrollBarGeometryTest, ReleaseScrollsALineOrAPage)
{
    const int thumbTop = 30;
    EXPECT_EQ(kBar.ReleaseRequest(8, thumbTop, true, false, false), ScrollRequest::LineUp);
    EXPECT_EQ(kBar.ReleaseRequest(80, thumbTop, false, true, false), ScrollRequest::LineDown);
    EXPECT_EQ(kBar.ReleaseRequest(70, thumbTop, false, false, false), ScrollRequest::PageDown);
    EXPECT_EQ(kBar.ReleaseRequest(20, thumbTop, false, false, false), ScrollRequest::PageUp);
    EXPECT_EQ(kBar.ReleaseRequest(40, thumbTop, false, false, false), ScrollRequest::None);
    // After a drag, or an arrow left while held, the release scrolls nothing more.
    EXPECT_EQ(kBar.ReleaseRequest(89, 56, false, false, true), ScrollRequest::None);
    EXPECT_EQ(kBar.ReleaseRequest(60, thumbTop, false, true, false), ScrollRequest::None);
}

TEST(ListRowsTest, ScrollBarRule)
{
    EXPECT_TRUE(ListRows::WantsScrollBar(90, 6, 12));
    EXPECT_FALSE(ListRows::WantsScrollBar(90, 5, 12));   // five entries never scroll
    EXPECT_FALSE(ListRows::WantsScrollBar(40, 5, 12));
    EXPECT_FALSE(ListRows::WantsScrollBar(90, 6, 0));    // no bar in the layout
    EXPECT_FALSE(ListRows::WantsScrollBar(108, 6, 12));  // six rows of 18 fit
}

TEST(ListRowsTest, SortedRowsIgnoreCaseAndKeepEqualTextsInOrder)
{
    EXPECT_EQ(ListRows::Order({L"b", L"A", L"c"}, true), (std::vector<size_t>{1, 0, 2}));
    EXPECT_EQ(ListRows::Order({L"b", L"A", L"c"}, false), (std::vector<size_t>{0, 1, 2}));
    EXPECT_EQ(ListRows::Order({L"x", L"Ä", L"X", L"ä"}, true), (std::vector<size_t>{0, 2, 1, 3}));
}

TEST(ListRowsTest, RowsUnderPointsAndScrolling)
{
    EXPECT_EQ(ListRows::RowAt(0, 17, 0, 10), 0);
    EXPECT_EQ(ListRows::RowAt(35, 17, 3, 10), 5);
    EXPECT_EQ(ListRows::RowAt(-1, 17, 3, 10), -1);
    EXPECT_EQ(ListRows::RowAt(17 * 8, 17, 3, 10), -1);
    EXPECT_EQ(ListRows::VisibleRows(90, 17), 5);
    EXPECT_EQ(ListRows::VisibleRows(10, 17), 1);
    EXPECT_EQ(ListRows::ClampTop(9, 10, 5), 5);
    EXPECT_EQ(ListRows::ClampTop(-2, 10, 5), 0);
    EXPECT_EQ(ListRows::ClampTop(3, 4, 5), 0);
    EXPECT_EQ(ListRows::TopShowing(7, 0, 5), 3);
    EXPECT_EQ(ListRows::TopShowing(1, 3, 5), 1);
    EXPECT_EQ(ListRows::TopShowing(4, 3, 5), 3);
}

TEST(ListRowsTest, CascadedListStaysOnTheScreen)
{
    const PixelRect screen{0, 0, 1024, 768};
    EXPECT_EQ(ListRows::CascadePlace({100, 200, 300, 217}, 150, 90, screen), (PixelRect{300, 200, 450, 290}));
    // Too far right: it opens to the row's left; too low: it ends at the bottom.
    EXPECT_EQ(ListRows::CascadePlace({800, 700, 1000, 717}, 150, 90, screen), (PixelRect{650, 678, 800, 768}));
}

TEST(NumericEntryTest, OnlyEditingKeysAndDigitsPass)
{
    for (const uint32_t key : {8u, 37u, 39u, 46u, uint32_t{'0'}, uint32_t{'9'}, 96u, 105u})
        EXPECT_TRUE(NumericEntry::PassesKey(key)) << key;
    for (const uint32_t key : {uint32_t{'A'}, 32u, 36u, 38u, 106u, 190u})
        EXPECT_FALSE(NumericEntry::PassesKey(key)) << key;
}

TEST(NumericEntryTest, DigitsStayWithinTheRange)
{
    // Range 1 to 5: with "3" shown, 7 would make 37; on an empty field 7 is too large, 4 fits.
    EXPECT_FALSE(NumericEntry::AcceptsCharacter(L"3", 1, 1, L'7', 1, 5));
    EXPECT_FALSE(NumericEntry::AcceptsCharacter(L"", 0, 0, L'7', 1, 5));
    EXPECT_TRUE(NumericEntry::AcceptsCharacter(L"", 0, 0, L'4', 1, 5));
    EXPECT_FALSE(NumericEntry::AcceptsCharacter(L"", 0, 0, L'a', 1, 5));
    EXPECT_TRUE(NumericEntry::AcceptsCharacter(L"3", 1, 1, L'\b', 1, 5));
    // The typed digit replaces the selection: "3" selected, 4 makes 4.
    EXPECT_TRUE(NumericEntry::AcceptsCharacter(L"3", 0, 1, L'4', 1, 5));
    // A minimum above 9 can still be typed one digit at a time.
    EXPECT_TRUE(NumericEntry::AcceptsCharacter(L"", 0, 0, L'1', 10, 5000));
    EXPECT_TRUE(NumericEntry::AcceptsCharacter(L"1", 1, 1, L'0', 10, 5000));
    EXPECT_FALSE(NumericEntry::AcceptsCharacter(L"500", 3, 3, L'1', 10, 5000));
    // A leading zero stands for 0 alone.
    EXPECT_FALSE(NumericEntry::AcceptsCharacter(L"", 0, 0, L'0', 1, 5));
    EXPECT_TRUE(NumericEntry::AcceptsCharacter(L"", 0, 0, L'0', 0, 5));
    EXPECT_FALSE(NumericEntry::AcceptsCharacter(L"0", 1, 1, L'3', 0, 50));
    EXPECT_FALSE(NumericEntry::CanBecome(L"99999999999", 0, 2147483647));
}

}  // namespace
