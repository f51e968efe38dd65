#include <string>

#include "member_fixture.h"

using zxhost::Value;

class StoredTextThroughMember : public EquationMemberThroughHost {
protected:
    // Writes a text into a fresh member and returns what that member composes from it.
    std::string throughCopy(const std::string& stored) {
        auto& copy = host.newMember("formulon", "copy" + std::to_string(++copies_));
        copy.setProp("Eq1String", Value(stored));
        return copy.getProp("Eq1String").value.as<std::string>();
    }

private:
    int copies_ = 0;
};

TEST_F(StoredTextThroughMember, DefinitionFieldsGiveTheirVariablesValues) {
    EXPECT_EQ(member->setProp("Eq1String", Value("y=a+1|a|2")), zx::kOk);
    const std::string stored = text("Eq1String");
    EXPECT_EQ(stored, "y=a+1@|a|2@");
    EXPECT_EQ(text("DepVar1Name"), "y");
    ASSERT_EQ(member->call("Calculate").code, zx::kOk);
    EXPECT_EQ(number("Result"), 3.0);
    EXPECT_EQ(throughCopy(stored), stored);
}

TEST_F(StoredTextThroughMember, TwoEquationsLeaveTheStoredCountAlone) {
    member->setProp("Eq1String", Value("2|y=x|z=y+1"));
    const std::string stored = text("Eq1String");
    EXPECT_EQ(stored.substr(0, 8), "2|y=x@|z");
    EXPECT_EQ(text("DepVar2Name"), "z");
    EXPECT_EQ(member->getProp("NumEquations").value, Value(1));
    EXPECT_EQ(throughCopy(stored), stored);
}

TEST_F(StoredTextThroughMember, IndependentFieldsNameTableEntries) {
    member->setProp("Eq1String", Value("y=x+1|x|IVAR"));
    EXPECT_EQ(text("IndVarName"), "x");
    EXPECT_EQ(member->getProp("NumUsedIndVars").value, Value(1));
    member->setProp("IndVarValue", Value(4.0));
    EXPECT_EQ(number("Result"), 5.0);
    const std::string stored = text("Eq1String");
    EXPECT_EQ(stored, "y=x+1@|x|IVAR");
    EXPECT_EQ(throughCopy(stored), stored);
}

TEST_F(StoredTextThroughMember, EmptyTextChangesNothing) {
    member->setProp("Eq1String", Value("y=5"));
    const std::string before = text("Eq1String");
    EXPECT_EQ(member->setProp("Eq1String", Value("")), zx::kOk);
    EXPECT_EQ(text("Eq1String"), before);
}
