// A new member's values, the property table and the text buffers.
#include <gtest/gtest.h>

#include <cstring>

#include "graph_fixture.h"

namespace plotmark {
namespace {

TEST(GraphDefaults, ScalarsAndTextsHaveTheirDefaults) {
    GraphModel m;
    EXPECT_EQ(m.p.blueSpacing, 180);
    EXPECT_EQ(m.p.backColor, 0xFFFFFFu);
    EXPECT_EQ(m.p.xMaximum, 1.0);
    EXPECT_EQ(m.p.deltaY, 1.0);
    EXPECT_EQ(m.p.xTickSpace, 5);
    EXPECT_STREQ(m.p.xLabelString, "X-Axis");
    EXPECT_STREQ(m.p.yLabelString, "Y-Axis");
    EXPECT_EQ(m.p.mouseClickMode, 1);
    EXPECT_EQ(m.p.unselectedPenStyle, 3);
    EXPECT_EQ(m.p.leftMargin, 58);
    EXPECT_EQ(m.p.bottomMargin, 40);
    EXPECT_EQ(m.p.originInAuto, 1);
    EXPECT_EQ(m.p.curveColor, 0x0000FFu);
    EXPECT_EQ(m.p.lineColor, 0xFF00FFu);
    EXPECT_STREQ(m.p.lineEquation, "");
}

TEST(GraphDefaults, CurvesAndLinesStartEmptyWithTheirColours) {
    GraphModel m;
    EXPECT_EQ(m.curve(2).color, 0xFF0000u);
    EXPECT_EQ(m.curve(4).color, 0xFF00FFu);
    EXPECT_EQ(m.line(1).color, 0xFFFF00u);
    EXPECT_EQ(m.line(5).color, 0x00FFFFu);
    EXPECT_EQ(m.line(9).color, 0u);
    EXPECT_EQ(m.curve(0).selected, 1);
    EXPECT_EQ(m.curve(1).selected, 0);
    EXPECT_EQ(m.line(0).selected, 1);
    for (const CurveRecord& c : m.p.curves) {
        EXPECT_EQ(c.count, 0);
    }
}

TEST(GraphTexts, ACaptionFilledToTheEndReadsAs79Characters) {
    GraphModel m;
    std::memset(m.p.xLabelString, 'x', sizeof m.p.xLabelString);
    m.wrote(GraphProperty::XLabelString);
    EXPECT_EQ(std::strlen(m.p.xLabelString), 79u);
    std::memset(m.p.lineEquation, 'y', sizeof m.p.lineEquation);
    terminateTexts(m.p);
    EXPECT_EQ(std::strlen(m.p.lineEquation), 79u);
}

TEST(GraphMouseMove, ReadingTwiceReturnsTheValueThenZero) {
    GraphModel m;
    Effect e = m.set(GraphProperty::MouseMove, m.p.mouseMove, 7);
    EXPECT_EQ(e.notification, Notification::StartTracking);
    EXPECT_EQ(takeMouseMove(m.p), 7);
    EXPECT_EQ(takeMouseMove(m.p), 0);
}

} // namespace
} // namespace plotmark
