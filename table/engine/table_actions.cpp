// Action 0 and Action 51.
#include "engine/table_actions.h"

#include <algorithm>
#include <limits>

#include "engine/cell_access.h"
#include "engine/grid_limits.h"

namespace gridcell {

int32_t fittedWidth(const TableProperties& t, int32_t column) {
    int64_t width = t.minWidth;
    for (int32_t r = 0; r <= effectiveLastRow(t); ++r) {
        if (const TableCell* cell = cellAt(t, r, column)) {
            width = std::max(width, static_cast<int64_t>(cell->textWidth) + 4);
        }
    }
    return static_cast<int32_t>(std::min<int64_t>(width, std::numeric_limits<int32_t>::max()));
}

void runAction(TableProperties& t, int32_t code) {
    t.action = code;
    switch (code) {
    case kActionActivate:
        t.activeCol = t.col;
        t.activeRow = t.row;
        break;
    case kActionFitColumn:
        if (int32_t* width = columnWidth(t, t.col)) {
            *width = fittedWidth(t, t.col);
        }
        break;
    default:
        break;
    }
}

} // namespace gridcell
