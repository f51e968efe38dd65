// Evaluation of arbitrary texts: whatever tree the reader builds, compiling and evaluating it
// must not crash or leak, and must leave the module and the table as it found them.
#include <random>

#include "eval_fixture.h"

namespace zx::equation {
namespace {

std::string RandomText(std::mt19937& rng) {
    static const std::string kPieces[] = {
        "x", "y",    "2",     ".",       "5",     "+",    "-",     "*",     "=",
        "<", "(",    "%",     "[",       "/",     "^",    "&",     "@",     ")",
        "$", "~",    "{sin}", "{log10}", "{exp}", "{Sp}", "{Sab}", "{foo}", "{",
        "}", "\x02", "\x06",  "\x15",    "\x04",  "\xB4", "?"};
    std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
    std::uniform_int_distribution<int> length(0, 40);
    std::string text;
    for (int i = length(rng); i > 0; --i) {
        text += kPieces[piece(rng)];
    }
    return text;
}

TEST_F(EvalTest, ArbitraryTextsEvaluateWithoutHarm) {
    std::mt19937 rng(20261207);
    ctx.variables.showIndependentPane = 0;
    for (int round = 0; round < 300; ++round) {
        EquationContext local;
        local.variables.showIndependentPane = round % 2;
        for (int i = 0; i < 2; ++i) {
            ReadInto(*local.AppendLine(true), RandomText(rng));
        }
        local.variableTable.SetValue(local.variableTable.Append("x"), 0.5);
        local.variables.dependentNames = {"y", "z"};
        RefreshVariables(local);
        std::vector<std::string> names = local.variables.definedNames;
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < names.size(); ++i) {
            texts.push_back(RandomText(rng));
        }
        SetDefinitionTexts(local, names, texts);
        RefreshVariables(local);
        for (GroupElement* equation : local.equations) {
            double x = EvaluateEquation(local, equation);
            EXPECT_TRUE(x == kNoValue || x == x); // never a NaN handed out
        }
        CalculateEquations(local);
        ASSERT_EQ(local.variableTable.Count(), 1u);
        ASSERT_EQ(local.variableTable.Value(0), 0.5);
        ASSERT_EQ(Module().pendingFunction, nullptr);
        ASSERT_EQ(Module().variables, nullptr);
    }
}

} // namespace
} // namespace zx::equation
