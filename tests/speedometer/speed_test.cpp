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

TEST(SpeedCoupling, EachSpeedSetsTheOther) {
    EXPECT_EQ(xSpeedFromYSpeed(42.5), 43);
    EXPECT_EQ(xSpeedFromYSpeed(42.49), 42);
    EXPECT_EQ(xSpeedFromYSpeed(-42.5), -42); // a half added, then cut towards zero
    EXPECT_EQ(xSpeedFromYSpeed(-0.7), 0);
    EXPECT_EQ(ySpeedFromXSpeed(7), 7.0);
    // Beyond 32 bits it saturates; NaN is 0.
    EXPECT_EQ(xSpeedFromYSpeed(kNaN), 0);
    EXPECT_EQ(xSpeedFromYSpeed(2147483646.7), INT32_MAX);
    EXPECT_EQ(xSpeedFromYSpeed(kInf), INT32_MAX);
    EXPECT_EQ(xSpeedFromYSpeed(-2147483648.4), -2147483647);
    EXPECT_EQ(xSpeedFromYSpeed(-1e300), INT32_MIN);
}

TEST(SpeedBar, FillsTheSpeedsShareOfTheWidth) {
    EXPECT_EQ(speedBar(kGauge, 30.0, 0, 100), (Rect{1, 1, 31, 20})); // the defaults: 30 %
    EXPECT_EQ(speedBar(Rect{-50, -10, 150, 10}, 30.0, 0, 100), (Rect{-49, -9, 11, 10}));
    EXPECT_EQ(speedBar(kGauge, -25.0, -50, 50), (Rect{1, 1, 26, 20}));
    // Never past the right edge.
    EXPECT_EQ(speedBar(kGauge, 100.0, 0, 100), (Rect{1, 1, 100, 20}));
    EXPECT_EQ(speedBar(kGauge, kInf, 0, 100), (Rect{1, 1, 100, 20}));
    EXPECT_EQ(speedBarLength(kGauge, 1e300, INT32_MIN, INT32_MAX), 100);
}

TEST(SpeedBar, NothingToFill) {
    EXPECT_FALSE(speedBar(kGauge, 0.0, 0, 100)); // YSpeed equal to XMin
    EXPECT_FALSE(speedBar(kGauge, -5.0, 0, 100));
    EXPECT_FALSE(speedBar(kGauge, kNaN, 0, 100));
    EXPECT_FALSE(speedBar(kGauge, 0.5, 0, 100));  // less than a pixel
    EXPECT_FALSE(speedBar(kGauge, 50.0, 40, 40)); // a one-point scale divides by nothing
    EXPECT_EQ(speedBarLength(kGauge, 50.0, 40, 40), 0);
    EXPECT_FALSE(speedBar(kGauge, 150.0, 100, 0)); // reversed: before the scale's start
    EXPECT_FALSE(speedBar(Rect{10, 0, 0, 20}, 50.0, 0, 100));
}
