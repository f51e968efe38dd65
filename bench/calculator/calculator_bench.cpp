// Calculator timings through the host, on the same road as a movie: a key pressed on a
// 100 x 160 calculator sprite (HandleEvent, then the Idle and Draw that its change causes),
// a click on a key, the key event alone and the Draw alone.
#include <string>
#include <string_view>

#include <benchmark/benchmark.h>

#include "plugin_host.h"
#include "zxhost/host.h"

namespace {

zxhost::Host& sharedHost() {
    return zxbench::pluginHost("keypadix32");
}

// A calculator sprite of 100 x 160 on a fresh stage, drawn once so that its keys can be hit.
zxhost::Sprite& calculatorSprite() {
    zxhost::Host& host = sharedHost();
    host.clearMovie();
    host.stage().setSize(320, 240);
    zxhost::Member& member = host.newMember("keypadix", "calc");
    zxhost::Sprite& sprite = host.addSprite(member, {20, 20, 120, 180});
    host.stage().render();
    return sprite;
}

// Keys that keep the calculator busy without ever ending in an error: a product, a sum,
// equals, clear.
constexpr std::string_view kKeys = "12x34+5=\x7f";

void KeyWithRedraw(benchmark::State& state) {
    zxhost::Sprite& sprite = calculatorSprite();
    size_t next = 0;
    for (auto _ : state) {
        sprite.key(kKeys[next]);
        next = (next + 1) % kKeys.size();
        if (sprite.idle() > 0) {
            sprite.draw();
        }
    }
}
BENCHMARK(KeyWithRedraw);

void ClickWithRedraw(benchmark::State& state) {
    zxhost::Sprite& sprite = calculatorSprite();
    for (auto _ : state) {
        sprite.mouseDown(30, 120); // digit 2; its redraw shows it pressed
        sprite.idle();
        sprite.draw();
        sprite.mouseUp(30, 120);
        sprite.key(127); // clear, so the display never fills
    }
}
BENCHMARK(ClickWithRedraw);

void KeyEventOnly(benchmark::State& state) {
    zxhost::Sprite& sprite = calculatorSprite();
    size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(sprite.key(kKeys[next]));
        next = (next + 1) % kKeys.size();
    }
}
BENCHMARK(KeyEventOnly);

void DrawOnly(benchmark::State& state) {
    zxhost::Sprite& sprite = calculatorSprite();
    sprite.key('7');
    for (auto _ : state) {
        benchmark::DoNotOptimize(sprite.draw());
    }
}
BENCHMARK(DrawOnly);

} // namespace

BENCHMARK_MAIN();
