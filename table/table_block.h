// The table member's PropertyBlock (the engine's record and the member's picture entries)
// and the parts of the kind that gridcell_kind.cpp hands to the frame.
#pragma once

#include <cstdint>

#include "engine/table_properties.h"
#include "zxplugin/kind.h"
#include "zxplugin/picture.h"
#include "zxplugin/records.h"

namespace gridcell {

struct TableBlock {
    TableProperties table;
    zx::Picture pictures[kMaxPictures];
};

inline TableProperties& tableOf(zx::AssetRecord& asset) {
    return zx::blockOf<TableBlock>(asset).table;
}

// Property hooks (table_member_properties.cpp).
zx::Result getMaxCols(zx::AssetRecord& asset, zx::ScriptAnswer& out);
zx::Result getMaxRows(zx::AssetRecord& asset, zx::ScriptAnswer& out);
zx::Result setMaxCols(zx::AssetRecord& asset, const zx::ScriptValue& value);
zx::Result setMaxRows(zx::AssetRecord& asset, const zx::ScriptValue& value);
zx::Result getText(zx::AssetRecord& asset, zx::ScriptAnswer& out);
zx::Result setText(zx::AssetRecord& asset, const zx::ScriptValue& value);
zx::Result getColWidth(zx::AssetRecord& asset, zx::ScriptAnswer& out);
zx::Result setColWidth(zx::AssetRecord& asset, const zx::ScriptValue& value);
zx::Result getRowHeight(zx::AssetRecord& asset, zx::ScriptAnswer& out);
zx::Result setRowHeight(zx::AssetRecord& asset, const zx::ScriptValue& value);
zx::Result getActiveH(zx::AssetRecord& asset, zx::ScriptAnswer& out);
zx::Result getActiveV(zx::AssetRecord& asset, zx::ScriptAnswer& out);
zx::Result setAction(zx::AssetRecord& asset, const zx::ScriptValue& value);
zx::Result answersNothing(zx::AssetRecord& asset, zx::ScriptAnswer& out);

// The seven format properties: each stores the value and applies it to the addressed cell
// or block. The font properties read back the addressed cell's own font.
zx::Result setBackColor(zx::AssetRecord& asset, const zx::ScriptValue& value);
zx::Result setTextColor(zx::AssetRecord& asset, const zx::ScriptValue& value);
zx::Result setTypeHAlign(zx::AssetRecord& asset, const zx::ScriptValue& value);
zx::Result setFontSize(zx::AssetRecord& asset, const zx::ScriptValue& value);
zx::Result setFontBold(zx::AssetRecord& asset, const zx::ScriptValue& value);
zx::Result setFontItalic(zx::AssetRecord& asset, const zx::ScriptValue& value);
zx::Result setFontName(zx::AssetRecord& asset, const zx::ScriptValue& value);
zx::Result getFontSize(zx::AssetRecord& asset, zx::ScriptAnswer& out);
zx::Result getFontBold(zx::AssetRecord& asset, zx::ScriptAnswer& out);
zx::Result getFontItalic(zx::AssetRecord& asset, zx::ScriptAnswer& out);
zx::Result getFontName(zx::AssetRecord& asset, zx::ScriptAnswer& out);

// After a load and after OK in the dialog (table_member_properties.cpp).
void normalizeTable(zx::AssetRecord& asset, const zx::Change& change);

// Script methods (table_member_commands.cpp).
zx::Result setTableText(zx::CommandCall& call);
zx::Result getTableText(zx::CommandCall& call);
zx::Result importPicture(zx::CommandCall& call);
zx::Result duplicatePicture(zx::CommandCall& call);

// Picture entries given up with the member (table_member_commands.cpp).
void releasePictures(zx::AssetRecord& asset);

// The sprite (table_drawing.cpp, table_mouse.cpp).
zx::Result drawTable(zx::ActorRecord& actor, const zx::DrawRecord& record, HDC dc,
                     zx::DrawContext* context);
zx::Result handleTableEvent(zx::ActorRecord& actor, const zx::EventRecord& event, int32_t* handled);

} // namespace gridcell
