// What a sensitivity stage tile paints and how a click selects it; which picture a profile
// button shows and what its clicks do.
#include <gtest/gtest.h>

#include <vector>

#include "controls/core/CProfileButtonState.h"
#include "controls/core/CStageTile.h"

using Picture = CStageTile::Picture;
using Label = CStageTile::Label;

TEST(StageTileTest, LayoutNamesItsPartsExactly)
{
    EXPECT_EQ(CStageTile::PictureNamed(L"DPIFRAMESELECTED"), Picture::SelectedFrame);
    EXPECT_EQ(CStageTile::PictureNamed(L"DPIWINY"), Picture::YValue);
    EXPECT_EQ(CStageTile::PictureNamed(L"dpiframe"), std::nullopt);
    EXPECT_EQ(CStageTile::LabelNamed(L"DPIX"), Label::DpiX);
    EXPECT_EQ(CStageTile::LabelNamed(L"Z"), std::nullopt);
    EXPECT_EQ(CStageTile::ShownColour(0), 0xFEFEFEu);
    EXPECT_EQ(CStageTile::ShownColour(0x0000FF), 0x0000FFu);
    EXPECT_EQ(CStageTile::NumberArea(RectEdges{19, 78, 117, 108}), (RectEdges{22, 80, 114, 106}));
}

TEST(StageTileTest, PlanFollowsShownSeparateAndSelected)
{
    CStageTile tile;
    tile.SetValues(800, 1200, 1600);
    CStageTile::PaintPlan plan = tile.Plan(true);
    EXPECT_EQ(plan.background, Picture::Frame);
    EXPECT_EQ(plan.labels, (std::vector<Label>{Label::Heading, Label::Dpi}));
    EXPECT_EQ(plan.numbers, (std::vector<CStageTile::Number>{{Picture::Value, 800}}));
    EXPECT_FALSE(plan.selectedBoxes);

    tile.SetSeparate(true);
    tile.SetSelected(true);
    plan = tile.Plan(true);
    EXPECT_EQ(plan.background, Picture::SelectedFrame);
    EXPECT_EQ(plan.labels, (std::vector<Label>{Label::Heading, Label::DpiX, Label::DpiY, Label::X, Label::Y}));
    EXPECT_EQ(plan.numbers,
              (std::vector<CStageTile::Number>{{Picture::XValue, 1200}, {Picture::YValue, 1600}}));
    EXPECT_TRUE(plan.selectedBoxes);
    // Without a selected frame the frame stands in for it.
    EXPECT_EQ(tile.Plan(false).background, Picture::Frame);

    tile.SetShown(false);
    plan = tile.Plan(true);
    EXPECT_FALSE(plan.background.has_value());
    EXPECT_TRUE(plan.labels.empty());
    EXPECT_TRUE(plan.numbers.empty());
}

TEST(StageTileTest, OnlyTheFirstClickOnAClickableTileSelectsIt)
{
    CStageTile tile;
    EXPECT_TRUE(tile.Click());
    EXPECT_TRUE(tile.IsSelected());
    EXPECT_FALSE(tile.Click());

    CStageTile locked;
    locked.SetClickable(false);
    EXPECT_FALSE(locked.Click());
    EXPECT_FALSE(locked.IsSelected());
}

TEST(ProfileButtonStateTest, PictureFollowsToggleHoldHoverAndDisabled)
{
    using P = CProfileButtonState::Picture;
    CProfileButtonState plain;
    EXPECT_EQ(plain.Choose(false, false), P::Normal);
    EXPECT_EQ(plain.Choose(false, true), P::Disabled);
    EXPECT_EQ(plain.Choose(true, true), P::Pressed);
    plain.SetHovering(true);
    EXPECT_EQ(plain.Choose(false, true), P::Hover);
    plain.SetToggled(true);
    EXPECT_EQ(plain.Choose(false, false), P::Pressed);
    EXPECT_FALSE(plain.Click());

    // In toggle mode only the toggle state counts, and two clicks report twice and end off.
    CProfileButtonState toggle;
    toggle.SetToggleMode(true);
    toggle.SetHovering(true);
    EXPECT_EQ(toggle.Choose(true, true), P::Normal);
    EXPECT_TRUE(toggle.Click());
    EXPECT_EQ(toggle.Choose(false, false), P::Pressed);
    EXPECT_TRUE(toggle.Click());
    EXPECT_FALSE(toggle.IsToggled());
}
