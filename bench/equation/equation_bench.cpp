// Equation engine benchmarks.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/definitions.h"
#include "engine/elements.h"
#include "engine/equation_context.h"
#include "engine/evaluation.h"
#include "engine/reader.h"
#include "engine/variables.h"

namespace {

using namespace zx::equation;

// A 200-character equation text with fractions, powers, roots, functions and Greek letters.
std::string EquationText200() {
    std::string text = "y=3x^2@+/^{Sa}x-1@&x+1@@-%x+2@{sin}^2@(x@+{cos}(2{Sp}t@-[b@";
    while (text.size() < 200) {
        text += "+a&1@/^$x@&2@";
    }
    text.resize(200);
    return text;
}

void ReadAndWriteText(benchmark::State& state) {
    const std::string text = EquationText200();
    for (auto _ : state) {
        LinePtr root(new GroupElement);
        ReadInto(*root, text);
        std::string written = ContentsText(*root);
        benchmark::DoNotOptimize(written);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ReadAndWriteText);

// y = sin(x)^2 + 3x/(x+1) - sqrt(x), the function squared, a fraction and a root. Every
// evaluation compiles a fresh node tree and destroys it.
void EvaluateOneEquation(benchmark::State& state) {
    EquationContext ctx;
    GroupElement* equation = ctx.AppendLine(true);
    ReadInto(*equation, "y={sin}^2@(x@+3x/^1@&x+1@-%x@");
    ctx.variableTable.SetValue(ctx.variableTable.Append("x"), 2.5);
    double sum = 0.0;
    for (auto _ : state) {
        sum += EvaluateEquation(ctx, equation);
    }
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(EvaluateOneEquation);

// "Calculate" of two equations over three definitions, one of which uses another and pi.
void CalculateTwoEquations(benchmark::State& state) {
    EquationContext ctx;
    ctx.variables.showIndependentPane = 0;
    ReadInto(*ctx.AppendLine(true), "y={sin}^2@(a@+3b/^1@&b+1@-%c@");
    ReadInto(*ctx.AppendLine(true), "z=2y+a*b");
    ctx.variables.dependentNames = {"y", "z"};
    RefreshVariables(ctx);
    SetDefinitionTexts(ctx, {"a", "b", "c"}, {"30", "a/^1@&10@", "b+{Sp}"});
    RefreshVariables(ctx);
    int succeeded = 0;
    for (auto _ : state) {
        succeeded += CalculateEquations(ctx);
    }
    benchmark::DoNotOptimize(succeeded);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(CalculateTwoEquations);

} // namespace
