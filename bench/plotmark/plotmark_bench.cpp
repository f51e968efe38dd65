// Graph member timings through the host, on the same road as a movie: 1024 points appended
// with SetProp XNewValue and YNewValue, and the least-squares fit run by writing Action 13.
#include <string>

#include <benchmark/benchmark.h>

#include "zxhost/host.h"

namespace {

std::string binDir() {
    return std::string(ZX_BINARY_DIR) + "/bin";
}

zxhost::Member& freshMember() {
    static zxhost::Host host({binDir()});
    static bool loaded = false;
    if (!loaded) {
        host.loadModule(binDir() + "/plotmark32.so");
        loaded = true;
    }
    host.clearMovie();
    return host.newMember("plotmark", "graph");
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

} // namespace
