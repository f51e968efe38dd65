// The table's script methods: texts by row and column, pictures imported from bitmap
// members into cells and shared between cells, and the picture entries given up with the
// member. Cells that do not exist are skipped: the call succeeds and changes nothing.
#include <string>

#include "engine/cell_access.h"
#include "engine/picture_entries.h"
#include "table_block.h"
#include "zxplugin/kind_support.h"

namespace gridcell {
namespace {

TableCell* cellArgument(zx::CommandCall& call, int rowIndex) {
    return cellAt(tableOf(call.asset), call.integer(rowIndex, -1), call.integer(rowIndex + 1, -1));
}

zx::Result succeeded(zx::CommandCall& call) {
    call.asset.changedFlag = 1;
    return zx::kOk;
}

} // namespace

zx::Result setTableText(zx::CommandCall& call) {
    if (TableCell* cell = cellArgument(call, 1)) {
        const std::string text = call.text(3, sizeof cell->text - 1);
        text.copy(cell->text, sizeof cell->text - 1);
        cell->text[text.size()] = '\0';
    }
    return succeeded(call);
}

zx::Result getTableText(zx::CommandCall& call) {
    const TableCell* cell = cellArgument(call, 1);
    const zx::Result result = call.answer().text(cell != nullptr ? cell->text : "");
    return result == zx::kOk ? succeeded(call) : result;
}

// A full set of twenty entries makes the import do nothing, successfully. A picture that
// cannot be copied leaves the entry (and the cell) as they were and gives the host's result.
zx::Result importPicture(zx::CommandCall& call) {
    TableProperties& t = tableOf(call.asset);
    TableCell* cell = cellArgument(call, 2);
    if (cell == nullptr) {
        return succeeded(call);
    }
    const auto choice = importEntry(t, *cell);
    if (!choice) {
        return zx::kOk;
    }
    zx::Picture& entry = zx::blockOf<TableBlock>(call.asset).pictures[choice->entry];
    const zx::Result result = zx::copyPictureFromMember(call.asset.header, call.argument(1), entry);
    if (result != zx::kOk) {
        return result;
    }
    commitImport(t, *cell, *choice);
    return succeeded(call);
}

zx::Result duplicatePicture(zx::CommandCall& call) {
    const TableCell* from = cellArgument(call, 1);
    TableCell* to = cellArgument(call, 3);
    if (from != nullptr && to != nullptr) {
        to->picture = from->picture;
    }
    return succeeded(call);
}

void releasePictures(zx::AssetRecord& asset) {
    for (zx::Picture& picture : zx::blockOf<TableBlock>(asset).pictures) {
        zx::freePicture(asset.header, picture);
    }
    tableOf(asset).pictureCount = 0;
}

} // namespace gridcell
