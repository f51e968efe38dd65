// Blits, DIB conversion, map modes and PNG round trips.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "gdi_canvas.h"

using namespace gdi_test;

TEST(GdiBlit, BitBltCopiesARectangleWithinTheClip) {
    Canvas src(20, 20), dst(40, 40);
    SetPixel(src.dc(), 0, 0, kRed);
    SetPixel(src.dc(), 9, 9, kBlue);
    SetPixel(src.dc(), 10, 10, kBlack);
    // The (w - 1) x (h - 1) copy leaves out the last row and column.
    EXPECT_TRUE(BitBlt(dst.dc(), 5, 6, 10, 10, src.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(dst.at(5, 6), kRed);
    EXPECT_EQ(dst.at(14, 15), kBlue);
    EXPECT_EQ(dst.at(15, 16), kWhite);
    HRGN region = CreateRectRgn(0, 0, 30, 30);
    SelectClipRgn(dst.dc(), region);
    DeleteObject(region);
    dst.clear(kWhite);
    BitBlt(dst.dc(), 20, 20, 20, 20, src.dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(dst.at(20, 20), kRed);
    EXPECT_EQ(dst.at(30, 30), kWhite); // kBlack of the source falls outside the clip
    EXPECT_FALSE(BitBlt(dst.dc(), 0, 0, 5, 5, nullptr, 0, 0, SRCCOPY));
}

TEST(GdiBlit, OverlappingBitBltWithinOneSurfaceCopiesTheOriginalPixels) {
    Canvas c(32, 8);
    for (int x = 0; x < 10; ++x) {
        SetPixel(c.dc(), x, 2, RGB(x * 10, 0, 0));
    }
    BitBlt(c.dc(), 3, 2, 10, 1, c.dc(), 0, 2, SRCCOPY);
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(c.at(x + 3, 2), RGB(x * 10, 0, 0)) << x;
    }
    BitBlt(c.dc(), 0, 3, 20, 4, c.dc(), 0, 2, SRCCOPY); // downwards, overlapping rows
    EXPECT_EQ(c.at(12, 3), RGB(90, 0, 0));
    EXPECT_EQ(c.at(12, 4), kWhite); // the original row 3, not the copy just made
}

TEST(GdiBlit, StretchBltEnlargesAndShrinksKeepingDarkLines) {
    Canvas src(4, 4), dst(16, 16);
    SetPixel(src.dc(), 1, 1, kRed);
    StretchBlt(dst.dc(), 0, 0, 8, 8, src.dc(), 0, 0, 4, 4, SRCCOPY);
    EXPECT_EQ(dst.pixels(kRed), (PixelSet{{2, 2}, {3, 2}, {2, 3}, {3, 3}}));
    // Shrinking by two: the default stretch mode ANDs the merged pixels.
    Canvas big(8, 8);
    MoveToEx(big.dc(), 0, 3, nullptr);
    LineTo(big.dc(), 8, 3);
    StretchBlt(dst.dc(), 8, 8, 4, 4, big.dc(), 0, 0, 8, 8, SRCCOPY);
    EXPECT_EQ(dst.at(9, 9), kBlack);
    EXPECT_EQ(dst.at(9, 10), kWhite);
}

TEST(GdiBlit, StretchDibitsDrawsAPalettedBottomUpDib) {
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[2];
    } dib{};
    dib.header.biSize = sizeof(BITMAPINFOHEADER);
    dib.header.biWidth = 2;
    dib.header.biHeight = 2;
    dib.header.biPlanes = 1;
    dib.header.biBitCount = 8;
    dib.colors[1] = {0, 0, 255, 0};                   // red
    const uint8_t rows[8] = {1, 0, 0, 0, 0, 1, 0, 0}; // bottom row first, padded to 4 bytes
    Canvas c;
    EXPECT_EQ(StretchDIBits(c.dc(), 10, 10, 2, 2, 0, 0, 2, 2, rows,
                            reinterpret_cast<BITMAPINFO*>(&dib), DIB_RGB_COLORS, SRCCOPY),
              2);
    EXPECT_EQ(c.at(10, 11), kRed);
    EXPECT_EQ(c.at(11, 10), kRed);
    EXPECT_EQ(c.at(10, 10), kBlack);
}

TEST(GdiBlit, AnisotropicMappingScalesTwipsToPixels) {
    Canvas c(200, 120);
    SetMapMode(c.dc(), MM_ANISOTROPIC);
    SetWindowExtEx(c.dc(), 1440, 1440, nullptr);
    SetViewportExtEx(c.dc(), GetDeviceCaps(c.dc(), LOGPIXELSX), GetDeviceCaps(c.dc(), LOGPIXELSY),
                     nullptr);
    POINT p{1440, 720};
    LPtoDP(c.dc(), &p, 1);
    EXPECT_EQ(p.x, 96);
    EXPECT_EQ(p.y, 48);
    Selected brush(c.dc(), CreateSolidBrush(kRed));
    Rectangle(c.dc(), 0, 0, 1440, 720);
    RECT r = c.bounds(kBlack);
    EXPECT_EQ(r.right, 96);
    EXPECT_EQ(r.bottom, 48);
    EXPECT_FALSE(SetWindowExtEx(c.dc(), 0, 10, nullptr)); // would divide by zero
    SetMapMode(c.dc(), MM_TEXT);
    p = {10, 10};
    LPtoDP(c.dc(), &p, 1);
    EXPECT_EQ(p.x, 10);
}

TEST(GdiBlit, PngRoundTripKeepsEveryPixel) {
    Canvas c(9, 5);
    SetPixel(c.dc(), 8, 4, RGB(1, 2, 3));
    SetPixel(c.dc(), 0, 0, kRed);
    const std::string path = std::string(ZX_BINARY_DIR) + "/gdi_png_round_trip.png";
    ASSERT_TRUE(zxw32::savePng(c.dc(), path.c_str()));
    std::vector<uint32_t> pixels;
    int w = 0, h = 0;
    ASSERT_TRUE(zxw32::loadPng(path.c_str(), &pixels, &w, &h));
    EXPECT_EQ(w, 9);
    EXPECT_EQ(h, 5);
    EXPECT_EQ(pixels[0], 0xFF0000u);
    EXPECT_EQ(pixels[size_t(4 * 9 + 8)], 0x010203u);
    std::remove(path.c_str());
    EXPECT_FALSE(zxw32::savePng(static_cast<HBITMAP>(nullptr), path.c_str()));
}
