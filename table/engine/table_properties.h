// The table member's record: the addressing and format properties, the column widths and
// row heights, and the 1000 cells with their texts, formats, picture entries and the layout
// and text widths of the last draw. Plain data, laid out in declaration order, so that the
// frame can address each property field by its offset.
#pragma once

#include <cstdint>

namespace gridcell {

inline constexpr int32_t kMaxCells = 1000;
inline constexpr int32_t kMaxColumns = 20; // column widths
inline constexpr int32_t kMaxRows = 200;   // row heights
inline constexpr int32_t kMaxPictures = 20;
inline constexpr int32_t kTextSize = 60; // 59 characters and the terminator
inline constexpr int32_t kCellFontNameSize = 62;
inline constexpr int32_t kNoPicture = -1;

// Text alignment of a cell and of TypeHAlign.
inline constexpr int32_t kAlignLeft = 0;
inline constexpr int32_t kAlignRight = 1;
inline constexpr int32_t kAlignCentre = 2;

struct CellRect {
    int32_t x, y, right, bottom; // relative to the table's top-left corner
    bool operator==(const CellRect&) const = default;
};

struct TableCell {
    char text[kTextSize];
    int32_t textWidth; // measured when the cell was last drawn
    int32_t alignment;
    uint32_t backColor;
    uint32_t textColor;
    int32_t picture; // picture entry, kNoPicture for none
    CellRect rect;   // from the last layout
    int32_t fontHeight;
    uint8_t bold;
    uint8_t italic;
    char fontName[kCellFontNameSize];
};

struct TableProperties {
    int32_t col, row, col2, row2;
    int32_t maxCols, maxRows; // indexes of the last column and row, as written
    int32_t activeRow, activeCol;
    uint32_t backColor;
    int32_t blockMode;
    uint32_t textColor;
    int32_t widths[kMaxColumns];
    int32_t heights[kMaxRows];
    int32_t action;
    int32_t typeHAlign;
    int32_t topRow, leftCol;
    int32_t displayRowHeaders, displayColHeaders;
    int32_t minWidth;
    int32_t fontSize, fontBold, fontItalic;
    char fontName[kTextSize];
    TableCell cells[kMaxCells];
    int32_t pictureCount; // picture entries in use, taken in order
};

// A new member: 4 columns of 70 pixels, 11 rows of 17, every cell formatted from the
// default properties (white, black text, left, "Arial" 15 bold).
void setDefaultProperties(TableProperties& table);

} // namespace gridcell
