// Graph timings through the host, on the same road as a movie: 1024 points appended with
// SetProp XNewValue and YNewValue, the least-squares fit run by writing Action 13, a full draw
// of a busy 400 x 300 graph and a mouse move that only redraws the trace.
#include <string>

#include <benchmark/benchmark.h>

#include "plugin_host.h"
#include "zxhost/host.h"

namespace {

zxhost::Host& theHost() {
    return zxbench::pluginHost("plotmark32");
}

zxhost::Member& freshMember() {
    theHost().clearMovie();
    return theHost().newMember("plotmark", "graph");
}

void fill(zxhost::Member& member) {
    for (int i = 0; i < 1024; ++i) {
        member.setProp("XNewValue", zxhost::Value(0.01 * i));
        member.setProp("YNewValue", zxhost::Value(3.0 * i + (i % 7)));
    }
}

void Append1024PointsThroughSetProp(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        zxhost::Member& member = freshMember();
        state.ResumeTiming();
        fill(member);
    }
}
BENCHMARK(Append1024PointsThroughSetProp)->Unit(benchmark::kMicrosecond);

void FitAction13Of1024Points(benchmark::State& state) {
    zxhost::Member& member = freshMember();
    fill(member);
    for (auto _ : state) {
        member.setProp("Action", zxhost::Value(13));
    }
}
BENCHMARK(FitAction13Of1024Points)->Unit(benchmark::kMicrosecond);

// Five curves of 1024 points drawn with lines and symbols, ten lines (a shaded one, a picked
// one with its label and handles) on a 400 x 300 sprite.
zxhost::Sprite& busyGraph() {
    zxhost::Member& member = freshMember();
    zxhost::Host& host = theHost();
    host.stage().setSize(420, 320);
    member.setProp("ShowLineHandles", zxhost::Value(1));
    member.setProp("PipTrace", zxhost::Value(1));
    member.setProp("ShowCursorLines", zxhost::Value(1));
    for (int c = 0; c < 5; ++c) {
        member.setProp("CurrentCurve", zxhost::Value(c));
        member.setProp("CurveStyle", zxhost::Value(2));
        for (int i = 0; i < 1024; ++i) {
            member.setProp("CurrentSymbol", zxhost::Value(i % 5));
            member.setProp("XNewValue", zxhost::Value(i * 0.02));
            member.setProp("YNewValue", zxhost::Value(2.0 * c + 1.0 + ((i * 37) % 11) * 0.2));
        }
    }
    for (int l = 0; l < 10; ++l) {
        member.setProp("CurrentLine", zxhost::Value(l));
        member.call("PlotLine", {zxhost::Value(0.0), zxhost::Value(l * 1.0), zxhost::Value(20.0),
                                 zxhost::Value(l * 0.5 + 2.0)});
    }
    member.setProp("LineShade", zxhost::Value(1));
    zxhost::Sprite& sprite = host.addSprite(member, {10, 10, 410, 310});
    host.stage().render();
    member.setProp("MouseClickMode", zxhost::Value(3));
    sprite.mouseDown(58 + 12 * 10, 260 - 12 * 9); // picks line 9 at x = 10, y = 9
    sprite.mouseUp(58 + 12 * 10, 260 - 12 * 9);
    member.setProp("MouseClickMode", zxhost::Value(2));
    return sprite;
}

void FullDraw400x300FiveCurvesTenLines(benchmark::State& state) {
    zxhost::Sprite& sprite = busyGraph();
    for (auto _ : state) {
        sprite.draw();
    }
}
BENCHMARK(FullDraw400x300FiveCurvesTenLines)->Unit(benchmark::kMicrosecond);

// A script's MouseMove write (the sprite tracks the cursor) and the draw that follows: the
// kept picture copied with the trace over it.
void TraceOverlayAfterMouseMove(benchmark::State& state) {
    zxhost::Sprite& sprite = busyGraph();
    zxhost::Member& member = sprite.member();
    theHost().stage().setCursor(10 + 58 + 12 * 7, 10 + 100);
    for (auto _ : state) {
        member.setProp("MouseMove", zxhost::Value(1));
        sprite.draw();
    }
}
BENCHMARK(TraceOverlayAfterMouseMove)->Unit(benchmark::kMicrosecond);

} // namespace
