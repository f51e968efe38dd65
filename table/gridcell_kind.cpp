// The deliverable gridcell32: the table's properties (one row each), its 980-byte saved
// block (ten numbers, the font name, the 20 column widths and 200 row heights) and dialog,
// its four script methods, its defaults and its sprite.
#include <array>
#include <cstddef>

#include "engine/table_properties.h"
#include "gridcell32_res.h"
#include "table_block.h"
#include "table_sprite_state.h"

namespace gridcell {
namespace {

using zx::field;
using zx::PropertyRow;

#define TABLE_FIELD(member) ZX_FIELD(TableBlock, table.member)

constexpr PropertyRow kScriptRows[] = {
    field("Col", TABLE_FIELD(col)).keepsChanged().means("column of the addressed cell"),
    field("Row", TABLE_FIELD(row)).keepsChanged().means("row of the addressed cell"),
    field("Col2", TABLE_FIELD(col2)).keepsChanged().means("last column of a block"),
    field("Row2", TABLE_FIELD(row2)).keepsChanged().means("last row of a block"),
    field("MaxCols", TABLE_FIELD(maxCols))
        .saved(1)
        .dialog(IDC_MAX_COLS)
        .reads(getMaxCols)
        .writes(setMaxCols)
        .means("index of the last column; column 0 holds the row headers"),
    field("MaxRows", TABLE_FIELD(maxRows))
        .saved(0)
        .dialog(IDC_MAX_ROWS)
        .reads(getMaxRows)
        .writes(setMaxRows)
        .means("index of the last row; row 0 holds the column headers"),
    field("ActiveRow", TABLE_FIELD(activeRow))
        .ignoresWrites()
        .keepsChanged()
        .means("row of the cell last clicked or activated"),
    field("ActiveCol", TABLE_FIELD(activeCol))
        .ignoresWrites()
        .keepsChanged()
        .means("column of the cell last clicked or activated"),
    field("BackColor", TABLE_FIELD(backColor))
        .saved(2)
        .dialog(IDC_BACK_COLOR)
        .writes(setBackColor)
        .means("background of the addressed cell or block"),
    field("BlockMode", TABLE_FIELD(blockMode))
        .keepsChanged()
        .means("non-zero: formats apply to (Row, Col)-(Row2, Col2)"),
    field("TextColor", TABLE_FIELD(textColor))
        .saved(3)
        .dialog(IDC_TEXT_COLOR)
        .writes(setTextColor)
        .means("text colour of the addressed cell or block"),
    field("Action", TABLE_FIELD(action))
        .reads(answersNothing)
        .writes(setAction)
        .means("0 activates the addressed cell, 51 fits column Col to its texts"),
    field("TypeHAlign", TABLE_FIELD(typeHAlign))
        .saved(6)
        .radios(IDC_ALIGN_LEFT, 3)
        .writes(setTypeHAlign)
        .means("alignment of the addressed cell or block: 0 left, 1 right, 2 centre"),
    field("TopRow", TABLE_FIELD(topRow)).means("first data row shown"),
    field("LeftCol", TABLE_FIELD(leftCol)).means("first data column shown"),
    field("DisplayRowHeaders", TABLE_FIELD(displayRowHeaders))
        .saved(5)
        .checkBox(IDC_DISPLAY_ROW_HEADERS)
        .means("show column 0"),
    field("DisplayColHeaders", TABLE_FIELD(displayColHeaders))
        .saved(4)
        .checkBox(IDC_DISPLAY_COL_HEADERS)
        .means("show row 0"),
    field("MinWidth", TABLE_FIELD(minWidth))
        .keepsChanged()
        .means("smallest width that Action 51 gives a column"),
    field("xFontSize", TABLE_FIELD(fontSize))
        .saved(7)
        .dialog(IDC_FONT_SIZE)
        .reads(getFontSize)
        .writes(setFontSize)
        .means("font height of the addressed cell or block"),
    field("xFontBold", TABLE_FIELD(fontBold))
        .saved(8)
        .checkBox(IDC_FONT_BOLD)
        .reads(getFontBold)
        .writes(setFontBold)
        .means("bold font in the addressed cell or block"),
    field("xFontItalic", TABLE_FIELD(fontItalic))
        .saved(9)
        .checkBox(IDC_FONT_ITALIC)
        .reads(getFontItalic)
        .writes(setFontItalic)
        .means("italic font in the addressed cell or block"),
    field("xFontName", TABLE_FIELD(fontName))
        .saved(10)
        .dialog(IDC_FONT_NAME)
        .reads(getFontName)
        .writes(setFontName)
        .means("font name of the addressed cell or block"),
    zx::computed<const char*>("Text", getText, setText).means("text of cell (Row, Col)"),
    zx::computed<int32_t>("ColWidth", getColWidth, setColWidth).means("width of column Col"),
    zx::computed<int32_t>("RowHeight", getRowHeight, setRowHeight).means("height of row Row"),
    zx::computed<int32_t>("ActiveH", getActiveH)
        .ignoresWrites()
        .keepsChanged()
        .means("horizontal middle of the active column"),
    zx::computed<int32_t>("ActiveV", getActiveV)
        .ignoresWrites()
        .keepsChanged()
        .means("vertical middle of the active row"),
    zx::computed<int32_t>("CellType", answersNothing)
        .ignoresWrites()
        .keepsChanged()
        .means("kept for older movies: writes are accepted and change nothing"),
    zx::computed<int32_t>("PictureType", answersNothing)
        .ignoresWrites()
        .keepsChanged()
        .means("kept for older movies: writes are accepted and change nothing"),
};

constexpr int kScriptRowCount = static_cast<int>(std::size(kScriptRows));
constexpr int kFirstWidthPosition = 11;
constexpr int kFirstHeightPosition = kFirstWidthPosition + kMaxColumns;

// Element i of a saved int32 array: a hidden row at the element's offset.
constexpr PropertyRow element(zx::FieldRef first, int i, int position) {
    first.offset += static_cast<uint32_t>(i) * first.size;
    return zx::hidden(first).saved(position);
}

// The script rows, then the widths and heights, which only the saved block and (for column
// 0 and row 0) the dialog see.
constexpr auto kRows = [] {
    std::array<PropertyRow, kScriptRowCount + kMaxColumns + kMaxRows> rows{};
    int n = 0;
    for (const PropertyRow& row : kScriptRows) {
        rows[n++] = row;
    }
    for (int i = 0; i < kMaxColumns; ++i) {
        rows[n++] = element(TABLE_FIELD(widths[0]), i, kFirstWidthPosition + i);
    }
    for (int i = 0; i < kMaxRows; ++i) {
        rows[n++] = element(TABLE_FIELD(heights[0]), i, kFirstHeightPosition + i);
    }
    rows[kScriptRowCount] = rows[kScriptRowCount].dialog(IDC_COL_WIDTH);
    rows[kScriptRowCount + kMaxColumns] =
        rows[kScriptRowCount + kMaxColumns].dialog(IDC_ROW_HEIGHT);
    return rows;
}();
static_assert(zx::rowsAreConsistent(kRows));
static_assert(zx::savedBlockSize(kRows) == 980);

#undef TABLE_FIELD

constexpr zx::CommandSpec kCommands[] = {
    {"SetTableText", 3, setTableText, "row, column, text: sets the text of a cell"},
    {"GetTableText", 2, getTableText, "row, column: answers the text of a cell"},
    {"ImportPicture", 3, importPicture, "member, row, column: the cell shows the member's picture"},
    {"DuplicatePicture", 4, duplicatePicture,
     "row1, column1, row2, column2: cell 2 shows cell 1's picture"},
};

void setDefaults(void* block) {
    auto& b = *static_cast<TableBlock*>(block);
    setDefaultProperties(b.table);
    for (zx::Picture& picture : b.pictures) {
        picture = zx::Picture{};
    }
}

void destruct(zx::AssetRecord& asset) {
    releasePictures(asset);
}

} // namespace
} // namespace gridcell

const zx::Kind& zx::thisKind() {
    static const Kind kind = {
        .registrarClass = guid("30F09D60-F204-11CF-BEFD-00A02406E943"),
        .assetClass = guid("6D91DAE0-F204-11CF-BEFD-00A02406E943"),
        .actorClass = guid("8B00A520-F204-11CF-BEFD-00A02406E943"),
        .version = 1,
        .hasAssetAux = true,
        .symbol = "gridcell",
        .displayName = "Gridcell",
        .putsMyData = false,
        .asset =
            {
                .rows = gridcell::kRows,
                .commands = gridcell::kCommands,
                .blockSize = sizeof(gridcell::TableBlock),
                .setDefaults = gridcell::setDefaults,
                .dialogId = IDD_PROPERTIES,
                .thumbnailId = IDB_THUMBNAIL,
                .defaultRect = {-10, -50, 10, 50},
                .changes = changes::kAfterDialogOk,
                .unknownWrite = UnknownWrite::RefusedUnmarked,
                .normalize = gridcell::normalizeTable,
                .destruct = gridcell::destruct,
            },
        .actor = {.state = gridcell::Sprite::lifetime,
                  .caps = 2,
                  .keepsSpriteHost = true,
                  .draw = gridcell::drawTable,
                  .handleEvent = gridcell::handleTableEvent},
    };
    return kind;
}
