// Speedometer timings through the host, on the same road as a movie: one Draw of a gauge
// 200 x 40 whose scale has a hundred small ticks and ten labelled big ticks.
#include <string>

#include <benchmark/benchmark.h>

#include "plugin_host.h"
#include "zxhost/host.h"

namespace {

zxhost::Host& sharedHost() {
    return zxbench::pluginHost("dialgauge32");
}

void DrawGaugeWithHundredTicks(benchmark::State& state) {
    zxhost::Host& host = sharedHost();
    host.clearMovie();
    host.stage().setSize(240, 60);
    zxhost::Member& gauge = host.newMember("dialgauge", "gauge");
    gauge.setProp("XMax", zxhost::Value(1000));
    gauge.setProp("SmallTickSpace", zxhost::Value(10)); // k = 1 ... 99
    gauge.setProp("BigTickSpace", zxhost::Value(100));  // k = 1 ... 9, with labels
    gauge.setProp("YSpeed", zxhost::Value(420.0));
    zxhost::Sprite& sprite = host.addSprite(gauge, {10, 10, 210, 50});
    for (auto _ : state) {
        benchmark::DoNotOptimize(sprite.draw());
    }
}
BENCHMARK(DrawGaugeWithHundredTicks);

} // namespace

BENCHMARK_MAIN();
