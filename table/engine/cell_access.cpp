// Bounds of every cell, width and height access.
#include "engine/cell_access.h"

#include <algorithm>

#include "engine/grid_limits.h"

namespace gridcell {

const TableCell* cellAt(const TableProperties& t, int32_t row, int32_t column) {
    const int32_t lastColumn = effectiveLastColumn(t);
    if (row < 0 || row > effectiveLastRow(t) || column < 0 || column > lastColumn) {
        return nullptr;
    }
    // effectiveLastRow() keeps (last row + 1) x (last column + 1) within the cells.
    return &t.cells[row * (lastColumn + 1) + column];
}

TableCell* cellAt(TableProperties& t, int32_t row, int32_t column) {
    return const_cast<TableCell*>(cellAt(static_cast<const TableProperties&>(t), row, column));
}

int32_t* columnWidth(TableProperties& t, int32_t column) {
    if (column < 0 || column > effectiveLastColumn(t)) {
        return nullptr;
    }
    return &t.widths[column];
}

int32_t* rowHeight(TableProperties& t, int32_t row) {
    if (row < 0 || row > effectiveLastRow(t)) {
        return nullptr;
    }
    return &t.heights[row];
}

namespace {

CellBlock clipped(const TableProperties& t, int32_t firstRow, int32_t firstColumn, int32_t lastRow,
                  int32_t lastColumn) {
    return CellBlock{std::max(firstRow, 0), std::max(firstColumn, 0),
                     std::min(lastRow, effectiveLastRow(t)),
                     std::min(lastColumn, effectiveLastColumn(t))};
}

} // namespace

CellBlock addressedBlock(const TableProperties& t) {
    if (t.blockMode == 0) {
        return clipped(t, t.row, t.col, t.row, t.col);
    }
    return clipped(t, t.row, t.col, t.row2, t.col2);
}

CellBlock wholeTable(const TableProperties& t) {
    return clipped(t, 0, 0, effectiveLastRow(t), effectiveLastColumn(t));
}

} // namespace gridcell
