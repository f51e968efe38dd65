// The world/pixel geometry and both mappings.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/axis_scaling.h"
#include "engine/plot_geometry.h"
#include "graph_fixture.h"

namespace plotmark {
namespace {

// The default member on a 300 x 200 sprite at the stage's corner, scaled as a full draw does.
PlotGeometry defaultGeometry(GraphModel& m) {
    PixelRect rect{0, 0, 200, 300};
    PlotGeometry g = placeGeometry(m.p, rect);
    m.p.xMaximum = visibleMaximum(m.p.xMinimum, m.p.deltaX, rect.right - m.p.rightMargin - g.x0,
                                  g.gridSquare, 0);
    m.p.yMaximum =
        visibleMaximum(m.p.yMinimum, m.p.deltaY, g.y0 - rect.top - m.p.topMargin, g.gridSquare, 0);
    return placeGeometry(m.p, rect);
}

TEST(PlotGeometry, DefaultsOnA300By200Sprite) {
    GraphModel m;
    PlotGeometry g = defaultGeometry(m);
    EXPECT_EQ(g.gridSquare, 12);
    EXPECT_EQ(g.x0, 58);
    EXPECT_EQ(g.y0, 160);
    EXPECT_DOUBLE_EQ(m.p.xMaximum, 242.0 / 12.0);
    EXPECT_DOUBLE_EQ(m.p.yMaximum, 160.0 / 12.0);
    EXPECT_EQ(pixelX(g, 5.0), 58 + 60);
    EXPECT_EQ(pixelY(g, 1.0), 160 - 12);
}

TEST(PlotGeometry, MappingsRoundTripOnGridPoints) {
    GraphModel m;
    m.p.xMinimum = -2;
    m.p.deltaX = 0.5;
    m.p.yMinimum = 10;
    m.p.deltaY = 4;
    PlotGeometry g = placeGeometry(m.p, {0, 0, 200, 300});
    EXPECT_EQ(pixelX(g, -2), 58);
    EXPECT_EQ(pixelX(g, -1.5), 70);
    EXPECT_DOUBLE_EQ(worldX(g, 70), -1.5);
    EXPECT_EQ(pixelY(g, 18), 160 - 24);
    EXPECT_DOUBLE_EQ(worldY(g, 136), 18);
    // Rounding adds a half and truncates toward zero, on both sides of the axis.
    EXPECT_EQ(pixelX(g, -2 + 0.5 * 2.6 / 12), 58 + 3);
    EXPECT_EQ(pixelX(g, -2 - 0.5 * 2.7 / 12), 58 - 2);
}

TEST(PlotGeometry, GridSquareStaysWithinOneTo32767) {
    EXPECT_EQ(gridSquare(180), 12);
    EXPECT_EQ(gridSquare(20), 1);
    EXPECT_EQ(gridSquare(14), 1);
    EXPECT_EQ(gridSquare(-300), 1);
    EXPECT_EQ(gridSquare(std::numeric_limits<int32_t>::max()), 32767);
    GraphModel m;
    m.p.blueSpacing = 0;
    PlotGeometry g = placeGeometry(m.p, {0, 0, 200, 300});
    EXPECT_EQ(g.gridSquare, 1);
    EXPECT_EQ(m.p.blueSpacing, 0); // the stored value keeps what was written
}

TEST(PlotGeometry, FarPointsAndBadDeltasSaturateInsteadOfOverflowing) {
    GraphModel m;
    PlotGeometry g = placeGeometry(m.p, {0, 0, 200, 300});
    EXPECT_EQ(pixelX(g, 1e25), 32767);
    EXPECT_EQ(pixelX(g, -1e25), -32767);
    EXPECT_EQ(pixelY(g, 1e25), -32767);
    EXPECT_EQ(pixelX(g, std::nan("")), 58);
    g.deltaX = 0;
    EXPECT_EQ(pixelX(g, 3), 58);
    g.deltaY = std::numeric_limits<double>::infinity();
    EXPECT_EQ(pixelY(g, 3), 160);
    m.p.leftMargin = std::numeric_limits<int32_t>::max();
    m.p.bottomMargin = std::numeric_limits<int32_t>::min();
    g = placeGeometry(m.p, {0, 100, 200, 300});
    EXPECT_EQ(g.x0, 32767);
    EXPECT_EQ(g.y0, 32767);
}

} // namespace
} // namespace plotmark
