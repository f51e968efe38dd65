// Fractions, square roots, brackets, function names, variable buttons and bounding boxes, on
// fixed metrics (h = 15 at level 0; 'a' 8, 'b' 9, 'x' 7 wide).
#include <gtest/gtest.h>

#include <string>

#include "engine/button_registry.h"
#include "engine/draw_surface.h"
#include "engine/layout.h"
#include "fixed_metrics_device.h"
#include "tree_checks.h"

namespace zx::equation {
namespace {

using testing::FixedMetricsDevice;
using testing::ReadLine;
using testing::RecordedLine;
using testing::RecordedText;

struct LayoutStructuresTest : ::testing::Test {
    FixedMetricsDevice device;
    DrawSurface dc{device};
    LinePtr line;

    Point Paint(std::string_view text) {
        line.reset(ReadLine(text));
        return PaintLine();
    }
    Point PaintLine() {
        Point pen{10.0, 30.0};
        dc.ResetLevel();
        line->Draw(dc, pen);
        return pen;
    }
    const RecordedText& TextOf(std::string_view s) const {
        const RecordedText* t = device.FindText(s);
        EXPECT_NE(t, nullptr) << s;
        static const RecordedText none;
        return t != nullptr ? *t : none;
    }
};

TEST_F(LayoutStructuresTest, FractionNarrowerThanHStillGetsABarHLong) {
    // After the root placeholder the fraction starts at 11. Numerator box: placeholder 1 + 'a'
    // 8 + 3 = 12 wide; denominator: 1 + 'b' 9 + 3 = 13 wide; both below h = 15.
    const Point pen = Paint("/^a@&b@@");
    ASSERT_EQ(device.lines.size(), 1u);
    const RecordedLine& bar = device.lines[0];
    EXPECT_EQ(bar.x0, 11);
    EXPECT_EQ(bar.x1, 11 + 15);
    EXPECT_EQ(bar.y0, 30 - 7);
    EXPECT_EQ(bar.y1, 30 - 7);
    // Centred: 11 + (15 - 12) * 0.5 + 3 = 15.5, the letter after its placeholder at 16.5.
    EXPECT_EQ(TextOf("a").x, 16);
    EXPECT_EQ(TextOf("a").y, 23);
    EXPECT_EQ(TextOf("b").x, 11 + 1 + 3 + 1);
    EXPECT_EQ(TextOf("b").y, 37);
    EXPECT_DOUBLE_EQ(pen.x, 11 + 15 + 3);
}

TEST_F(LayoutStructuresTest, FractionBarTakesTheWiderPartAndLiftsASubscriptedNumerator) {
    Paint("/^ab&1@@&x@@");
    ASSERT_EQ(device.lines.size(), 1u);
    const auto* fraction = line->FirstChild()->next();
    const auto& numerator = static_cast<const GroupElement&>(*fraction->upper());
    const double width = numerator.boxSecond.x - numerator.boxFirst.x;
    EXPECT_GT(width, 15.0);
    EXPECT_EQ(device.lines[0].x1 - device.lines[0].x0, static_cast<int>(width));
    // The subscript's baseline (3 below the numerator's) sits on the bar.
    EXPECT_DOUBLE_EQ(numerator.boxSecond.y, 3.0);
    EXPECT_EQ(TextOf("a").y, 30 - 7 - 3);
}

TEST_F(LayoutStructuresTest, FunctionNameLosesItsAccentWhenDrawn) {
    line.reset(ReadLine("{sin}~(x@"));
    ASSERT_NE(line->FirstChild()->next()->accent, nullptr);
    const Point pen = PaintLine();
    EXPECT_EQ(line->FirstChild()->next()->accent, nullptr);
    EXPECT_EQ(testing::Written(*line).find('~'), std::string::npos);
    // "sin" is 8 + 7 + 9 = 24 wide, then 15 / 8; the parenthesis follows.
    EXPECT_EQ(TextOf("sin").x, 11);
    EXPECT_EQ(TextOf("(").x, 11 + 24 + 1);
    EXPECT_DOUBLE_EQ(pen.x, 36 + 7 + 1 + 10 + 7);
}

TEST_F(LayoutStructuresTest, SquareRootDrawsItsRadicalAroundTheContents) {
    // Contents box of "x" at (0, 0): left 1, top -15, right 11, bottom 0, so H = 18, W = 13.
    const Point pen = Paint("%x@");
    ASSERT_EQ(device.lines.size(), 3u);
    const int dx = 11 + 5 + 3, dy = 30 - 15 - 3;
    const RecordedLine expected[3] = {{dx, dy, dx + 13, dy, std::nullopt},
                                      {dx, dy, dx, dy + 18, std::nullopt},
                                      {dx, dy + 18, dx - 3, dy + 18 - 6, std::nullopt}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(device.lines[i].x0, expected[i].x0) << i;
        EXPECT_EQ(device.lines[i].y0, expected[i].y0) << i;
        EXPECT_EQ(device.lines[i].x1, expected[i].x1) << i;
        EXPECT_EQ(device.lines[i].y1, expected[i].y1) << i;
    }
    EXPECT_EQ(TextOf("x").x, dx + 3 + 1);
    const EquationElement* root = line->FirstChild()->next();
    EXPECT_DOUBLE_EQ(root->start.y, 30 + 0 + 3);
    EXPECT_EQ(root->height, 7 + 18);
    EXPECT_DOUBLE_EQ(pen.x, 11 + 22 + 13);
}

TEST_F(LayoutStructuresTest, SquareBracketsAndTheirContentsArePaintedWithTheBluePen) {
    Paint("[x@(y@");
    EXPECT_EQ(TextOf("[").pen, PenKind::Brackets);
    EXPECT_EQ(TextOf("x").pen, PenKind::Brackets);
    EXPECT_EQ(TextOf("]").pen, PenKind::Brackets);
    EXPECT_EQ(TextOf("(").pen, std::nullopt);
    EXPECT_EQ(TextOf("y").pen, std::nullopt);
    EXPECT_EQ(device.pensMade, 1);
    EXPECT_EQ(device.OpenPens(), 0u);
    // Each bracket takes half the height: '[' at 11, 'x' after the inner placeholder.
    EXPECT_EQ(TextOf("x").x, 11 + 7 + 1);
    EXPECT_EQ(TextOf("]").x, 19 + 10);
}

struct ButtonSizeGuard {
    explicit ButtonSizeGuard(ButtonSize size) {
        SetButtonBitmapSize(1, size);
        Buttons().Clear();
        Buttons().Rewind();
    }
    ~ButtonSizeGuard() {
        SetButtonBitmapSize(1, ButtonSize{});
        Buttons().Clear();
        Buttons().Rewind();
    }
};

TEST_F(LayoutStructuresTest, VariableButtonRegistersItsPictureOnlyWhilePainting) {
    ButtonSizeGuard guard(ButtonSize{20, 12});
    line.reset(ReadLine("v="));
    auto* button = new VariableButtonElement(2, 1);
    line->LastChild()->InsertAfter(button);
    {
        DrawSurface::LayoutOnly layoutOnly(dc);
        PaintLine();
    }
    EXPECT_EQ(Buttons().Count(), 0u);
    const Point pen = PaintLine();
    ButtonEntry entry;
    ASSERT_TRUE(Buttons().Next(entry));
    EXPECT_EQ(entry.picture, 1);
    EXPECT_EQ(entry.x, static_cast<int>(button->start.x));
    EXPECT_EQ(entry.y, 30);
    EXPECT_FALSE(Buttons().Next(entry));
    EXPECT_EQ(button->height, -12);
    EXPECT_DOUBLE_EQ(pen.x, button->start.x + 23);
    EXPECT_TRUE(button->ContainsPoint(Point{button->start.x + 5, 25}));
}

TEST(ButtonRegistryTest, HoldsTwentyEntriesAndReadsThemBackInOrder) {
    ButtonRegistry registry;
    for (int i = 0; i < 20; ++i) {
        EXPECT_TRUE(registry.Register(i % 4, i, 2 * i));
    }
    EXPECT_FALSE(registry.Register(0, 99, 99));
    EXPECT_EQ(registry.Count(), 20u);
    ButtonEntry entry;
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(registry.Next(entry));
        EXPECT_EQ(entry.y, 2 * i);
    }
    EXPECT_FALSE(registry.Next(entry));
    registry.Clear();
    registry.Rewind();
    EXPECT_FALSE(registry.Next(entry));
}

TEST_F(LayoutStructuresTest, BoxCountsBaselinesAndResultTextAndRestoresPainting) {
    line.reset(ReadLine("x&2@"));
    line->SetResultText(" = 5");
    ComputeBox(dc, *line, Point{10.0, 30.0});
    EXPECT_TRUE(dc.Painting());
    EXPECT_TRUE(device.texts.empty());
    EXPECT_EQ(line->boxValid, 1);
    EXPECT_DOUBLE_EQ(line->boxFirst.x, 10.0);
    EXPECT_DOUBLE_EQ(line->boxFirst.y, 15.0);
    // The subscript's baseline is 15 / 4 below; its descenders are not counted.
    EXPECT_DOUBLE_EQ(line->boxSecond.y, 33.0);
    const TextElement& result = line->resultText();
    EXPECT_DOUBLE_EQ(line->boxSecond.x, result.end.x);
    EXPECT_GT(result.start.x, 11.0);
}

TEST_F(LayoutStructuresTest, BoxIgnoresAnEmptyResultTextLeftFarAway) {
    line.reset(ReadLine("x"));
    line->resultText().start = Point{-500.0, -500.0};
    line->resultText().end = Point{900.0, 900.0};
    ComputeBox(dc, *line, Point{10.0, 30.0});
    EXPECT_DOUBLE_EQ(line->boxFirst.x, 10.0);
    EXPECT_DOUBLE_EQ(line->boxSecond.x, 21.0);
    EXPECT_DOUBLE_EQ(line->boxSecond.y, 30.0);
}

TEST_F(LayoutStructuresTest, DeeplyNestedFractionsAndRootsAreLaidOutInReasonableTime) {
    std::string text;
    for (int i = 0; i < 60; ++i) {
        text += "/^%";
    }
    text += "x";
    line.reset(ReadLine(text));
    ComputeBox(dc, *line, Point{0.0, 100.0});
    EXPECT_EQ(line->boxValid, 1);
    PaintLine();
    EXPECT_NE(device.FindText("x"), nullptr);
    EXPECT_EQ(dc.Level(), 0);
}

} // namespace
} // namespace zx::equation
