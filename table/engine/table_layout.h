// Where the cells lie: the top of every row and the left of every column, honouring the
// scroll position (TopRow, LeftCol) and the header switches; which rows and columns are
// drawn; the middle of the active cell (ActiveH, ActiveV); and which cell a press hits.
// Sums of widths and heights are taken in 64 bits and saturate at the int32 range.
// TopRow and LeftCol below 1 act as 1.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/table_properties.h"

namespace gridcell {

struct TableLayout {
    int32_t lastRow = -1, lastColumn = -1; // the effective counts
    int32_t rowTop[kMaxRows] = {};
    int32_t columnLeft[kMaxColumns] = {};
    int32_t width = 0, height = 0; // right and bottom of the last cell
};

// Rows 1..TopRow-1 are scrolled away and lie at 0; row TopRow lies below the header row
// when it is shown, else at 0; each further row lies below the one before it. Columns alike.
TableLayout layOut(const TableProperties& table);

// Writes each existing cell's rectangle from the layout.
void storeCellRects(TableProperties& table, const TableLayout& layout);

// The rows drawn: 0 when the column headers are shown, then TopRow..last row. Columns
// alike with the row headers and LeftCol.
std::vector<int32_t> visibleRows(const TableProperties& table);
std::vector<int32_t> visibleColumns(const TableProperties& table);

// The horizontal middle of column ActiveCol and the vertical middle of row ActiveRow,
// counted over the columns and rows shown before it; 0 when the column or row is not
// there (including the default -1). A row scrolled away above TopRow still gets a position
// when the header row is shown; a column left of LeftCol gets 0.
int32_t activeH(const TableProperties& table);
int32_t activeV(const TableProperties& table);

// The data cell under a point relative to the table's top-left corner; none on a header,
// beyond the last row or column, or above and left of the table.
struct CellHit {
    int32_t row, column;
    bool operator==(const CellHit&) const = default;
};
std::optional<CellHit> hitCell(const TableProperties& table, int32_t x, int32_t y);

} // namespace gridcell
