// Filled figures: Rectangle coverage for each pen and brush combination, the hatch brush,
// Ellipse boxes, Polygon fill rules and FillRect.
#include <gtest/gtest.h>

#include "gdi_canvas.h"

using namespace gdi_test;

namespace {

HGDIOBJ stock(int index) {
    return GetStockObject(index);
}

} // namespace

TEST(GdiShapes, RectangleFramesOutermostPixelsUpToRightAndBottomMinusOne) {
    Canvas c;
    Selected brush(c.dc(), CreateSolidBrush(kRed));
    Rectangle(c.dc(), 10, 10, 20, 16);
    EXPECT_EQ(c.bounds(kBlack).left, 10);
    EXPECT_EQ(c.bounds(kBlack).right, 20);
    EXPECT_EQ(c.bounds(kBlack).bottom, 16);
    EXPECT_EQ(c.pixels(kBlack).size(), 2u * 10 + 2u * 4);
    EXPECT_EQ(c.bounds(kRed).left, 11);
    EXPECT_EQ(c.bounds(kRed).right, 19);
    EXPECT_EQ(c.pixels(kRed).size(), 8u * 4);
}

TEST(GdiShapes, NullPenRectangleLeavesLastRowAndColumn) {
    Canvas c;
    HGDIOBJ oldPen = SelectObject(c.dc(), stock(NULL_PEN));
    Selected brush(c.dc(), CreateSolidBrush(kRed));
    Rectangle(c.dc(), 10, 10, 20, 16);
    RECT r = c.bounds(kRed);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 10);
    EXPECT_EQ(r.right, 19);
    EXPECT_EQ(r.bottom, 15);
    EXPECT_EQ(c.pixels(kRed).size(), 9u * 5);
    SelectObject(c.dc(), oldPen);
}

TEST(GdiShapes, NullBrushRectangleOnlyFrames) {
    Canvas c;
    c.clear(kBlue);
    HGDIOBJ oldBrush = SelectObject(c.dc(), stock(NULL_BRUSH));
    Rectangle(c.dc(), 10, 10, 20, 16);
    EXPECT_EQ(c.pixels(kBlack).size(), 28u);
    EXPECT_EQ(c.at(15, 13), kBlue);
    SelectObject(c.dc(), oldBrush);
}

TEST(GdiShapes, SwappedCornersDrawTheSameRectangle) {
    Canvas a, b;
    Rectangle(a.dc(), 5, 6, 25, 30);
    Rectangle(b.dc(), 25, 30, 5, 6);
    EXPECT_EQ(a.pixels(kBlack), b.pixels(kBlack));
    EXPECT_TRUE(Rectangle(a.dc(), 5, 5, 5, 30));
}

TEST(GdiShapes, StockBrushesHaveWindowsGreys) {
    Canvas c;
    HGDIOBJ old = SelectObject(c.dc(), stock(LTGRAY_BRUSH));
    Rectangle(c.dc(), 0, 0, 10, 10);
    EXPECT_EQ(c.at(5, 5), RGB(192, 192, 192));
    SelectObject(c.dc(), stock(GRAY_BRUSH));
    Rectangle(c.dc(), 0, 0, 10, 10);
    EXPECT_EQ(c.at(5, 5), RGB(128, 128, 128));
    SelectObject(c.dc(), old);
}

TEST(GdiShapes, InsideFramePenKeepsTheWideFrameInsideTheBox) {
    Canvas c;
    Selected pen(c.dc(), CreatePen(PS_INSIDEFRAME, 3, kBlack));
    Rectangle(c.dc(), 10, 10, 30, 30);
    RECT r = c.bounds(kBlack);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 10);
    EXPECT_EQ(r.right, 30);
    EXPECT_EQ(r.bottom, 30);
    EXPECT_EQ(c.at(12, 20), kBlack);
    EXPECT_EQ(c.at(13, 20), kWhite);
}

TEST(GdiShapes, BackwardDiagonalHatchIsAlignedToTheDeviceOrigin) {
    Canvas c;
    HGDIOBJ oldPen = SelectObject(c.dc(), stock(NULL_PEN));
    SetBkMode(c.dc(), TRANSPARENT);
    {
        Selected brush(c.dc(), CreateHatchBrush(HS_BDIAGONAL, kRed));
        Rectangle(c.dc(), 3, 5, 40, 30);
    }
    for (int y = 5; y < 29; ++y) {
        for (int x = 3; x < 39; ++x) {
            ASSERT_EQ(c.at(x, y), (x + y) % 8 == 7 ? kRed : kWhite) << x << "," << y;
        }
    }
    SetBkMode(c.dc(), OPAQUE);
    SetBkColor(c.dc(), kBlue);
    {
        Selected brush(c.dc(), CreateHatchBrush(HS_BDIAGONAL, kRed));
        Rectangle(c.dc(), 40, 5, 50, 30);
    }
    EXPECT_EQ(c.at(42, 6), kBlue);
    EXPECT_EQ(c.at(41, 14), kRed);
    SelectObject(c.dc(), oldPen);
}

TEST(GdiShapes, EllipseStaysInsideItsBoxAndIsSymmetric) {
    Canvas c;
    Selected brush(c.dc(), CreateSolidBrush(kRed));
    Ellipse(c.dc(), 20, 10, 30, 20); // the pip: box +/- 5
    RECT r = c.bounds(kBlack);
    EXPECT_EQ(r.left, 20);
    EXPECT_EQ(r.top, 10);
    EXPECT_EQ(r.right, 30);
    EXPECT_EQ(r.bottom, 20);
    for (auto [x, y] : c.pixels(kBlack)) {
        EXPECT_EQ(c.at(49 - x, y), kBlack);
        EXPECT_EQ(c.at(x, 29 - y), kBlack);
    }
    EXPECT_EQ(c.at(25, 15), kRed);
    EXPECT_EQ(c.at(20, 10), kWhite);
}

TEST(GdiShapes, PolygonFillFollowsTheFillMode) {
    Canvas c(80, 60);
    HGDIOBJ oldPen = SelectObject(c.dc(), stock(NULL_PEN));
    Selected brush(c.dc(), CreateSolidBrush(kRed));
    const POINT star[] = {{40, 5}, {55, 55}, {15, 23}, {65, 23}, {25, 55}};
    Polygon(c.dc(), star, 5);
    EXPECT_EQ(c.at(40, 30), kWhite); // the centre of a star is outside with ALTERNATE
    EXPECT_EQ(c.at(40, 15), kRed);
    SetPolyFillMode(c.dc(), WINDING);
    Polygon(c.dc(), star, 5);
    EXPECT_EQ(c.at(40, 30), kRed);
    // Right and bottom edges are excluded, as for regions.
    c.clear(kWhite);
    const POINT box[] = {{10, 10}, {20, 10}, {20, 20}, {10, 20}};
    Polygon(c.dc(), box, 4);
    EXPECT_EQ(c.pixels(kRed).size(), 100u);
    EXPECT_EQ(c.bounds(kRed).right, 20);
    SelectObject(c.dc(), oldPen);
}

TEST(GdiShapes, FillRectPaintsTheWholeHalfOpenRectangle) {
    Canvas c;
    HBRUSH brush = CreateSolidBrush(kRed);
    RECT r{4, 5, 14, 9};
    EXPECT_EQ(FillRect(c.dc(), &r, brush), 1);
    EXPECT_EQ(c.pixels(kRed).size(), 40u);
    EXPECT_EQ(FillRect(c.dc(), &r, nullptr), 0);
    DeleteObject(brush);
}
