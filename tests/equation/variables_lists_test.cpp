// Used names, variable lines, definition lines and independent variables.
#include "eval_fixture.h"

namespace zx::equation {
namespace {

class VariablesTest : public EvalTest {
protected:
    std::string LineText(GroupElement* line) { return ContentsText(*line); }
};

TEST_F(VariablesTest, WithoutPaneIndependentVariablesAreNotListed) {
    ctx.variables.showIndependentPane = 0;
    Equation("y=2x+a");
    ctx.variables.dependentNames[0] = "y";
    Set("x", 1);
    RefreshVariables(ctx);
    EXPECT_EQ(ctx.variables.usedNames, (NameList{"a"}));
    ASSERT_EQ(ctx.variables.variableLines.size(), 1u);
    EXPECT_EQ(LineText(ctx.variables.variableLines[0]), "a@");
    EXPECT_EQ(ctx.variables.usedIndependents, (NameList{"x"}));
}

TEST_F(VariablesTest, WithPaneEveryUsedVariableHasButtons) {
    Equation("y=2x");
    ctx.variables.dependentNames[0] = "y";
    Set("x", 1);
    RefreshVariables(ctx);
    EXPECT_EQ(ctx.variables.usedNames, (NameList{"x"}));
    GroupElement* line = DefinitionLine(ctx, "x");
    ASSERT_NE(line, nullptr);
    EXPECT_NE(FindVariableButton(*line, 1), nullptr);
    EXPECT_EQ(LineText(line), "UNCH");
}

TEST_F(VariablesTest, DefinitionsBringInWhatTheyUse) {
    ctx.variables.showIndependentPane = 0;
    Equation("y=a");
    ctx.variables.dependentNames[0] = "y";
    RefreshVariables(ctx);
    SetDefinitionTexts(ctx, {"a"}, {"2b"});
    RefreshVariables(ctx);
    EXPECT_EQ(ctx.variables.usedNames, (NameList{"a", "b"}));
    EXPECT_EQ(ctx.variables.definedNames, (NameList{"a", "b"}));
    EXPECT_EQ(LineText(ctx.variables.variableLines[1]), "b@");
}

TEST_F(VariablesTest, SymbolAndSubscriptedNamesRoundTripThroughVariableLines) {
    ctx.variables.showIndependentPane = 0;
    Equation("y={Sa}+x&1@");
    ctx.variables.dependentNames[0] = "y";
    RefreshVariables(ctx);
    ASSERT_EQ(ctx.variables.usedNames, (NameList{"{Sa}", "x&1@"}));
    EXPECT_EQ(LineText(ctx.variables.variableLines[1]), "x&1@@");
}

TEST_F(VariablesTest, RemovingTheFirstIndependentMovesTheSecondUp) {
    Equation("y=a+b");
    ctx.variables.dependentNames[0] = "y";
    AddIndependent(ctx, {"a", "b"});
    ctx.variableTable.SetValue(0, 10);
    ctx.variableTable.SetValue(1, 20);
    RemoveIndependent(ctx, {"a"});
    EXPECT_EQ(ctx.variableTable.Count(), 1u);
    EXPECT_EQ(ctx.variableTable.Name(0), "b");
    EXPECT_EQ(ctx.variableTable.Value(0), 10);
    EXPECT_EQ(LineText(DefinitionLine(ctx, "a")), "UNCH"); // the pane is open again
}

TEST_F(VariablesTest, AddingThroughThePaneMarksTheLineIndependent) {
    Equation("y=a");
    ctx.variables.dependentNames[0] = "y";
    RefreshVariables(ctx);
    AddIndependent(ctx, {"a"});
    EXPECT_EQ(ctx.variableTable.Find("a"), 0);
    EXPECT_EQ(LineText(DefinitionLine(ctx, "a")), "IVAR");
    EXPECT_EQ(ctx.variables.usedIndependents, (NameList{"a"}));
}

TEST_F(VariablesTest, UnusedIndependentChangesOnlyTheTable) {
    struct Counter : VariableChangeListener {
        int calls = 0;
        void UsedIndependentsChanged() override { ++calls; }
    } counter;
    ctx.variables.listener = &counter;
    Equation("y=a");
    ctx.variables.dependentNames[0] = "y";
    RefreshVariables(ctx);
    AddIndependent(ctx, {"q"});
    EXPECT_EQ(ctx.variableTable.Find("q"), 0);
    EXPECT_EQ(RecomputeUsedIndependents(ctx), 0u);
    EXPECT_EQ(counter.calls, 0);
    AddIndependent(ctx, {"a"});
    EXPECT_EQ(counter.calls, 1);
}

TEST_F(VariablesTest, LineMadeWithoutPaneStillBecomesIndependent) {
    ctx.variables.showIndependentPane = 0;
    Equation("y=a");
    ctx.variables.dependentNames[0] = "y";
    RefreshVariables(ctx);
    ctx.variables.showIndependentPane = 1; // the option changes after the line was made
    AddIndependent(ctx, {"a"});
    SetDefinitionTexts(ctx, {"a"}, {"3"});
    EXPECT_EQ(ctx.variableTable.Find("a"), 0);
    EXPECT_EQ(LineText(DefinitionLine(ctx, "a")), "3@");
}

TEST_F(VariablesTest, DefinitionTextReplacesTheButtons) {
    Equation("y=a");
    ctx.variables.dependentNames[0] = "y";
    RefreshVariables(ctx);
    SetDefinitionTexts(ctx, {"a"}, {"2+1"});
    EXPECT_EQ(LineText(DefinitionLine(ctx, "a")), "2+1@");
    EXPECT_DOUBLE_EQ(EvaluateEquation(ctx, ctx.equations[0]), 3);
}

TEST_F(VariablesTest, ReopeningThePaneKeepsATypedDefinition) {
    Equation("y=a");
    ctx.variables.dependentNames[0] = "y";
    RefreshVariables(ctx);
    SetDefinitionTexts(ctx, {"a"}, {"4"});
    RemoveIndependent(ctx, {"a"}); // the pane opens again over the definition
    GroupElement* line = DefinitionLine(ctx, "a");
    EXPECT_EQ(FindVariableButton(*line, 2), nullptr); // exactly two buttons
    EXPECT_DOUBLE_EQ(EvaluateEquation(ctx, ctx.equations[0]), 4);
}

TEST_F(VariablesTest, ClearDefinitionsEmptiesTheLists) {
    Equation("y=a+b");
    RefreshVariables(ctx);
    ctx.caret = ctx.variables.definitionLines[0]->FirstChild();
    ClearDefinitions(ctx);
    EXPECT_TRUE(ctx.variables.usedNames.empty());
    EXPECT_TRUE(ctx.variables.definedNames.empty());
    EXPECT_TRUE(ctx.variables.definitionLines.empty());
    EXPECT_TRUE(ctx.variables.variableLines.empty());
    EXPECT_EQ(ctx.caret, nullptr); // never left on a destroyed element
}

} // namespace
} // namespace zx::equation
