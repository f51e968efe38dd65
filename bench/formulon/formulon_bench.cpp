// Equation sprite timings through the host, on the same road as a movie: one full Draw of a
// pane with two equations and their variable lines, a click that places the caret (hit test
// over the laid-out line), and one typed key followed by the Draw that lays the line out again.
#include <string>

#include <benchmark/benchmark.h>

#include "plugin_host.h"
#include "zxhost/host.h"

namespace {

zxhost::Host& sharedHost() {
    return zxbench::pluginHost("formulon32");
}

// A member with y = a/(x^2+1) + sqrt(x) and z = 2y - sin(x), x independent with a value and
// a defined as a number, calculated: two equations with results and two variable lines.
zxhost::Sprite& twoEquationSprite(zxhost::Host& host) {
    host.clearMovie();
    host.stage().setSize(640, 480);
    zxhost::Member& member = host.newMember("formulon", "eq");
    member.setProp("Eq1String", zxhost::Value("2|y=/^a@&x^2@+1@+%x@|z=2y-{sin}(x@|a|3"));
    member.setProp("PropIndex", zxhost::Value(0));
    member.setProp("IndVarName", zxhost::Value("x"));
    member.setProp("IndVarValue", zxhost::Value(2.5));
    member.call("Calculate");
    zxhost::Sprite& sprite = host.addSprite(member, {10, 10, 330, 230});
    sprite.draw();
    return sprite;
}

void DrawTwoEquationPane(benchmark::State& state) {
    zxhost::Host& host = sharedHost();
    zxhost::Sprite& sprite = twoEquationSprite(host);
    for (auto _ : state) {
        benchmark::DoNotOptimize(sprite.draw());
    }
}
BENCHMARK(DrawTwoEquationPane);

void ClickPlacesCaret(benchmark::State& state) {
    zxhost::Host& host = sharedHost();
    zxhost::Sprite& sprite = twoEquationSprite(host);
    for (auto _ : state) {
        benchmark::DoNotOptimize(sprite.mouseDown(60, 12));
        sprite.mouseUp(60, 12);
    }
}
BENCHMARK(ClickPlacesCaret);

// Typing a digit and deleting it again keeps the line the same length across iterations;
// each key is followed by the Draw that lays the line out again.
void TypeKeyAndRedraw(benchmark::State& state) {
    zxhost::Host& host = sharedHost();
    zxhost::Sprite& sprite = twoEquationSprite(host);
    sprite.focus();
    sprite.mouseDown(60, 12);
    sprite.mouseUp(60, 12);
    sprite.draw();
    for (auto _ : state) {
        sprite.key('7');
        benchmark::DoNotOptimize(sprite.draw());
        sprite.key('\b');
        benchmark::DoNotOptimize(sprite.draw());
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(TypeKeyAndRedraw);

} // namespace

BENCHMARK_MAIN();
