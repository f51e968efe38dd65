#include "engine/wheel_positions.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

using tallydisc::wheelGlyphs;
using tallydisc::wheelPositions;

namespace {

void expectWheels(const std::vector<float>& wheels, std::initializer_list<float> expected) {
    ASSERT_EQ(wheels.size(), expected.size());
    size_t i = 0;
    for (float e : expected) {
        EXPECT_NEAR(wheels[i], e, 1e-4) << "wheel " << i;
        ++i;
    }
}

} // namespace

TEST(WheelPositions, LastWheelStandsHalfwayWhenTheHiddenDigitIsFive) {
    expectWheels(wheelPositions(12.345, 2, 1), {1.0f, 2.0f, 3.5f});
}

TEST(WheelPositions, RollCarriesThroughEveryNine) {
    expectWheels(wheelPositions(19.96, 2, 1), {1.6f, 9.6f, 9.6f});
}

TEST(WheelPositions, NegativeValueShowsItsMagnitude) {
    EXPECT_EQ(wheelPositions(-7.5, 3, 1), wheelPositions(7.5, 3, 1));
    expectWheels(wheelPositions(-7.5, 2, 0), {0.0f, 7.5f});
}

TEST(WheelPositions, WithoutFractionDigitsTheLastIntegerWheelRolls) {
    expectWheels(wheelPositions(41.25, 3, 0), {0.0f, 4.0f, 1.3f});
    expectWheels(wheelPositions(199.5, 3, 0), {1.5f, 9.5f, 9.5f});
}

TEST(WheelPositions, WithoutIntegerDigitsOnlyTheFractionShows) {
    expectWheels(wheelPositions(3.25, 0, 2), {2.0f, 5.0f});
}

TEST(WheelPositions, NoDigitsOrNegativeCountsGiveNoWheels) {
    EXPECT_TRUE(wheelPositions(5.0, 0, 0).empty());
    EXPECT_TRUE(wheelPositions(5.0, -3, 0).empty());
    expectWheels(wheelPositions(5.0, 1, -4), {5.0f});
}

TEST(WheelPositions, MoreIntegerWheelsThanTheTextHoldsShowLeadingZeros) {
    const auto wheels = wheelPositions(-123.0, 40, 0);
    ASSERT_EQ(wheels.size(), 40u);
    for (size_t k = 0; k < 37; ++k) {
        EXPECT_EQ(wheels[k], 0.0f) << k;
    }
    EXPECT_EQ(wheels[37], 1.0f);
    EXPECT_EQ(wheels[39], 3.0f);
}

TEST(WheelPositions, FractionWheelsBeyondTheTenDecimalsShowZero) {
    const auto wheels = wheelPositions(0.5, 1, 14);
    ASSERT_EQ(wheels.size(), 15u);
    EXPECT_EQ(wheels[1], 5.0f);
    for (size_t k = 2; k < 15; ++k) {
        EXPECT_EQ(wheels[k], 0.0f) << k;
    }
}

TEST(WheelPositions, HugeValuesKeepTheirLowestIntegerDigits) {
    // 1e20 narrowed to single precision is 100000002004087734272.
    expectWheels(wheelPositions(1e20, 4, 1), {4.0f, 2.0f, 7.0f, 2.0f, 0.0f});
    EXPECT_EQ(wheelPositions(3e38, 2, 0).size(), 2u);
}

TEST(WheelPositions, NonFiniteValuesShowZeros) {
    for (double v :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity(), 1e300}) {
        expectWheels(wheelPositions(v, 2, 2), {0.0f, 0.0f, 0.0f, 0.0f});
    }
}

TEST(WheelGlyphs, RollingWheelShowsTheNextDigitComingInFromBelow) {
    const auto g = wheelGlyphs(3.3f, 10);
    EXPECT_EQ(g.before, '2');
    EXPECT_EQ(g.current, '3');
    EXPECT_EQ(g.after, '4');
    EXPECT_EQ(g.offset, 2); // 10 * 0.3 truncated (0.29999...)
}

TEST(WheelGlyphs, WheelPastNineShowsZeroLoweredWithNineAbove) {
    const auto g = wheelGlyphs(9.7f, 10);
    EXPECT_EQ(g.before, '9');
    EXPECT_EQ(g.current, '0');
    EXPECT_EQ(g.after, '1');
    EXPECT_EQ(g.offset, -3); // 10 * -0.3000002 truncated
}

TEST(WheelPositions, AWindowOfWheelsMatchesTheWholeCounter) {
    for (double v : {0.0, 9.99999, 1234.56789, 99999.95, 1e20, 3.4e38}) {
        for (int left = 0; left <= 45; left += 5) {
            for (int right = 0; right <= 16; right += 4) {
                const auto all = wheelPositions(v, left, right);
                for (int first = 0; first < left + right; first += 3) {
                    const auto window = wheelPositions(v, left, right, first, 4);
                    for (size_t i = 0; i < window.size(); ++i) {
                        EXPECT_EQ(window[i], all[first + i]) << v << " " << left << " " << right;
                    }
                }
            }
        }
    }
}

TEST(WheelPositions, ABillionWheelsCostOnlyTheWindowAsked) {
    constexpr int32_t kMany = 2147483647;
    // The last integer wheels and the first fraction wheels of 9999.75 among billions (only
    // the very last wheel, far to the right, rolls).
    expectWheels(wheelPositions(9999.75, kMany, kMany, kMany - 2, 4), {9.0f, 9.0f, 7.0f, 5.0f});
    expectWheels(wheelPositions(9999.75, kMany, kMany, 5, 2), {0.0f, 0.0f});
    EXPECT_TRUE(wheelPositions(1.0, kMany, 0, kMany, 3).empty());
    EXPECT_EQ(wheelPositions(1.0, 3, 0, 1, 10).size(), 2u);
}
