#include <gtest/gtest.h>

#include "engine/part_hit.h"
#include "slider_fixture.h"

using namespace slider_test;

TEST(SliderOrientation, AtLeastAsWideAsHighIsHorizontal) {
    EXPECT_EQ(orientationOf(Rect{0, 0, 100, 100}), Orientation::kHorizontal);
    EXPECT_EQ(orientationOf(Rect{-100, -10, 100, 10}), Orientation::kHorizontal);
    EXPECT_EQ(orientationOf(Rect{0, 0, 99, 100}), Orientation::kVertical);
    EXPECT_EQ(orientationOf(Rect{0, 0, 0, 0}), Orientation::kHorizontal);
}

TEST(SliderLayout, HorizontalArrowsAtTheEndsAndTheBarBetween) {
    const PartLayout layout = layoutParts(kHorizontal, horizontalSizes());
    EXPECT_EQ(layout.orientation, Orientation::kHorizontal);
    EXPECT_EQ(layout.firstArrow, (Rect{0, 2, 16, 18}));
    EXPECT_EQ(layout.secondArrow, (Rect{184, 2, 200, 18}));
    EXPECT_EQ(layout.bar, (Rect{16, 2, 184, 18}));
    EXPECT_EQ(trackLength(layout, 8), kTrack);
}

TEST(SliderLayout, VerticalFirstArrowAtTheBottom) {
    const PartLayout layout = layoutParts(kVertical, verticalSizes());
    EXPECT_EQ(layout.orientation, Orientation::kVertical);
    EXPECT_EQ(layout.firstArrow, (Rect{2, 184, 18, 200}));
    EXPECT_EQ(layout.secondArrow, (Rect{2, 0, 18, 16}));
    EXPECT_EQ(layout.bar, (Rect{2, 16, 18, 184}));
    EXPECT_EQ(trackLength(layout, 8), kTrack);
}

TEST(SliderLayout, PartsCentreOnTheSpriteCentre) {
    // Centre (15, 25); odd heights start half their height (rounded down) above it.
    const PartSizes sizes{Size{9, 11}, Size{7, 5}, Size{1, 3}, Size{4, 4}};
    const PartLayout layout = layoutParts(Rect{-20, 10, 50, 40}, sizes);
    EXPECT_EQ(layout.firstArrow, (Rect{-20, 20, -11, 31}));
    EXPECT_EQ(layout.secondArrow, (Rect{43, 23, 50, 28}));
    EXPECT_EQ(layout.bar, (Rect{-11, 24, 43, 27}));
}

TEST(SliderLayout, TooSmallForItsPartsLeavesNoTrack) {
    const PartLayout layout = layoutParts(Rect{0, 0, 30, 20}, horizontalSizes());
    EXPECT_EQ(layout.bar.width(), 0);
    EXPECT_LE(trackLength(layout, 8), 0);
}

TEST(SliderLayout, HugeSpritesSaturateInsteadOfWrapping) {
    const Rect sprite{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MIN + 10};
    const PartLayout layout = layoutParts(sprite, horizontalSizes());
    EXPECT_EQ(layout.firstArrow.left, INT32_MIN);
    EXPECT_EQ(layout.secondArrow.right, INT32_MAX);
    EXPECT_GT(trackLength(layout, 8), 0);
}

TEST(SliderHit, ArrowsThenThumbThenBarSides) {
    const DrawnParts drawn = drawnAt(kHorizontal, horizontalSizes(), SliderValues{});
    ASSERT_EQ(drawn.thumb, (Rect{96, 2, 104, 18}));
    EXPECT_EQ(partAt(drawn, Point{0, 10}), kPartFirstArrow);
    EXPECT_EQ(partAt(drawn, Point{199, 10}), kPartSecondArrow);
    EXPECT_EQ(partAt(drawn, Point{96, 10}), kPartThumb);
    EXPECT_EQ(partAt(drawn, Point{95, 10}), kPartBarMinSide);
    EXPECT_EQ(partAt(drawn, Point{104, 10}), kPartBarMaxSide);
    EXPECT_EQ(partAt(drawn, Point{100, 0}), kPartNone);
    EXPECT_EQ(partAt(drawn, Point{200, 10}), kPartNone);
}

TEST(SliderHit, VerticalMinimumSideIsBelowTheThumb) {
    const DrawnParts drawn = drawnAt(kVertical, verticalSizes(), SliderValues{});
    ASSERT_EQ(drawn.thumb, (Rect{2, 96, 18, 104}));
    EXPECT_EQ(partAt(drawn, Point{10, 199}), kPartFirstArrow);
    EXPECT_EQ(partAt(drawn, Point{10, 0}), kPartSecondArrow);
    EXPECT_EQ(partAt(drawn, Point{10, 104}), kPartBarMinSide);
    EXPECT_EQ(partAt(drawn, Point{10, 95}), kPartBarMaxSide);
}

TEST(SliderHit, NothingIsHitBeforeTheFirstDraw) {
    const DrawnParts none{};
    EXPECT_EQ(partAt(none, Point{0, 0}), kPartNone);
    EXPECT_EQ(partAt(none, Point{10, 10}), kPartNone);
}

TEST(SliderHit, GrabOffsetIsMeasuredFromTheLeadingEdge) {
    const DrawnParts horizontal = drawnAt(kHorizontal, horizontalSizes(), SliderValues{});
    EXPECT_EQ(grabOffset(horizontal, Point{99, 10}), 3);
    const DrawnParts vertical = drawnAt(kVertical, verticalSizes(), SliderValues{});
    EXPECT_EQ(grabOffset(vertical, Point{10, 101}), 5);
}
