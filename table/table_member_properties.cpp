// The table member's property hooks: the limit checks on MaxRows and MaxCols with their
// messages, the cell, width and height properties of the addressed cell, the format
// properties, Action, and what a load and the dialog's OK apply to the cells.

#include "engine/cell_access.h"
#include "engine/cell_format.h"
#include "engine/grid_limits.h"
#include "engine/table_actions.h"
#include "engine/table_layout.h"
#include "table_block.h"
#include "zxplugin/kind_support.h"

namespace gridcell {
namespace {

// The messages go to the author through the host's message output.
void report(zx::AssetRecord& asset, LimitCheck check) {
    if (asset.utilities == nullptr) {
        return;
    }
    for (const LimitMessage& m : limitMessages(tableOf(asset), check)) {
        asset.utilities->ops->messageOutput(asset.utilities, m.format, m.rows, m.cols);
    }
}

const TableCell* addressedCell(zx::AssetRecord& asset) {
    const TableProperties& t = tableOf(asset);
    return cellAt(t, t.row, t.col);
}

// Stores a format property's new value, then gives it to the addressed cell or block.
zx::Result storeAndApply(zx::AssetRecord& asset, int32_t& field, const zx::ScriptValue& value,
                         Format format) {
    field = value.integer(field);
    applyFormat(tableOf(asset), format);
    return zx::kOk;
}

} // namespace

zx::Result getMaxCols(zx::AssetRecord& asset, zx::ScriptAnswer& out) {
    report(asset, LimitCheck::CellsOnly);
    return out.integer(tableOf(asset).maxCols);
}

zx::Result getMaxRows(zx::AssetRecord& asset, zx::ScriptAnswer& out) {
    report(asset, LimitCheck::CellsOnly);
    return out.integer(tableOf(asset).maxRows);
}

// A breach is only reported: the number stays as written, and the effective counts keep
// every access within the cells.
zx::Result setMaxCols(zx::AssetRecord& asset, const zx::ScriptValue& value) {
    TableProperties& t = tableOf(asset);
    t.maxCols = value.integer(t.maxCols);
    report(asset, LimitCheck::AfterColumnsWrite);
    return zx::kOk;
}

zx::Result setMaxRows(zx::AssetRecord& asset, const zx::ScriptValue& value) {
    TableProperties& t = tableOf(asset);
    t.maxRows = value.integer(t.maxRows);
    report(asset, LimitCheck::AfterRowsWrite);
    return zx::kOk;
}

zx::Result getText(zx::AssetRecord& asset, zx::ScriptAnswer& out) {
    const TableCell* cell = addressedCell(asset);
    return out.text(cell != nullptr ? cell->text : "");
}

zx::Result setText(zx::AssetRecord& asset, const zx::ScriptValue& value) {
    TableProperties& t = tableOf(asset);
    if (TableCell* cell = cellAt(t, t.row, t.col)) {
        value.textInto(cell->text, sizeof cell->text);
    }
    return zx::kOk;
}

zx::Result getColWidth(zx::AssetRecord& asset, zx::ScriptAnswer& out) {
    TableProperties& t = tableOf(asset);
    const int32_t* width = columnWidth(t, t.col);
    return out.integer(width != nullptr ? *width : 0);
}

zx::Result setColWidth(zx::AssetRecord& asset, const zx::ScriptValue& value) {
    TableProperties& t = tableOf(asset);
    if (int32_t* width = columnWidth(t, t.col)) {
        *width = value.integer(*width);
    }
    return zx::kOk;
}

zx::Result getRowHeight(zx::AssetRecord& asset, zx::ScriptAnswer& out) {
    TableProperties& t = tableOf(asset);
    const int32_t* height = rowHeight(t, t.row);
    return out.integer(height != nullptr ? *height : 0);
}

zx::Result setRowHeight(zx::AssetRecord& asset, const zx::ScriptValue& value) {
    TableProperties& t = tableOf(asset);
    if (int32_t* height = rowHeight(t, t.row)) {
        *height = value.integer(*height);
    }
    return zx::kOk;
}

zx::Result getActiveH(zx::AssetRecord& asset, zx::ScriptAnswer& out) {
    return out.integer(activeH(tableOf(asset)));
}

zx::Result getActiveV(zx::AssetRecord& asset, zx::ScriptAnswer& out) {
    return out.integer(activeV(tableOf(asset)));
}

zx::Result setAction(zx::AssetRecord& asset, const zx::ScriptValue& value) {
    TableProperties& t = tableOf(asset);
    runAction(t, value.integer(t.action));
    return zx::kOk;
}

// Action, CellType and PictureType are readable but give nothing back.
zx::Result answersNothing(zx::AssetRecord&, zx::ScriptAnswer&) {
    return zx::kOk;
}

zx::Result setBackColor(zx::AssetRecord& asset, const zx::ScriptValue& value) {
    TableProperties& t = tableOf(asset);
    t.backColor = static_cast<uint32_t>(value.integer(static_cast<int32_t>(t.backColor)));
    applyFormat(t, Format::BackColor);
    return zx::kOk;
}

zx::Result setTextColor(zx::AssetRecord& asset, const zx::ScriptValue& value) {
    TableProperties& t = tableOf(asset);
    t.textColor = static_cast<uint32_t>(value.integer(static_cast<int32_t>(t.textColor)));
    applyFormat(t, Format::TextColor);
    return zx::kOk;
}

zx::Result setTypeHAlign(zx::AssetRecord& asset, const zx::ScriptValue& value) {
    return storeAndApply(asset, tableOf(asset).typeHAlign, value, Format::Alignment);
}

zx::Result setFontSize(zx::AssetRecord& asset, const zx::ScriptValue& value) {
    return storeAndApply(asset, tableOf(asset).fontSize, value, Format::FontSize);
}

zx::Result setFontBold(zx::AssetRecord& asset, const zx::ScriptValue& value) {
    return storeAndApply(asset, tableOf(asset).fontBold, value, Format::FontBold);
}

zx::Result setFontItalic(zx::AssetRecord& asset, const zx::ScriptValue& value) {
    return storeAndApply(asset, tableOf(asset).fontItalic, value, Format::FontItalic);
}

zx::Result setFontName(zx::AssetRecord& asset, const zx::ScriptValue& value) {
    TableProperties& t = tableOf(asset);
    value.textInto(t.fontName, sizeof t.fontName);
    applyFormat(t, Format::FontName);
    return zx::kOk;
}

zx::Result getFontSize(zx::AssetRecord& asset, zx::ScriptAnswer& out) {
    const TableCell* cell = addressedCell(asset);
    return out.integer(cell != nullptr ? cell->fontHeight : 0);
}

zx::Result getFontBold(zx::AssetRecord& asset, zx::ScriptAnswer& out) {
    const TableCell* cell = addressedCell(asset);
    return out.integer(cell != nullptr ? cell->bold : 0);
}

zx::Result getFontItalic(zx::AssetRecord& asset, zx::ScriptAnswer& out) {
    const TableCell* cell = addressedCell(asset);
    return out.integer(cell != nullptr ? cell->italic : 0);
}

zx::Result getFontName(zx::AssetRecord& asset, zx::ScriptAnswer& out) {
    const TableCell* cell = addressedCell(asset);
    return out.text(cell != nullptr ? cell->fontName : "");
}

// A load (whatever the stream held) fits MaxRows to the cells and formats every cell from
// the loaded properties; OK in the dialog spreads the height of row 0 and the width of
// column 0 and formats every cell. The numbers typed or loaded are kept as they are.
void normalizeTable(zx::AssetRecord& asset, const zx::Change& change) {
    TableProperties& t = tableOf(asset);
    switch (change.occasion) {
    case zx::Occasion::Load:
        reduceRowsToFit(t);
        applyFormatsToAll(t);
        break;
    case zx::Occasion::DialogOk:
        spreadFirstRowAndColumn(t);
        applyFormatsToAll(t);
        break;
    case zx::Occasion::Set:
        break;
    }
}

} // namespace gridcell
