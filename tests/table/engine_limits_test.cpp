// The table's limits: messages, effective counts and the reduction after a load.
#include <limits>
#include <memory>

#include <gtest/gtest.h>

#include "engine/cell_access.h"
#include "engine/grid_limits.h"

using namespace gridcell;

namespace {

std::unique_ptr<TableProperties> table(int32_t maxRows, int32_t maxCols) {
    auto t = std::make_unique<TableProperties>();
    setDefaultProperties(*t);
    t->maxRows = maxRows;
    t->maxCols = maxCols;
    return t;
}

} // namespace

TEST(TableLimits, CellCountNeverOverflows) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    EXPECT_EQ(cellCount(*table(kMax, kMax)), (int64_t{kMax} + 1) * (int64_t{kMax} + 1));
    EXPECT_EQ(limitMessages(*table(kMax, kMax), LimitCheck::CellsOnly).size(), 1u);
    EXPECT_TRUE(limitMessages(*table(kMax, -1), LimitCheck::CellsOnly).empty());
}

TEST(TableLimits, LoadReducesRowsDirectlyAndLeavesHopelessCasesAlone) {
    struct Case {
        int32_t rows, cols, expected;
    } cases[] = {
        {300, 3, 249},
        {99, 9, 99},
        {100, 9, 99},
        {5, 2000, -1},
        {-5, -5, -5},
        {2000, -1, 2000},
        {std::numeric_limits<int32_t>::max(), 0, 999},
    };
    for (const Case& c : cases) {
        auto t = table(c.rows, c.cols);
        reduceRowsToFit(*t);
        EXPECT_EQ(t->maxRows, c.expected) << c.rows << " x " << c.cols;
    }
}

TEST(TableLimits, EffectiveCountsStayInsideTheArraysAndTheCells) {
    EXPECT_EQ(effectiveLastRow(*table(10, 3)), 10);
    EXPECT_EQ(effectiveLastRow(*table(249, 3)), 199);   // 200 heights
    EXPECT_EQ(effectiveLastRow(*table(100, 9)), 99);    // 1000 cells
    EXPECT_EQ(effectiveLastColumn(*table(10, 25)), 19); // 20 widths
    EXPECT_EQ(effectiveLastRow(*table(10, 25)), 10);
    EXPECT_EQ(effectiveLastRow(*table(60, 25)), 49);
    EXPECT_LT(effectiveLastColumn(*table(10, -7)), 0);
}

TEST(TableLimits, CellsOutsideTheEffectiveGridAreAbsent) {
    auto t = table(10, 3);
    EXPECT_EQ(cellAt(*t, 1, 1), &t->cells[5]);
    EXPECT_EQ(cellAt(*t, 10, 3), &t->cells[43]);
    EXPECT_EQ(cellAt(*t, 1, 4), nullptr); // would wrap into row 2
    EXPECT_EQ(cellAt(*t, 11, 0), nullptr);
    EXPECT_EQ(cellAt(*t, -1, 0), nullptr);
    EXPECT_EQ(cellAt(*t, 0, -1), nullptr);
    EXPECT_EQ(columnWidth(*t, 4), nullptr);
    EXPECT_EQ(rowHeight(*t, 11), nullptr);
    auto wide = table(300, 3);
    EXPECT_NE(rowHeight(*wide, 199), nullptr);
    EXPECT_EQ(rowHeight(*wide, 200), nullptr);
    auto none = table(10, -1);
    EXPECT_EQ(cellAt(*none, 0, 0), nullptr);
}
