// Status codes, the no-value mark and the domain limits of evaluation.
#include <cmath>

#include "eval_fixture.h"

namespace zx::equation {
namespace {

TEST_F(EvalTest, DivisionByZeroTellsZeroOverZeroApart) {
    EXPECT_EQ(Eval("y=/^1@&0@"), kNoValue);
    EXPECT_EQ(Status(), kStatusDivideByZero);
    EXPECT_EQ(Eval("y=/^0@&0@"), kNoValue);
    EXPECT_EQ(Status(), kStatusCannotEvaluate);
    Set("t", 1e-31); // magnitudes up to 1e-30 count as zero
    EXPECT_EQ(Eval("y=/^1@&t@"), kNoValue);
    EXPECT_EQ(Status(), kStatusDivideByZero);
}

TEST_F(EvalTest, SquareRootOfNegativeIsInvalid) {
    EXPECT_EQ(Eval("y=%0-4@"), kNoValue);
    EXPECT_EQ(Status(), kStatusNegativeRoot);
}

TEST_F(EvalTest, DomainLimitsOfTheFunctions) {
    EXPECT_EQ(Eval("y={asin}(2@"), kNoValue);
    EXPECT_EQ(Status(), kStatusCannotEvaluate);
    EXPECT_EQ(Eval("y={acos}(0-2@"), kNoValue);
    EXPECT_GT(Eval("y={exp}(71@"), 1e30);
    EXPECT_EQ(Eval("y={exp}(71.0001@"), kNoValue);
    Set("s", 1e-31);
    EXPECT_NEAR(Eval("y={ln}(s@"), std::log(1e-31), 1e-9);
    Set("s", 9e-32);
    EXPECT_EQ(Eval("y={ln}(s@"), kNoValue);
    EXPECT_EQ(Eval("y={log10}(0@"), kNoValue);
}

TEST_F(EvalTest, UnknownVariableCannotBeEvaluated) {
    EXPECT_EQ(Eval("y=2q"), kNoValue);
    EXPECT_EQ(Status(), kStatusCannotEvaluate);
}

TEST_F(EvalTest, NonFiniteValuesAreInvalid) {
    EXPECT_EQ(Eval("y=0^0-1@"), kNoValue); // 0 to the power -1
    EXPECT_EQ(Status(), kStatusCannotEvaluate);
    EXPECT_EQ(Eval("y=10^400@"), kNoValue);
    EXPECT_EQ(Status(), kStatusCannotEvaluate);
}

TEST_F(EvalTest, BareNumbersAndEmptySidesGiveStatusFour) {
    EXPECT_DOUBLE_EQ(Eval("y=5"), 5);
    EXPECT_EQ(Status(), kStatusBareNumber);
    EXPECT_DOUBLE_EQ(Eval("="), 0);
    EXPECT_EQ(Status(), kStatusBareNumber);
    EXPECT_DOUBLE_EQ(Eval(""), 0);
    EXPECT_EQ(Status(), kStatusBareNumber);
    EXPECT_DOUBLE_EQ(Eval("y=5^1@"), 5); // a power is no bare number
    EXPECT_EQ(Status(), kStatusOk);
}

TEST_F(EvalTest, NothingRightOfTheLastRelation) {
    EXPECT_EQ(Eval("y=="), kNoValue);
    EXPECT_EQ(Status(), kStatusNothingToRight);
}

TEST_F(EvalTest, MissingEquationResetsAStaleStatus) {
    Module().evalStatus = kStatusDivideByZero;
    EXPECT_EQ(EvaluateEquation(ctx, nullptr), 0.0);
    EXPECT_EQ(Status(), kStatusOk);
}

} // namespace
} // namespace zx::equation
