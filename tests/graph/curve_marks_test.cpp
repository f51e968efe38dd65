// What a curve puts on the plot: the clamp window, breaks, segments cut at the axes and the
// symbols of the points in the plot's quarter.
#include <gtest/gtest.h>

#include "engine/curve_marks.h"
#include "plot_fixture.h"

namespace plotmark {
namespace {

struct CurveMarksTest : ::testing::Test {
    GraphModel m;
    PlotGeometry g{};
    void SetUp() override {
        m.p.xMinimum = m.p.yMinimum = -5.0;
        g = scaledGeometry(m);
    }
    CurveRecord& curve(int16_t style) {
        m.p.curves[0].style = style;
        return m.p.curves[0];
    }
};

TEST_F(CurveMarksTest, FarPointsAreClampedTo16000Pixels) {
    CurveRecord& c = curve(2);
    m.add(0, 1e25);
    m.add(1e30, 0);
    const CurveMarks marks = curveMarks(c, g);
    ASSERT_EQ(marks.segments.size(), 1u);
    EXPECT_EQ(marks.segments[0].from.y, -16000);
    EXPECT_EQ(marks.segments[0].to.x, 16000);
}

TEST_F(CurveMarksTest, PointsNotAboveMinus1e30BreakTheCurve) {
    CurveRecord& c = curve(1);
    m.add(0, 0);
    m.add(1, -5e30f); // valid for the fit, a break for the drawing
    m.add(2, 1);
    m.add(3, 2);
    const CurveMarks marks = curveMarks(c, g);
    ASSERT_EQ(marks.segments.size(), 1u);
    EXPECT_EQ(marks.segments[0].from, (PixelPoint{pixelX(g, 2), pixelY(g, 1)}));
    EXPECT_TRUE(marks.symbols.empty()); // style 1: lines only
}

TEST_F(CurveMarksTest, SegmentsAreCutAtTheAxesAndSymbolsStayInTheQuarter) {
    CurveRecord& c = curve(2);
    m.p.currentSymbol = 3;
    m.add(-7, 0); // two squares left of the vertical axis
    m.add(-3, 0); // two squares right of it
    m.add(-3, -9);
    const CurveMarks marks = curveMarks(c, g);
    ASSERT_EQ(marks.segments.size(), 2u);
    EXPECT_EQ(marks.segments[0].from, (PixelPoint{g.x0, pixelY(g, 0)}));
    EXPECT_EQ(marks.segments[1].to, (PixelPoint{pixelX(g, -3), g.y0}));
    ASSERT_EQ(marks.symbols.size(), 1u);
    EXPECT_EQ(marks.symbols[0].symbol, 3);
    PixelSegment outside{{0, 0}, {10, 10}};
    EXPECT_FALSE(clipToAxes(outside, 20, 100));
    PixelSegment below{{30, 120}, {40, 130}};
    EXPECT_FALSE(clipToAxes(below, 20, 100));
}

TEST_F(CurveMarksTest, PointsStyleDrawsOnlySymbols) {
    CurveRecord& c = curve(0);
    m.add(0, 0);
    m.add(1, 1);
    const CurveMarks marks = curveMarks(c, g);
    EXPECT_TRUE(marks.segments.empty());
    EXPECT_EQ(marks.symbols.size(), 2u);
}

} // namespace
} // namespace plotmark
