// Layout, active-cell positions and hit testing over the effective rows and columns.
#include "engine/table_layout.h"

#include <algorithm>
#include <limits>

#include "engine/grid_limits.h"

namespace gridcell {
namespace {

int32_t saturate(int64_t v) {
    constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
    constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::clamp(v, kMin, kMax));
}

int32_t firstDataRow(const TableProperties& t) {
    return std::max(t.topRow, 1);
}
int32_t firstDataColumn(const TableProperties& t) {
    return std::max(t.leftCol, 1);
}

// The starts of one axis: sizes[0..last], the first scrolled-in index and whether index 0
// (the header) is shown.
void layAxis(const int32_t* sizes, int32_t last, int32_t first, bool header, int32_t* starts) {
    int64_t position = 0;
    for (int32_t i = 0; i <= last; ++i) {
        if (i == 0 || i < first) {
            position = 0;
        } else if (i == first) {
            position = header ? sizes[0] : 0;
        } else {
            position = static_cast<int64_t>(starts[i - 1]) + sizes[i - 1];
        }
        starts[i] = saturate(position);
    }
}

// The middle of index `target` counted over the shown indexes before it.
int32_t middleOf(const int32_t* sizes, int32_t target, int32_t first, bool header) {
    int64_t sum = header && target > 0 ? sizes[0] : 0;
    for (int32_t k = first; k < target; ++k) {
        sum += sizes[k];
    }
    return saturate(sum + sizes[target] / 2);
}

// The index whose span holds `offset`, counting from the header's end; none on the header.
std::optional<int32_t> indexAt(const int32_t* sizes, int32_t last, int32_t first, bool header,
                               int32_t offset) {
    if (last < 0) {
        return std::nullopt;
    }
    int64_t end = header ? sizes[0] : 0;
    if (offset < end) {
        return std::nullopt;
    }
    for (int32_t i = first; i <= last; ++i) {
        end += sizes[i];
        if (offset < end) {
            return i;
        }
    }
    return std::nullopt;
}

std::vector<int32_t> shown(int32_t last, int32_t first, bool header) {
    std::vector<int32_t> out;
    if (last < 0) {
        return out;
    }
    if (header) {
        out.push_back(0);
    }
    for (int32_t i = first; i <= last; ++i) {
        out.push_back(i);
    }
    return out;
}

} // namespace

TableLayout layOut(const TableProperties& t) {
    TableLayout layout;
    layout.lastRow = effectiveLastRow(t);
    layout.lastColumn = effectiveLastColumn(t);
    layAxis(t.heights, layout.lastRow, firstDataRow(t), t.displayColHeaders != 0, layout.rowTop);
    layAxis(t.widths, layout.lastColumn, firstDataColumn(t), t.displayRowHeaders != 0,
            layout.columnLeft);
    if (layout.lastRow >= 0 && layout.lastColumn >= 0) {
        layout.width = saturate(static_cast<int64_t>(layout.columnLeft[layout.lastColumn]) +
                                t.widths[layout.lastColumn]);
        layout.height = saturate(static_cast<int64_t>(layout.rowTop[layout.lastRow]) +
                                 t.heights[layout.lastRow]);
    }
    return layout;
}

void storeCellRects(TableProperties& t, const TableLayout& layout) {
    const int32_t columns = layout.lastColumn + 1;
    for (int32_t r = 0; r <= layout.lastRow; ++r) {
        for (int32_t c = 0; c < columns; ++c) {
            TableCell& cell = t.cells[r * columns + c];
            const int32_t x = layout.columnLeft[c];
            const int32_t y = layout.rowTop[r];
            cell.rect = CellRect{x, y, saturate(static_cast<int64_t>(x) + t.widths[c]),
                                 saturate(static_cast<int64_t>(y) + t.heights[r])};
        }
    }
}

std::vector<int32_t> visibleRows(const TableProperties& t) {
    return shown(effectiveLastRow(t), firstDataRow(t), t.displayColHeaders != 0);
}

std::vector<int32_t> visibleColumns(const TableProperties& t) {
    return shown(effectiveLastColumn(t), firstDataColumn(t), t.displayRowHeaders != 0);
}

int32_t activeH(const TableProperties& t) {
    const int32_t c = t.activeCol;
    const int32_t first = firstDataColumn(t);
    if (c < first || c > effectiveLastColumn(t)) {
        return 0;
    }
    return middleOf(t.widths, c, first, t.displayRowHeaders != 0);
}

int32_t activeV(const TableProperties& t) {
    const int32_t r = t.activeRow;
    const int32_t first = firstDataRow(t);
    const bool header = t.displayColHeaders != 0;
    if (r < 0 || r > effectiveLastRow(t) || (!header && r < first)) {
        return 0;
    }
    return middleOf(t.heights, r, first, header);
}

std::optional<CellHit> hitCell(const TableProperties& t, int32_t x, int32_t y) {
    const auto row =
        indexAt(t.heights, effectiveLastRow(t), firstDataRow(t), t.displayColHeaders != 0, y);
    const auto column =
        indexAt(t.widths, effectiveLastColumn(t), firstDataColumn(t), t.displayRowHeaders != 0, x);
    if (!row || !column) {
        return std::nullopt;
    }
    return CellHit{*row, *column};
}

} // namespace gridcell
