// Picking curves and lines near the mouse-down point and turning the current line with its
// handles, on a 300 x 200 sprite with the default geometry (grid square 12, origin 58/160).
#include <cstring>

#include <gtest/gtest.h>

#include "engine/geometry_registry.h"
#include "engine/picking.h"
#include "graph_fixture.h"

namespace plotmark {
namespace {

struct Picking : ::testing::Test {
    GraphModel m;
    PlotGeometry g{};

    void place() { g = placeGeometry(m.p, {0, 0, 200, 300}); }
    // The mouse-down point at a pixel offset from a world point.
    void pressNear(double x, double y, int dx, int dy) {
        m.p.xMouseDown = worldX(g, pixelX(g, x) + dx);
        m.p.yMouseDown = worldY(g, pixelY(g, y) + dy);
    }
};

TEST_F(Picking, LineIsPickedNinePixelsAwayButNotTen) {
    m.p.deltaX = m.p.deltaY = 1.0;
    place();
    m.currentLine(4);
    m.p.lines[4].count = 2;
    m.p.lines[4].x[0] = 0, m.p.lines[4].y[0] = 5, m.p.lines[4].x[1] = 10, m.p.lines[4].y[1] = 5;
    m.currentLine(0);
    pressNear(3, 5, 0, 10);
    EXPECT_FALSE(checkLineSelect(m.p, g));
    EXPECT_EQ(m.p.currentLine, 0);
    pressNear(3, 5, 0, -9);
    EXPECT_TRUE(checkLineSelect(m.p, g));
    EXPECT_EQ(m.p.currentLine, 4);
    EXPECT_EQ(m.p.mouseMoveMode, 3);
    EXPECT_EQ(g.mode, 3);
    EXPECT_EQ(m.p.lines[4].hit, 1);
    EXPECT_FLOAT_EQ(m.p.lines[4].grabX, static_cast<float>(m.p.xMouseDown));
}

TEST_F(Picking, LineOnOnePixelIsMeasuredFromThatPixel) {
    place();
    m.p.lines[1].count = 2; // both points at the world origin
    pressNear(0, 0, 6, 6);
    EXPECT_TRUE(checkLineSelect(m.p, g));
    EXPECT_EQ(m.p.currentLine, 1);
}

TEST_F(Picking, CurveSegmentIsPickedWithinItsWidenedBoxAndBreaksAreNot) {
    m.p.deltaX = m.p.deltaY = 1.0;
    place();
    m.currentCurve(2);
    m.add(1, 1);
    m.add(5, 1);
    m.add(6, 1e33); // a break
    m.add(9, 9);
    m.p.curves[2].style = 1;
    m.p.curves[2].color = 0x00FF00;
    pressNear(3, 1, 0, 20); // well below the segment
    EXPECT_FALSE(checkCurveSelect(m.p, g));
    EXPECT_EQ(m.p.curves[2].selected, 0); // every flag was cleared
    pressNear(7.5, 5, 0, 0); // on the segment drawn through the break, which is not drawn
    EXPECT_FALSE(checkCurveSelect(m.p, g));
    pressNear(3, 1, 0, 4);
    EXPECT_TRUE(checkCurveSelect(m.p, g));
    EXPECT_EQ(m.p.currentCurve, 2);
    EXPECT_EQ(m.p.curves[2].hit, 1);
    EXPECT_EQ(g.mode, 2);
    EXPECT_EQ(m.p.mouseMoveMode, 2);
    EXPECT_EQ(m.p.traceColor, 0xFFFFFFu - 0x00FF00u);
}

TEST_F(Picking, DraggingTheInterceptHandleShiftsTheLine) {
    m.p.xMinimum = m.p.yMinimum = -5.0;
    m.p.deltaX = m.p.deltaY = 1.0;
    m.p.showLineHandles = 1;
    place();
    m.p.lines[0].count = 2;
    m.p.lines[0].x[1] = 1, m.p.lines[0].y[1] = 1;
    g.handleEnabled[5] = 1;
    g.handleX[5] = pixelX(g, 0);
    g.handleY[5] = pixelY(g, 0) - 12; // one grid square up
    redefineCurrentLine(m.p, g, 5);
    EXPECT_FLOAT_EQ(m.p.lines[0].y[0], 1.0f);
    EXPECT_FLOAT_EQ(m.p.lines[0].y[1], 2.0f);
    EXPECT_STREQ(g.equationText, "y = 1.00x + 1.00 ");
}

TEST_F(Picking, EndHandleTurnsTheLineAboutAnotherHandle) {
    m.p.deltaX = m.p.deltaY = 1.0;
    m.p.showLineHandles = 1;
    place();
    m.p.lines[0].count = 2;
    m.p.lines[0].x[1] = 4, m.p.lines[0].y[1] = 4;
    g.handleEnabled[2] = 1;
    g.handleX[2] = pixelX(g, 8), g.handleY[2] = pixelY(g, 2);
    g.handleX[0] = pixelX(g, 1), g.handleY[0] = pixelY(g, 6);
    redefineCurrentLine(m.p, g, 0);
    EXPECT_FLOAT_EQ(m.p.lines[0].x[0], 1.0f);
    EXPECT_FLOAT_EQ(m.p.lines[0].y[0], 6.0f);
    EXPECT_FLOAT_EQ(m.p.lines[0].x[1], 8.0f);
    EXPECT_FLOAT_EQ(m.p.lines[0].y[1], 2.0f);

    // Without handles shown, or with a horizontal line moved sideways, nothing changes.
    g.showLineHandles = 0;
    redefineCurrentLine(m.p, g, 6);
    EXPECT_FLOAT_EQ(m.p.lines[0].x[0], 1.0f);
    g.showLineHandles = 1;
    m.p.lines[0].y[1] = 6;
    redefineCurrentLine(m.p, g, 4);
    EXPECT_FLOAT_EQ(m.p.lines[0].x[0], 1.0f);
}

TEST(GeometryRegistry, HandlesAreNeverReusedAndUnknownOnesFindNothing) {
    GeometryRegistry registry;
    PlotGeometry a{}, b{};
    const int32_t first = registry.add(a);
    const int32_t second = registry.add(b);
    EXPECT_NE(first, second);
    EXPECT_EQ(registry.find(first), &a);
    registry.remove(first);
    EXPECT_EQ(registry.find(first), nullptr);
    EXPECT_EQ(registry.find(0), nullptr);
    EXPECT_EQ(registry.find(-7), nullptr);
    EXPECT_NE(registry.add(a), first);
}

} // namespace
} // namespace plotmark
