// The table's cast window thumbnail: a small sheet with a grey header row (A, B, C) and
// header column (1 to 3), lines of text in the white cells and one picture cell.
#include "art.h"

namespace bitmaps {

Canvas gridcellThumbnail() {
    constexpr Rgb kHeader{0xD4, 0xD0, 0xC8};
    constexpr Rgb kCell{0xFF, 0xFF, 0xFF};
    constexpr Rgb kRule{0x80, 0x80, 0x80};
    constexpr Rgb kInk{0x00, 0x00, 0x00};
    constexpr Rgb kText{0x40, 0x40, 0x48};
    constexpr Rgb kSky{0x70, 0xB0, 0xE8};
    constexpr Rgb kHill{0x40, 0xA0, 0x50};
    constexpr Rgb kSun{0xF0, 0xC0, 0x20};
    Canvas canvas(48, 32, Rgb{0xC0, 0xC0, 0xC0});

    // Rules between the columns and rows; the header column and row are narrower.
    constexpr int kColumns[] = {1, 8, 21, 34, 47};
    constexpr int kRows[] = {1, 8, 15, 22, 29};
    const int left = kColumns[0];
    const int right = kColumns[4] + 1;
    const int top = kRows[0];
    const int bottom = kRows[4] + 1;
    canvas.fill(left, top, right, bottom, kCell);
    canvas.fill(left, top, right, kRows[1], kHeader);
    canvas.fill(left, top, kColumns[1], bottom, kHeader);
    for (int x : kColumns) {
        canvas.fill(x, top, x + 1, bottom, kRule);
    }
    for (int y : kRows) {
        canvas.fill(left, y, right, y + 1, kRule);
    }

    const Font& font = smallFont();
    const char* const columnNames[] = {"A", "B", "C"};
    for (int column = 0; column < 3; ++column) {
        const int x = (kColumns[column + 1] + kColumns[column + 2] + 1 - font.width) / 2;
        canvas.text(x, kRows[0] + 1, columnNames[column], font, kInk);
    }
    const char* const rowNames[] = {"1", "2", "3"};
    for (int row = 0; row < 3; ++row) {
        canvas.text(kColumns[0] + 2, kRows[row + 1] + 1, rowNames[row], font, kInk);
    }

    // Text as short strokes of varying length, left aligned in the cells.
    constexpr int kLengths[3][3] = {{9, 6, 0}, {7, 10, 8}, {10, 5, 0}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const int length = kLengths[row][column];
            const int x = kColumns[column + 1] + 2;
            const int y = kRows[row + 1] + 3;
            canvas.fill(x, y, x + length, y + 2, kText);
        }
    }

    // A picture cell: sky, a hill and the sun.
    auto pictureCell = [&](int column, int row) {
        const int x0 = kColumns[column + 1] + 1;
        const int y0 = kRows[row + 1] + 1;
        const int x1 = kColumns[column + 2];
        const int y1 = kRows[row + 2];
        canvas.fill(x0, y0, x1, y1, kSky);
        canvas.fill(x0, y1 - 2, x1, y1, kHill);
        canvas.fill(x0 + 3, y1 - 3, x1 - 2, y1 - 2, kHill);
        canvas.fill(x1 - 4, y0 + 1, x1 - 2, y0 + 3, kSun);
    };
    pictureCell(2, 0);
    pictureCell(2, 2);
    return canvas;
}

} // namespace bitmaps
