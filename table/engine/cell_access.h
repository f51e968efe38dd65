// The one way to reach a cell, a column width or a row height. Only rows 0..effective last
// row and columns 0..effective last column exist; anything else is absent (null), so that
// reads give "" or 0 and writes are ignored instead of reaching past the arrays or wrapping
// a column beyond MaxCols into the next row.
#pragma once

#include <cstdint>

#include "engine/table_properties.h"

namespace gridcell {

// Cell (row, column), number row x (columns per row) + column, or null.
TableCell* cellAt(TableProperties& table, int32_t row, int32_t column);
const TableCell* cellAt(const TableProperties& table, int32_t row, int32_t column);

// The width of a column and the height of a row, or null.
int32_t* columnWidth(TableProperties& table, int32_t column);
int32_t* rowHeight(TableProperties& table, int32_t row);

// An inclusive range of rows and columns, already inside the existing cells; empty when a
// last index lies before its first.
struct CellBlock {
    int32_t firstRow, firstColumn, lastRow, lastColumn;
    bool empty() const { return lastRow < firstRow || lastColumn < firstColumn; }
};

// The cells a format write changes: (Row, Col) alone with BlockMode 0, otherwise
// (Row, Col)-(Row2, Col2), each intersected with the existing cells.
CellBlock addressedBlock(const TableProperties& table);
// Every existing cell.
CellBlock wholeTable(const TableProperties& table);

// Calls f(cell) for every cell of the block, rows in order, columns in order within a row.
template <class F>
void forEachCell(TableProperties& table, const CellBlock& block, F f) {
    if (block.empty()) {
        return;
    }
    for (int32_t r = block.firstRow; r <= block.lastRow; ++r) {
        for (int32_t c = block.firstColumn; c <= block.lastColumn; ++c) {
            if (TableCell* cell = cellAt(table, r, c)) {
                f(*cell);
            }
        }
    }
}

} // namespace gridcell
