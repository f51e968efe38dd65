// Adding points through XNewValue/YNewValue, breaks, removing and compacting.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/curve_points.h"
#include "graph_fixture.h"

namespace plotmark {
namespace {

TEST(CurvePoints, WritingYNewValueAppendsWithTheCurrentSymbol) {
    GraphModel m;
    m.p.currentSymbol = 3;
    Effect e = m.add(1.5, 2.25);
    EXPECT_EQ(e.notification, Notification::None);
    ASSERT_EQ(m.curve(0).count, 1);
    EXPECT_EQ(m.curve(0).x[0], 1.5f);
    EXPECT_EQ(m.curve(0).y[0], 2.25f);
    EXPECT_EQ(m.curve(0).symbol[0], 3);
}

TEST(CurvePoints, The1025thPointIsIgnored) {
    GraphModel m;
    for (int i = 0; i < 1025; ++i) {
        m.add(i, i);
    }
    EXPECT_EQ(m.curve(0).count, 1024);
    EXPECT_EQ(m.curve(0).x[1023], 1023.0f);
}

TEST(CurvePoints, ValuesBeyond1e32AndNonFiniteYBecomeBreaks) {
    GraphModel m;
    m.add(1, 1e33);
    m.add(2, -1e33);
    m.add(3, std::numeric_limits<double>::quiet_NaN());
    m.add(4, std::numeric_limits<double>::infinity());
    EXPECT_EQ(m.p.yNewValue, -1e32); // the stored value is replaced too
    m.add(5, 1e32);                  // the bound itself is a value
    ASSERT_EQ(m.curve(0).count, 5);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(m.curve(0).y[i], kBreakValue) << i;
        EXPECT_EQ(m.curve(0).x[i], static_cast<float>(i + 1));
    }
    EXPECT_EQ(m.curve(0).y[4], 1e32f);
}

TEST(CurvePoints, AnXBeyondSinglePrecisionIsNotAppended) {
    GraphModel m;
    m.add(1e39, 1);
    m.add(std::numeric_limits<double>::quiet_NaN(), 1);
    EXPECT_EQ(m.curve(0).count, 0);
}

TEST(CurvePoints, NoCurrentCurveMeansPointsGoNowhere) {
    GraphModel m;
    m.currentCurve(5);
    m.add(1, 1);
    m.currentCurve(-1);
    m.add(1, 1);
    EXPECT_EQ(m.p.currentCurve, -1);
    for (const CurveRecord& c : m.p.curves) {
        EXPECT_EQ(c.count, 0);
        EXPECT_EQ(c.selected, 0);
    }
}

CurveRecord curveOf(std::initializer_list<float> ys) {
    CurveRecord c{};
    float x = 0;
    for (float y : ys) {
        appendPoint(c, x++, y, 0);
    }
    return c;
}

TEST(CompactCurve, LeadingTrailingAndRepeatedBreaksGoAndTheCurveIsClean) {
    const float B = kBreakValue;
    CurveRecord c = curveOf({B, B, 1, 2, 3, B, B});
    EXPECT_TRUE(compactCurve(c));
    ASSERT_EQ(c.count, 3);
    EXPECT_EQ(c.x[0], 2.0f);
    EXPECT_EQ(c.y[2], 3.0f);
}

TEST(CompactCurve, ABreakBetweenValidPointsIsAGapAndRunsCollapseToOne) {
    const float B = kBreakValue;
    CurveRecord c = curveOf({1, B, B, B, 2, B});
    EXPECT_FALSE(compactCurve(c));
    ASSERT_EQ(c.count, 3);
    EXPECT_EQ(c.y[0], 1.0f);
    EXPECT_EQ(c.y[1], B);
    EXPECT_EQ(c.y[2], 2.0f);
}

TEST(CompactCurve, OnlyBreaksLeaveAnEmptyCleanCurve) {
    const float B = kBreakValue;
    CurveRecord c = curveOf({B, B});
    EXPECT_TRUE(compactCurve(c));
    EXPECT_EQ(c.count, 0);
}

TEST(CompactCurve, APointJustAboveTheValidityBoundIsValid) {
    // -5e30 is not drawn (not above -1e30) but counts as valid data.
    CurveRecord c = curveOf({1, -5e30f, 2});
    EXPECT_TRUE(compactCurve(c));
    EXPECT_EQ(c.count, 3);
}

TEST(CurvePoints, ADamagedCountNeverIndexesOutsideTheArrays) {
    CurveRecord c{};
    c.count = 5000;
    EXPECT_EQ(pointCount(c), kMaxCurvePoints);
    EXPECT_FALSE(appendPoint(c, 1, 1, 0));
    c.count = -3;
    EXPECT_FALSE(removeLastPoint(c));
    EXPECT_TRUE(compactCurve(c));
    EXPECT_EQ(c.count, 0);
}

} // namespace
} // namespace plotmark
