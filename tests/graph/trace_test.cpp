// The trace along curves and lines, the extended trace's scroll, the drag scroll and the
// trace text.
#include <gtest/gtest.h>

#include "engine/line_points.h"
#include "engine/trace.h"
#include "plot_fixture.h"

namespace plotmark {
namespace {

struct TraceTest : ::testing::Test {
    GraphModel m;
    PlotGeometry g{};
    void SetUp() override { g = scaledGeometry(m); } // x 0 .. 20.17, y 0 .. 13.33
    PixelPoint at(double x, double y) { return {pixelX(g, x), pixelY(g, y)}; }
};

TEST_F(TraceTest, CurveTraceInterpolatesBetweenTheEnclosingPoints) {
    m.add(1, 2);
    m.add(5, 6);
    const TraceSearch s = traceCurve(m.p.curves[0], g, at(3, 10), false);
    EXPECT_TRUE(s.found);
    EXPECT_EQ(s.y, pixelY(g, 4));
}

TEST_F(TraceTest, CurveTraceThroughAGapGoesToTheMiddleAndFails) {
    m.add(1, 2);
    m.add(5, 1e33); // a break
    const TraceBox box = traceBox(g);
    const TraceSearch s = traceCurve(m.p.curves[0], g, at(3, 10), false);
    EXPECT_FALSE(s.found);
    EXPECT_EQ(s.y, box.top + (box.bottom - box.top) / 2);
    EXPECT_TRUE(traceCurve(m.p.curves[0], g, at(3, 10), true).found); // already tracing
}

TEST_F(TraceTest, CurveTraceOutsideTheCurveClampsIntoTheBox) {
    m.add(1, 2);
    m.add(5, 40); // far above the plot at x = 4
    const TraceSearch s = traceCurve(m.p.curves[0], g, {pixelX(g, 4), g.y0 + 30}, false);
    EXPECT_FALSE(s.found);
    EXPECT_EQ(s.y, traceBox(g).top);
}

TEST_F(TraceTest, LineTraceFollowsTheLineInsideTheBox) {
    defineLine(m.p.lines[0], 0, 1, 2, 3, 0);
    EXPECT_EQ(traceLine(m.p.lines[0], g, at(4, 0)).y, pixelY(g, 5));
    EXPECT_TRUE(traceLine(m.p.lines[0], g, at(4, 0)).found);
    EXPECT_FALSE(traceLine(m.p.lines[0], g, at(19, 0)).found); // y = 20 is above the plot
}

TEST_F(TraceTest, InsideMeansRightOfAndAboveTheOriginUpToTheMaxima) {
    EXPECT_TRUE(insidePlot(g, {g.x0, g.y0}));
    EXPECT_FALSE(insidePlot(g, {g.x0 - 1, g.y0}));
    EXPECT_FALSE(insidePlot(g, {g.x0, g.y0 + 1}));
    EXPECT_FALSE(insidePlot(g, {pixelX(g, 21), g.y0}));
}

TEST_F(TraceTest, ExtendedTraceScrollsOneSquareAtAnEdge) {
    PixelPoint p{g.x0 + 3, pixelY(g, 5)};
    EXPECT_TRUE(extendTrace(g, p));
    EXPECT_EQ(p.x, g.x0 + 3 + 12);
    EXPECT_DOUBLE_EQ(g.xMinimum, -1.0);
    PixelPoint top{pixelX(g, 5), traceBox(g).top + 2};
    EXPECT_TRUE(extendTrace(g, top));
    EXPECT_DOUBLE_EQ(g.yMinimum, 1.0);
    PixelPoint middle = at(5, 5);
    EXPECT_FALSE(extendTrace(g, middle));
}

TEST_F(TraceTest, DragScrollMovesTheViewOneDeltaTowardsTheDrag) {
    m.p.xMouseDown = 5;
    m.p.yMouseDown = 5;
    EXPECT_FALSE(scrollTowards(m.p, 5.5, 4.5));
    EXPECT_TRUE(scrollTowards(m.p, 7, 2));
    EXPECT_DOUBLE_EQ(m.p.xMinimum, -1.0);
    EXPECT_DOUBLE_EQ(m.p.yMinimum, 1.0);
}

TEST(TraceText, IsBothNumberTextsInParentheses) {
    EXPECT_EQ(traceText(2.5, -0.05), "(2.50,-0.050)");
}

} // namespace
} // namespace plotmark
