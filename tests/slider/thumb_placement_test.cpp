#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "engine/thumb_placement.h"
#include "slider_fixture.h"

using namespace slider_test;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// The thumb's left edge on the 200 x 20 slider: 16 at the minimum end, 176 at the maximum.
int32_t thumbLeft(double value, double minimum, double maximum) {
    const PartLayout layout = layoutParts(kHorizontal, horizontalSizes());
    return placeThumb(layout, kHorizontal, Size{8, 16}, value, minimum, maximum).left;
}

// The thumb's bottom edge on the 20 x 200 slider: 184 at the minimum end, 24 at the maximum.
int32_t thumbBottom(double value, double minimum, double maximum) {
    const PartLayout layout = layoutParts(kVertical, verticalSizes());
    return placeThumb(layout, kVertical, Size{16, 8}, value, minimum, maximum).bottom;
}

} // namespace

TEST(ThumbPlacement, ProportionalInsideTheRangeCutToWholePixels) {
    EXPECT_EQ(thumbLeft(0.5, 0, 1), 96);
    EXPECT_EQ(thumbLeft(0.25, 0, 1), 56);
    EXPECT_EQ(thumbLeft(1.0 / 320.0 * 3, 0, 1), 17); // 1.5 pixels
    EXPECT_EQ(thumbLeft(0.999, 0, 1), 175);
    EXPECT_EQ(thumbLeft(-25, -50, 50), 56);
}

TEST(ThumbPlacement, AtAndBeyondTheEnds) {
    EXPECT_EQ(thumbLeft(0, 0, 1), 16);
    EXPECT_EQ(thumbLeft(-3, 0, 1), 16);
    EXPECT_EQ(thumbLeft(1, 0, 1), 176);
    EXPECT_EQ(thumbLeft(7, 0, 1), 176);
    EXPECT_EQ(thumbLeft(-kInf, 0, 1), 16);
    EXPECT_EQ(thumbLeft(kInf, 0, 1), 176);
    // Bounds near the largest doubles span more than a double holds.
    EXPECT_EQ(thumbLeft(0, -1.5e308, 1.5e308), 96);
    EXPECT_EQ(thumbLeft(1.5e308, -1.5e308, 1.5e308), 176);
}

TEST(ThumbPlacement, ReversedRangeRunsFromXMinimumAtTheLeft) {
    EXPECT_EQ(thumbLeft(10, 10, 0), 16);
    EXPECT_EQ(thumbLeft(7.5, 10, 0), 56);
    EXPECT_EQ(thumbLeft(0, 10, 0), 176);
    // Beyond XMinimum is still the minimum end, beyond XMaximum the maximum end.
    EXPECT_EQ(thumbLeft(15, 10, 0), 16);
    EXPECT_EQ(thumbLeft(-5, 10, 0), 176);
}

TEST(ThumbPlacement, RangeOfOnePointSitsAtTheMinimumEnd) {
    EXPECT_EQ(thumbLeft(3, 3, 3), 16);
    EXPECT_EQ(thumbLeft(5, 3, 3), 16);
    EXPECT_EQ(thumbLeft(0, 3, 3), 16);
}

TEST(ThumbPlacement, NotANumberAnywhereSitsAtTheMinimumEnd) {
    EXPECT_EQ(thumbLeft(kNaN, 0, 1), 16);
    EXPECT_EQ(thumbLeft(0.5, kNaN, 1), 16);
    EXPECT_EQ(thumbLeft(0.5, 0, kNaN), 16);
    EXPECT_EQ(thumbLeft(0.5, -kInf, kInf), 16);
}

TEST(ThumbPlacement, VerticalMirrorsTheEnds) {
    EXPECT_EQ(thumbBottom(0, 0, 1), 184);
    EXPECT_EQ(thumbBottom(0.5, 0, 1), 104);
    EXPECT_EQ(thumbBottom(1, 0, 1), 24);
    EXPECT_EQ(thumbBottom(2, 0, 1), 24);
    EXPECT_EQ(thumbBottom(kNaN, 0, 1), 184);
    const PartLayout layout = layoutParts(kVertical, verticalSizes());
    EXPECT_EQ(placeThumb(layout, kVertical, Size{16, 8}, 0.5, 0, 1), (Rect{2, 96, 18, 104}));
}

TEST(ThumbPlacement, WithoutTrackTheThumbStaysBetweenTheArrowEdges) {
    const Rect tiny{0, 0, 36, 20};
    const PartLayout layout = layoutParts(tiny, horizontalSizes());
    ASSERT_LT(trackLength(layout, 8), 0);
    for (double v : {0.0, 0.5, 1.0, kNaN}) {
        const Rect thumb = placeThumb(layout, tiny, Size{8, 16}, v, 0, 1);
        EXPECT_GE(thumb.left, 12) << v;
        EXPECT_LE(thumb.left, 16) << v;
    }
}
