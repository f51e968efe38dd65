#include <cmath>
#include <limits>
#include <tuple>

#include <gtest/gtest.h>

#include "engine/thumb_placement.h"
#include "engine/value_range.h"
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

} // namespace

TEST(ThumbPlacement, ProportionalInsideTheRangeAndAtTheEndsOutside) {
    EXPECT_EQ(thumbLeft(0.5, 0, 1), 96);
    EXPECT_EQ(thumbLeft(3.0 / 320, 0, 1), 17); // 1.5 pixels, cut
    EXPECT_EQ(thumbLeft(-25, -50, 50), 56);
    EXPECT_EQ(thumbLeft(-3, 0, 1), 16);
    EXPECT_EQ(thumbLeft(1, 0, 1), 176);
    EXPECT_EQ(thumbLeft(kInf, 0, 1), 176);
    EXPECT_EQ(thumbLeft(0, -1.5e308, 1.5e308), 96); // a span beyond the largest double
}

TEST(ThumbPlacement, ReversedRangeStartsAtXMinimumOnTheLeft) {
    EXPECT_EQ(thumbLeft(7.5, 10, 0), 56);
    EXPECT_EQ(thumbLeft(15, 10, 0), 16);
    EXPECT_EQ(thumbLeft(-5, 10, 0), 176);
}

TEST(ThumbPlacement, OnePointRangeOrNaNSitsAtTheMinimumEnd) {
    for (const auto& [value, minimum, maximum] : {std::tuple{5.0, 3.0, 3.0},
                                                  {kNaN, 0.0, 1.0},
                                                  {0.5, kNaN, 1.0},
                                                  {0.5, 0.0, kNaN},
                                                  {0.5, -kInf, kInf}}) {
        EXPECT_EQ(thumbLeft(value, minimum, maximum), 16) << value << " " << minimum;
    }
}

TEST(ThumbPlacement, VerticalCountsUpFromTheBottomArrow) {
    const PartLayout layout = layoutParts(kVertical, verticalSizes());
    const auto bottom = [&](double value) {
        return placeThumb(layout, kVertical, Size{16, 8}, value, 0, 1).bottom;
    };
    EXPECT_EQ(bottom(0), 184);
    EXPECT_EQ(bottom(0.5), 104);
    EXPECT_EQ(bottom(1), 24);
    EXPECT_EQ(bottom(2), 24);
    EXPECT_EQ(bottom(kNaN), 184);
}

TEST(SliderRange, DialogClampKeepsTheValueInside) {
    EXPECT_EQ(clampToRange(5, 0, 1), 1);
    EXPECT_EQ(clampToRange(-5, 0, 1), 0);
    EXPECT_EQ(clampToRange(0.3, 0, 1), 0.3);
    EXPECT_EQ(clampToRange(15, 10, 0), 10);
    EXPECT_EQ(clampToRange(-1, 10, 0), 0);
    EXPECT_EQ(clampToRange(4, 10, 0), 4);
    EXPECT_EQ(clampToRange(7, 3, 3), 3);
    EXPECT_TRUE(std::isnan(clampToRange(kNaN, 0, 1)));
    EXPECT_EQ(clampToRange(5, kNaN, 1), 5);
}
