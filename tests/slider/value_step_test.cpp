#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "slider_fixture.h"

using namespace slider_test;

namespace {

constexpr double kPixel = 1.0 / 160.0;
constexpr double kInf = std::numeric_limits<double>::infinity();

// One redraw with a part active, after a draw of the same value.
DrawPlan redraw(SliderValues values, int32_t part, Point cursor = {},
                const Rect& sprite = kHorizontal, const PartSizes& sizes = horizontalSizes()) {
    DrawInput input{sprite, sizes, values, part, drawnAt(sprite, sizes, values), cursor, 0};
    return planDraw(input);
}

double stepped(SliderValues values, int32_t part, Point cursor = {}) {
    const DrawPlan plan = redraw(values, part, cursor);
    EXPECT_TRUE(plan.newValue);
    return plan.newValue.value_or(std::nan(""));
}

} // namespace

TEST(SliderStep, ArrowsMoveBySmallStepOrOnePixel) {
    EXPECT_DOUBLE_EQ(stepped(SliderValues{}, kPartSecondArrow), 0.5 + kPixel);
    EXPECT_DOUBLE_EQ(stepped(SliderValues{0.5, 0, 1, 0, -1}, kPartFirstArrow), 0.5 - kPixel);
    EXPECT_EQ(redraw(SliderValues{0.5, 0, 1, 0, -1}, kPartSecondArrow).drawn.thumb.left, 97);
    EXPECT_DOUBLE_EQ(stepped(SliderValues{0.5, 0, 1, 0.1, -1}, kPartSecondArrow), 0.6);
    EXPECT_DOUBLE_EQ(stepped(SliderValues{5, 10, 0, 1, -1}, kPartSecondArrow), 4);
    // Steps stop at the ends.
    EXPECT_EQ(stepped(SliderValues{1, 0, 1, 0.3, -1}, kPartSecondArrow), 1.0);
    EXPECT_EQ(stepped(SliderValues{0.5, 10, 0, 20, -1}, kPartSecondArrow), 0.0);
}

TEST(SliderStep, ReversedRangeRightArrowMovesTowardsXMaximumAndTheThumbRight) {
    const SliderValues v{5, 10, 0, -1, -1};
    const DrawPlan after = redraw(v, kPartSecondArrow);
    ASSERT_TRUE(after.newValue);
    EXPECT_DOUBLE_EQ(*after.newValue, 5.0 - 10.0 * kPixel);
    EXPECT_GT(after.drawn.thumb.left, redraw(v, kPartNone).drawn.thumb.left);
}

TEST(SliderStep, BarPagesWhileTheCursorIsBeyondTheThumb) {
    EXPECT_DOUBLE_EQ(stepped(SliderValues{}, kPartBarMaxSide, Point{150, 10}), 0.5625);
    EXPECT_DOUBLE_EQ(stepped(SliderValues{}, kPartBarMinSide, Point{20, 10}), 0.4375);
    EXPECT_DOUBLE_EQ(stepped(SliderValues{0.5, 0, 1, -1, 0.2}, kPartBarMaxSide, {150, 10}), 0.7);
    EXPECT_DOUBLE_EQ(stepped(SliderValues{5, 10, 0, -1, 2}, kPartBarMaxSide, {150, 10}), 3);
    EXPECT_DOUBLE_EQ(stepped(SliderValues{5, 10, 0, -1, -1}, kPartBarMinSide, {20, 10}), 5.625);
    // The thumb has reached the cursor: paging stops.
    EXPECT_FALSE(redraw(SliderValues{}, kPartBarMaxSide, Point{100, 10}).newValue);
    EXPECT_FALSE(redraw(SliderValues{}, kPartBarMinSide, Point{96, 10}).newValue);
    // Vertical: the maximum side is above the thumb.
    const DrawPlan up =
        redraw(SliderValues{}, kPartBarMaxSide, Point{10, 20}, kVertical, verticalSizes());
    EXPECT_DOUBLE_EQ(up.newValue.value_or(0), 0.5625);
}

TEST(SliderStep, DragKeepsTheGrabbedPointUnderTheCursor) {
    SliderValues v;
    DrawnParts drawn = drawnAt(kHorizontal, horizontalSizes(), v);
    const int32_t grab = grabOffset(drawn, Point{100, 10});
    for (int32_t x : {140, 140, 60, 300, -50}) {
        const DrawInput input{kHorizontal, horizontalSizes(), v, kPartThumb, drawn, {x, 10}, grab};
        const DrawPlan plan = planDraw(input);
        ASSERT_TRUE(plan.newValue);
        v.value = *plan.newValue;
        drawn = plan.drawn;
        EXPECT_EQ(drawn.thumb.left, std::clamp(x - grab, 16, 176)) << x;
    }
    EXPECT_EQ(v.value, 0.0);

    // Vertical: the grabbed point moves 40 pixels up.
    const SliderValues mid;
    const DrawInput up{kVertical,
                       verticalSizes(),
                       mid,
                       kPartThumb,
                       drawnAt(kVertical, verticalSizes(), mid),
                       {10, 58},
                       2};
    const DrawPlan plan = planDraw(up);
    EXPECT_DOUBLE_EQ(plan.newValue.value_or(0), 0.75);
    EXPECT_EQ(plan.drawn.thumb.top, 56);
}

TEST(SliderStep, WithoutTrackDragsAndPixelStepsAreSkipped) {
    const Rect tiny{0, 0, 36, 20};
    EXPECT_FALSE(redraw(SliderValues{}, kPartThumb, Point{30, 10}, tiny).newValue);
    EXPECT_FALSE(redraw(SliderValues{}, kPartSecondArrow, Point{}, tiny).newValue);
    const DrawPlan small = redraw(SliderValues{0.5, 0, 1, 0.25, -1}, kPartFirstArrow, {}, tiny);
    EXPECT_EQ(small.newValue.value_or(0), 0.25);
}

TEST(SliderStep, OnlyFiniteValuesAreStored) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(redraw(SliderValues{0, -kInf, kInf, -1, -1}, kPartBarMaxSide, {150, 10}).newValue);
    EXPECT_FALSE(redraw(SliderValues{kNaN, 0, 1, -1, -1}, kPartSecondArrow).newValue);
    EXPECT_FALSE(redraw(SliderValues{0.5, 0, kNaN, -1, -1}, kPartSecondArrow).newValue);
    EXPECT_EQ(stepped(SliderValues{0.5, 0, 1, kInf, -1}, kPartSecondArrow), 1.0);
    EXPECT_EQ(stepped(SliderValues{0.5, -1e308, 1e308, -1, -1}, kPartBarMaxSide, {150, 10}), 1e308);
    for (int32_t part : {int32_t{kPartNone}, int32_t{-1}, int32_t{6}}) {
        EXPECT_FALSE(redraw(SliderValues{}, part, Point{150, 10}).newValue) << part;
    }
}
