// Small painting helpers shared by the steps of a full draw and the trace overlay.
#include "graph_drawing.h"

namespace plotmark {

void clipTo(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    zx::GdiObject<HRGN> region(CreateRectRgn(left, top, right, bottom));
    if (region) {
        SelectClipRgn(dc, region.get());
    }
}

zx::GdiObject<HFONT> plotFont(const char* face, int32_t weight, int32_t escapement) {
    return zx::GdiObject<HFONT>(CreateFontA(
        15, 0, escapement, escapement, weight, FALSE, FALSE, FALSE, ANSI_CHARSET,
        OUT_DEFAULT_PRECIS, CLIP_CHARACTER_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face));
}

void paintLine(HDC dc, PixelPoint from, PixelPoint to) {
    MoveToEx(dc, from.x, from.y, nullptr);
    LineTo(dc, to.x, to.y);
}

void paintSymbol(HDC dc, PixelPoint at, int32_t symbol) {
    const int x = at.x;
    const int y = at.y;
    switch (symbol) {
    case 0: // cross
        paintLine(dc, {x - 3, y - 3}, {x + 4, y + 4});
        paintLine(dc, {x + 3, y - 3}, {x - 4, y + 4});
        break;
    case 1: // open square
        MoveToEx(dc, x - 3, y - 3, nullptr);
        LineTo(dc, x + 3, y - 3);
        LineTo(dc, x + 3, y + 3);
        LineTo(dc, x - 3, y + 3);
        LineTo(dc, x - 3, y - 3);
        break;
    case 2: // open triangle
        MoveToEx(dc, x, y - 4, nullptr);
        LineTo(dc, x + 4, y + 3);
        LineTo(dc, x - 4, y + 3);
        LineTo(dc, x, y - 4);
        break;
    case 3: // filled circle
        Ellipse(dc, x - 4, y - 4, x + 4, y + 4);
        break;
    case 4: // filled square
        Rectangle(dc, x - 3, y - 3, x + 3, y + 3);
        break;
    default:
        break;
    }
}

} // namespace plotmark
