// The member's rules for equations and variables, applied to a pane's context.
#include <gtest/gtest.h>

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

class MemberRules : public ::testing::Test {
protected:
    MemberRules() : pane(100, 20, 0, 0) { pane.InitPane({2, 0, 2, 0}); }
    EquationContext& ctx() { return pane.context(); }
    std::string Equation(std::size_t i) { return ContentsText(*ctx().equations.at(i)); }
    std::vector<std::string> Names() { return ctx().variableTable.Names(); }
    void ExpectSound() {
        for (GroupElement* line : ctx().lines) {
            EXPECT_TRUE(testing::TreeIsSound(line));
        }
        EXPECT_NE(ctx().caret, nullptr);
        EXPECT_TRUE(ctx().lineElements.Contains(ctx().caret));
    }

    EquationPane pane;
};

TEST_F(MemberRules, EquationCountIsClampedToOneOrTwo) {
    EXPECT_EQ(PaneEquationCount(5), 2);
    EXPECT_EQ(PaneEquationCount(0), 1);
    EXPECT_EQ(PaneEquationCount(-7), 1);
    SetEquationCount(ctx(), 5);
    EXPECT_EQ(ctx().equations.size(), 2u);
    SetEquationCount(ctx(), 0);
    EXPECT_EQ(ctx().equations.size(), 1u);
    EXPECT_EQ(ctx().lines.size(), 1u);
}

TEST_F(MemberRules, RemovingTheEquationHoldingTheCaretMovesItToEquationOne) {
    ReadStoredText(ctx(), "2|y=a@|z=b@", false);
    ctx().SelectLine(ctx().equations[1]);
    HandleKey(ctx(), 'c');
    SetEquationCount(ctx(), 1);
    EXPECT_EQ(ctx().currentLine, ctx().equations[0]);
    ExpectSound();
    HandleKey(ctx(), 'd');
    EXPECT_EQ(Equation(0), "dy=a@");
}

TEST_F(MemberRules, ClearEmptiesEverythingWithoutWritingPrefixes) {
    ReadStoredText(ctx(), "2|y=a+b@|z=y@|a|3@|b|IVAR", false);
    ctx().resultsShown = 1;
    ClearAll(ctx());
    EXPECT_EQ(Equation(0), "@");
    EXPECT_EQ(Equation(1), "@");
    EXPECT_EQ(ctx().resultsShown, 0);
    EXPECT_EQ(ctx().variableTable.Count(), 0u);
    EXPECT_TRUE(ctx().variables.definedNames.empty());
    ExpectSound();
}

TEST_F(MemberRules, ResetWritesTheDependentNamesBack) {
    ReadStoredText(ctx(), "2|y=a+b@|z=y@|a|3@", false);
    ResetEquations(ctx());
    EXPECT_EQ(Equation(0), "y=@");
    EXPECT_EQ(Equation(1), "z=@");
    EXPECT_EQ(DefinitionLine(ctx(), "a"), nullptr);
    ExpectSound();
}

TEST_F(MemberRules, DependentNameStartsItsEquationUnlessAlreadyThere) {
    EXPECT_TRUE(SetDependentName(ctx(), 1, "z"));
    ASSERT_EQ(ctx().equations.size(), 2u);
    EXPECT_EQ(Equation(1), "z=@");
    EXPECT_EQ(DependentName(ctx(), 1), "z");
    ReadStoredText(ctx(), "y=2x@", false);
    EXPECT_TRUE(SetDependentName(ctx(), 0, "yy"));
    EXPECT_EQ(Equation(0), "y=2x@"); // same first character: the equation stays
    EXPECT_TRUE(SetDependentName(ctx(), 0, "f"));
    EXPECT_EQ(Equation(0), "f=@");
    EXPECT_FALSE(SetDependentName(ctx(), 2, "w"));
    EXPECT_FALSE(SetDependentName(ctx(), 0, "a|b"));
    EXPECT_EQ(DependentName(ctx(), 0), "f");
    ExpectSound();
}

TEST_F(MemberRules, IndependentNameGoesToItsIndexPaddingWithEmptyNames) {
    EXPECT_TRUE(SetIndependentName(ctx(), 0, "a"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"a"}));
    EXPECT_TRUE(SetIndependentName(ctx(), 3, "b"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"a", "", "", "b"}));
    EXPECT_EQ(IndependentName(ctx(), 1), "");
    EXPECT_EQ(IndependentName(ctx(), 3), "b");
    EXPECT_EQ(IndependentName(ctx(), 9), "");
    // An existing name moved onto an empty entry leaves its old place.
    EXPECT_TRUE(SetIndependentName(ctx(), 1, "b"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"a", "b", "", ""}));
}

TEST_F(MemberRules, IndependentNamesExchangePlacesWhileValuesStay) {
    SetIndependentName(ctx(), 0, "a");
    SetIndependentName(ctx(), 1, "b");
    SetIndependentValue(ctx(), 0, 10.0);
    SetIndependentValue(ctx(), 1, 20.0);
    EXPECT_TRUE(SetIndependentName(ctx(), 0, "b"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"b", "a"}));
    double value = 0;
    EXPECT_TRUE(IndependentValue(ctx(), 0, value));
    EXPECT_EQ(value, 10.0);
    // Naming an entry with the name it has changes nothing.
    EXPECT_TRUE(SetIndependentName(ctx(), 0, "b"));
    EXPECT_EQ(Names(), (std::vector<std::string>{"b", "a"}));
}

TEST_F(MemberRules, EmptyIndependentNameEndsTheVariable) {
    ReadStoredText(ctx(), "y=a+b@", false);
    SetIndependentName(ctx(), 0, "a");
    SetIndependentName(ctx(), 1, "b");
    EXPECT_EQ(UsedIndependentCount(ctx()), 2u);
    EXPECT_TRUE(SetIndependentName(ctx(), 0, ""));
    EXPECT_EQ(Names(), (std::vector<std::string>{"b"}));
    EXPECT_EQ(UsedIndependentName(ctx(), 0), "b");
    EXPECT_TRUE(SetIndependentName(ctx(), 5, "")); // nothing there: nothing to do
    EXPECT_EQ(Names(), (std::vector<std::string>{"b"}));
}

TEST_F(MemberRules, BadIndexesAndNamesAreRefused) {
    EXPECT_FALSE(SetIndependentName(ctx(), -1, "a"));
    EXPECT_FALSE(SetIndependentName(ctx(), 0, "a|IVAR"));
    EXPECT_EQ(ctx().variableTable.Count(), 0u);
    EXPECT_EQ(IndependentName(ctx(), -1), "");
    EXPECT_EQ(UsedIndependentName(ctx(), -1), "");
    EXPECT_EQ(UsedIndependentName(ctx(), 4), "");
    double value = 0;
    EXPECT_FALSE(IndependentValue(ctx(), -1, value));
    EXPECT_FALSE(IndependentValue(ctx(), 1 << 20, value));
    EXPECT_FALSE(SetIndependentValue(ctx(), -1, 1.0));
    EXPECT_FALSE(SetIndependentValue(ctx(), 1 << 20, 1.0));
    EXPECT_TRUE(SetIndependentValue(ctx(), 49, 1.0)); // unnamed slots may be set
}

} // namespace
} // namespace zx::equation
