// Formats on cells and blocks, Action 0 and 51, and the picture entry rules.
#include <memory>

#include <gtest/gtest.h>

#include "engine/cell_access.h"
#include "engine/cell_format.h"
#include "engine/picture_entries.h"
#include "engine/table_actions.h"

using namespace gridcell;

namespace {

class TableCells : public ::testing::Test {
protected:
    TableCells() : owner(std::make_unique<TableProperties>()), t(*owner) {
        setDefaultProperties(t);
    }

    int colouredCells(uint32_t color) const {
        int n = 0;
        for (int r = 0; r <= t.maxRows; ++r) {
            for (int c = 0; c <= t.maxCols; ++c) {
                n += cellAt(t, r, c)->backColor == color ? 1 : 0;
            }
        }
        return n;
    }

    std::unique_ptr<TableProperties> owner;
    TableProperties& t;
};

} // namespace

TEST_F(TableCells, BlockFormatsSixCellsAndAnInvertedBlockNone) {
    t.blockMode = 1;
    t.row = 1, t.col = 1, t.row2 = 3, t.col2 = 2;
    t.backColor = 0x00FF00;
    applyFormat(t, Format::BackColor);
    EXPECT_EQ(colouredCells(0x00FF00), 6);
    EXPECT_EQ(cellAt(t, 3, 2)->backColor, 0x00FF00u);
    t.row2 = 0;
    t.backColor = 0x0000FF;
    applyFormat(t, Format::BackColor);
    EXPECT_EQ(colouredCells(0x0000FF), 0);
}

TEST_F(TableCells, BlocksAreCutToTheExistingCells) {
    t.blockMode = 1;
    t.row = -5, t.col = -5, t.row2 = 500, t.col2 = 500;
    t.textColor = 0x123456;
    applyFormat(t, Format::TextColor);
    int changed = 0;
    for (const TableCell& cell : t.cells) {
        changed += cell.textColor == 0x123456 ? 1 : 0;
    }
    EXPECT_EQ(changed, 44);
}

TEST_F(TableCells, SingleCellFormatsOutsideTheTableChangeNothing) {
    t.row = 1, t.col = 4; // beyond MaxCols: not cell (2, 0)
    t.fontSize = 30;
    applyFormat(t, Format::FontSize);
    EXPECT_EQ(cellAt(t, 2, 0)->fontHeight, 15);
}

TEST_F(TableCells, DialogSpreadStaysInsideTheArrays) {
    t.maxRows = 5000;
    t.maxCols = 5000;
    t.heights[0] = 9;
    t.widths[0] = 33;
    spreadFirstRowAndColumn(t);
    applyFormatsToAll(t);
    EXPECT_EQ(t.heights[49], 9); // 50 rows of 20 cells
    EXPECT_EQ(t.heights[50], 17);
    EXPECT_EQ(t.widths[19], 33);
}

TEST_F(TableCells, ActionZeroActivatesTheAddressedCell) {
    t.row = 4, t.col = 2;
    runAction(t, kActionActivate);
    EXPECT_EQ(t.activeRow, 4);
    EXPECT_EQ(t.activeCol, 2);
    runAction(t, 7);
    EXPECT_EQ(t.action, 7);
}

TEST_F(TableCells, ActionFiftyOneFitsTheColumnToItsMeasuredTexts) {
    t.col = 2;
    runAction(t, kActionFitColumn);
    EXPECT_EQ(t.widths[2], 4); // empty texts: MinWidth
    cellAt(t, 3, 2)->textWidth = 50;
    cellAt(t, 10, 2)->textWidth = 61;
    cellAt(t, 4, 3)->textWidth = 500; // another column
    runAction(t, kActionFitColumn);
    EXPECT_EQ(t.widths[2], 65);
    t.minWidth = 100;
    runAction(t, kActionFitColumn);
    EXPECT_EQ(t.widths[2], 100);
    t.col = 7; // no such column: nothing changes
    runAction(t, kActionFitColumn);
    EXPECT_EQ(t.widths[7], 70);
}

TEST_F(TableCells, PictureIndexesOutsideTheEntriesShowNothing) {
    TableCell& cell = *cellAt(t, 1, 1);
    t.pictureCount = 3;
    for (int32_t bad : {-1, 3, 20, 1 << 30}) {
        cell.picture = bad;
        EXPECT_FALSE(cellPicture(t, cell)) << bad;
    }
    cell.picture = 2;
    EXPECT_EQ(cellPicture(t, cell), 2);
}
