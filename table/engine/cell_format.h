// Cell formats: the seven format properties each store the value written and then apply it
// to the addressed cell or block; loading and the properties dialog apply all seven to every
// cell.
#pragma once

#include <cstdint>

#include "engine/cell_access.h"
#include "engine/table_properties.h"

namespace gridcell {

enum class Format { BackColor, TextColor, Alignment, FontSize, FontBold, FontItalic, FontName };

// Gives the cells of the addressed block the format's current property value (the font
// name: xFontName with its terminator; bold and italic: the low byte of the value).
void applyFormat(TableProperties& table, Format format);

// Gives one cell all seven formats of the properties.
void formatFromProperties(const TableProperties& table, TableCell& cell);

// Gives every existing cell all seven formats.
void applyFormatsToAll(TableProperties& table);

// The properties dialog's OK: every row after 0 takes the height of row 0 and every column
// after 0 the width of column 0, within the existing rows and columns.
void spreadFirstRowAndColumn(TableProperties& table);

} // namespace gridcell
