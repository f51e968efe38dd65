// One reference scene drawn with every primitive, compared pixel for pixel with
// tests/golden/platform_scene.png. To regenerate the golden image after an intended
// change, run the test with ZX_UPDATE_GOLDEN=1 in the environment, then look at it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "gdi_canvas.h"

using namespace gdi_test;

namespace {

void drawScene(HDC dc) {
    // A plot: hatch-shaded area, grid, axes with ticks, a styled line, a curve, symbols.
    HRGN region = CreateRectRgn(0, 0, 240, 160);
    SelectClipRgn(dc, region);
    DeleteObject(region);
    HBRUSH back = CreateSolidBrush(RGB(255, 255, 230));
    HGDIOBJ oldBrush = SelectObject(dc, back);
    Rectangle(dc, 0, 0, 240, 160);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    HBRUSH hatch = CreateHatchBrush(HS_BDIAGONAL, RGB(0, 128, 0));
    SelectObject(dc, hatch);
    SetBkMode(dc, TRANSPARENT);
    const POINT shade[] = {{30, 130}, {30, 90}, {80, 60}, {130, 80}, {130, 130}};
    Polygon(dc, shade, 5);
    HPEN grid = CreatePen(PS_SOLID, 1, PALETTERGB(0x99, 0xCC, 0xFF));
    SelectObject(dc, grid);
    for (int x = 30; x <= 230; x += 40) {
        MoveToEx(dc, x, 10, nullptr);
        LineTo(dc, x, 131);
    }
    SelectObject(dc, GetStockObject(BLACK_PEN));
    MoveToEx(dc, 30, 130, nullptr);
    LineTo(dc, 231, 130);
    for (int x = 30; x <= 230; x += 40) {
        MoveToEx(dc, x, 130, nullptr);
        LineTo(dc, x, 130 - 8);
    }
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, RGB(255, 255, 230));
    HPEN dashDot = CreatePen(PS_DASHDOT, 1, RGB(200, 0, 0));
    SelectObject(dc, dashDot);
    MoveToEx(dc, 30, 40, nullptr);
    LineTo(dc, 230, 110);
    HPEN curve = CreatePen(PS_SOLID, 2, RGB(0, 0, 200));
    SelectObject(dc, curve);
    MoveToEx(dc, 30, 120, nullptr);
    for (int x = 30; x <= 230; x += 10) {
        LineTo(dc, x, 120 - (x - 30) * (x - 30) / 450);
    }
    SelectObject(dc, GetStockObject(BLACK_PEN));
    HBRUSH pip = CreateSolidBrush(RGB(255, 0, 255));
    SelectObject(dc, pip);
    Ellipse(dc, 145, 55, 155, 65);
    Rectangle(dc, 187, 47, 193, 53);
    MoveToEx(dc, 67, 97, nullptr);
    LineTo(dc, 74, 104);
    MoveToEx(dc, 73, 97, nullptr);
    LineTo(dc, 66, 104);
    // Labels: opaque boxes over the grid, a vertical caption, a clipped right edge.
    HFONT font = CreateFontA(15, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, CLIP_CHARACTER_PRECIS,
                             0, 0, "Arial");
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetTextAlign(dc, 6);
    TextOutA(dc, 110, 133, "0.5", 3);
    SetTextAlign(dc, 26);
    TextOutA(dc, 225, 20, "Y max", 5);
    SetTextAlign(dc, 14);
    TextOutA(dc, 130, 159, "Time (s)", 8);
    HFONT vertical = CreateFontA(15, 0, 900, 900, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0,
                                 CLIP_CHARACTER_PRECIS, 0, 0, "Arial");
    SelectObject(dc, vertical);
    SetTextAlign(dc, 6);
    TextOutA(dc, 5, 70, "Speed", 5);
    SelectObject(dc, oldFont);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    SelectClipRgn(dc, nullptr);
    // A cached copy blitted back with its last row and column left out.
    HDC copy = CreateCompatibleDC(dc);
    HBITMAP copyBits = CreateCompatibleBitmap(dc, 60, 40);
    HGDIOBJ oldCopy = SelectObject(copy, copyBits);
    BitBlt(copy, 0, 0, 60, 40, dc, 140, 40, SRCCOPY);
    BitBlt(dc, 240, 0, 59, 39, copy, 0, 0, SRCCOPY);
    StretchBlt(dc, 240, 60, 30, 20, copy, 0, 0, 60, 40, SRCCOPY);
    SelectObject(copy, oldCopy);
    DeleteObject(copyBits);
    DeleteDC(copy);
    for (HGDIOBJ o : {HGDIOBJ(back), HGDIOBJ(hatch), HGDIOBJ(grid), HGDIOBJ(dashDot),
                      HGDIOBJ(curve), HGDIOBJ(pip), HGDIOBJ(font), HGDIOBJ(vertical)}) {
        DeleteObject(o);
    }
}

} // namespace

TEST(GdiScene, ReferenceSceneMatchesTheGoldenImage) {
    Canvas c(300, 160);
    drawScene(c.dc());
    const std::string golden = std::string(ZX_SOURCE_DIR) + "/tests/golden/platform_scene.png";
    if (const char* update = std::getenv("ZX_UPDATE_GOLDEN"); update && *update == '1') {
        ASSERT_TRUE(zxw32::savePng(c.bitmap(), golden.c_str()));
        GTEST_SKIP() << "golden image rewritten: " << golden;
    }
    std::vector<uint32_t> expected;
    int w = 0, h = 0;
    ASSERT_TRUE(zxw32::loadPng(golden.c_str(), &expected, &w, &h)) << golden;
    ASSERT_EQ(w, c.width());
    ASSERT_EQ(h, c.height());
    zxw32::DibPixels px;
    zxw32::dibPixels(c.bitmap(), &px);
    int differing = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            differing += px.row(y)[x] != expected[size_t(y * w + x)] ? 1 : 0;
        }
    }
    EXPECT_EQ(differing, 0);
}
