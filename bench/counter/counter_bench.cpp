// Counter timings through the host, on the same road as a movie: member creation, one
// full Draw of a 10-digit counter, and a 640 x 480 stage render with 20 counters.
#include <string>

#include <benchmark/benchmark.h>

#include "plugin_host.h"
#include "zxhost/host.h"

namespace {

zxhost::Host& sharedHost() {
    return zxbench::pluginHost("tallydisc32");
}

void CreateMember(benchmark::State& state) {
    zxhost::Host& host = sharedHost();
    host.clearMovie();
    for (auto _ : state) {
        zxhost::Member& member = host.newMember("tallydisc", "odo");
        benchmark::DoNotOptimize(member.asset());
        host.deleteMember(member);
    }
}
BENCHMARK(CreateMember);

void DrawTenDigitCounter(benchmark::State& state) {
    zxhost::Host& host = sharedHost();
    host.clearMovie();
    host.stage().setSize(640, 480);
    zxhost::Member& member = host.newMember("tallydisc", "odo");
    member.setProp("DigitsLeft", zxhost::Value(7));
    member.setProp("DigitsRight", zxhost::Value(3));
    member.setProp("Value", zxhost::Value(1234567.895));
    zxhost::Sprite& sprite = host.addSprite(member, {10, 10, 110, 26});
    for (auto _ : state) {
        benchmark::DoNotOptimize(sprite.draw());
    }
}
BENCHMARK(DrawTenDigitCounter);

void RenderStageWithTwentyCounters(benchmark::State& state) {
    zxhost::Host& host = sharedHost();
    host.clearMovie();
    host.stage().setSize(640, 480);
    for (int i = 0; i < 20; ++i) {
        zxhost::Member& member = host.newMember("tallydisc", "odo" + std::to_string(i));
        member.setProp("DigitsLeft", zxhost::Value(4 + i % 4));
        member.setProp("DigitsRight", zxhost::Value(i % 3));
        member.setProp("Value", zxhost::Value(123.456 * (i + 1)));
        const int32_t left = 20 + (i % 4) * 150;
        const int32_t top = 20 + (i / 4) * 80;
        host.addSprite(member, {left, top, left + 100, top + 16});
    }
    for (auto _ : state) {
        host.stage().render();
    }
}
BENCHMARK(RenderStageWithTwentyCounters);

} // namespace

BENCHMARK_MAIN();
