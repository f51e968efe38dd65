// The variable table: growing values, values staying at their indexes, temporary entries.
#include <gtest/gtest.h>

#include "engine/variable_table.h"

namespace zx::equation {
namespace {

TEST(VariableTable, ValuesGrowWithTheNames) {
    VariableTable table;
    EXPECT_EQ(table.Capacity(), 50u);
    EXPECT_TRUE(table.SetValue(49, 7));
    EXPECT_FALSE(table.SetValue(50, 7));
    for (int i = 0; i < 60; ++i) {
        table.Append("v" + std::to_string(i));
    }
    EXPECT_EQ(table.Capacity(), 60u);
    EXPECT_EQ(table.Value(49), 7); // appending a name does not write its value
    EXPECT_EQ(table.Value(59), 0); // new slots start at 0
    EXPECT_TRUE(table.SetValue(59, 3));
    EXPECT_EQ(table.Find("v59"), 59);
}

TEST(VariableTable, RemovingANameLeavesTheValuesInPlace) {
    VariableTable table;
    table.Append("a");
    table.Append("b");
    table.SetValue(0, 1);
    table.SetValue(1, 2);
    table.RemoveName(0);
    EXPECT_EQ(table.Name(0), "b");
    EXPECT_EQ(table.Value(0), 1);
    EXPECT_EQ(table.Find("a"), -1);
}

TEST(VariableTable, TemporaryEntriesGiveBackTheValuesTheyCovered) {
    VariableTable table;
    table.SetValue(1, 42); // a script's value at an index not named yet
    table.Append("x");
    table.AppendTemporary("pi", 3.14);
    EXPECT_EQ(table.Value(1), 3.14);
    table.Shrink(1);
    EXPECT_EQ(table.Count(), 1u);
    EXPECT_EQ(table.Value(1), 42);
}

} // namespace
} // namespace zx::equation
