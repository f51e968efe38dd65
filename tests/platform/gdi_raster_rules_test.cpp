// Exact pixels of the figures whose rasterisation has quirks of its own: small ellipses,
// wide pens and the sampling of enlarging stretches. The expected pictures are what the
// Windows GDI draws for the same calls ('#' pen, 'o' brush, '.' untouched).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gdi_canvas.h"

using namespace gdi_test;

namespace {

// Every pixel of the picture `rows` placed at (x0, y0) that shows `mark`.
PixelSet picture(int x0, int y0, const std::vector<std::string>& rows, char mark) {
    PixelSet out;
    for (size_t y = 0; y < rows.size(); ++y) {
        for (size_t x = 0; x < rows[y].size(); ++x) {
            if (rows[y][x] == mark) {
                out.insert({x0 + int(x), y0 + int(y)});
            }
        }
    }
    return out;
}

// Draws Ellipse(l, t, r, b) with a red pen of `width` (none for 0) and a blue brush.
void drawEllipse(Canvas& c, int width, int l, int t, int r, int b) {
    HPEN pen = width > 0 ? CreatePen(PS_SOLID, width, kRed) : CreatePen(PS_NULL, 1, kRed);
    Selected p(c.dc(), pen);
    Selected brush(c.dc(), CreateSolidBrush(kBlue));
    Ellipse(c.dc(), l, t, r, b);
}

void drawLine(Canvas& c, int width, int x0, int y0, int x1, int y1) {
    Selected pen(c.dc(), CreatePen(PS_SOLID, width, kRed));
    MoveToEx(c.dc(), x0, y0, nullptr);
    LineTo(c.dc(), x1, y1);
}

} // namespace

TEST(GdiRasterRules, SmallEllipseKeepsItsDiagonalCornerPixels) {
    Canvas c;
    drawEllipse(c, 1, 10, 10, 19, 19);
    const std::vector<std::string> expected = {
        "...###...", ".##ooo##.", ".#ooooo#.", "#ooooooo#", "#ooooooo#",
        "#ooooooo#", ".#ooooo#.", ".##ooo##.", "...###...",
    };
    EXPECT_EQ(c.pixels(kRed), picture(10, 10, expected, '#'));
    EXPECT_EQ(c.pixels(kBlue), picture(10, 10, expected, 'o'));
}

TEST(GdiRasterRules, NarrowEllipsesLeaveTheirTipsOpenOrFillTheBox) {
    Canvas c;
    drawEllipse(c, 1, 10, 10, 13, 18); // three wide: the walk stops short of the tips
    const std::vector<std::string> expected = {".#.", "#o#", "#o#", "#o#", "#o#", ".#."};
    EXPECT_EQ(c.pixels(kRed), picture(10, 11, expected, '#'));
    EXPECT_EQ(c.pixels(kBlue), picture(10, 11, expected, 'o'));

    Canvas thin;
    drawEllipse(thin, 1, 10, 10, 12, 15); // two wide: the whole box is outline
    drawEllipse(thin, 1, 20, 10, 21, 11); // one pixel: nothing at all
    EXPECT_EQ(thin.pixels(kRed), picture(10, 10, {"##", "##", "##", "##", "##"}, '#'));
    EXPECT_TRUE(thin.pixels(kBlue).empty());
}

TEST(GdiRasterRules, EllipseWithoutPenFillsTheSameFigure) {
    Canvas c;
    drawEllipse(c, 0, 10, 10, 19, 19);
    EXPECT_EQ(c.pixels(kBlue),
              picture(10, 10,
                      {"...ooo...", ".ooooooo.", ".ooooooo.", "ooooooooo", "ooooooooo", "ooooooooo",
                       ".ooooooo.", ".ooooooo.", "...ooo..."},
                      'o'));
    // Boxes two pixels thin fill [l, r - 2] x [t, b - 2].
    Canvas thin;
    drawEllipse(thin, 0, 10, 10, 16, 12);
    EXPECT_EQ(thin.pixels(kBlue), picture(10, 10, {"ooooo"}, 'o'));
}

TEST(GdiRasterRules, TwoPixelPenEllipseStrokesTheOutlineWithSquareDots) {
    Canvas c;
    drawEllipse(c, 2, 10, 10, 21, 21);
    const std::vector<std::string> expected = {
        "...######...", "..########..", ".####oo####.", "####oooo####",
        "###oooooo###", "##oooooooo##", "##oooooooo##", "##oooooooo##",
        "###oooooo###", "####oooo####", ".##########.", "..########..",
    };
    EXPECT_EQ(c.pixels(kRed), picture(9, 9, expected, '#'));
    EXPECT_EQ(c.pixels(kBlue), picture(9, 9, expected, 'o'));
}

TEST(GdiRasterRules, WidePenSidesRoundByTheLineDirection) {
    // Falling to the right: the upper side rounds away from the line, the lower one to
    // the nearest pixel; rising to the right it is the other way round.
    Canvas falling(128, 128);
    drawLine(falling, 3, 60, 60, 100, 67);
    EXPECT_EQ(falling.pixels(kRed), picture(59, 59,
                                            {
                                                ".#######...................................",
                                                "##############.............................",
                                                ".###################.......................",
                                                ".......##################..................",
                                                ".............##################............",
                                                "...................##################......",
                                                "........................##################.",
                                                "..............................############.",
                                                "....................................#######",
                                                ".........................................#.",
                                            },
                                            '#'));
    Canvas rising(128, 128);
    drawLine(rising, 3, 60, 60, 100, 55);
    EXPECT_EQ(rising.pixels(kRed), picture(59, 54,
                                           {
                                               ".........................................#.",
                                               ".................................##########",
                                               ".........................#################.",
                                               ".................#########################.",
                                               ".........#########################.........",
                                               ".#########################.................",
                                               "##################.........................",
                                               ".#########.................................",
                                           },
                                           '#'));
}

TEST(GdiRasterRules, WidePenDotIsTheFilledEllipseOfItsWidth) {
    Canvas c(128, 128);
    drawLine(c, 8, 60, 60, 60, 60);
    EXPECT_EQ(c.pixels(kRed), picture(56, 56,
                                      {"..####..", ".######.", "########", "########", "########",
                                       "########", ".######.", "..####.."},
                                      '#'));
}

TEST(GdiRasterRules, EnlargingStretchSendsExactTiesToTheFirstSourcePixel) {
    // Destination pixel j samples source pixel ((2j + 1) n - 1) / 2m: the centre of pixel
    // 2 of 5 lies on the edge between the two source pixels and takes the left one.
    Canvas src(2, 2), dst(16, 16);
    SetPixel(src.dc(), 1, 0, kRed);
    SetPixel(src.dc(), 0, 1, kBlue);
    StretchBlt(dst.dc(), 0, 0, 5, 5, src.dc(), 0, 0, 2, 2, SRCCOPY);
    EXPECT_EQ(dst.pixels(kRed), (PixelSet{{3, 0}, {4, 0}, {3, 1}, {4, 1}, {3, 2}, {4, 2}}));
    EXPECT_EQ(dst.pixels(kBlue), (PixelSet{{0, 3}, {1, 3}, {2, 3}, {0, 4}, {1, 4}, {2, 4}}));
    // 40 to 57: destination column 28 falls exactly between source columns 19 and 20.
    Canvas wide(40, 1), out(57, 1);
    SetPixel(wide.dc(), 19, 0, kRed);
    StretchBlt(out.dc(), 0, 0, 57, 1, wide.dc(), 0, 0, 40, 1, SRCCOPY);
    EXPECT_EQ(out.at(28, 0), kRed);
    EXPECT_EQ(out.at(29, 0), kWhite);
}

TEST(GdiRasterRules, WidePenPaintsEachPixelOfAPolylineOnce) {
    // XOR shows any pixel painted twice: where segments, caps and the joint overlap.
    const POINT path[] = {{50, 50}, {90, 70}, {60, 100}};
    Canvas copy(128, 128), xored(128, 128);
    {
        Selected pen(copy.dc(), CreatePen(PS_SOLID, 3, kRed));
        Polyline(copy.dc(), path, 3);
    }
    {
        Selected pen(xored.dc(), CreatePen(PS_SOLID, 3, kRed));
        SetROP2(xored.dc(), R2_XORPEN);
        Polyline(xored.dc(), path, 3);
    }
    const COLORREF cyan = RGB(0, 255, 255); // white XOR red
    EXPECT_FALSE(copy.pixels(kRed).empty());
    EXPECT_EQ(xored.pixels(cyan), copy.pixels(kRed));
    EXPECT_EQ(xored.at(90, 70), cyan);
}

TEST(GdiRasterRules, OnePixelWideEllipseIsAnOutAndBackPathWithoutBrush) {
    Canvas c;
    SetROP2(c.dc(), R2_XORPEN);
    drawEllipse(c, 1, 10, 10, 11, 15);
    const COLORREF cyan = RGB(0, 255, 255);
    EXPECT_EQ(c.at(10, 10), cyan);
    EXPECT_EQ(c.at(10, 14), cyan);
    for (int y = 11; y < 14; ++y) {
        EXPECT_EQ(c.at(10, y), kWhite) << y;
    }
}
