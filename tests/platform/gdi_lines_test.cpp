// Lines: end-pixel exclusion, octant tie-breaking as GDI does it, analytic clipping,
// far coordinates, wide pens and cosmetic style patterns.
#include <gtest/gtest.h>

#include <random>

#include "gdi_canvas.h"

using namespace gdi_test;

namespace {

PixelSet line(Canvas& c, int x0, int y0, int x1, int y1) {
    c.clear(kWhite);
    MoveToEx(c.dc(), x0, y0, nullptr);
    LineTo(c.dc(), x1, y1);
    return c.pixels(kBlack);
}

PixelSet offsets(const PixelSet& s, int x0, int y0) {
    PixelSet out;
    for (auto [x, y] : s) {
        out.insert({x - x0, y - y0});
    }
    return out;
}

} // namespace

TEST(GdiLines, LineToLeavesOutItsEndPixelAndMovesTheCurrentPosition) {
    Canvas c;
    EXPECT_EQ(line(c, 5, 5, 12, 5),
              (PixelSet{{5, 5}, {6, 5}, {7, 5}, {8, 5}, {9, 5}, {10, 5}, {11, 5}}));
    POINT pos{};
    GetCurrentPositionEx(c.dc(), &pos);
    EXPECT_EQ(pos.x, 12);
    EXPECT_EQ(pos.y, 5);
    EXPECT_TRUE(line(c, 20, 20, 20, 20).empty());
    // The symbol cross: a line to (x + 4, y + 4) paints seven pixels.
    EXPECT_EQ(line(c, 10, 10, 17, 17).size(), 7u);
}

// Pixel sets measured on Windows GDI (through Wine) for half-way ties in four octants.
TEST(GdiLines, TiesAreBrokenPerOctantAsWindowsDoes) {
    Canvas c;
    EXPECT_EQ(offsets(line(c, 20, 20, 24, 22), 20, 20), (PixelSet{{0, 0}, {1, 0}, {2, 1}, {3, 1}}));
    EXPECT_EQ(offsets(line(c, 30, 20, 26, 22), 30, 20),
              (PixelSet{{-1, 0}, {0, 0}, {-3, 1}, {-2, 1}}));
    EXPECT_EQ(offsets(line(c, 20, 30, 24, 28), 20, 30),
              (PixelSet{{3, -2}, {1, -1}, {2, -1}, {0, 0}}));
    EXPECT_EQ(offsets(line(c, 30, 30, 26, 28), 30, 30),
              (PixelSet{{-3, -2}, {-2, -1}, {-1, -1}, {0, 0}}));
    EXPECT_EQ(offsets(line(c, 40, 10, 42, 14), 40, 10), (PixelSet{{0, 0}, {0, 1}, {1, 2}, {1, 3}}));
    EXPECT_EQ(offsets(line(c, 50, 10, 48, 14), 50, 10),
              (PixelSet{{0, 0}, {-1, 1}, {-1, 2}, {-2, 3}}));
}

TEST(GdiLines, EveryOctantPaintsOneConnectedRunOfMaxDeltaPixels) {
    Canvas c;
    for (int dx = -9; dx <= 9; ++dx) {
        for (int dy = -9; dy <= 9; ++dy) {
            PixelSet s = line(c, 30, 24, 30 + dx, 24 + dy);
            ASSERT_EQ(int(s.size()), std::max(std::abs(dx), std::abs(dy))) << dx << "," << dy;
            if (!s.empty()) {
                EXPECT_TRUE(s.count({30, 24})) << dx << "," << dy;
                EXPECT_FALSE(s.count({30 + dx, 24 + dy})) << dx << "," << dy;
            }
        }
    }
}

TEST(GdiLines, ClippedLineShowsExactlyThePixelsOfTheUnclippedLine) {
    Canvas c(80, 60);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coord(-200, 260);
    for (int n = 0; n < 300; ++n) {
        int x0 = coord(random), y0 = coord(random), x1 = coord(random), y1 = coord(random);
        SelectClipRgn(c.dc(), nullptr);
        PixelSet whole = line(c, x0, y0, x1, y1);
        HRGN region = CreateRectRgn(13, 9, 61, 47);
        SelectClipRgn(c.dc(), region);
        DeleteObject(region);
        PixelSet clipped = line(c, x0, y0, x1, y1);
        PixelSet expected;
        for (auto [x, y] : whole) {
            if (x >= 13 && x < 61 && y >= 9 && y < 47) {
                expected.insert({x, y});
            }
        }
        ASSERT_EQ(clipped, expected) << x0 << "," << y0 << " -> " << x1 << "," << y1;
    }
}

TEST(GdiLines, CoordinatesAtTheSixteenBitLimitsDrawWithoutOverflow) {
    Canvas c(50, 50);
    PixelSet diagonal = line(c, -32767, -32767, 32767, 32767);
    ASSERT_EQ(diagonal.size(), 50u);
    for (int i = 0; i < 50; ++i) {
        EXPECT_TRUE(diagonal.count({i, i}));
    }
    PixelSet flat = line(c, -32767, 7, 32767, 7);
    EXPECT_EQ(flat.size(), 50u);
    EXPECT_EQ(c.bounds(kBlack).top, 7);
    EXPECT_TRUE(line(c, 32767, 32767, 32767, -32767).empty());
}

TEST(GdiLines, TwoPixelPenCoversTwoRowsAndBothEnds) {
    Canvas c;
    Selected pen(c.dc(), CreatePen(PS_SOLID, 2, kBlack));
    RECT r = (line(c, 10, 20, 30, 20), c.bounds(kBlack));
    EXPECT_EQ(r.left, 9);
    EXPECT_EQ(r.right, 31);
    EXPECT_EQ(r.top, 19);
    EXPECT_EQ(r.bottom, 21);
}

TEST(GdiLines, DotPatternAlternatesThreePixelsWithGapsByBackgroundMode) {
    Canvas c;
    Selected pen(c.dc(), CreatePen(PS_DOT, 1, kRed));
    SetBkColor(c.dc(), kBlue);
    SetBkMode(c.dc(), OPAQUE);
    MoveToEx(c.dc(), 0, 5, nullptr);
    LineTo(c.dc(), 12, 5);
    const COLORREF opaque[12] = {kRed, kRed, kRed, kBlue, kBlue, kBlue,
                                 kRed, kRed, kRed, kBlue, kBlue, kBlue};
    for (int x = 0; x < 12; ++x) {
        EXPECT_EQ(c.at(x, 5), opaque[x]) << x;
    }
    SetBkMode(c.dc(), TRANSPARENT);
    MoveToEx(c.dc(), 0, 8, nullptr);
    LineTo(c.dc(), 12, 8);
    for (int x = 0; x < 12; ++x) {
        EXPECT_EQ(c.at(x, 8), opaque[x] == kRed ? kRed : kWhite) << x;
    }
}

TEST(GdiLines, DashDotRunsNineSixThreeSixAndRestartsAtEachLineTo) {
    Canvas c;
    Selected pen(c.dc(), CreatePen(PS_DASHDOT, 1, kRed));
    SetBkMode(c.dc(), TRANSPARENT);
    MoveToEx(c.dc(), 0, 5, nullptr);
    LineTo(c.dc(), 30, 5);
    std::string runs;
    for (int x = 0; x < 30; ++x) {
        runs += c.at(x, 5) == kRed ? '#' : '.';
    }
    EXPECT_EQ(runs, "#########......###......######");
    // Two LineTo calls: the second starts the pattern afresh.
    MoveToEx(c.dc(), 0, 9, nullptr);
    LineTo(c.dc(), 4, 9);
    LineTo(c.dc(), 20, 9);
    runs.clear();
    for (int x = 0; x < 20; ++x) {
        runs += c.at(x, 9) == kRed ? '#' : '.';
    }
    EXPECT_EQ(runs, "#############......#");
}
