#include "member_fixture.h"

using zxhost::Value;

TEST_F(EquationMemberThroughHost, NewMemberHasTheDefaultsAndAReadyPane) {
    EXPECT_EQ(member->getProp("BackColor").value, Value(0xFFFFFF));
    EXPECT_EQ(member->getProp("TextColor").value, Value(0));
    EXPECT_EQ(member->getProp("Enabled").value, Value(1));
    EXPECT_EQ(member->getProp("NumEquations").value, Value(1));
    EXPECT_EQ(member->getProp("ShowIndepVars").value, Value(1));
    EXPECT_EQ(member->getProp("ShowFunctionVars").value, Value(0));
    EXPECT_EQ(member->getProp("AngleUnits").value, Value(0));
    EXPECT_EQ(member->getProp("EquatInit").value, Value(1));
    EXPECT_GT(member->getProp("EquatPane").value.as<int32_t>(), 0);
    EXPECT_EQ(member->defaultRect(), (zxhost::Rect{-50, -10, 50, 10}));
    EXPECT_EQ(member->savedSize(), 288);
}

TEST_F(EquationMemberThroughHost, PlainPropertiesKeepWhatIsWritten) {
    for (const char* name : {"BackColor", "TextColor", "Enabled", "PropIndex", "BlackBorder",
                             "Shockwave", "ShowFunctionVars", "EquatInit"}) {
        EXPECT_EQ(member->setProp(name, Value(7)), zx::kOk) << name;
        EXPECT_EQ(member->getProp(name).value, Value(7)) << name;
    }
}

TEST_F(EquationMemberThroughHost, IdleReadsTheStoredEquationCountUnclamped) {
    EXPECT_EQ(member->setProp("NumEquations", Value(5)), zx::kOk);
    EXPECT_EQ(member->getProp("NumEquations").value, Value(5));
    EXPECT_EQ(member->getProp("Idle").value, Value(5));
    EXPECT_EQ(member->setProp("Idle", Value(1)), zx::kUnknownProperty);
    EXPECT_EQ(member->getProp("Idle").value, Value(5));
}

TEST_F(EquationMemberThroughHost, ReadOnlyAndWriteOnlyPropertiesRefuseTheOtherWay) {
    for (const char* name : {"NumUsedIndVars", "ResultEq2", "Result", "UsedIndName", "Idle"}) {
        EXPECT_EQ(member->setProp(name, Value(1)), zx::kUnknownProperty) << name;
    }
    EXPECT_EQ(member->getProp("Reset").code, zx::kUnknownProperty);
    EXPECT_EQ(member->setProp("NoSuchProperty", Value(1)), zx::kUnknownProperty);
}

TEST_F(EquationMemberThroughHost, DependentNameStartsTheEquation) {
    EXPECT_EQ(member->setProp("DepVar1Name", Value("y")), zx::kOk);
    EXPECT_EQ(text("DepVar1Name"), "y");
    EXPECT_EQ(text("Eq1String").substr(0, 2), "y=");
    EXPECT_EQ(member->setProp("DepVar2Name", Value("z")), zx::kOk);
    EXPECT_EQ(text("DepVar2Name"), "z");
    EXPECT_EQ(member->setProp("DepVar1Name", Value("a|b")), zx::kUnknownProperty);
    EXPECT_EQ(text("DepVar1Name"), "y");
}

TEST_F(EquationMemberThroughHost, NamedIndependentVariableFeedsTheResult) {
    member->setProp("DepVar1Name", Value("y"));
    ASSERT_EQ(member->call("InsertString", {Value("x+1")}).code, zx::kOk);
    member->setProp("PropIndex", Value(0));
    EXPECT_EQ(member->setProp("IndVarName", Value("x")), zx::kOk);
    EXPECT_EQ(member->setProp("IndVarValue", Value(3.0)), zx::kOk);
    EXPECT_EQ(text("IndVarName"), "x");
    EXPECT_EQ(number("IndVarValue"), 3.0);
    EXPECT_EQ(member->getProp("NumUsedIndVars").value, Value(1));
    EXPECT_EQ(text("UsedIndName"), "x");
    EXPECT_EQ(number("Result"), 4.0);
    EXPECT_EQ(number("ResultEq2"), 0.0);
}

TEST_F(EquationMemberThroughHost, IndexedPropertiesRefuseIndexesOutsideTheirTables) {
    member->setProp("PropIndex", Value(-1));
    EXPECT_EQ(member->setProp("IndVarValue", Value(1.0)), zx::kUnknownProperty);
    EXPECT_EQ(member->getProp("IndVarValue").code, zx::kUnknownProperty);
    EXPECT_EQ(member->setProp("IndVarName", Value("x")), zx::kUnknownProperty);
    EXPECT_EQ(text("IndVarName"), "");
    EXPECT_EQ(text("UsedIndName"), "");
    member->setProp("PropIndex", Value(1000000));
    EXPECT_EQ(member->setProp("IndVarValue", Value(1.0)), zx::kUnknownProperty);
    EXPECT_EQ(member->getProp("IndVarValue").code, zx::kUnknownProperty);
    EXPECT_EQ(text("IndVarName"), "");
    member->setProp("PropIndex", Value(49));
    EXPECT_EQ(member->setProp("IndVarValue", Value(2.5)), zx::kOk);
    EXPECT_EQ(number("IndVarValue"), 2.5);
    member->setProp("PropIndex", Value(0));
    EXPECT_EQ(member->setProp("IndVarName", Value("a|b")), zx::kUnknownProperty);
}

TEST_F(EquationMemberThroughHost, AngleUnitsIsSharedByEveryMemberOfTheModule) {
    auto& other = host.newMember("formulon", "other");
    EXPECT_EQ(member->setProp("AngleUnits", Value(1)), zx::kOk);
    EXPECT_EQ(other.getProp("AngleUnits").value, Value(1));
    // The value read is the one the other member then saves.
    EXPECT_EQ(other.save()[27], 1);
    EXPECT_EQ(member->setProp("AngleUnits", Value(0)), zx::kOk);
    EXPECT_EQ(other.getProp("AngleUnits").value, Value(0));
}

TEST_F(EquationMemberThroughHost, EquatPaneAcceptsOnlyLivePanes) {
    const Value own = member->getProp("EquatPane").value;
    EXPECT_EQ(member->setProp("EquatPane", Value(987654)), zx::kOk);
    EXPECT_EQ(member->getProp("EquatPane").value, own);

    auto& other = host.newMember("formulon", "other");
    other.setProp("DepVar1Name", Value("w"));
    EXPECT_EQ(member->setProp("EquatPane", other.getProp("EquatPane").value), zx::kOk);
    EXPECT_EQ(text("DepVar1Name"), "w");
    // The member's reference keeps the pane alive after its first owner is gone, and the
    // member's old pane is gone: its id is refused now.
    host.deleteMember(other);
    EXPECT_EQ(text("DepVar1Name"), "w");
    const Value shared = member->getProp("EquatPane").value;
    EXPECT_EQ(member->setProp("EquatPane", own), zx::kOk);
    EXPECT_EQ(member->getProp("EquatPane").value, shared);
}

TEST_F(EquationMemberThroughHost, EquationCountOfThePaneIsClampedToTwo) {
    member->setProp("NumEquations", Value(7));
    member->setProp("DepVar2Name", Value("z"));
    EXPECT_EQ(text("Eq1String").substr(0, 2), "2|");
    member->setProp("NumEquations", Value(-3));
    EXPECT_NE(text("Eq1String").substr(0, 2), "2|");
    EXPECT_EQ(member->getProp("NumEquations").value, Value(-3));
}
