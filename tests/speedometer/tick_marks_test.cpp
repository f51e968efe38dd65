#include <gtest/gtest.h>

#include "engine/tick_marks.h"

using namespace zx::speedometer;

namespace {

constexpr Rect kGauge{0, 0, 100, 20};

std::vector<int32_t> columns(const std::vector<TickMark>& marks) {
    std::vector<int32_t> xs;
    for (const TickMark& m : marks) {
        xs.push_back(m.x);
    }
    return xs;
}

} // namespace

TEST(TickMarks, DefaultGaugeHasNineSmallAndFourBigTicks) {
    const GaugeScale scale;
    const auto small = smallTicks(kGauge, scale);
    EXPECT_EQ(columns(small), (std::vector<int32_t>{10, 20, 30, 40, 50, 60, 70, 80, 90}));
    EXPECT_EQ(small.front().top, 0);
    EXPECT_EQ(small.front().end, 6);

    const auto big = bigTicks(kGauge, scale);
    EXPECT_EQ(columns(big), (std::vector<int32_t>{20, 40, 60, 80}));
    EXPECT_EQ(big.front().end, 13);
    std::vector<std::string> labels;
    for (const TickMark& m : big) {
        labels.push_back(tickLabel(m.label));
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"20", "40", "60", "80"}));
}

TEST(TickMarks, PositionsFollowTheGaugeRectangle) {
    const auto big = bigTicks(Rect{-50, -10, 50, 10}, GaugeScale{});
    EXPECT_EQ(columns(big), (std::vector<int32_t>{-30, -10, 10, 30}));
    // Line ends divide with truncation towards zero: (10 - 20) / 3 is -3.
    EXPECT_EQ(smallTicks(Rect{-50, -10, 50, 10}, GaugeScale{}).front().end, -3);
    EXPECT_EQ(big.front().end, 3);
    // Uneven spacing rounds each tick down.
    EXPECT_EQ(columns(smallTicks(Rect{0, 0, 35, 20}, GaugeScale{0, 30, 10, 20})),
              (std::vector<int32_t>{11, 23}));
}

TEST(TickMarks, NegativeScaleLabels) {
    const auto big = bigTicks(kGauge, GaugeScale{-50, 50, 10, 20});
    ASSERT_EQ(big.size(), 4u);
    EXPECT_EQ(tickLabel(big[0].label), "-30");
    EXPECT_EQ(tickLabel(big[3].label), "30");
    EXPECT_EQ(tickLabel(INT32_MIN), "-2147483648");
}

TEST(TickMarks, EmptyReversedOrUnspacedScalesDrawNone) {
    EXPECT_TRUE(smallTicks(kGauge, GaugeScale{40, 40, 10, 20}).empty());
    EXPECT_TRUE(bigTicks(kGauge, GaugeScale{40, 40, 10, 20}).empty());
    EXPECT_TRUE(smallTicks(kGauge, GaugeScale{100, 0, 10, 20}).empty());
    EXPECT_TRUE(smallTicks(kGauge, GaugeScale{100, 0, -10, -20}).empty());
    // A spacing of zero or less skips only its own set.
    EXPECT_TRUE(smallTicks(kGauge, GaugeScale{0, 100, 0, 20}).empty());
    EXPECT_EQ(bigTicks(kGauge, GaugeScale{0, 100, 0, 20}).size(), 4u);
    EXPECT_EQ(smallTicks(kGauge, GaugeScale{0, 100, 10, -20}).size(), 9u);
    EXPECT_TRUE(bigTicks(kGauge, GaugeScale{0, 100, 10, -20}).empty());
    // No width, no ticks.
    EXPECT_TRUE(smallTicks(Rect{10, 0, 10, 20}, GaugeScale{}).empty());
    EXPECT_TRUE(smallTicks(Rect{10, 0, 0, 20}, GaugeScale{}).empty());
    // A spacing as wide as the scale leaves no inner tick.
    EXPECT_TRUE(bigTicks(kGauge, GaugeScale{0, 100, 10, 100}).empty());
}

TEST(TickMarks, DenseTicksGetOneMarkPerColumn) {
    const auto marks = smallTicks(Rect{0, 0, 200, 40}, GaugeScale{0, 1000, 1, 20});
    ASSERT_EQ(marks.size(), 200u);
    for (size_t i = 0; i < marks.size(); ++i) {
        EXPECT_EQ(marks[i].x, static_cast<int32_t>(i));
    }
    // Each column shows its first tick: k = 1 in column 0, k = 5 in column 1.
    EXPECT_EQ(marks[0].label, 1);
    EXPECT_EQ(marks[1].label, 5);
    EXPECT_EQ(marks[199].label, 995);
}

TEST(TickMarks, FullIntegerRangeStaysExactAndBounded) {
    const GaugeScale whole{INT32_MIN, INT32_MAX, 1, 1 << 30};
    const auto marks = smallTicks(Rect{0, 0, 200, 40}, whole);
    ASSERT_LE(marks.size(), 201u);
    ASSERT_GE(marks.size(), 199u);
    for (size_t i = 1; i < marks.size(); ++i) {
        EXPECT_EQ(marks[i].x, marks[i - 1].x + 1);
    }
    EXPECT_EQ(marks.front().label, INT32_MIN + 1);
    EXPECT_LT(marks.back().label, INT32_MAX);

    const auto big = bigTicks(Rect{0, 0, 200, 40}, whole);
    // Four spacings exceed the range by one, so only two inner ticks fit.
    EXPECT_EQ(columns(big), (std::vector<int32_t>{50, 100}));
    EXPECT_EQ(big[1].label, 0);
}

TEST(TickMarks, WidestGaugeComputesWithoutOverflow) {
    const Rect widest{INT32_MIN, 0, INT32_MAX, 30};
    const auto small = smallTicks(widest, GaugeScale{});
    ASSERT_EQ(small.size(), 9u);
    for (int64_t k = 1; k <= 9; ++k) {
        EXPECT_EQ(small[k - 1].x, INT32_MIN + int64_t{4294967295} * k / 10) << k;
    }
}
