// Table sprite timings through the host, on the same road as a movie: a full Draw of a table
// of 1000 cells (100 rows of 10) of which 200 are visible, every cell with a text and three
// fonts in use, and a press that picks a cell.
#include <cstdio>
#include <string>

#include <benchmark/benchmark.h>

#include "plugin_host.h"
#include "zxhost/host.h"

namespace {

using zxhost::Value;

zxhost::Host& sharedHost() {
    return zxbench::pluginHost("gridcell32");
}

void formatColumns(zxhost::Member& m, int32_t first, int32_t last, const char* property,
                   const Value& value) {
    m.setProp("BlockMode", Value(1));
    m.setProp("Row", Value(0));
    m.setProp("Col", Value(first));
    m.setProp("Row2", Value(99));
    m.setProp("Col2", Value(last));
    m.setProp(property, value);
    m.setProp("BlockMode", Value(0));
}

// 100 rows of 10 columns, 70 x 17 pixels each, in a sprite of 700 x 340: rows 0-19 show.
zxhost::Sprite& fullTable(zxhost::Host& host) {
    host.clearMovie();
    host.stage().setSize(720, 360);
    zxhost::Member& m = host.newMember("gridcell", "bench");
    m.setProp("MaxCols", Value(9));
    m.setProp("MaxRows", Value(99));
    for (int32_t r = 0; r <= 99; ++r) {
        for (int32_t c = 0; c <= 9; ++c) {
            char text[24];
            std::snprintf(text, sizeof text, "R%d C%d", static_cast<int>(r), static_cast<int>(c));
            m.call("SetTableText", {r, c, Value(text)});
        }
    }
    formatColumns(m, 3, 5, "xFontName", Value("Times New Roman"));
    formatColumns(m, 6, 9, "xFontName", Value("Courier New"));
    formatColumns(m, 6, 9, "TypeHAlign", Value(1));
    zxhost::Sprite& sprite = host.addSprite(m, {10, 10, 710, 350});
    sprite.draw();
    return sprite;
}

void DrawThousandCellsTwoHundredVisible(benchmark::State& state) {
    zxhost::Host& host = sharedHost();
    zxhost::Sprite& sprite = fullTable(host);
    for (auto _ : state) {
        benchmark::DoNotOptimize(sprite.draw());
    }
    state.SetItemsProcessed(state.iterations() * 200);
}
BENCHMARK(DrawThousandCellsTwoHundredVisible)->Unit(benchmark::kMillisecond);

void PressPicksACell(benchmark::State& state) {
    zxhost::Host& host = sharedHost();
    zxhost::Sprite& sprite = fullTable(host);
    for (auto _ : state) {
        benchmark::DoNotOptimize(sprite.mouseDown(400, 300));
    }
}
BENCHMARK(PressPicksACell);

} // namespace

BENCHMARK_MAIN();
