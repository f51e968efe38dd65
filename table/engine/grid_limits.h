// The table's limits: at most 1000 cells, 20 columns and 200 rows. MaxRows and MaxCols keep
// what was written or loaded; every walk over rows and columns uses the effective counts,
// which never leave the arrays. Breaches are reported to the author as messages.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/table_properties.h"

namespace gridcell {

// The last column that exists: min(MaxCols, 19); negative when there is none.
int32_t effectiveLastColumn(const TableProperties& table);
// The last row that exists: min(MaxRows, 199), and no further than the 1000 cells reach
// with effectiveLastColumn() + 1 cells per row; negative when there is none.
int32_t effectiveLastRow(const TableProperties& table);

// (MaxRows + 1) x (MaxCols + 1), without overflow.
int64_t cellCount(const TableProperties& table);

// A message for the author: a format and its two numbers, MaxRows and MaxCols.
struct LimitMessage {
    const char* format;
    int32_t rows;
    int32_t cols;
    bool operator==(const LimitMessage& o) const {
        return std::string_view(format) == o.format && rows == o.rows && cols == o.cols;
    }
};

inline constexpr char kTooManyCells[] = "Gridcell - Too Many Cells - %d Rows %d Cols \n";
inline constexpr char kTooManyCols[] = "Gridcell - Too Many Cols - %d Rows %d Cols \n";
inline constexpr char kTooManyRows[] = "Gridcell - Too Many Rows - %d Rows %d Cols \n";

// Which numbers a check looks at besides the cell count.
enum class LimitCheck { CellsOnly, AfterColumnsWrite, AfterRowsWrite };

// The messages a check reports, cell count first.
std::vector<LimitMessage> limitMessages(const TableProperties& table, LimitCheck check);

// After a load: MaxRows becomes the largest value (at most the one loaded) whose cell count
// fits in 1000. Nothing changes when MaxCols + 1 <= 0, where fewer rows never help.
void reduceRowsToFit(TableProperties& table);

} // namespace gridcell
