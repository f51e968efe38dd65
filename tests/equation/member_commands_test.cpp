#include <algorithm>
#include <string>

#include "member_fixture.h"

using zxhost::Value;

namespace {

bool beeped(const std::vector<zxhost::Message>& messages) {
    return std::any_of(messages.begin(), messages.end(), [](const zxhost::Message& m) {
        return m.kind.find("beep") != std::string::npos;
    });
}

} // namespace

TEST_F(EquationMemberThroughHost, CalculateShowsResultsWithoutABeep) {
    member->setProp("Eq1String", Value("y=2+3"));
    host.messages();
    EXPECT_EQ(member->call("Calculate").code, zx::kOk);
    EXPECT_FALSE(beeped(host.messages()));
    EXPECT_EQ(number("Result"), 5.0);
}

TEST_F(EquationMemberThroughHost, CalculateOfAnImproperEquationBeeps) {
    member->setProp("Eq1String", Value("y=="));
    host.messages();
    EXPECT_EQ(member->call("Calculate").code, zx::kOk);
    const auto messages = host.messages();
    EXPECT_TRUE(beeped(messages));
    // The engine's message is shown as a message box before the beep.
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.front().text, "Improper Equation");
}

TEST_F(EquationMemberThroughHost, CommandsOfAMemberThatIsNotReadyAreUnknown) {
    member->setProp("EquatInit", Value(0));
    EXPECT_EQ(member->call("Calculate").code, zx::kUnknownCommand);
    EXPECT_EQ(member->call("Clear").code, zx::kUnknownCommand);
    EXPECT_EQ(member->call("InsertString").code, zx::kTooFewArguments1);
    EXPECT_EQ(member->call("InsertString", {Value("1")}).code, zx::kUnknownCommand);
    EXPECT_EQ(member->call("Recalculate").code, zx::kUnknownCommand);
}

TEST_F(EquationMemberThroughHost, ClearEmptiesEquationsAndVariables) {
    member->setProp("Eq1String", Value("y=x+1"));
    member->setProp("IndVarName", Value("x"));
    EXPECT_EQ(member->call("Clear").code, zx::kOk);
    EXPECT_EQ(text("IndVarName"), "");
    EXPECT_EQ(member->getProp("NumUsedIndVars").value, Value(0));
    EXPECT_EQ(text("Eq1String").find('x'), std::string::npos);
}

TEST_F(EquationMemberThroughHost, ResetWritesTheDependentNameBack) {
    member->setProp("DepVar1Name", Value("y"));
    member->call("InsertString", {Value("4")});
    EXPECT_EQ(member->setProp("Reset", Value(0)), zx::kOk);
    EXPECT_EQ(text("Eq1String").substr(0, 2), "y=");
    EXPECT_EQ(text("Eq1String").find('4'), std::string::npos);
}

TEST_F(EquationMemberThroughHost, InsertStringReadsAtMostSeventyNineCharacters) {
    EXPECT_EQ(member->call("InsertString", {Value(std::string(100, '7'))}).code, zx::kOk);
    const std::string stored = text("Eq1String");
    EXPECT_EQ(std::count(stored.begin(), stored.end(), '7'), 79);
}

TEST_F(EquationMemberThroughHost, InsertStringDropsTheFieldSeparator) {
    member->call("InsertString", {Value("1|2")});
    const std::string stored = text("Eq1String");
    EXPECT_EQ(stored.find('|'), std::string::npos);
    EXPECT_NE(stored.find('1'), std::string::npos);
    EXPECT_NE(stored.find('2'), std::string::npos);
}
