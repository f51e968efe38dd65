// Graph engine timings: filling a curve through the YNewValue write, one straight-line fit
// of a full curve, and the number texts of tick labels.
#include <benchmark/benchmark.h>

#include <span>

#include "engine/fit.h"
#include "engine/graph_properties.h"
#include "engine/number_text.h"
#include "engine/property_effects.h"

namespace plotmark {
namespace {

void AppendFullCurve(benchmark::State& state) {
    static GraphProperties p;
    setGraphDefaults(p);
    for (auto _ : state) {
        p.curves[0].count = 0;
        for (int i = 0; i < kMaxCurvePoints; ++i) {
            p.xNewValue = i;
            p.yNewValue = 0.5 * i;
            benchmark::DoNotOptimize(afterWrite(p, GraphProperty::YNewValue, false));
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kMaxCurvePoints);
}
BENCHMARK(AppendFullCurve);

void FitLineOf1024Points(benchmark::State& state) {
    static float x[kMaxCurvePoints];
    static float y[kMaxCurvePoints];
    for (int i = 0; i < kMaxCurvePoints; ++i) {
        x[i] = static_cast<float>(i) * 0.25f;
        y[i] = 3.0f * x[i] - 2.0f + static_cast<float>(i % 7) * 0.01f;
    }
    double c[2];
    for (auto _ : state) {
        benchmark::DoNotOptimize(polynomialFit(x, y, 1, c));
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(FitLineOf1024Points);

void ThousandNumberTexts(benchmark::State& state) {
    static double values[1000];
    for (int i = 0; i < 1000; ++i) {
        // Spread over every range of the formatter, both signs.
        double magnitude = 1e-6;
        for (int k = 0; k < i % 14; ++k) {
            magnitude *= 10.0;
        }
        values[i] = (i % 2 == 0 ? 1.0 : -1.0) * magnitude * (1.0 + (i % 97) / 97.0);
    }
    for (auto _ : state) {
        for (double v : values) {
            benchmark::DoNotOptimize(numberText(v));
        }
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(ThousandNumberTexts);

} // namespace
} // namespace plotmark
