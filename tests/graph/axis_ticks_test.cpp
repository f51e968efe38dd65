// Tick positions and labels of both axes, and the grid walk.
#include <gtest/gtest.h>

#include <limits>

#include "engine/axis_ticks.h"
#include "engine/plot_frame.h"
#include "plot_fixture.h"

namespace plotmark {
namespace {

std::vector<std::string> labels(const std::vector<Tick>& ticks) {
    std::vector<std::string> out;
    for (const Tick& t : ticks) {
        out.push_back(t.label);
    }
    return out;
}

TEST(AxisTicks, DefaultsOnA300By200SpriteEveryFiveSquares) {
    GraphModel m;
    const PlotGeometry g = scaledGeometry(m);
    const std::vector<Tick> x = xTicks(m.p, g, 300);
    ASSERT_EQ(x.size(), 5u);
    for (size_t k = 0; k < x.size(); ++k) {
        EXPECT_EQ(x[k].pixel, 58 + 60 * static_cast<int>(k));
    }
    EXPECT_EQ(labels(x), (std::vector<std::string>{"0.0", "5.00", "10.0", "15.0", "20.0"}));
    const std::vector<Tick> y = yTicks(m.p, g, 0);
    ASSERT_EQ(y.size(), 3u);
    EXPECT_EQ(y[0].pixel, 160);
    EXPECT_EQ(y[2].pixel, 40);
    EXPECT_EQ(labels(y), (std::vector<std::string>{"0.0", "5.00", "10.0"}));
}

TEST(AxisTicks, FirstTickIsTheMultipleAtOrJustRightOfTheMinimum) {
    GraphModel m;
    m.p.xMinimum = -3.0; // ticks every 5: the first at 0, three squares right of the axis
    const PlotGeometry g = scaledGeometry(m);
    const std::vector<Tick> x = xTicks(m.p, g, 300);
    EXPECT_EQ(x[0].pixel, 58 + 36);
    EXPECT_EQ(x[0].label, "0.0");
    m.p.xMinimum = -5.04; // within a tenth of a square: the tick at -5 sits on the axis
    const PlotGeometry h = scaledGeometry(m);
    EXPECT_EQ(xTicks(m.p, h, 300)[0].label, "-5.04");
}

TEST(AxisTicks, ForcedIntegerLabelsAreWholeNumbers) {
    EXPECT_EQ(tickLabel(2.9996, true), "3");
    EXPECT_EQ(tickLabel(-2.9996, true), "-3");
    EXPECT_EQ(tickLabel(-0.05, true), "0");
    EXPECT_EQ(tickLabel(1e300, true), "2147483647");
    EXPECT_EQ(tickLabel(0.05, false), "0.0500");
}

TEST(AxisTicks, ValuesWithinATenthOfASquareOfZeroReadZero) {
    GraphModel m;
    m.p.xMinimum = -1e-9;
    const PlotGeometry g = scaledGeometry(m);
    EXPECT_EQ(xTicks(m.p, g, 300)[0].label, "0.0");
}

TEST(AxisTicks, BadTickSpacesAndDeltasStillEnd) {
    GraphModel m;
    m.p.xTickSpace = 0;  // acts as 1
    m.p.yTickSpace = -7; // acts as 1
    const PlotGeometry g = scaledGeometry(m);
    EXPECT_EQ(xTicks(m.p, g, 300).size(), 21u);
    EXPECT_EQ(yTicks(m.p, g, 0).size(), 14u);
    m.p.deltaX = 0.0;
    m.p.deltaY = std::numeric_limits<double>::quiet_NaN();
    EXPECT_LE(xTicks(m.p, g, 300).size(), 21u);
    EXPECT_LE(yTicks(m.p, g, 0).size(), 14u);
    PlotGeometry never{};
    EXPECT_EQ(xTicks(m.p, never, 300).size(), 1u); // a zero grid square gives no endless row
}

TEST(PlotFrame, MarginsMoveTopAndRightOnlyWhenPositive) {
    GraphModel m;
    m.p.topMargin = 10;
    m.p.rightMargin = -4;
    const PlotFrame f = plotFrame(m.p, 300, 200);
    EXPECT_EQ(f.top, 10);
    EXPECT_EQ(f.right, 300);
    EXPECT_EQ(f.bottom, 200);
}

TEST(PlotFrame, GridWalksStartOneSquareOutAndAlwaysEnd) {
    EXPECT_EQ(gridPositions(58, 12, 100), (std::vector<int32_t>{70, 82, 94}));
    EXPECT_EQ(gridPositions(160, -12, 130), (std::vector<int32_t>{148, 136}));
    EXPECT_TRUE(gridPositions(58, 0, 300).empty());
    EXPECT_LE(gridPositions(-32000, 1, 1 << 30).size(), 65535u);
}

} // namespace
} // namespace plotmark
