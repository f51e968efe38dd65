// Slider timings through the host, on the same road as a movie: a held arrow steps once per
// repeated press event and the redraw after it; a drag moves the thumb to the cursor.
#include <string>

#include <benchmark/benchmark.h>

#include "plugin_host.h"
#include "zxhost/host.h"

namespace {

zxhost::Host& sharedHost() {
    return zxbench::pluginHost("glidebar32");
}

// A default slider 200 x 20 on the stage, drawn once so that presses find its parts.
zxhost::Sprite& slider(zxhost::Host& host, zxhost::Member** member) {
    host.clearMovie();
    host.stage().setSize(240, 60);
    *member = &host.newMember("glidebar", "slider");
    zxhost::Sprite& sprite = host.addSprite(**member, {10, 10, 210, 30});
    sprite.draw();
    return sprite;
}

// The right arrow held: each iteration is one repeated press and the redraw that steps. The
// value wraps back before it reaches the end, outside the timing.
void ArrowStepEventAndRedraw(benchmark::State& state) {
    zxhost::Host& host = sharedHost();
    zxhost::Member* member = nullptr;
    zxhost::Sprite& sprite = slider(host, &member);
    sprite.mouseDown(190, 10);
    int steps = 0;
    for (auto _ : state) {
        sprite.mouseDrag(190, 10);
        benchmark::DoNotOptimize(sprite.draw());
        if (++steps == 100) {
            state.PauseTiming();
            member->setProp("Value", zxhost::Value(0.0));
            host.hooks().clearRecords();
            steps = 0;
            state.ResumeTiming();
        }
    }
    sprite.mouseUp(190, 10);
}
BENCHMARK(ArrowStepEventAndRedraw);

// A drag back and forth by ten pixels: each iteration is one drag event and its redraw.
void DragStepEventAndRedraw(benchmark::State& state) {
    zxhost::Host& host = sharedHost();
    zxhost::Member* member = nullptr;
    zxhost::Sprite& sprite = slider(host, &member);
    sprite.mouseDown(100, 10);
    sprite.draw();
    int x = 100;
    int steps = 0;
    for (auto _ : state) {
        x = x == 100 ? 110 : 100;
        sprite.mouseDrag(x, 10);
        benchmark::DoNotOptimize(sprite.draw());
        if (++steps == 100) {
            state.PauseTiming();
            host.hooks().clearRecords();
            steps = 0;
            state.ResumeTiming();
        }
    }
    sprite.mouseUp(x, 10);
}
BENCHMARK(DragStepEventAndRedraw);

} // namespace

BENCHMARK_MAIN();
