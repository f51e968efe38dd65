// Applying the format properties to cells.
#include "engine/cell_format.h"

#include <cstring>

#include "engine/grid_limits.h"

namespace gridcell {
namespace {

void copyFontName(const TableProperties& t, TableCell& cell) {
    // xFontName is 60 bytes and always terminated; the cell's 62 bytes take it whole.
    static_assert(sizeof cell.fontName >= sizeof t.fontName);
    std::memcpy(cell.fontName, t.fontName, sizeof t.fontName);
    cell.fontName[sizeof t.fontName - 1] = '\0';
}

void setFormat(const TableProperties& t, Format format, TableCell& cell) {
    switch (format) {
    case Format::BackColor:
        cell.backColor = t.backColor;
        break;
    case Format::TextColor:
        cell.textColor = t.textColor;
        break;
    case Format::Alignment:
        cell.alignment = t.typeHAlign;
        break;
    case Format::FontSize:
        cell.fontHeight = t.fontSize;
        break;
    case Format::FontBold:
        cell.bold = static_cast<uint8_t>(t.fontBold & 0xFF);
        break;
    case Format::FontItalic:
        cell.italic = static_cast<uint8_t>(t.fontItalic & 0xFF);
        break;
    case Format::FontName:
        copyFontName(t, cell);
        break;
    }
}

constexpr Format kAllFormats[] = {Format::BackColor, Format::TextColor, Format::Alignment,
                                  Format::FontSize,  Format::FontBold,  Format::FontItalic,
                                  Format::FontName};

} // namespace

void applyFormat(TableProperties& t, Format format) {
    forEachCell(t, addressedBlock(t), [&](TableCell& cell) { setFormat(t, format, cell); });
}

void formatFromProperties(const TableProperties& t, TableCell& cell) {
    for (Format format : kAllFormats) {
        setFormat(t, format, cell);
    }
}

void applyFormatsToAll(TableProperties& t) {
    forEachCell(t, wholeTable(t), [&](TableCell& cell) { formatFromProperties(t, cell); });
}

void spreadFirstRowAndColumn(TableProperties& t) {
    for (int32_t r = 1; r <= effectiveLastRow(t); ++r) {
        t.heights[r] = t.heights[0];
    }
    for (int32_t c = 1; c <= effectiveLastColumn(t); ++c) {
        t.widths[c] = t.widths[0];
    }
}

} // namespace gridcell
