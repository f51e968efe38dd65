// Placement of characters, operators, digits, placeholders and attachments, on fixed metrics:
// at level 0 h = 15 and a text character is 7 + (code % 3) wide ('x' 7, '+' 8, '1' 8, '2' 9).
#include <gtest/gtest.h>

#include "engine/draw_surface.h"
#include "fixed_metrics_device.h"
#include "tree_checks.h"

namespace zx::equation {
namespace {

using testing::FixedMetricsDevice;
using testing::ReadLine;
using testing::RecordedText;

struct LayoutCharsTest : ::testing::Test {
    FixedMetricsDevice device;
    DrawSurface dc{device};
    LinePtr line;

    // Reads text into a fresh line and paints it from (10, 30); returns the pen at the end.
    Point Paint(std::string_view text) {
        line.reset(ReadLine(text));
        Point pen{10.0, 30.0};
        dc.ResetLevel();
        line->Draw(dc, pen);
        return pen;
    }
    // The x of the n-th painted text equal to s.
    int XOf(std::string_view s, int n = 0) const {
        for (const RecordedText& t : device.texts) {
            if (t.text == s && n-- == 0) {
                return t.x;
            }
        }
        ADD_FAILURE() << "no text " << s;
        return -1;
    }
};

TEST_F(LayoutCharsTest, EmptyGroupShowsDottedRedBoxQuarterWideAndFullHeight) {
    const Point pen = Paint("");
    ASSERT_EQ(device.lines.size(), 4u);
    const int x = 10, y = 30, w = 15 / 4, h = 15;
    const int corners[5][2] = {{x, y}, {x + w, y}, {x + w, y - h}, {x, y - h}, {x, y}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(device.lines[i].x0, corners[i][0]);
        EXPECT_EQ(device.lines[i].y0, corners[i][1]);
        EXPECT_EQ(device.lines[i].x1, corners[i + 1][0]);
        EXPECT_EQ(device.lines[i].y1, corners[i + 1][1]);
        EXPECT_EQ(device.lines[i].pen, PenKind::PlaceholderBox);
    }
    EXPECT_EQ(device.OpenPens(), 0u);
    EXPECT_DOUBLE_EQ(pen.x, 10.0 + 15 / 8);
}

TEST_F(LayoutCharsTest, GroupWithContentsShowsNoBox) {
    Paint("x");
    EXPECT_TRUE(device.lines.empty());
}

TEST_F(LayoutCharsTest, LeadingOrRepeatedOperatorIsSpacedBySixQuartersOfItsWidth) {
    // '+' is 8 wide: (8 * 6) / 4 = 12 after the placeholder or another operator, 8 + 15 / 4 = 11
    // after a letter.
    Paint("+x");
    EXPECT_EQ(XOf("+"), 11);
    EXPECT_EQ(XOf("x"), 11 + 12);

    device.ClearRecords();
    Paint("x+x");
    EXPECT_EQ(XOf("+"), 11 + 10);
    EXPECT_EQ(XOf("x", 1), 21 + 11);

    device.ClearRecords();
    Paint("x=+y");
    EXPECT_EQ(XOf("y") - XOf("+"), 12);
}

TEST_F(LayoutCharsTest, DigitsOfOneNumberStandTightAndTheLastTakesThreeQuartersOfH) {
    const Point pen = Paint("12");
    EXPECT_EQ(XOf("1"), 11);
    EXPECT_EQ(XOf("2"), 11 + 8);
    EXPECT_DOUBLE_EQ(pen.x, 11 + 8 + (15 * 3) / 4);
    const EquationElement* one = line->FirstChild()->next();
    EXPECT_DOUBLE_EQ(one->end.x, 19.0);
    EXPECT_EQ(one->height, 15);
}

TEST_F(LayoutCharsTest, NestedSuperscriptsKeepTheSmallestFont) {
    Paint("x^y^z^w@@@@");
    const int sizes[] = {0, 1, 2, 2};
    const char* names[] = {"x", "y", "z", "w"};
    for (int i = 0; i < 4; ++i) {
        const RecordedText* t = device.FindText(names[i]);
        ASSERT_NE(t, nullptr) << names[i];
        EXPECT_EQ(t->sizeIndex, sizes[i]) << names[i];
    }
    EXPECT_EQ(dc.Level(), 0);
    EXPECT_EQ(device.SelectedSize(), 0);
    EXPECT_EQ(device.SelectedSet(), FontSet::Text);
}

TEST_F(LayoutCharsTest, SuperscriptIsRaisedAThirdAndSubscriptLoweredAQuarter) {
    const Point pen = Paint("x^y@&z@@");
    // x at 11; both anchors at 11 + 7; the attached groups start with a 12-high placeholder.
    const RecordedText* y = device.FindText("y");
    const RecordedText* z = device.FindText("z");
    ASSERT_NE(y, nullptr);
    ASSERT_NE(z, nullptr);
    EXPECT_EQ(y->x, 18 + 12 / 8);
    EXPECT_EQ(y->y, 30 - 5);
    EXPECT_EQ(z->x, 18 + 12 / 8);
    EXPECT_EQ(z->y, 30 + 3);
    // The pen passes the wider attachment: 'z' is 6 + 2 wide at h = 12, plus 12 / 4.
    EXPECT_DOUBLE_EQ(pen.x, 18 + 1 + 8 + 3);
    const auto* x = static_cast<const CharElement*>(line->FirstChild()->next());
    EXPECT_DOUBLE_EQ(x->end.x, 21.0);
    EXPECT_DOUBLE_EQ(x->EndPoint().x, pen.x);
}

TEST_F(LayoutCharsTest, LevelsNeverGoBelowZeroAndDeepLevelsKeepTheLastFont) {
    dc.ResetLevel();
    dc.PopLevel();
    EXPECT_EQ(dc.Level(), 0);
    EXPECT_DOUBLE_EQ(dc.LevelHeight(), 15.0);
    for (int i = 0; i < 4; ++i) {
        dc.PushLevel();
    }
    EXPECT_DOUBLE_EQ(dc.LevelHeight(), 10.0);
    dc.SelectSymbolFont();
    EXPECT_EQ(device.SelectedSize(), 2);
    EXPECT_EQ(device.SelectedSet(), FontSet::Symbol);
}

TEST_F(LayoutCharsTest, SameLayoutWhetherPaintedOrOnlyLaidOut) {
    const char* text = "a+/^/^x^2@@&y@@&%b&1@@@@-[c@(d@^3@@";
    line.reset(ReadLine(text));
    std::vector<Point> laidOut;
    Point pen{7.0, 40.0};
    {
        DrawSurface::LayoutOnly layoutOnly(dc);
        dc.ResetLevel();
        line->Draw(dc, pen);
    }
    ElementList all;
    line->Collect(all);
    for (EquationElement* e : all) {
        laidOut.push_back(e->start);
        laidOut.push_back(e->end);
    }
    pen = Point{7.0, 40.0};
    dc.ResetLevel();
    line->Draw(dc, pen);
    std::size_t i = 0;
    for (EquationElement* e : all) {
        EXPECT_DOUBLE_EQ(e->start.x, laidOut[i].x) << e->tag;
        EXPECT_DOUBLE_EQ(e->start.y, laidOut[i++].y) << e->tag;
        EXPECT_DOUBLE_EQ(e->end.x, laidOut[i].x) << e->tag;
        EXPECT_DOUBLE_EQ(e->end.y, laidOut[i++].y) << e->tag;
    }
}

} // namespace
} // namespace zx::equation
