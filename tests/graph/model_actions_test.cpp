// The Action commands and the further effects of writes on curves, lines and notifications.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/line_points.h"
#include "graph_fixture.h"

namespace plotmark {
namespace {

TEST(Actions, EmptyAllThenEmptyCurveLeavesCurvesUntilACurveIsChosenAgain) {
    GraphModel m;
    m.add(1, 1);
    m.action(9);
    EXPECT_EQ(m.curve(0).count, 0);
    EXPECT_EQ(m.curve(0).selected, 0);
    m.add(2, 2); // CurrentCurve is still 0: the point is appended
    m.action(1); // no curve selected: nothing happens
    m.action(7);
    EXPECT_EQ(m.curve(0).count, 1);
    m.currentCurve(0);
    m.add(3, 3);
    m.action(7);
    EXPECT_EQ(m.curve(0).count, 1);
    m.action(1);
    EXPECT_EQ(m.curve(0).count, 0);
}

TEST(Actions, EmptyAllEmptiesEveryLineAndItsShade) {
    GraphModel m;
    for (int i = 0; i < kLineCount; ++i) {
        m.line(i).shade = 2;
        defineLine(m.line(i), 0, 0, 1, 1, 0);
    }
    m.action(9);
    for (const LineRecord& l : m.p.lines) {
        EXPECT_EQ(l.count, 0);
        EXPECT_EQ(l.shade, 0);
    }
}

TEST(Actions, EmptyLineResetsTheShadeWhilePlotLineAndDragLineKeepIt) {
    GraphModel m;
    m.p.lineShade = 3;
    m.wrote(GraphProperty::LineShade);
    plotLine(m.p, 0, 0, 1, 2);
    EXPECT_EQ(m.line(0).count, 2);
    EXPECT_EQ(m.line(0).shade, 3);
    m.p.xMouseDown = 1;
    m.p.yMouseDown = 1;
    m.p.xMouseUp = 4;
    m.p.yMouseUp = 7;
    m.action(11);
    EXPECT_EQ(m.line(0).shade, 3);
    EXPECT_EQ(m.line(0).x[1], 4.0f);
    EXPECT_EQ(m.line(0).y[1], 7.0f);
    m.action(2);
    EXPECT_EQ(m.line(0).count, 0);
    EXPECT_EQ(m.line(0).shade, 0);
}

TEST(Actions, DragLineTakesBackTheClickedPointOnlyWhenThereIsOne) {
    GraphModel m;
    m.p.currentSymbol = 4;
    m.action(11); // empty curve: no removal, the line is still made
    EXPECT_EQ(m.curve(0).count, 0);
    EXPECT_EQ(m.line(0).count, 2);
    EXPECT_EQ(m.line(0).symbol[1], 4);
    m.add(1, 1);
    m.add(2, 2);
    m.action(11);
    EXPECT_EQ(m.curve(0).count, 1);
    m.p.mouseClickMode = 3; // not plotting: the click added nothing
    m.action(11);
    EXPECT_EQ(m.curve(0).count, 1);
}

TEST(Actions, NewCurveStoresTheFirstEmptyIndexOnly) {
    GraphModel m;
    m.add(1, 1);
    m.currentCurve(2);
    m.add(1, 1);
    Effect e = m.action(21);
    EXPECT_FALSE(e.message.has_value());
    EXPECT_EQ(m.p.currentCurve, 1);
    EXPECT_EQ(m.curve(1).selected, 0); // no bookkeeping until CurrentCurve is written
    EXPECT_EQ(m.curve(2).selected, 1);
}

TEST(Actions, NewCurveAndNewLineWithNoneEmptyShowTheirMessages) {
    GraphModel m;
    for (int i = 0; i < kCurveCount; ++i) {
        m.currentCurve(i);
        m.add(i, i);
    }
    Effect e = m.action(21);
    ASSERT_TRUE(e.message.has_value());
    EXPECT_STREQ(e.message->text, "No Empty Curve Available");
    EXPECT_STREQ(e.message->caption, "New Curve");
    EXPECT_EQ(m.p.currentCurve, 4);
    for (LineRecord& l : m.p.lines) {
        defineLine(l, 0, 0, 1, 1, 0);
    }
    m.p.currentLine = 6;
    e = m.action(22);
    ASSERT_TRUE(e.message.has_value());
    EXPECT_STREQ(e.message->text, "No Empty Line Available");
    EXPECT_STREQ(e.message->caption, "New Line");
    EXPECT_EQ(m.p.currentLine, 6);
}

TEST(Actions, FitThroughTheCurrentCurveSpansTheVisibleRange) {
    GraphModel m;
    m.p.xMinimum = -1;
    m.p.xMaximum = 10;
    m.p.currentSymbol = 2;
    m.line(0).shade = 1;
    m.add(0, 1);
    m.add(1, 3);
    m.add(2, 5);
    Effect e = m.action(13);
    EXPECT_FALSE(e.message.has_value());
    const LineRecord& l = m.line(0);
    ASSERT_EQ(l.count, 2);
    EXPECT_EQ(l.shade, 0);
    EXPECT_FLOAT_EQ(l.x[0], -1.0f);
    EXPECT_FLOAT_EQ(l.y[0], -1.0f);
    EXPECT_FLOAT_EQ(l.x[1], 10.0f);
    EXPECT_FLOAT_EQ(l.y[1], 21.0f);
    EXPECT_EQ(l.symbol[0], 2);
    EXPECT_DOUBLE_EQ(m.p.pearson, 1.0);
}

TEST(Actions, FitRefusesAGappedCurveAfterCompactingIt) {
    GraphModel m;
    m.p.pearson = 0.25;
    m.add(0, 1);
    m.add(1, 1e33);
    m.add(2, 1e33);
    m.add(3, 2);
    Effect e = m.action(13);
    ASSERT_TRUE(e.message.has_value());
    EXPECT_STREQ(e.message->text, "Data contains invalid points!!.");
    EXPECT_STREQ(e.message->caption, "ERROR");
    EXPECT_TRUE(e.message->systemModal);
    EXPECT_EQ(m.curve(0).count, 3); // the run of breaks collapsed
    EXPECT_EQ(m.line(0).count, 0);
    EXPECT_EQ(m.p.pearson, 0.25);
}

TEST(Actions, SingularFitShowsTheMessageAndLeavesLineAndPearson) {
    GraphModel m;
    m.p.pearson = 0.5;
    plotLine(m.p, 0, 0, 1, 1);
    m.add(2, 1);
    m.add(2, 5); // one x only: a vertical cloud has no least-squares line
    Effect e = m.action(13);
    ASSERT_TRUE(e.message.has_value());
    EXPECT_STREQ(e.message->text, "Singular Matrix");
    EXPECT_STREQ(e.message->caption, "Curve Fit");
    EXPECT_EQ(m.p.pearson, 0.5);
    EXPECT_EQ(m.line(0).x[1], 1.0f);
}

TEST(Actions, FitOfAnEmptyCurveGivesTheZeroLineAndPearsonZero) {
    GraphModel m;
    m.p.pearson = 0.75;
    m.p.xMaximum = 5;
    m.action(13);
    EXPECT_EQ(m.line(0).count, 2);
    EXPECT_EQ(m.line(0).y[0], 0.0f);
    EXPECT_EQ(m.line(0).y[1], 0.0f);
    EXPECT_EQ(m.p.pearson, 0.0);
}

TEST(Actions, NoCurrentLineOrCurveMakesTheirOperationsDoNothing) {
    GraphModel m;
    m.currentLine(10);
    EXPECT_EQ(m.p.currentLine, 10);
    plotLine(m.p, 0, 0, 1, 1);
    m.action(2);
    m.action(11);
    m.add(0, 1);
    m.add(1, 2);
    m.action(13);
    for (const LineRecord& l : m.p.lines) {
        EXPECT_EQ(l.count, 0);
        EXPECT_EQ(l.selected, 0);
    }
    EXPECT_DOUBLE_EQ(m.p.pearson, 1.0); // the curve still had its coefficient taken
    m.currentCurve(99);
    m.action(1);
    m.action(7);
    m.action(13);
    EXPECT_EQ(m.curve(0).count, 2);
}

TEST(Writes, ChoosingACurveMovesSelectionClearsHitsAndStylesAnEmptyCurve) {
    GraphModel m;
    m.curve(1).hit = 1;
    m.p.curveStyle = 2;
    m.currentCurve(3);
    EXPECT_EQ(m.curve(0).selected, 0);
    EXPECT_EQ(m.curve(1).hit, 0);
    EXPECT_EQ(m.curve(3).selected, 1);
    EXPECT_EQ(m.curve(3).style, 2);
    m.add(1, 1);
    m.p.curveStyle = 1;
    m.currentCurve(0);
    m.currentCurve(3);
    EXPECT_EQ(m.curve(3).style, 2); // holds points: keeps its style
}

TEST(Writes, ColourAndStyleGoToTheCurrentCurveAndLine) {
    GraphModel m;
    m.currentLine(4);
    m.set(GraphProperty::LineColor, m.p.lineColor, 0x123456u);
    m.set(GraphProperty::LineStyle, m.p.lineStyle, 2);
    m.set(GraphProperty::CurveColor, m.p.curveColor, 0xABCDEFu);
    EXPECT_EQ(m.line(4).color, 0x123456u);
    EXPECT_EQ(m.line(4).style, 2);
    EXPECT_EQ(m.line(0).color, kLineColors[0]);
    EXPECT_EQ(m.curve(0).color, 0xABCDEFu);
}

TEST(Notifications, RedrawsGoOutOnlyOnceAGraphHasDrawn) {
    GraphModel m;
    EXPECT_EQ(m.currentCurve(1).notification, Notification::None);
    EXPECT_EQ(m.action(31).notification, Notification::None);
    m.drawn = true;
    EXPECT_EQ(m.currentCurve(1).notification, Notification::Redraw);
    EXPECT_EQ(m.action(4242).notification, Notification::Redraw);
    EXPECT_EQ(m.set(GraphProperty::BlueSpacing, m.p.blueSpacing, 90).notification,
              Notification::Redraw);
    EXPECT_EQ(m.set(GraphProperty::LeftMargin, m.p.leftMargin, 9).notification, Notification::None);
    EXPECT_EQ(m.add(1, 1).notification, Notification::None);
    m.drawn = false;
    EXPECT_EQ(m.set(GraphProperty::MouseMove, m.p.mouseMove, 1).notification,
              Notification::StartTracking);
}

TEST(Notifications, CurveAndLineAttributesRedrawOnlyWhenTheyShowPoints) {
    GraphModel m;
    m.drawn = true;
    EXPECT_EQ(m.set(GraphProperty::CurveStyle, m.p.curveStyle, 1).notification, Notification::None);
    EXPECT_EQ(m.set(GraphProperty::LineShade, m.p.lineShade, 1).notification, Notification::None);
    m.add(1, 1);
    plotLine(m.p, 0, 0, 1, 1);
    EXPECT_EQ(m.set(GraphProperty::CurveColor, m.p.curveColor, 5u).notification,
              Notification::Redraw);
    EXPECT_EQ(m.set(GraphProperty::LineShade, m.p.lineShade, 2).notification, Notification::Redraw);
}

} // namespace
} // namespace plotmark
