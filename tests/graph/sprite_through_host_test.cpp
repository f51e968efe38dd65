// The graph sprite through the host: what a full draw paints and writes back, the mouse
// (plotting, picking, handles, zoom), the keys, tracing driven by MouseMove, the handler
// calls, and the faults the sprite guards against.
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "golden_image.h"
#include "zxframe/result_codes.h"
#include "zxhost/host.h"

using zxhost::Value;

namespace {

constexpr uint32_t kGridBlue = 0xFFCC99; // 0xBBGGRR of RGB(0x99, 0xCC, 0xFF)
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;

class GraphSprite : public ::testing::Test {
protected:
    GraphSprite() : host({std::string(ZX_BINARY_DIR) + "/bin"}) {
        host.loadModule(std::string(ZX_BINARY_DIR) + "/bin/plotmark32.so");
        member = &host.newMember("plotmark", "graph");
        host.stage().setSize(320, 220);
        host.stage().setColor(0x808080);
    }

    // A 300 x 200 sprite at (10, 10): origin at stage (68, 170), grid square 12.
    zxhost::Sprite& place() {
        sprite = &host.addSprite(*member, {10, 10, 310, 210});
        host.stage().render();
        return *sprite;
    }
    double number(const std::string& property) {
        const auto read = member->getProp(property);
        const auto* d = read.value.get<double>();
        return d != nullptr ? *d : -12345.0;
    }
    int32_t integer(const std::string& property) {
        const auto read = member->getProp(property);
        const auto* i = read.value.get<int32_t>();
        return i != nullptr ? *i : -12345;
    }
    // Sprite-relative pixel of a world point on the default scale (origin 58/160 in the sprite).
    static int32_t sx(double x) { return 58 + static_cast<int32_t>(std::lround(12 * x)); }
    static int32_t sy(double y) { return 160 - static_cast<int32_t>(std::lround(12 * y)); }
    void addPoint(double x, double y) {
        member->setProp("XNewValue", Value(x));
        member->setProp("YNewValue", Value(y));
    }
    // The mouse at a sprite-relative pixel, then a script's MouseMove write.
    void moveMouse(int32_t x, int32_t y) {
        host.stage().setCursor(10 + x, 10 + y);
        member->setProp("MouseMove", Value(1));
    }
    int count(const std::string& handler) {
        int n = 0;
        for (const auto& call : host.hooks().records.handlerCalls) {
            n += call.name == handler ? 1 : 0;
        }
        return n;
    }

    zxhost::Host host;
    zxhost::Member* member = nullptr;
    zxhost::Sprite* sprite = nullptr;
};

} // namespace

TEST_F(GraphSprite, FullDrawOfTheDefaultsPaintsGridAxesAndTicks) {
    place();
    EXPECT_DOUBLE_EQ(number("XMaximum"), 242.0 / 12.0);
    EXPECT_DOUBLE_EQ(number("YMaximum"), 160.0 / 12.0);
    const auto px = [&](int x, int y) { return host.stage().pixel(10 + x, 10 + y); };
    EXPECT_EQ(px(58 + 12, 100), kGridBlue); // first vertical grid line
    EXPECT_EQ(px(58 + 6, 160 - 12), kGridBlue);
    EXPECT_EQ(px(58 + 6, 106), kWhite);
    EXPECT_EQ(px(58, 100), kBlack); // the vertical axis
    EXPECT_EQ(px(100, 160), kBlack);
    // x ticks every 60 pixels, 8 pixels high; y ticks 8 pixels long.
    EXPECT_EQ(px(58 + 60, 160 - 7), kBlack);
    EXPECT_EQ(px(58 + 60, 160 - 8), kGridBlue);
    EXPECT_EQ(px(58 + 7, 160 - 60), kBlack);
    EXPECT_EQ(px(0, 0), kBlack); // BlackBorder
    EXPECT_EQ(px(299, 199), kBlack);
}

TEST_F(GraphSprite, WithoutBlackBorderTheLastRowAndColumnStayTheStages) {
    member->setProp("BlackBorder", Value(0));
    place();
    EXPECT_EQ(host.stage().pixel(10 + 297, 10 + 106), kWhite);
    EXPECT_EQ(host.stage().pixel(10 + 299, 10 + 106), 0x808080u);
    EXPECT_EQ(host.stage().pixel(10 + 100, 10 + 199), 0x808080u);
}

TEST_F(GraphSprite, ForceIntegerAndSnapAreWrittenBackByTheDraw) {
    member->setProp("ForceIntegerX", Value(1));
    member->setProp("DeltaX", Value(0.3));
    member->setProp("DeltaY", Value(0.25));
    member->setProp("YMinimum", Value(0.37));
    place();
    EXPECT_DOUBLE_EQ(number("DeltaX"), 1.0 / 3.0);
    EXPECT_EQ(integer("XTickSpace"), 3);
    EXPECT_DOUBLE_EQ(number("YMinimum"), 0.25);
}

TEST_F(GraphSprite, ClickPlotsAPointAtItsWorldPosition) {
    auto& s = place();
    s.mouseDown(sx(2.5), sy(3));
    s.mouseUp(sx(2.5), sy(3));
    EXPECT_DOUBLE_EQ(number("XMouseDown"), 2.5);
    EXPECT_DOUBLE_EQ(number("YMouseDown"), 3.0);
    host.stage().render();
    EXPECT_EQ(host.stage().pixel(10 + sx(2.5) + 2, 10 + sy(3) + 2), 0x0000FFu); // red cross
    // Left of the vertical axis nothing is added and XMouseDown stays.
    s.mouseDown(40, sy(3));
    EXPECT_DOUBLE_EQ(number("XMouseDown"), 2.5);
    member->setProp("Action", Value(7)); // removes the one point: the curve held just it
    member->setProp("Action", Value(7));
    host.stage().render();
    EXPECT_EQ(host.stage().pixel(10 + sx(2.5) + 2, 10 + sy(3) + 2), kWhite);
}

TEST_F(GraphSprite, MouseEventsBeforeTheFirstDrawAreIgnored) {
    auto& s = host.addSprite(*member, {10, 10, 310, 210});
    s.mouseDown(sx(2.5), sy(3));
    s.mouseUp(sx(2.5), sy(3));
    EXPECT_DOUBLE_EQ(number("XMouseDown"), 0.0);
    member->setProp("MouseMove", Value(1)); // tracking has no geometry either
    EXPECT_TRUE(host.hooks().records.handlerCalls.empty());
}

TEST_F(GraphSprite, PicksALineNinePixelsAwayAndDeletesIt) {
    member->setProp("MouseClickMode", Value(3));
    member->call("PlotLine", {Value(0.0), Value(5.0), Value(10.0), Value(5.0)});
    auto& s = place();
    s.mouseDown(sx(3), sy(5) + 10);
    EXPECT_EQ(integer("MouseMoveMode"), 1);
    s.mouseUp(sx(3), sy(5) + 10);
    s.mouseDown(sx(3), sy(5) - 9);
    s.mouseUp(sx(3), sy(5) - 9);
    EXPECT_EQ(integer("MouseMoveMode"), 3);
    host.stage().render();
    EXPECT_EQ(member->getProp("LineEquation").value, Value("y = 0.0x + 5.00 "));
    s.key(127);
    host.stage().render();
    EXPECT_EQ(member->getProp("LineEquation").value, Value(""));
    EXPECT_EQ(host.stage().pixel(10 + sx(6), 10 + sy(5)), kGridBlue); // the line is gone
}

TEST_F(GraphSprite, PicksACurveAndDeleteEmptiesTheWholeCurve) {
    member->setProp("MouseClickMode", Value(2));
    member->setProp("CurveStyle", Value(1));
    for (int i = 0; i < 5; ++i) {
        addPoint(i, 2 * i);
    }
    auto& s = place();
    s.mouseDown(sx(1.5), sy(3));
    s.mouseUp(sx(1.5), sy(3));
    EXPECT_EQ(integer("MouseMoveMode"), 2);
    s.key(8);
    member->setProp("Action", Value(7)); // nothing left to remove
    EXPECT_EQ(member->setProp("Action", Value(13)), zx::kOk);
    EXPECT_DOUBLE_EQ(number("Pearson"), 0.0);
}

TEST_F(GraphSprite, DraggingTheInterceptHandleShiftsTheLine) {
    member->setProp("XMinimum", Value(-5.0));
    member->setProp("YMinimum", Value(-5.0));
    member->setProp("ShowLineHandles", Value(1));
    member->call("PlotLine", {Value(0.0), Value(0.0), Value(1.0), Value(1.0)});
    auto& s = place();
    // Handle 5 at the world origin: 5 squares right of and above the sprite's origin.
    const int hx = 58 + 60, hy = 160 - 60;
    EXPECT_EQ(host.stage().pixel(10 + hx + 4, 10 + hy - 2), 0xFF00FFu); // its square, magenta
    s.mouseDown(hx + 1, hy + 1);
    host.stage().setCursor(10 + hx + 1, 10 + hy + 1 - 12);
    member->setProp("MouseMove", Value(1)); // the line follows live
    s.mouseUp(hx + 1, hy + 1 - 12);
    member->setProp("CurrentLine", Value(0));
    s.mouseDown(20, 20); // below nothing: just to be sure the drag ended
    member->setProp("MouseClickMode", Value(3));
    s.mouseUp(20, 20);
    s.mouseDown(hx + 12, hy - 12 - 12);
    s.mouseUp(hx + 12, hy - 12 - 12);
    host.stage().render();
    EXPECT_EQ(member->getProp("LineEquation").value, Value("y = 1.00x + 1.00 "));
}

TEST_F(GraphSprite, DraggingAnEndHandleTurnsTheLine) {
    member->setProp("ShowLineHandles", Value(1));
    member->call("PlotLine", {Value(0.0), Value(6.0), Value(10.0), Value(6.0)});
    auto& s = place();
    // Handle 0 on the line one square right of the axis, handle 2 one square left of the edge.
    s.mouseDown(sx(1), sy(6));
    host.stage().setCursor(10 + sx(1), 10 + sy(4));
    member->setProp("MouseMove", Value(1));
    s.mouseUp(sx(1), sy(4));
    member->setProp("MouseClickMode", Value(3));
    s.mouseDown(sx(10), sy(6) + 6);
    host.stage().render();
    const auto read = member->getProp("LineEquation");
    const auto* text = read.value.get<std::string>();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->rfind("y = 0.", 0), 0u) << *text; // a gentle rise towards handle 2
}

TEST_F(GraphSprite, ClickWithTheSecondModifierZoomsInAndBelowTheAxisOut) {
    auto& s = place();
    s.event(zxhost::event::kMouseDown, sx(10), sy(6), 0, 2);
    EXPECT_DOUBLE_EQ(number("DeltaX"), 0.5);
    EXPECT_DOUBLE_EQ(number("DeltaY"), 0.5);
    s.mouseUp(sx(10), sy(6));
    host.stage().render();
    s.event(zxhost::event::kMouseDown, 100, 180, 0, 2);
    EXPECT_DOUBLE_EQ(number("DeltaX"), 1.0);
    EXPECT_DOUBLE_EQ(number("DeltaY"), 0.5);
}

TEST_F(GraphSprite, ArrowKeysStepThroughCurvesAndLines) {
    auto& s = place();
    s.key(31);
    EXPECT_EQ(integer("CurrentCurve"), 4);
    member->setProp("CurrentLine", Value(9));
    s.key(29);
    EXPECT_EQ(integer("CurrentLine"), 0);
    s.key(28);
    EXPECT_EQ(integer("CurrentLine"), 9);
}

TEST_F(GraphSprite, TraceFollowsThePickedCurveAndMovesThePointer) {
    member->setProp("MouseClickMode", Value(2));
    member->setProp("CurveStyle", Value(1));
    member->setProp("PipTrace", Value(1));
    addPoint(0, 2);
    addPoint(10, 7);
    auto& s = place();
    s.mouseDown(sx(4), sy(4));
    s.mouseUp(sx(4), sy(4));
    host.stage().render();
    moveMouse(sx(6), sy(1));
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(host.stage().window(), &cursor);
    EXPECT_EQ(cursor.y, 10 + sy(5)); // snapped onto the curve at x = 6
    host.stage().render();           // the trace overlay: the pip in the curve's complement
    EXPECT_EQ(host.stage().pixel(10 + sx(6), 10 + sy(5)), 0xFFFF00u);
    EXPECT_GE(count("SetSpriteCursor"), 1);
    EXPECT_EQ(host.hooks().records.handlerCalls.back().args.at(1), Value(2));
}

TEST_F(GraphSprite, ExtendedTraceScrollsAtTheEdge) {
    member->setProp("MouseClickMode", Value(2));
    member->setProp("CurveStyle", Value(1));
    member->setProp("ExtendedTrace", Value(1));
    addPoint(0, 2);
    addPoint(40, 2);
    auto& s = place();
    s.mouseDown(sx(4), sy(2));
    s.mouseUp(sx(4), sy(2));
    host.stage().render();
    moveMouse(sx(20), sy(5)); // within a square of the right edge
    EXPECT_DOUBLE_EQ(number("XMinimum"), 1.0);
    host.stage().render();
    EXPECT_DOUBLE_EQ(number("XMaximum"), 1.0 + 242.0 / 12.0);
}

TEST_F(GraphSprite, RefreshRunsWhileTheButtonIsDownAndCannotRecurse) {
    int refreshes = 0;
    host.setHandler("Refresh", [&](zxhost::Sprite*, const std::vector<Value>&) {
        ++refreshes;
        member->setProp("MouseMove", Value(1)); // comes back through the notification
        return Value();
    });
    auto& s = place();
    s.mouseDown(sx(2), sy(2)); // plots a point and asks for a redraw
    EXPECT_GE(refreshes, 1);
    EXPECT_LT(refreshes, 10);
    const size_t redraws = host.hooks().records.spriteHostRedraws.size();
    s.mouseUp(sx(2), sy(2));
    member->setProp("BackColor", Value(0xEEEEEE)); // button up: the host redraws
    EXPECT_GT(host.hooks().records.spriteHostRedraws.size(), redraws);
}

TEST_F(GraphSprite, ClaimsFocusEventsAndIgnoresOthers) {
    auto& s = place();
    EXPECT_TRUE(s.focus());
    EXPECT_TRUE(s.blur());
    EXPECT_FALSE(s.event(zxhost::event::kMouseDrag, 5, 5).handled);
}

TEST_F(GraphSprite, GoldenPlotWithCurvesLinesShadeAndLabels) {
    host.stage().setSize(420, 320);
    member->setProp("XMinimum", Value(-3.0));
    member->setProp("YMinimum", Value(-4.0));
    member->setProp("DeltaY", Value(2.0));
    for (int c = 0; c < 3; ++c) {
        member->setProp("CurrentCurve", Value(c));
        member->setProp("CurveStyle", Value(c));
        for (int i = 0; i < 12; ++i) {
            member->setProp("CurrentSymbol", Value(i % 5));
            addPoint(i * 1.3 - 2, (c + 1) * 3 + std::sin(i / 2.0) * 4);
        }
    }
    member->setProp("CurrentLine", Value(0));
    member->call("PlotLine", {Value(0.0), Value(0.0), Value(10.0), Value(8.0)});
    member->setProp("LineShade", Value(2));
    member->setProp("CurrentLine", Value(1));
    member->setProp("LineStyle", Value(2));
    member->call("PlotLine", {Value(2.0), Value(-2.0), Value(12.0), Value(2.0)});
    host.addSprite(*member, {10, 10, 410, 310});
    host.stage().render();
    EXPECT_EQ(compareWithGolden(host.stage(), "graph_plot"), "");
}
