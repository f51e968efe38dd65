// Layout of the cells, the active-cell positions and the hit test.
#include <limits>
#include <memory>

#include <gtest/gtest.h>

#include "engine/cell_access.h"
#include "engine/table_layout.h"

using namespace gridcell;

namespace {

class TableGeometry : public ::testing::Test {
protected:
    TableGeometry() : owner(std::make_unique<TableProperties>()), t(*owner) {
        setDefaultProperties(t);
    }
    CellRect rectOf(int32_t r, int32_t c) {
        storeCellRects(t, layOut(t));
        return cellAt(t, r, c)->rect;
    }

    std::unique_ptr<TableProperties> owner;
    TableProperties& t;
};

} // namespace

TEST_F(TableGeometry, DefaultTableIs280By187) {
    const TableLayout layout = layOut(t);
    EXPECT_EQ(layout.width, 280);
    EXPECT_EQ(layout.height, 187);
    EXPECT_EQ(rectOf(2, 1), (CellRect{70, 34, 140, 51}));
}

TEST_F(TableGeometry, ScrolledRowsLieAtZeroAndTopRowFollowsTheHeader) {
    t.topRow = 3;
    EXPECT_EQ(rectOf(3, 0).y, 17);
    EXPECT_EQ(rectOf(1, 0).y, 0);
    EXPECT_EQ(rectOf(4, 0).y, 34);
    EXPECT_EQ(visibleRows(t), (std::vector<int32_t>{0, 3, 4, 5, 6, 7, 8, 9, 10}));
    t.displayColHeaders = 0;
    EXPECT_EQ(rectOf(3, 0).y, 0);
    EXPECT_EQ(visibleRows(t).front(), 3);
}

TEST_F(TableGeometry, ScrollPositionsBelowOneActAsOne) {
    t.topRow = -4;
    t.leftCol = 0;
    EXPECT_EQ(rectOf(1, 1), (CellRect{70, 17, 140, 34}));
    EXPECT_EQ(visibleColumns(t), (std::vector<int32_t>{0, 1, 2, 3}));
    EXPECT_EQ(hitCell(t, 75, 20), (CellHit{1, 1}));
}

TEST_F(TableGeometry, HugeSizesSaturateInsteadOfOverflowing) {
    t.widths[1] = t.widths[2] = std::numeric_limits<int32_t>::max();
    const TableLayout layout = layOut(t);
    EXPECT_EQ(layout.columnLeft[3], std::numeric_limits<int32_t>::max());
    EXPECT_EQ(layout.width, std::numeric_limits<int32_t>::max());
}

TEST_F(TableGeometry, ActivePositionsAreMiddlesOfShownColumnsAndRows) {
    t.activeCol = 2;
    t.activeRow = 2;
    EXPECT_EQ(activeH(t), 175);
    EXPECT_EQ(activeV(t), 17 + 17 + 8);
    t.leftCol = 2;
    EXPECT_EQ(activeH(t), 70 + 35);
    t.topRow = 3; // scrolled away, still placed below the header
    EXPECT_EQ(activeV(t), 17 + 8);
    t.displayColHeaders = 0;
    EXPECT_EQ(activeV(t), 0);
}

TEST_F(TableGeometry, ActivePositionsOfAbsentCellsAreZero) {
    EXPECT_EQ(activeH(t), 0); // the default -1
    EXPECT_EQ(activeV(t), 0);
    t.activeCol = 4;
    t.activeRow = 11;
    EXPECT_EQ(activeH(t), 0);
    EXPECT_EQ(activeV(t), 0);
    t.activeCol = 0; // a header column is left of LeftCol
    t.activeRow = 0;
    EXPECT_EQ(activeH(t), 0);
    EXPECT_EQ(activeV(t), 8);
}

TEST_F(TableGeometry, HitTestFindsDataCellsOnly) {
    EXPECT_EQ(hitCell(t, 75, 40), (CellHit{2, 1}));
    EXPECT_EQ(hitCell(t, 279, 186), (CellHit{10, 3}));
    EXPECT_FALSE(hitCell(t, 10, 40)); // row header
    EXPECT_FALSE(hitCell(t, 75, 10)); // column header
    EXPECT_FALSE(hitCell(t, 280, 40));
    EXPECT_FALSE(hitCell(t, 75, 187));
    EXPECT_FALSE(hitCell(t, -1, 40));
    t.displayColHeaders = 0;
    EXPECT_EQ(hitCell(t, 75, 10), (CellHit{1, 1}));
    t.topRow = 5;
    EXPECT_EQ(hitCell(t, 75, 10), (CellHit{5, 1}));
}
