// The sliders' arithmetic without windows: thumb steps and positions, zones and their colours,
// the vertical thumb and the level bar.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "controls/core/CLevelBar.h"
#include "controls/core/CSliderThumb.h"
#include "controls/core/CVerticalThumb.h"
#include "controls/core/ZoneArithmetic.h"

namespace {

// The performance page's sensitivity track: 520 wide, the first 48 pixels for its badge.
constexpr RectEdges kTrack{0, 0, 520, 36};
constexpr int32_t kThumbWidth = 14;

CSliderThumb SensitivityThumb(int32_t minimum, int32_t maximum)
{
    CSliderThumb thumb(kTrack, kThumbWidth);
    thumb.SetMargins(48, 12);
    thumb.SetRange(minimum, maximum);
    return thumb;
}

}  // namespace

TEST(SliderThumbTest, RangeIsOrderedAndItsEndsLieAtTheTrackEnds)
{
    CSliderThumb thumb(kTrack, kThumbWidth);
    thumb.SetRange(32, 1);
    EXPECT_EQ(thumb.Minimum(), 1);
    EXPECT_EQ(thumb.Maximum(), 32);
    EXPECT_EQ(thumb.CapMinimum(), 1);
    EXPECT_EQ(thumb.CapMaximum(), 32);
    EXPECT_EQ(thumb.StepCount(), 32);

    // 70 positions of the 800 set, and a range that does not start at 1 (the stages pop-up's
    // 11 to 80): both span the track from start to end, every step found where it is drawn.
    for (const auto& [minimum, maximum] : {std::pair{1, 70}, std::pair{11, 80}}) {
        const CSliderThumb scaled = SensitivityThumb(minimum, maximum);
        EXPECT_EQ(scaled.CentreOf(minimum), 48);
        EXPECT_EQ(scaled.CentreOf(maximum), 508);
        for (int32_t value = minimum; value <= maximum; ++value)
            ASSERT_EQ(scaled.ValueAt(scaled.CentreOf(value)), value) << value;
    }
}

TEST(SliderThumbTest, CapRangeIsClippedAndValuesAreClampedToIt)
{
    CSliderThumb thumb = SensitivityThumb(1, 32);
    thumb.SetCapRange(-5, 99);
    EXPECT_EQ(thumb.CapMinimum(), 1);
    EXPECT_EQ(thumb.CapMaximum(), 32);

    thumb.SetCapRange(20, 10);
    EXPECT_EQ(thumb.CapMinimum(), 10);
    EXPECT_EQ(thumb.CapMaximum(), 20);
    thumb.SetValue(40);
    EXPECT_EQ(thumb.Value(), 20);
    EXPECT_EQ(thumb.Left(), thumb.CentreOf(20) - kThumbWidth / 2);
    // A negative request is below the range, not above it.
    thumb.SetValue(-3);
    EXPECT_EQ(thumb.Value(), 10);
    // Dragging stops at the cap's last step, not at the track's end.
    EXPECT_EQ(thumb.DragTo(2000).left, thumb.CentreOf(20) - kThumbWidth / 2);
    EXPECT_EQ(thumb.Value(), 20);
}

TEST(SliderThumbTest, DraggingPastTheEndsStopsTheCentreThere)
{
    CSliderThumb thumb = SensitivityThumb(1, 70);
    thumb.SetValue(30);
    const CSliderThumb::DragResult left = thumb.DragTo(-100);
    EXPECT_EQ(left.left, 48 - kThumbWidth / 2);
    EXPECT_TRUE(left.changed);
    EXPECT_EQ(thumb.Value(), 1);
    EXPECT_FALSE(thumb.DragTo(0).changed);

    EXPECT_EQ(thumb.DragTo(900).left, 508 - kThumbWidth / 2);
    EXPECT_EQ(thumb.Value(), 70);
    // Released between two steps, the thumb settles on the nearer one.
    const int32_t between = (thumb.CentreOf(40) * 3 + thumb.CentreOf(41)) / 4;
    EXPECT_EQ(thumb.ReleaseAt(between), thumb.CentreOf(40) - kThumbWidth / 2);
    EXPECT_EQ(thumb.Value(), 40);
}

TEST(SliderThumbTest, RangeOfOneStepOrTrackWithoutLengthPutsEverythingAtTheStart)
{
    CSliderThumb thumb = SensitivityThumb(5, 5);
    EXPECT_EQ(thumb.CentreOf(5), 48);
    EXPECT_EQ(thumb.ValueAt(300), 5);

    CSliderThumb squeezed(kTrack, kThumbWidth);
    squeezed.SetMargins(400, 400);
    EXPECT_EQ(squeezed.TrackEnd(), squeezed.TrackStart());
    EXPECT_EQ(squeezed.ValueAt(450), 1);
    EXPECT_EQ(squeezed.CentreOf(32), 400);
}

TEST(ZoneArithmeticTest, DefaultStagesSpreadEvenlyAndNeighboursBoundEachOther)
{
    EXPECT_EQ(ZoneArithmetic::DefaultStages(5, 1, 32), (std::vector<int32_t>{6, 11, 16, 21, 26}));

    const std::vector<int32_t> values{6, 11, 16};
    using Range = ZoneArithmetic::CapRange;
    EXPECT_EQ(ZoneArithmetic::CapRanges(values, 1, 32, false),
              (std::vector<Range>{{1, 11}, {6, 16}, {11, 32}}));
    EXPECT_EQ(ZoneArithmetic::CapRanges(values, 1, 32, true), (std::vector<Range>(3, Range{1, 32})));
    EXPECT_EQ(ZoneArithmetic::CapRanges(std::vector<int32_t>{9}, 1, 32, false), (std::vector<Range>{{1, 32}}));
}

TEST(ZoneArithmeticTest, DefaultGreysFillEveryZoneButTheLast)
{
    // A new slider holds one colour; every zone gets one, the last stays black.
    std::vector<uint32_t> colours{0};
    ZoneArithmetic::ApplyDefaultGreys(colours, 4, 1, 32);
    EXPECT_EQ(colours, (std::vector<uint32_t>{0x000000, 0x292929, 0x525252, 0x7B7B7B, 0x000000}));  // 0, 41, 82, 123

    std::vector<uint32_t> given{1, 2, 3, 0x0000FF};
    ZoneArithmetic::ApplyDefaultGreys(given, 3, 1, 32);
    EXPECT_EQ(given[3], 0x0000FFu);

    // A range without steps gives no increment instead of a division by zero.
    std::vector<uint32_t> flat{7, 7, 7};
    ZoneArithmetic::ApplyDefaultGreys(flat, 2, 4, 4);
    EXPECT_EQ(flat, (std::vector<uint32_t>{0, 0, 7}));
}

TEST(ZoneArithmeticTest, ClicksFindTheirZone)
{
    const std::vector<int32_t> values{6, 11, 16, 21, 26};
    // A track of 310 pixels for the 31 steps of 1 to 32: ten pixels per step.
    const auto zoneAt = [&](int32_t x) { return ZoneArithmetic::ZoneOf(values, ZoneArithmetic::ValueUnder(x, 0, 310, 1, 32)); };
    EXPECT_EQ(zoneAt(-20), 0u);
    EXPECT_EQ(zoneAt(30), 0u);   // value 4
    EXPECT_EQ(zoneAt(120), 2u);  // value 13
    EXPECT_EQ(zoneAt(300), 5u);  // value 31
    EXPECT_EQ(ZoneArithmetic::ValueUnder(50, 10, 10, 1, 32), 1);

    using Span = ZoneArithmetic::Span;
    EXPECT_EQ(ZoneArithmetic::ZoneSpans(std::vector<int32_t>{40, 90}, 0, 200),
              (std::vector<Span>{{0, 40}, {40, 90}, {90, 200}}));
}

TEST(VerticalThumbTest, TopReadsHundredAndBottomZeroWithinTheLimits)
{
    // A 20-pixel thumb on a track from 10 to 120: its top runs from 10 to 100.
    CVerticalThumb thumb(10, 120, 20);
    EXPECT_EQ(thumb.Top(), 100);
    EXPECT_EQ(thumb.DragTo(-50), 10);
    EXPECT_EQ(thumb.Release(), 100);
    EXPECT_EQ(thumb.DragTo(500), 100);
    EXPECT_EQ(thumb.Release(), 0);
    EXPECT_EQ(thumb.DragTo(55), 55);
    EXPECT_EQ(thumb.Release(), 50);

    thumb.SetLimits(80, 20);
    thumb.DragTo(10);
    EXPECT_EQ(thumb.Release(), 80);
    thumb.DragTo(100);
    EXPECT_EQ(thumb.Release(), 20);
    thumb.SetValue(50);
    EXPECT_EQ(thumb.Top(), 55);

    // A thumb as tall as its track has one place, the top, without dividing by zero.
    CVerticalThumb fixed(0, 30, 30);
    EXPECT_EQ(fixed.DragTo(20), 0);
    EXPECT_EQ(fixed.Release(), 100);
}

TEST(LevelBarTest, PointsPickTheValueUnderThemAndTheValueFillsFromTheLeft)
{
    CLevelBar bar(100, 200);
    EXPECT_TRUE(bar.PointAt(150));
    EXPECT_EQ(bar.Value(), 5);
    EXPECT_EQ(bar.FilledWidth(), 50);
    EXPECT_FALSE(bar.PointAt(155));
    bar.PointAt(40);
    EXPECT_EQ(bar.Value(), 0);
    bar.PointAt(260);
    EXPECT_EQ(bar.Value(), 10);
    EXPECT_EQ(bar.FilledWidth(), 100);

    CLevelBar flat(100, 200);
    flat.SetRange(3, 3);
    flat.PointAt(180);
    EXPECT_EQ(flat.Value(), 3);
    EXPECT_EQ(flat.FilledWidth(), 0);
    CLevelBar narrow(100, 100);
    narrow.PointAt(150);
    EXPECT_EQ(narrow.Value(), 0);
}
