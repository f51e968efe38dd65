// Whole-number ticks, snapping, zooms, the nice step and fitting ranges to the data.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/axis_scaling.h"
#include "engine/data_bounds.h"
#include "graph_fixture.h"

namespace plotmark {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(WholeNumberTicks, SmallDeltasBecomeUnitFractionsWithMatchingTickSpace) {
    WholeNumberTicks t = wholeNumberTicks(0.3, 5);
    EXPECT_DOUBLE_EQ(t.delta, 1.0 / 3.0);
    EXPECT_EQ(t.tickSpace, 3);
    t = wholeNumberTicks(0.1, 25);
    EXPECT_DOUBLE_EQ(t.delta, 0.1);
    EXPECT_EQ(t.tickSpace, 20);
    t = wholeNumberTicks(0.6, 1);
    EXPECT_DOUBLE_EQ(t.delta, 1.0);
    EXPECT_EQ(t.tickSpace, 1);
    EXPECT_DOUBLE_EQ(wholeNumberTicks(2.7, 5).delta, 2.0);
}

TEST(WholeNumberTicks, OnlyPositiveFiniteDeltasChange) {
    for (double d : {0.0, -0.3, -2.7, kInf, std::nan("")}) {
        WholeNumberTicks t = wholeNumberTicks(d, 0);
        EXPECT_TRUE(t.delta == d || (std::isnan(d) && std::isnan(t.delta))) << d;
        EXPECT_EQ(t.tickSpace, 0);
    }
    WholeNumberTicks tiny = wholeNumberTicks(1e-310, 5);
    EXPECT_TRUE(std::isfinite(tiny.delta));
    EXPECT_GT(tiny.delta, 0.0);
}

TEST(SnappedMinimum, ExamplesWithAQuarterDelta) {
    EXPECT_DOUBLE_EQ(snappedMinimum(0.37, 0.25), 0.25);
    EXPECT_DOUBLE_EQ(snappedMinimum(0.4, 0.25), 0.5);
    EXPECT_DOUBLE_EQ(snappedMinimum(-0.37, 0.25), -0.25);
    EXPECT_DOUBLE_EQ(snappedMinimum(0.0002, 0.25), 0.0002);
}

TEST(SnappedMinimum, UnusableDeltasAndHugeQuotientsKeepTheMinimum) {
    EXPECT_EQ(snappedMinimum(0.37, 0.0), 0.37);
    EXPECT_EQ(snappedMinimum(0.37, kInf), 0.37);
    EXPECT_EQ(snappedMinimum(1e300, 1e-300), 1e300);
    EXPECT_DOUBLE_EQ(snappedMinimum(1e15 + 0.3, 1.0), 1e15);
}

TEST(VisibleMaximum, AnOverflowKeepsThePreviousValue) {
    EXPECT_DOUBLE_EQ(visibleMaximum(1, 0.5, 24, 12, 0), 2.0);
    EXPECT_EQ(visibleMaximum(1, 1e308, 1000, 1, 7), 7.0);
    EXPECT_DOUBLE_EQ(visibleMaximum(1, 1, 10, 0, 0), 11.0); // a zero square acts as 1
}

TEST(Zoom, InHalvesTheRangeAroundTheCentre) {
    AxisScale a{0, 20, 1};
    ASSERT_TRUE(zoomIn(a, 10));
    EXPECT_DOUBLE_EQ(a.delta, 0.5);
    EXPECT_DOUBLE_EQ(a.minimum, 5.0);
    EXPECT_DOUBLE_EQ(a.maximum, 15.0);
}

TEST(Zoom, OutDoublesTheRangeAroundItsOldCentre) {
    AxisScale a{4, 14, 1};
    ASSERT_TRUE(zoomOut(a));
    EXPECT_DOUBLE_EQ(a.delta, 2.0);
    EXPECT_DOUBLE_EQ(a.minimum, -0.0);
    EXPECT_DOUBLE_EQ(a.maximum, 20.0);
}

TEST(Zoom, RefusedWhenTheDeltaWouldVanishOrOverflow) {
    AxisScale tiny{0, 1, std::numeric_limits<double>::min()};
    EXPECT_FALSE(zoomIn(tiny, 0));
    EXPECT_EQ(tiny.delta, std::numeric_limits<double>::min());
    AxisScale huge{0, 1e308, 1e308};
    EXPECT_FALSE(zoomOut(huge));
    EXPECT_EQ(huge.delta, 1e308);
    for (double d : {0.0, kInf, std::nan("")}) {
        AxisScale a{0, 1, d};
        EXPECT_FALSE(zoomIn(a, 0));
        EXPECT_FALSE(zoomOut(a));
    }
}

TEST(NiceStep, TheFittedRangeExample) {
    std::optional<NiceStep> s = niceStep(20, -0.35f, 7.35f);
    ASSERT_TRUE(s.has_value());
    EXPECT_FLOAT_EQ(static_cast<float>(s->step), 0.5f);
    EXPECT_FLOAT_EQ(static_cast<float>(s->first), -0.5f);
}

TEST(NiceStep, StepsAreTwoFiveOrTenTimesAPowerOfTen) {
    // raw 0.999 is below 0.9999: e = -1, m = 9.99, so 10 tenths.
    EXPECT_FLOAT_EQ(static_cast<float>(niceStep(10, 0, 10)->step), 1.0f);
    EXPECT_FLOAT_EQ(static_cast<float>(niceStep(10, 0, 12)->step), 2.0f);
    EXPECT_FLOAT_EQ(static_cast<float>(niceStep(10, 0, 30)->step), 5.0f);
    EXPECT_FLOAT_EQ(static_cast<float>(niceStep(10, 0, 80)->step), 10.0f);
    EXPECT_FLOAT_EQ(static_cast<float>(niceStep(10, 100, 400)->first), 100.0f);
}

TEST(NiceStep, NothingForNoIntervalsOrAnEmptyOrInfiniteSpan) {
    EXPECT_FALSE(niceStep(0, 0, 1).has_value());
    EXPECT_FALSE(niceStep(-3, 0, 1).has_value());
    EXPECT_FALSE(niceStep(10, 2, 2).has_value());
    EXPECT_FALSE(niceStep(10, 3, 2).has_value());
    EXPECT_FALSE(niceStep(10, -3e38f, 3e38f).has_value());
    EXPECT_FALSE(niceStep(10, 0, std::numeric_limits<float>::quiet_NaN()).has_value());
    // A subnormal span still gives a usable step, never a division by zero.
    std::optional<NiceStep> tiny = niceStep(10, 0, 1e-44f);
    ASSERT_TRUE(tiny.has_value());
    EXPECT_GT(tiny->step, 0.0);
}

TEST(FitRange, KeepsARangeTheDataAlreadyFill) {
    AxisScale a{0, 10, 1};
    EXPECT_FALSE(fitRange(a, 1, 9));
    EXPECT_EQ(a.minimum, 0);
    EXPECT_TRUE(fitRange(a, 1, 3)); // fills only 0.2 of it
}

TEST(FitRange, IntervalsAreCappedAt101AndBadDeltasRefused) {
    AxisScale a{0, 1000, 1};
    ASSERT_TRUE(fitRange(a, 0, 2000));
    EXPECT_FLOAT_EQ(static_cast<float>(a.delta), 50.0f); // 2200 / 101.01 = 21.8 -> 50
    AxisScale zero{0, 10, 0};
    EXPECT_FALSE(fitRange(zero, 0, 100));
    AxisScale reversed{10, 0, 1};
    EXPECT_FALSE(fitRange(reversed, 0, 100)); // no interval: unchanged
}

TEST(RangeActions, FitXRangeToThePoints) {
    GraphModel m;
    m.p.xMaximum = 20;
    for (double x : {1.0, 3.0, 7.0}) {
        m.add(x, 1);
    }
    m.action(35);
    EXPECT_FLOAT_EQ(static_cast<float>(m.p.deltaX), 0.5f);
    EXPECT_FLOAT_EQ(static_cast<float>(m.p.xMinimum), -0.5f);
    EXPECT_EQ(m.p.xMaximum, 20);
}

TEST(RangeActions, BreaksCountForXButNotForY) {
    GraphModel m;
    m.p.originInAuto = 0;
    m.add(-4, 2);
    m.add(9, 1e33);
    m.add(1, 6);
    DataBounds b = dataBounds(m.p);
    EXPECT_EQ(b.xMinimum, -4.0f);
    EXPECT_EQ(b.xMaximum, 9.0f);
    EXPECT_EQ(b.yMinimum, 2.0f);
    EXPECT_EQ(b.yMaximum, 6.0f);
    m.p.originInAuto = 1;
    EXPECT_EQ(dataBounds(m.p).yMinimum, 0.0f);
}

TEST(RangeActions, NoDataLeavesTheRangesAlone) {
    GraphModel m;
    m.p.originInAuto = 0;
    m.p.yMaximum = 13;
    m.action(36);
    m.p.originInAuto = 1; // bounds 0..0: still not a range
    m.action(35);
    EXPECT_EQ(m.p.yMinimum, 0.0);
    EXPECT_EQ(m.p.deltaY, 1.0);
    EXPECT_EQ(m.p.deltaX, 1.0);
}

TEST(RangeActions, ZoomActionsUseTheMouseDownPoint) {
    GraphModel m;
    m.p.xMaximum = 20;
    m.p.yMaximum = 10;
    m.p.xMouseDown = 10;
    m.p.yMouseDown = 4;
    m.action(31);
    m.action(32);
    EXPECT_DOUBLE_EQ(m.p.deltaX, 0.5);
    EXPECT_DOUBLE_EQ(m.p.xMinimum, 5.0);
    EXPECT_DOUBLE_EQ(m.p.deltaY, 0.5);
    EXPECT_DOUBLE_EQ(m.p.yMinimum, 1.5);
    m.action(33);
    m.action(34);
    EXPECT_DOUBLE_EQ(m.p.deltaX, 1.0);
    EXPECT_DOUBLE_EQ(m.p.deltaY, 1.0);
    m.p.deltaY = 0; // refused, nothing divided by zero
    m.action(34);
    EXPECT_EQ(m.p.deltaY, 0.0);
}

} // namespace
} // namespace plotmark
