// The stored text of a pane: composing it, reading it back, and the saved block's limits.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/definitions.h"
#include "engine/editing.h"
#include "engine/elements.h"
#include "engine/equation_pane.h"
#include "engine/member_rules.h"
#include "engine/reader.h"
#include "engine/stored_text.h"
#include "tree_checks.h"

namespace zx::equation {
namespace {

class StoredText : public ::testing::Test {
protected:
    StoredText() : pane(100, 20, 0, 0) { pane.InitPane({2, 0, 2, 0}); }

    std::string RoundTrip(const std::string& text, bool functionVariables = false) {
        ReadStoredText(ctx(), text, functionVariables);
        return ComposeStoredText(ctx());
    }
    EquationContext& ctx() { return pane.context(); }
    std::string Equation(std::size_t i) { return ContentsText(*ctx().equations.at(i)); }

    EquationPane pane;
};

TEST_F(StoredText, OneEquationWritesItsUnchangedVariables) {
    EXPECT_EQ(RoundTrip("y=2x+1@"), "y=2x+1@|x|UNCH");
    EXPECT_EQ(ctx().variables.dependentNames[0], "y");
    EXPECT_EQ(RoundTrip("y=2x+1@|x|UNCH"), "y=2x+1@|x|UNCH");
    EXPECT_EQ(ctx().equations.size(), 1u);
}

TEST_F(StoredText, TwoEquationsDefinitionsAndIndependentsSurviveARoundTrip) {
    const std::string text = "2|y=a+b@|z=y*2@|a|3@|b|IVAR";
    EXPECT_EQ(RoundTrip(text), text);
    ASSERT_EQ(ctx().equations.size(), 2u);
    EXPECT_EQ(Equation(1), "z=y*2@");
    EXPECT_EQ(ctx().variables.dependentNames[1], "z");
    EXPECT_EQ(ctx().variableTable.Find("b"), 0);
    ASSERT_NE(DefinitionLine(ctx(), "a"), nullptr);
    EXPECT_EQ(ContentsText(*DefinitionLine(ctx(), "a")), "3@");
    // Reading a one-equation text afterwards drops the second equation again.
    EXPECT_EQ(RoundTrip("y=a@|a|4@"), "y=a@|a|4@");
    EXPECT_EQ(ctx().equations.size(), 1u);
    EXPECT_EQ(ctx().variableTable.Count(), 0u);
}

TEST_F(StoredText, WithoutThePaneIndependentsAreListedAfterTheDefinitions) {
    SetShowIndependentVariables(ctx(), 0);
    EXPECT_EQ(RoundTrip("y=x+b@|x|IVAR"), "y=x+b@|b|@|x|IVAR");
    EXPECT_EQ(ctx().variableTable.Find("x"), 0);
}

TEST_F(StoredText, ASingleCharacterTextCarriesNoVariableFields) {
    EXPECT_EQ(RoundTrip("@|x|IVAR"), "@");
    // The independent variable was read all the same.
    EXPECT_EQ(ctx().variableTable.Find("x"), 0);
    EXPECT_EQ(RoundTrip("y"), "y@");
}

TEST_F(StoredText, UnpairedFinalFieldAndFinalLineFeedAreDropped) {
    EXPECT_EQ(RoundTrip("y=x@|x|IVAR|b"), "y=x@|x|IVAR");
    EXPECT_EQ(DefinitionLine(ctx(), "b"), nullptr);
    EXPECT_EQ(RoundTrip("y=x@|x|3@\n"), "y=x@|x|3@");
}

TEST_F(StoredText, EmptyTextChangesNothing) {
    ReadStoredText(ctx(), "y=2x@", false);
    ReadStoredText(ctx(), "", false);
    EXPECT_EQ(Equation(0), "y=2x@");
}

TEST_F(StoredText, ReadingLeavesTheCaretAtTheEndOfEquationOne) {
    ReadStoredText(ctx(), "2|y=a@|z=b@", false);
    EXPECT_EQ(ctx().currentLine, ctx().equations[0]);
    EXPECT_EQ(ctx().caret, ctx().equations[0]->LastChild());
    HandleKey(ctx(), '+');
    EXPECT_EQ(Equation(0), "y=a+@");
}

TEST_F(StoredText, FieldSeparatorNeverEntersAnEquation) {
    InsertString(ctx(), "y=a|b");
    EXPECT_EQ(Equation(0), "y=ab@");
    HandleKey(ctx(), '|');
    // The dependent name is taken from the equation only when a stored text is read.
    EXPECT_EQ(ComposeStoredText(ctx()), "y=ab@|y|UNCH|a|UNCH|b|UNCH");
}

TEST_F(StoredText, SavingCutsTheTextTo255Characters) {
    EXPECT_EQ(TextForSaving(std::string(300, 'a')).size(), 255u);
    EXPECT_EQ(TextForSaving("y=x@"), "y=x@");
}

TEST_F(StoredText, LoadedBufferWithoutTerminatorStopsAtItsLastByte) {
    char buffer[kStoredTextBuffer];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(TextFromSavedBuffer(buffer), std::string(255, 'x'));
    std::strcpy(buffer, "y=2@");
    EXPECT_EQ(TextFromSavedBuffer(buffer), "y=2@");
}

TEST_F(StoredText, FunctionVariablesGiveTheDependentNameItsArguments) {
    ReadStoredText(ctx(), "y=x@|x|IVAR", true);
    EquationElement* first = ctx().equations[0]->FirstChild()->next();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->kind, kArgumentNameKind);
    EXPECT_EQ(ctx().variables.dependentNames[0], "y");
    SetFunctionVariableOption(ctx(), false);
    first = ctx().equations[0]->FirstChild()->next();
    EXPECT_EQ(first->kind, kCharKind);
    EXPECT_EQ(first->tag, 'y');
    EXPECT_TRUE(testing::TreeIsSound(ctx().equations[0]));
}

} // namespace
} // namespace zx::equation
