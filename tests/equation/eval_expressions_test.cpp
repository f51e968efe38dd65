// Evaluating the right-hand side of single equations: precedence, implicit products, signs,
// functions and the angle mode.
#include <cmath>

#include "eval_fixture.h"

namespace zx::equation {
namespace {

TEST_F(EvalTest, ProductsBindTighterThanSumsAndChainsFoldLeft) {
    Set("a", 2);
    Set("b", 3);
    Set("c", 5);
    EXPECT_DOUBLE_EQ(Eval("y=a+b*c"), 17);
    EXPECT_DOUBLE_EQ(Eval("y=a*b+c"), 11);
    EXPECT_DOUBLE_EQ(Eval("y=a*b*c"), 30);
    EXPECT_DOUBLE_EQ(Eval("y=a-b-c"), -6);
    EXPECT_DOUBLE_EQ(Eval("y=a*b-c*a+b"), 2 * 3 - 5 * 2 + 3);
    EXPECT_EQ(Status(), kStatusOk);
}

TEST_F(EvalTest, LeadingMinusNegatesTheProductThatFollows) {
    Set("a", 2);
    Set("b", 3);
    Set("c", 5);
    EXPECT_DOUBLE_EQ(Eval("y=-a*b+c"), -1);
    EXPECT_DOUBLE_EQ(Eval("y=-5"), -5);
    EXPECT_EQ(Status(), kStatusOk); // a signed number is no bare number
    EXPECT_DOUBLE_EQ(Eval("y=a*-b"), -6);
}

TEST_F(EvalTest, JuxtapositionMultiplies) {
    Set("x", 4);
    EXPECT_DOUBLE_EQ(Eval("y=2x"), 8);
    EXPECT_DOUBLE_EQ(Eval("y=3+2x"), 11);
    EXPECT_DOUBLE_EQ(Eval("y=2(x+1@"), 10);
    EXPECT_DOUBLE_EQ(Eval("y=x(x-1@(x-2@"), 24);
    EXPECT_DOUBLE_EQ(Eval("y=12.5x"), 50);
    EXPECT_DOUBLE_EQ(Eval("y=1+/^x@&2@x"), 9); // a fraction times x
}

TEST_F(EvalTest, PowersFractionsAndRoots) {
    Set("x", 3);
    EXPECT_DOUBLE_EQ(Eval("y=x^2@+1"), 10);
    EXPECT_DOUBLE_EQ(Eval("y=2^x+1@"), 16);
    EXPECT_DOUBLE_EQ(Eval("y=(x+1@^2@"), 16);
    EXPECT_DOUBLE_EQ(Eval("y=/^x+3@&2x@"), 1);
    EXPECT_DOUBLE_EQ(Eval("y=%x+6@"), 3);
    EXPECT_DOUBLE_EQ(Eval("y=1+3x/^1@&x+1@-%x@"), 1 + 3 * 3 * 0.25 - std::sqrt(3.0));
}

TEST_F(EvalTest, SquareBracketsTakeNoPartInTheValue) {
    Set("x", 3);
    EXPECT_DOUBLE_EQ(Eval("y=x+1[x@"), 4);
}

TEST_F(EvalTest, FunctionsUseTheAngleModeAndTheirPower) {
    // Degrees convert with the factor 0.017453293, so sin 30 is 0.5 to about 1e-8.
    EXPECT_NEAR(Eval("y={sin}(30@"), 0.5, 2e-8);
    EXPECT_NEAR(Eval("y={sin}^2@(30@"), 0.25, 2e-8);                        // sin squared
    EXPECT_NEAR(Eval("y={sin}(30@^2@"), std::sin(900 * 0.017453293), 1e-8); // sin of 30 squared
    EXPECT_NEAR(Eval("y=2{cos}(60@"), 1.0, 1e-7);
    EXPECT_NEAR(Eval("y={atan}(1@"), 45.0, 1e-4);
    Module().angleMode = kAngleRadians;
    EXPECT_NEAR(Eval("y={sin}({Sp}/^1@&2@@"), 1.0, 1e-12);
    EXPECT_NEAR(Eval("y={asin}(1@"), std::asin(1.0), 1e-12);
}

TEST_F(EvalTest, LogarithmsAndExponential) {
    EXPECT_NEAR(Eval("y={ln}(1000@"), std::log(1000.0), 1e-12);
    EXPECT_NEAR(Eval("y={log}(1000@"), std::log(1000.0), 1e-12);
    // The decimal logarithm keeps its historical factor 0.4342944994430173 (not quite
    // log10(e)), so results match stored movies rather than the last digits of log10.
    EXPECT_DOUBLE_EQ(Eval("y={log10}(1000@"), std::log(1000.0) * 0.4342944994430173);
    EXPECT_NEAR(Eval("y={log10}(1000@"), 3.0, 1e-6);
    EXPECT_NEAR(Eval("y={exp}(1@"), std::exp(1.0), 1e-12);
}

TEST_F(EvalTest, PiIsTheStoredConstant) {
    EXPECT_DOUBLE_EQ(Eval("y={Sp}"), 3.1415927);
    EXPECT_EQ(ctx.variableTable.Count(), 0u); // the constant is gone again afterwards
}

TEST_F(EvalTest, FunctionWithNothingToApplyToIsDroppedAfterTheCompile) {
    Set("x", 2);
    EXPECT_DOUBLE_EQ(Eval("y=x{sin}"), 2);
    EXPECT_EQ(Module().pendingFunction, nullptr);
    // The next, unrelated equation must not pick the function up.
    EXPECT_DOUBLE_EQ(Eval("z=30"), 30);
    EXPECT_EQ(Status(), kStatusBareNumber);
}

TEST_F(EvalTest, RelationsPickTheRightHandSide) {
    Set("x", 2);
    Set("y", 7);
    EXPECT_DOUBLE_EQ(Eval("y=x+1"), 3);
    EXPECT_DOUBLE_EQ(Eval("y="), 7);        // a trailing relation is ignored
    EXPECT_DOUBLE_EQ(Eval("y<x+1=x+5"), 7); // the last relation wins
    EXPECT_DOUBLE_EQ(Eval("2+3="), 5);
}

TEST_F(EvalTest, RightHandSideEndsWhereTheEquationDoes) {
    Set("x", 3);
    EXPECT_DOUBLE_EQ(Eval("y=x^2=@"), 9); // a trailing '=' inside the exponent is ignored
    // A relation in a delta's superscript starts the right side after the delta: the
    // variable there is x, not the delta variable "$x".
    Set("$x", 5);
    EXPECT_DOUBLE_EQ(Eval("$^=@x"), 3);
    EXPECT_DOUBLE_EQ(Eval("y=$x"), 5);
}

} // namespace
} // namespace zx::equation
