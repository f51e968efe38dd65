#include <gtest/gtest.h>

#include "slider_fixture.h"

using namespace slider_test;

TEST(SliderLayout, OrientationFollowsTheShape) {
    EXPECT_EQ(orientationOf(Rect{0, 0, 100, 100}), Orientation::kHorizontal);
    EXPECT_EQ(orientationOf(Rect{-100, -10, 100, 10}), Orientation::kHorizontal);
    EXPECT_EQ(orientationOf(Rect{0, 0, 99, 100}), Orientation::kVertical);
}

TEST(SliderLayout, ArrowsAtTheEndsAndTheBarBetweenCentredOnTheSprite) {
    const PartLayout h = layoutParts(kHorizontal, horizontalSizes());
    EXPECT_EQ(h.firstArrow, (Rect{0, 2, 16, 18}));
    EXPECT_EQ(h.secondArrow, (Rect{184, 2, 200, 18}));
    EXPECT_EQ(h.bar, (Rect{16, 2, 184, 18}));
    EXPECT_EQ(trackLength(h, 8), kTrack);

    const PartLayout v = layoutParts(kVertical, verticalSizes());
    EXPECT_EQ(v.firstArrow, (Rect{2, 184, 18, 200})); // the down arrow, at the bottom
    EXPECT_EQ(v.secondArrow, (Rect{2, 0, 18, 16}));
    EXPECT_EQ(v.bar, (Rect{2, 16, 18, 184}));
    EXPECT_EQ(trackLength(v, 8), kTrack);

    // Centre (15, 25): odd sizes start half their size, rounded down, before it.
    const PartSizes odd{Size{9, 11}, Size{7, 5}, Size{1, 3}, Size{4, 4}};
    const PartLayout c = layoutParts(Rect{-20, 10, 50, 40}, odd);
    EXPECT_EQ(c.firstArrow, (Rect{-20, 20, -11, 31}));
    EXPECT_EQ(c.secondArrow, (Rect{43, 23, 50, 28}));
    EXPECT_EQ(c.bar, (Rect{-11, 24, 43, 27}));
}

TEST(SliderLayout, SmallOrHugeSpritesStayOrdered) {
    const PartLayout small = layoutParts(Rect{0, 0, 30, 20}, horizontalSizes());
    EXPECT_EQ(small.bar.width(), 0);
    EXPECT_LE(trackLength(small, 8), 0);
    const PartLayout huge =
        layoutParts(Rect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MIN + 10}, horizontalSizes());
    EXPECT_EQ(huge.firstArrow.left, INT32_MIN);
    EXPECT_EQ(huge.secondArrow.right, INT32_MAX);
    EXPECT_GT(trackLength(huge, 8), 0);
}

TEST(SliderHit, ArrowsThenThumbThenTheBarBesideIt) {
    EXPECT_EQ(partAt(DrawnParts{}, Point{0, 0}), kPartNone); // before the first draw
    const DrawnParts h = drawnAt(kHorizontal, horizontalSizes(), SliderValues{});
    ASSERT_EQ(h.thumb, (Rect{96, 2, 104, 18}));
    EXPECT_EQ(partAt(h, Point{0, 10}), kPartFirstArrow);
    EXPECT_EQ(partAt(h, Point{199, 10}), kPartSecondArrow);
    EXPECT_EQ(partAt(h, Point{96, 10}), kPartThumb);
    EXPECT_EQ(partAt(h, Point{95, 10}), kPartBarMinSide);
    EXPECT_EQ(partAt(h, Point{104, 10}), kPartBarMaxSide);
    EXPECT_EQ(partAt(h, Point{100, 0}), kPartNone);
    EXPECT_EQ(grabOffset(h, Point{99, 10}), 3);

    const DrawnParts v = drawnAt(kVertical, verticalSizes(), SliderValues{});
    ASSERT_EQ(v.thumb, (Rect{2, 96, 18, 104}));
    EXPECT_EQ(partAt(v, Point{10, 104}), kPartBarMinSide); // below the thumb
    EXPECT_EQ(partAt(v, Point{10, 95}), kPartBarMaxSide);
    EXPECT_EQ(grabOffset(v, Point{10, 101}), 5);
}
