// The "Calculate" command: result texts, messages, dependent values and definitions.
#include "eval_fixture.h"
#include "engine/number_format.h"

namespace zx::equation {
namespace {

class CalculateTest : public EvalTest {
protected:
    void Define(const std::string& name, const std::string& text) {
        SetDefinitionTexts(ctx, {name}, {text});
        RefreshVariables(ctx);
    }
    static std::string Result(GroupElement* equation) { return equation->resultText().text(); }
};

TEST_F(CalculateTest, SecondEquationUsesTheFirstDependentValue) {
    GroupElement* first = Equation("y=5");
    GroupElement* second = Equation("z=y+1");
    ctx.variables.dependentNames = {"y", "z"};
    EXPECT_EQ(CalculateEquations(ctx), 1);
    EXPECT_EQ(Result(first), ""); // a bare number shows no result
    EXPECT_EQ(Result(second), " = 6");
    EXPECT_EQ(ctx.variableTable.Count(), 0u);
    EXPECT_EQ(ctx.resultsShown, 1);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(CalculateTest, TrailingEqualsShowsTheNumberAlone) {
    GroupElement* equation = Equation("2+3=");
    EXPECT_EQ(CalculateEquations(ctx), 1);
    EXPECT_EQ(Result(equation), "5");
}

TEST_F(CalculateTest, LargeResultsShowAThreeDigitExponent) {
    GroupElement* equation = Equation("y=1234567*1");
    CalculateEquations(ctx);
    EXPECT_EQ(Result(equation), " = 1.2346e+006");
}

TEST_F(CalculateTest, ImproperEquationShowsTheMessageAndClearsTheResult) {
    GroupElement* equation = Equation("y==");
    equation->SetResultText(" = 1");
    EXPECT_EQ(CalculateEquations(ctx), 0);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, "Improper Equation");
    EXPECT_EQ(Messages()[0].caption, "Cannot Evaluate");
    EXPECT_EQ(Result(equation), "");
}

TEST_F(CalculateTest, UnknownValueAskedWithEqualsIsClearedSilently) {
    GroupElement* equation = Equation("q+1=");
    equation->SetResultText("3");
    EXPECT_EQ(CalculateEquations(ctx), 1);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Result(equation), "");
}

TEST_F(CalculateTest, ConnectedSinkReceivesTheMessage) {
    RecordingMessageSink sink;
    ConnectMessageSink(&sink);
    Equation("y=2");
    Equation("y={asin}(2@");
    CalculateEquations(ctx);
    ConnectMessageSink(nullptr);
    EXPECT_EQ(sink.Messages().size(), 1u);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(CalculateTest, DefinitionsResolveInAnyOrder) {
    ctx.variables.showIndependentPane = 0;
    GroupElement* equation = Equation("y=a+b");
    ctx.variables.dependentNames[0] = "y";
    RefreshVariables(ctx);
    ASSERT_EQ(ctx.variables.usedNames, (NameList{"a", "b"}));
    Define("a", "2b+c");
    Define("b", "c*3");
    Define("c", "{Sp}");
    EXPECT_EQ(CalculateEquations(ctx), 1);
    double c = 3.1415927;
    EXPECT_EQ(Result(equation), " = " + FormatResult(2 * 3 * c + c + 3 * c));
    EXPECT_EQ(ctx.variableTable.Count(), 0u);
}

TEST_F(CalculateTest, UsedVariableWithoutDefinitionCountsAsZero) {
    ctx.variables.showIndependentPane = 0;
    GroupElement* equation = Equation("y=2x+1");
    ctx.variables.dependentNames[0] = "y";
    RefreshVariables(ctx);
    CalculateEquations(ctx);
    EXPECT_EQ(Result(equation), " = 1");
}

TEST_F(CalculateTest, IndependentValueIsUsedAndKept) {
    ctx.variables.showIndependentPane = 0;
    GroupElement* equation = Equation("y=2x");
    Set("x", 4);
    RefreshVariables(ctx);
    CalculateEquations(ctx);
    EXPECT_EQ(Result(equation), " = 8");
    EXPECT_EQ(ctx.variableTable.Count(), 1u);
    EXPECT_EQ(ctx.variableTable.Value(0), 4);
}

TEST_F(CalculateTest, FailingDefinitionLeavesItsVariableUnknown) {
    ctx.variables.showIndependentPane = 0;
    Equation("y=a+1");
    ctx.variables.dependentNames[0] = "y";
    RefreshVariables(ctx);
    Define("a", "/^1@&0@");
    EXPECT_EQ(CalculateEquations(ctx), 0);
    EXPECT_EQ(Messages().size(), 1u);
}

} // namespace
} // namespace zx::equation
