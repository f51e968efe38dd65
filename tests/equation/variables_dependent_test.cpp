// Dependent variable names taken from the equations.
#include "eval_fixture.h"
#include "engine/variables_dependent.h"

namespace zx::equation {
namespace {

TEST_F(EvalTest, DependentNamesComeFromTheFirstElements) {
    Equation("y=2x");
    Equation("{Sa}=y+1");
    RecomputeDependentNames(ctx, false);
    EXPECT_EQ(ctx.variables.dependentNames[0], "y");
    EXPECT_EQ(ctx.variables.dependentNames[1], "{Sa}");
}

TEST_F(EvalTest, FunctionVariableShowsTheUsedIndependentsAsArguments) {
    GroupElement* equation = Equation("y=a+b");
    Set("b", 1);
    Set("q", 2); // independent, but not used
    Set("a", 3);
    ctx.caret = equation->FirstChild()->next();
    RecomputeDependentNames(ctx, true);
    EquationElement* first = equation->FirstChild()->next();
    ASSERT_EQ(first->kind, kArgumentNameKind);
    EXPECT_EQ(ContentsText(static_cast<ArgumentNameElement*>(first)->arguments()), "b,a@");
    EXPECT_EQ(ctx.caret, first); // the caret follows the converted element
    EXPECT_EQ(ctx.variables.dependentNames[0], "y");
    EXPECT_DOUBLE_EQ(EvaluateEquation(ctx, equation), 4);
}

TEST_F(EvalTest, OnlyALetterTurnsIntoAFunctionVariable) {
    GroupElement* equation = Equation("(y@=2");
    RecomputeDependentNames(ctx, true);
    EXPECT_EQ(equation->FirstChild()->next()->kind, kGroupKind);
}

} // namespace
} // namespace zx::equation
