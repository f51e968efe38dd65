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

TEST(TickMarks, DefaultGaugeHasNineSmallAndFourLabelledBigTicks) {
    const auto small = smallTicks(kGauge, GaugeScale{});
    EXPECT_EQ(columns(small), (std::vector<int32_t>{10, 20, 30, 40, 50, 60, 70, 80, 90}));
    EXPECT_EQ(small.front().end, 6);
    const auto big = bigTicks(kGauge, GaugeScale{});
    EXPECT_EQ(columns(big), (std::vector<int32_t>{20, 40, 60, 80}));
    EXPECT_EQ(big.front().end, 13);
    std::vector<std::string> labels;
    for (const TickMark& m : big) {
        labels.push_back(tickLabel(m.label));
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"20", "40", "60", "80"}));
}

TEST(TickMarks, PositionsFollowTheRectangleAndTheScale) {
    const auto big = bigTicks(Rect{-50, -10, 50, 10}, GaugeScale{-50, 50, 10, 20});
    EXPECT_EQ(columns(big), (std::vector<int32_t>{-30, -10, 10, 30}));
    EXPECT_EQ(tickLabel(big.front().label), "-30");
    EXPECT_EQ(big.front().end, 3);
    EXPECT_EQ(smallTicks(Rect{-50, -10, 50, 10}, GaugeScale{}).front().end, -3); // C division
    EXPECT_EQ(columns(smallTicks(Rect{0, 0, 35, 20}, GaugeScale{0, 30, 10, 20})),
              (std::vector<int32_t>{11, 23}));
}

TEST(TickMarks, EmptyReversedOrUnspacedScalesSkipTheirTicks) {
    EXPECT_TRUE(smallTicks(kGauge, GaugeScale{40, 40, 10, 20}).empty());
    EXPECT_TRUE(bigTicks(kGauge, GaugeScale{40, 40, 10, 20}).empty());
    EXPECT_TRUE(smallTicks(kGauge, GaugeScale{100, 0, -10, -20}).empty());
    // A spacing of zero or less skips only its own set.
    EXPECT_TRUE(smallTicks(kGauge, GaugeScale{0, 100, 0, 20}).empty());
    EXPECT_EQ(bigTicks(kGauge, GaugeScale{0, 100, 0, 20}).size(), 4u);
    EXPECT_TRUE(bigTicks(kGauge, GaugeScale{0, 100, 10, -20}).empty());
    EXPECT_TRUE(smallTicks(Rect{10, 0, 0, 20}, GaugeScale{}).empty());
}

TEST(TickMarks, DenseTicksGetOneMarkPerColumn) {
    const auto marks = smallTicks(Rect{0, 0, 200, 40}, GaugeScale{0, 1000, 1, 20});
    ASSERT_EQ(marks.size(), 200u);
    for (size_t i = 0; i < marks.size(); ++i) {
        ASSERT_EQ(marks[i].x, static_cast<int32_t>(i));
    }
    EXPECT_EQ(marks[1].label, 5); // each column shows its first tick

    const GaugeScale whole{INT32_MIN, INT32_MAX, 1, 1 << 30};
    const auto all = smallTicks(Rect{0, 0, 200, 40}, whole);
    EXPECT_GE(all.size(), 199u);
    EXPECT_LE(all.size(), 201u);
    EXPECT_EQ(all.front().label, INT32_MIN + 1);
    EXPECT_EQ(columns(bigTicks(Rect{0, 0, 200, 40}, whole)), (std::vector<int32_t>{50, 100}));
}

TEST(TickMarks, WidestGaugeComputesWithoutOverflow) {
    const auto small = smallTicks(Rect{INT32_MIN, 0, INT32_MAX, 30}, GaugeScale{});
    ASSERT_EQ(small.size(), 9u);
    for (int64_t k = 1; k <= 9; ++k) {
        EXPECT_EQ(small[k - 1].x, INT32_MIN + int64_t{4294967295} * k / 10) << k;
    }
}
