#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "engine/value_range.h"
#include "slider_fixture.h"

using namespace slider_test;

namespace {

constexpr double kPixel = 1.0 / 160.0;

// One redraw of the 200 x 20 slider with a part active, starting from the value's own draw.
DrawPlan redraw(SliderValues values, int32_t part, Point cursor = {}, int32_t grab = 0,
                const Rect& sprite = kHorizontal, const PartSizes& sizes = horizontalSizes()) {
    DrawInput input;
    input.sprite = sprite;
    input.sizes = sizes;
    input.values = values;
    input.activePart = part;
    input.previous = drawnAt(sprite, sizes, values);
    input.cursor = cursor;
    input.grabOffset = grab;
    return planDraw(input);
}

double stepped(SliderValues values, int32_t part, Point cursor = {}) {
    const DrawPlan plan = redraw(values, part, cursor);
    EXPECT_TRUE(plan.newValue);
    return plan.newValue.value_or(std::nan(""));
}

} // namespace

TEST(SliderStep, ArrowsMoveOnePixelsWorthWithoutASmallStep) {
    SliderValues v;
    EXPECT_DOUBLE_EQ(stepped(v, kPartSecondArrow), 0.5 + kPixel);
    EXPECT_DOUBLE_EQ(stepped(v, kPartFirstArrow), 0.5 - kPixel);
    v.smallStep = 0.0;
    EXPECT_DOUBLE_EQ(stepped(v, kPartSecondArrow), 0.5 + kPixel);
    // One pixel's worth moves the thumb by exactly one pixel.
    EXPECT_EQ(redraw(v, kPartSecondArrow).drawn.thumb.left, 97);
}

TEST(SliderStep, PositiveSmallStepCountsTowardsXMaximum) {
    SliderValues v;
    v.smallStep = 0.1;
    EXPECT_DOUBLE_EQ(stepped(v, kPartSecondArrow), 0.6);
    EXPECT_DOUBLE_EQ(stepped(v, kPartFirstArrow), 0.4);
    v = SliderValues{5, 10, 0, 1, -1};
    EXPECT_DOUBLE_EQ(stepped(v, kPartSecondArrow), 4);
}

TEST(SliderStep, ReversedRangeRightArrowMovesTowardsXMaximumAndTheThumbRight) {
    const SliderValues v{5, 10, 0, -1, -1};
    const DrawPlan before = redraw(v, kPartNone);
    const DrawPlan after = redraw(v, kPartSecondArrow);
    ASSERT_TRUE(after.newValue);
    EXPECT_LT(*after.newValue, 5.0);
    EXPECT_DOUBLE_EQ(*after.newValue, 5.0 - 10.0 / 160.0);
    EXPECT_GT(after.drawn.thumb.left, before.drawn.thumb.left);
}

TEST(SliderStep, BarPagesBySixteenthOfTheRangeWhileTheCursorIsBeyondTheThumb) {
    const SliderValues v;
    EXPECT_DOUBLE_EQ(stepped(v, kPartBarMaxSide, Point{150, 10}), 0.5625);
    EXPECT_DOUBLE_EQ(stepped(v, kPartBarMinSide, Point{20, 10}), 0.4375);
    // The thumb has reached the cursor: paging stops.
    EXPECT_FALSE(redraw(v, kPartBarMaxSide, Point{100, 10}).newValue);
    EXPECT_FALSE(redraw(v, kPartBarMinSide, Point{96, 10}).newValue);
    EXPECT_FALSE(redraw(v, kPartBarMaxSide, Point{20, 10}).newValue);
}

TEST(SliderStep, PositiveLargeStepAndTheReversedRange) {
    SliderValues v;
    v.largeStep = 0.2;
    EXPECT_DOUBLE_EQ(stepped(v, kPartBarMaxSide, Point{150, 10}), 0.7);
    const SliderValues reversed{5, 10, 0, -1, 2};
    EXPECT_DOUBLE_EQ(stepped(reversed, kPartBarMaxSide, Point{150, 10}), 3);
    const SliderValues reversedDefault{5, 10, 0, -1, -1};
    EXPECT_DOUBLE_EQ(stepped(reversedDefault, kPartBarMinSide, Point{20, 10}), 5.625);
}

TEST(SliderStep, VerticalPagingAboveAndBelow) {
    const DrawPlan up =
        redraw(SliderValues{}, kPartBarMaxSide, Point{10, 20}, 0, kVertical, verticalSizes());
    ASSERT_TRUE(up.newValue);
    EXPECT_DOUBLE_EQ(*up.newValue, 0.5625);
    const DrawPlan down =
        redraw(SliderValues{}, kPartBarMinSide, Point{10, 180}, 0, kVertical, verticalSizes());
    ASSERT_TRUE(down.newValue);
    EXPECT_DOUBLE_EQ(*down.newValue, 0.4375);
}

TEST(SliderStep, StepsStopAtTheEnds) {
    EXPECT_EQ(stepped(SliderValues{1, 0, 1, 0.3, -1}, kPartSecondArrow), 1.0);
    EXPECT_EQ(stepped(SliderValues{0.1, 0, 1, 0.3, -1}, kPartFirstArrow), 0.0);
    EXPECT_EQ(stepped(SliderValues{0.5, 10, 0, 20, -1}, kPartSecondArrow), 0.0);
    EXPECT_EQ(stepped(SliderValues{9.5, 10, 0, 20, -1}, kPartFirstArrow), 10.0);
}

TEST(SliderStep, DragKeepsTheGrabbedPointUnderTheCursor) {
    SliderValues v;
    DrawnParts drawn = drawnAt(kHorizontal, horizontalSizes(), v);
    const Point press{100, 10};
    ASSERT_EQ(partAt(drawn, press), kPartThumb);
    const int32_t grab = grabOffset(drawn, press);

    DrawInput input;
    input.sprite = kHorizontal;
    input.sizes = horizontalSizes();
    input.activePart = kPartThumb;
    input.grabOffset = grab;
    for (int32_t x : {140, 140, 60, 300, -50}) {
        input.values = v;
        input.previous = drawn;
        input.cursor = Point{x, 10};
        const DrawPlan plan = planDraw(input);
        ASSERT_TRUE(plan.newValue);
        v.value = *plan.newValue;
        drawn = plan.drawn;
        const int32_t expected = std::clamp(x - grab, 16, 176);
        EXPECT_EQ(drawn.thumb.left, expected) << x;
    }
    EXPECT_EQ(v.value, 0.0);
}

TEST(SliderStep, VerticalDragUpRaisesTheValue) {
    const SliderValues v;
    const DrawnParts drawn = drawnAt(kVertical, verticalSizes(), v);
    ASSERT_EQ(drawn.thumb.top, 96);
    DrawInput input;
    input.sprite = kVertical;
    input.sizes = verticalSizes();
    input.values = v;
    input.activePart = kPartThumb;
    input.previous = drawn;
    input.grabOffset = 2;
    input.cursor = Point{10, 58}; // the grabbed point moved 40 pixels up
    const DrawPlan plan = planDraw(input);
    ASSERT_TRUE(plan.newValue);
    EXPECT_DOUBLE_EQ(*plan.newValue, 0.75);
    EXPECT_EQ(plan.drawn.thumb.top, 56);
}

TEST(SliderStep, WithoutTrackDragsAndPixelStepsAreSkipped) {
    const Rect tiny{0, 0, 36, 20};
    const SliderValues v;
    EXPECT_FALSE(redraw(v, kPartThumb, Point{30, 10}, 0, tiny).newValue);
    EXPECT_FALSE(redraw(v, kPartSecondArrow, Point{}, 0, tiny).newValue);
    // Steps that need no pixels still work.
    const DrawPlan small = redraw(SliderValues{0.5, 0, 1, 0.25, -1}, kPartFirstArrow, {}, 0, tiny);
    ASSERT_TRUE(small.newValue);
    EXPECT_EQ(*small.newValue, 0.25);
    EXPECT_FALSE(valuePerPixel(v, 0));
    EXPECT_FALSE(valuePerPixel(v, -4));
}

TEST(SliderStep, NonFiniteResultsAreNeverStored) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(
        redraw(SliderValues{0, -kInf, kInf, -1, -1}, kPartBarMaxSide, Point{150, 10}).newValue);
    EXPECT_FALSE(redraw(SliderValues{kNaN, 0, 1, -1, -1}, kPartSecondArrow).newValue);
    EXPECT_FALSE(redraw(SliderValues{0.5, 0, kNaN, -1, -1}, kPartSecondArrow).newValue);
    // An infinite step is clamped to the end, which is finite.
    EXPECT_EQ(stepped(SliderValues{0.5, 0, 1, kInf, -1}, kPartSecondArrow), 1.0);
    const DrawPlan huge =
        redraw(SliderValues{0.5, -1e308, 1e308, -1, -1}, kPartBarMaxSide, Point{150, 10});
    ASSERT_TRUE(huge.newValue);
    EXPECT_EQ(*huge.newValue, 1e308);
    EXPECT_EQ(huge.drawn.thumb.left, 176);
}

TEST(SliderStep, NoActivePartMeansNoStep) {
    for (int32_t part : {int32_t{kPartNone}, int32_t{-1}, int32_t{6}, int32_t{INT32_MAX}}) {
        const DrawPlan plan = redraw(SliderValues{}, part, Point{150, 10});
        EXPECT_FALSE(plan.newValue) << part;
        EXPECT_EQ(plan.drawn.thumb.left, 96);
    }
}

TEST(SliderRange, DialogClampKeepsTheValueInside) {
    EXPECT_EQ(clampToRange(5, 0, 1), 1);
    EXPECT_EQ(clampToRange(-5, 0, 1), 0);
    EXPECT_EQ(clampToRange(0.3, 0, 1), 0.3);
    EXPECT_EQ(clampToRange(15, 10, 0), 10);
    EXPECT_EQ(clampToRange(-1, 10, 0), 0);
    EXPECT_EQ(clampToRange(4, 10, 0), 4);
    EXPECT_EQ(clampToRange(7, 3, 3), 3);
}

TEST(SliderRange, NotANumberIsLeftAsItIs) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(std::isnan(clampToRange(kNaN, 0, 1)));
    EXPECT_TRUE(std::isnan(clampToRange(kNaN, 3, 3)));
    EXPECT_EQ(clampToRange(5, kNaN, 1), 5);
    EXPECT_FALSE(rangeFraction(0.5, 3, 3));
    EXPECT_FALSE(rangeFraction(kNaN, 0, 1));
    EXPECT_EQ(rangeFraction(7.5, 10, 0), 0.25);
}
