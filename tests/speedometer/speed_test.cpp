#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "engine/speed_bar.h"
#include "engine/speed_coupling.h"

using namespace zx::speedometer;

namespace {

constexpr Rect kGauge{0, 0, 100, 20};
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

} // namespace

TEST(SpeedCoupling, YSpeedRoundsHalfUpIntoXSpeed) {
    EXPECT_EQ(xSpeedFromYSpeed(42.5), 43);
    EXPECT_EQ(xSpeedFromYSpeed(42.49), 42);
    EXPECT_EQ(xSpeedFromYSpeed(30.0), 30);
    // Cut towards zero after adding a half: negative halves go up.
    EXPECT_EQ(xSpeedFromYSpeed(-42.5), -42);
    EXPECT_EQ(xSpeedFromYSpeed(-42.6), -42);
    EXPECT_EQ(xSpeedFromYSpeed(-0.7), 0);
}

TEST(SpeedCoupling, XSpeedSetsTheSameYSpeed) {
    EXPECT_EQ(ySpeedFromXSpeed(7), 7.0);
    EXPECT_EQ(ySpeedFromXSpeed(INT32_MIN), -2147483648.0);
}

TEST(SpeedCoupling, SaturatesAndTurnsNaNIntoZero) {
    EXPECT_EQ(xSpeedFromYSpeed(kNaN), 0);
    EXPECT_EQ(xSpeedFromYSpeed(1e300), INT32_MAX);
    EXPECT_EQ(xSpeedFromYSpeed(kInf), INT32_MAX);
    EXPECT_EQ(xSpeedFromYSpeed(2147483646.7), INT32_MAX);
    EXPECT_EQ(xSpeedFromYSpeed(-1e300), INT32_MIN);
    EXPECT_EQ(xSpeedFromYSpeed(-kInf), INT32_MIN);
    EXPECT_EQ(xSpeedFromYSpeed(-2147483648.4), -2147483647);
    EXPECT_EQ(xSpeedFromYSpeed(-2147483649.0), INT32_MIN);
}

TEST(SpeedBar, DefaultGaugeFillsThirtyPercent) {
    EXPECT_EQ(speedBarLength(kGauge, 30.0, 0, 100), 30);
    EXPECT_EQ(speedBar(kGauge, 30.0, 0, 100), (Rect{1, 1, 31, 20}));
    EXPECT_EQ(speedBar(Rect{-50, -10, 150, 10}, 30.0, 0, 100), (Rect{-49, -9, 11, 10}));
}

TEST(SpeedBar, NoBarAtOrBelowXMin) {
    EXPECT_FALSE(speedBar(kGauge, 0.0, 0, 100));
    EXPECT_FALSE(speedBar(kGauge, -5.0, 0, 100));
    EXPECT_FALSE(speedBar(kGauge, 10.0, 10, 100));
    EXPECT_FALSE(speedBar(kGauge, kNaN, 0, 100));
    // Above XMin but less than a pixel long.
    EXPECT_FALSE(speedBar(kGauge, 0.5, 0, 100));
}

TEST(SpeedBar, NeverPastTheRightEdge) {
    EXPECT_EQ(speedBar(kGauge, 100.0, 0, 100), (Rect{1, 1, 100, 20}));
    EXPECT_EQ(speedBar(kGauge, 1e9, 0, 100), (Rect{1, 1, 100, 20}));
    EXPECT_EQ(speedBar(kGauge, kInf, 0, 100), (Rect{1, 1, 100, 20}));
    EXPECT_EQ(speedBarLength(kGauge, 1e300, INT32_MIN, INT32_MAX), 100);
}

TEST(SpeedBar, EmptyOrReversedScaleDrawsNoBar) {
    EXPECT_EQ(speedBarLength(kGauge, 50.0, 40, 40), 0);
    EXPECT_FALSE(speedBar(kGauge, 50.0, 40, 40));
    // Reversed: a speed above XMin lies before the start of the scale.
    EXPECT_FALSE(speedBar(kGauge, 150.0, 100, 0));
    EXPECT_EQ(speedBarLength(kGauge, 50.0, 100, 0), 50);
    EXPECT_FALSE(speedBar(Rect{10, 0, 10, 20}, 50.0, 0, 100));
    EXPECT_FALSE(speedBar(Rect{10, 0, 0, 20}, 50.0, 0, 100));
}

TEST(SpeedBar, NegativeScale) {
    EXPECT_EQ(speedBar(kGauge, 0.0, -50, 50), (Rect{1, 1, 51, 20}));
    EXPECT_EQ(speedBar(kGauge, -25.0, -50, 50), (Rect{1, 1, 26, 20}));
}
