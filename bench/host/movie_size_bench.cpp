// Loading and rendering movies of many members: a counter member and its sprite per member,
// the sprites tiled over a 640 x 480 stage. Items per second stay the same from 10k to 40k
// members when both grow linearly (look-ups by id and name are hashed, nothing scans the
// cast per member).
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

#include <unistd.h>

#include <benchmark/benchmark.h>

#include "zxhost/host.h"

namespace {

std::string binDir() {
    return std::string(ZX_BINARY_DIR) + "/bin";
}

// Movie files by member count, written once per size and removed at the end.
std::map<int, std::string> paths;

const std::string& movieOf(int members) {
    auto found = paths.find(members);
    if (found != paths.end()) {
        return found->second;
    }
    zxhost::Host host({binDir()});
    host.stage().setSize(640, 480);
    for (int i = 0; i < members; ++i) {
        zxhost::Member& member = host.newMember("tallydisc", "c" + std::to_string(i));
        member.setProp("Value", zxhost::Value(static_cast<double>(i)));
        const int32_t left = (i * 37) % 600;
        const int32_t top = (i * 17) % 460;
        host.addSprite(member, {left, top, left + 30, top + 16});
    }
    const std::string path =
        (std::filesystem::temp_directory_path() /
         ("zx_movie_" + std::to_string(::getpid()) + "_" + std::to_string(members) + ".json"))
            .string();
    host.saveMovie(path);
    return paths.emplace(members, path).first->second;
}

void LoadMovie(benchmark::State& state) {
    const int members = static_cast<int>(state.range(0));
    const std::string& path = movieOf(members);
    zxhost::Host host({binDir()});
    for (auto _ : state) {
        benchmark::DoNotOptimize(host.loadMovie(path));
        state.PauseTiming();
        host.clearMovie();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * members);
}
BENCHMARK(LoadMovie)->Arg(10000)->Arg(20000)->Arg(40000)->Unit(benchmark::kMillisecond);

void RenderMovie(benchmark::State& state) {
    const int members = static_cast<int>(state.range(0));
    zxhost::Host host({binDir()});
    host.loadMovie(movieOf(members));
    host.stage().render(); // the first render draws what the load changed
    for (auto _ : state) {
        host.stage().render();
    }
    state.SetItemsProcessed(state.iterations() * members);
}
BENCHMARK(RenderMovie)->Arg(10000)->Arg(20000)->Arg(40000)->Unit(benchmark::kMillisecond);

void ClearMovie(benchmark::State& state) {
    const int members = static_cast<int>(state.range(0));
    zxhost::Host host({binDir()});
    for (auto _ : state) {
        state.PauseTiming();
        host.loadMovie(movieOf(members));
        state.ResumeTiming();
        host.clearMovie();
    }
    state.SetItemsProcessed(state.iterations() * members);
}
BENCHMARK(ClearMovie)->Arg(10000)->Arg(20000)->Arg(40000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (const auto& [members, path] : paths) {
        std::remove(path.c_str());
    }
    return 0;
}
