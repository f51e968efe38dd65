// The defaults of a new table member.
#include "engine/table_properties.h"

#include <cstring>

#include "engine/cell_format.h"

namespace gridcell {

void setDefaultProperties(TableProperties& t) {
    std::memset(&t, 0, sizeof t);
    t.maxCols = 3;
    t.maxRows = 10;
    t.activeRow = -1;
    t.activeCol = -1;
    t.backColor = 0xFFFFFF;
    t.textColor = 0x000000;
    for (int32_t& w : t.widths) {
        w = 70;
    }
    for (int32_t& h : t.heights) {
        h = 17;
    }
    t.typeHAlign = kAlignLeft;
    t.topRow = 1;
    t.leftCol = 1;
    t.displayRowHeaders = 1;
    t.displayColHeaders = 1;
    t.minWidth = 4;
    t.fontSize = 15;
    t.fontBold = 1;
    t.fontItalic = 0;
    std::strcpy(t.fontName, "Arial");
    // Every cell exists from the start, also those beyond the default 4 x 11: a larger
    // MaxRows or MaxCols shows them with the same look.
    for (TableCell& cell : t.cells) {
        cell.picture = kNoPicture;
        formatFromProperties(t, cell);
    }
}

} // namespace gridcell
