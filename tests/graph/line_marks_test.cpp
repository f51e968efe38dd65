// What a line puts on the plot: the full line cut to the visible band, the shaded side, the
// handles and their hit test, and redefining the line from a dragged handle.
#include <gtest/gtest.h>

#include "engine/line_equation.h"
#include "engine/fit.h"
#include "engine/line_marks.h"
#include "engine/line_points.h"
#include "engine/picking.h"
#include "plot_fixture.h"

namespace plotmark {
namespace {

struct LineMarksTest : ::testing::Test {
    GraphModel m;
    PlotGeometry g{};
    LineRecord& line() { return m.p.lines[0]; }
    void SetUp() override {
        m.p.xMinimum = m.p.yMinimum = -5.0;
        g = scaledGeometry(m); // x -5 .. 15.17, y -5 .. 8.33
    }
};

TEST_F(LineMarksTest, FullLineRunsAcrossAndIsCutToTheBand) {
    defineLine(line(), 0, 0, 1, 1, 0);
    const auto drawn = fullLine(line(), g);
    ASSERT_TRUE(drawn);
    EXPECT_EQ(drawn->from, (PixelPoint{g.x0, g.y0})); // (-5, -5)
    EXPECT_EQ(drawn->to, (PixelPoint{pixelX(g, g.yMaximum), pixelY(g, g.yMaximum)}));
    defineLine(line(), 0, -6, 1, -6, 0); // below the band
    EXPECT_FALSE(fullLine(line(), g));
    defineLine(line(), 0, 9, 1, 9, 0); // above it
    EXPECT_FALSE(fullLine(line(), g));
}

TEST_F(LineMarksTest, ShadeSidesFollowTheLinesDirectionOnTheScreen) {
    const PixelSegment rising{{0, 100}, {100, 0}};
    const PixelSegment falling{{0, 0}, {100, 100}};
    EXPECT_EQ(shadeSide(1, falling), ShadeSide::Above);
    EXPECT_EQ(shadeSide(2, rising), ShadeSide::Below);
    EXPECT_EQ(shadeSide(3, rising), ShadeSide::Above);
    EXPECT_EQ(shadeSide(3, falling), ShadeSide::Below);
    EXPECT_EQ(shadeSide(4, rising), ShadeSide::Below);
    EXPECT_EQ(shadeSide(4, falling), ShadeSide::Above);
    EXPECT_EQ(shadeSide(7, rising), ShadeSide::None);
}

TEST_F(LineMarksTest, ShadePolygonCoversThePlotOnTheChosenSide) {
    defineLine(line(), -5, 0, 15, 0, 0); // horizontal through y = 0
    const PixelSegment drawn = *fullLine(line(), g);
    const int32_t yZero = pixelY(g, 0);
    const std::vector<PixelPoint> above = shadePolygon(drawn, ShadeSide::Above, g);
    ASSERT_EQ(above.size(), 4u);
    for (const PixelPoint& p : above) {
        EXPECT_LE(p.y, yZero);
    }
    const std::vector<PixelPoint> below = shadePolygon(drawn, ShadeSide::Below, g);
    ASSERT_EQ(below.size(), 4u);
    for (const PixelPoint& p : below) {
        EXPECT_GE(p.y, yZero);
        EXPECT_LE(p.y, g.y0);
    }
    EXPECT_TRUE(shadePolygon({{5, 5}, {5, 5}}, ShadeSide::Above, g).empty());
}

TEST_F(LineMarksTest, InterceptHandleOfTheDiagonalSitsAtTheOrigin) {
    defineLine(line(), 0, 0, 1, 1, 0);
    placeHandles(line(), g);
    EXPECT_EQ(g.handleEnabled[kInterceptHandle], 1);
    EXPECT_EQ(g.handleX[kInterceptHandle], pixelX(g, 0));
    EXPECT_EQ(g.handleY[kInterceptHandle], pixelY(g, 0));
    EXPECT_EQ(g.handleEnabled[0], 0); // y = -4 is on the inner edge, not strictly inside
    EXPECT_EQ(g.handleEnabled[1], 1); // x = 7.33 one square below the top
    EXPECT_EQ(g.handleEnabled[4], 0); // never shown
    EXPECT_EQ(handleAt(g, {g.handleX[5] + 4, g.handleY[5] - 4}), kInterceptHandle);
    EXPECT_EQ(handleAt(g, {g.handleX[5] + 5, g.handleY[5]}), -1);
}

TEST_F(LineMarksTest, DraggingTheInterceptHandleUpOneSquareGivesYEqualsXPlusOne) {
    defineLine(line(), 0, 0, 1, 1, 0);
    g.showLineHandles = 1;
    placeHandles(line(), g);
    g.handleY[kInterceptHandle] -= g.gridSquare;
    redefineCurrentLine(m.p, g, kInterceptHandle);
    EXPECT_STREQ(g.equationText, "y = 1.00x + 1.00 ");
}

TEST_F(LineMarksTest, SidewaysShiftOfAHorizontalLineChangesNothing) {
    defineLine(line(), 0, 2, 4, 2, 0);
    g.showLineHandles = 1;
    g.handleEnabled[4] = 1;
    g.handleX[4] = pixelX(g, 3);
    redefineCurrentLine(m.p, g, 4);
    EXPECT_FLOAT_EQ(line().x[0], 0.0f);
    EXPECT_FLOAT_EQ(line().x[1], 4.0f);
    EXPECT_FLOAT_EQ(line().y[0], 2.0f);
}

} // namespace
} // namespace plotmark
