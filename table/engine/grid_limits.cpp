// Limit checks and effective counts in 64-bit arithmetic: the stored numbers may be anything
// a script wrote.
#include "engine/grid_limits.h"

#include <algorithm>

namespace gridcell {

int32_t effectiveLastColumn(const TableProperties& t) {
    return std::min(t.maxCols, kMaxColumns - 1);
}

int32_t effectiveLastRow(const TableProperties& t) {
    const int32_t lastColumn = effectiveLastColumn(t);
    int32_t last = std::min(t.maxRows, kMaxRows - 1);
    if (lastColumn >= 0) {
        last = std::min(last, kMaxCells / (lastColumn + 1) - 1);
    }
    return last;
}

int64_t cellCount(const TableProperties& t) {
    return (static_cast<int64_t>(t.maxRows) + 1) * (static_cast<int64_t>(t.maxCols) + 1);
}

std::vector<LimitMessage> limitMessages(const TableProperties& t, LimitCheck check) {
    std::vector<LimitMessage> out;
    if (cellCount(t) > kMaxCells) {
        out.push_back({kTooManyCells, t.maxRows, t.maxCols});
    }
    if (check == LimitCheck::AfterColumnsWrite &&
        static_cast<int64_t>(t.maxCols) + 1 > kMaxColumns) {
        out.push_back({kTooManyCols, t.maxRows, t.maxCols});
    }
    if (check == LimitCheck::AfterRowsWrite && static_cast<int64_t>(t.maxRows) + 1 > kMaxRows) {
        out.push_back({kTooManyRows, t.maxRows, t.maxCols});
    }
    return out;
}

void reduceRowsToFit(TableProperties& t) {
    const int64_t perRow = static_cast<int64_t>(t.maxCols) + 1;
    if (perRow <= 0 || cellCount(t) <= kMaxCells) {
        return;
    }
    // The largest MaxRows with (MaxRows + 1) x perRow <= 1000, computed instead of counted
    // down one by one; -1 when not even one row fits.
    t.maxRows = static_cast<int32_t>(kMaxCells / perRow - 1);
}

} // namespace gridcell
