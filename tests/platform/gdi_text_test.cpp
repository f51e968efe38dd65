// Text: metric consistency, reference points for every alignment used, opaque boxes,
// vertical text and clipping.
#include <gtest/gtest.h>

#include <cstring>

#include "gdi_canvas.h"

using namespace gdi_test;

namespace {

HFONT arial(int height, int weight, int escapement = 0) {
    return CreateFontA(height, 0, escapement, escapement, weight, 0, 0, 0, ANSI_CHARSET, 0,
                       CLIP_CHARACTER_PRECIS, 0, 0, "Arial");
}

int extentOf(HDC dc, const char* text) {
    SIZE size{};
    GetTextExtentPointA(dc, text, int(strlen(text)), &size);
    return size.cx;
}

} // namespace

TEST(GdiText, ArialFifteenBoldIsFifteenPixelsHighAndAdvancesAdd) {
    Canvas c;
    Selected font(c.dc(), arial(15, FW_BOLD));
    TEXTMETRICA tm{};
    ASSERT_TRUE(GetTextMetricsA(c.dc(), &tm));
    EXPECT_EQ(tm.tmHeight, 15);
    EXPECT_EQ(tm.tmAscent + tm.tmDescent, 15);
    const char* text = "Width 1.25 = Wx";
    int widths[256] = {};
    ASSERT_TRUE(GetCharWidthA(c.dc(), 0, 255, widths));
    int sum = 0;
    for (const char* p = text; *p; ++p) {
        sum += widths[uint8_t(*p)];
    }
    EXPECT_EQ(extentOf(c.dc(), text), sum);
    SIZE size{};
    GetTextExtentPoint32A(c.dc(), text, int(strlen(text)), &size);
    EXPECT_EQ(size.cx, sum);
    EXPECT_EQ(size.cy, 15);
    // TextOutA moves the current position by the same extent.
    SetTextAlign(c.dc(), TA_UPDATECP);
    MoveToEx(c.dc(), 3, 20, nullptr);
    TextOutA(c.dc(), 0, 0, text, int(strlen(text)));
    POINT pos{};
    GetCurrentPositionEx(c.dc(), &pos);
    EXPECT_EQ(pos.x, 3 + sum);
}

TEST(GdiText, NegativeHeightAsksForTheCharacterHeight) {
    Canvas c;
    Selected font(c.dc(), arial(-15, FW_NORMAL));
    TEXTMETRICA tm{};
    ASSERT_TRUE(GetTextMetricsA(c.dc(), &tm));
    EXPECT_GT(tm.tmHeight, 15);
    EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 15);
}

TEST(GdiText, OpaqueCellBoxSitsAtTheReferencePointForEachAlignment) {
    Canvas c(160, 100);
    Selected font(c.dc(), arial(15, FW_BOLD));
    TEXTMETRICA tm{};
    GetTextMetricsA(c.dc(), &tm);
    const int extent = extentOf(c.dc(), "Tg 42");
    SetBkMode(c.dc(), OPAQUE);
    SetBkColor(c.dc(), kBlue);
    SetTextColor(c.dc(), kBlue);
    const UINT aligns[] = {0, TA_RIGHT, TA_CENTER, TA_BOTTOM, 14, 26, TA_BASELINE};
    for (UINT align : aligns) {
        c.clear(kWhite);
        SetTextAlign(c.dc(), align);
        ASSERT_TRUE(TextOutA(c.dc(), 80, 50, "Tg 42", 5));
        int left = 80;
        if ((align & TA_CENTER) == TA_CENTER) {
            left -= extent / 2;
        } else if (align & TA_RIGHT) {
            left -= extent;
        }
        int top = 50;
        if ((align & TA_BASELINE) == TA_BASELINE) {
            top -= tm.tmAscent;
        } else if (align & TA_BOTTOM) {
            top -= tm.tmHeight;
        }
        RECT r = c.bounds(kBlue);
        EXPECT_EQ(r.left, left) << align;
        EXPECT_EQ(r.top, top) << align;
        EXPECT_EQ(r.right - r.left, extent) << align;
        EXPECT_EQ(r.bottom - r.top, tm.tmHeight) << align;
    }
}

TEST(GdiText, TransparentTextPaintsOnlyGlyphsInTheTextColour) {
    Canvas c(100, 40);
    Selected font(c.dc(), arial(15, FW_BOLD));
    SetBkMode(c.dc(), TRANSPARENT);
    SetTextColor(c.dc(), kRed);
    TextOutA(c.dc(), 10, 10, "Hello", 5);
    const size_t ink = c.pixels(kRed).size();
    EXPECT_GT(ink, 20u);
    EXPECT_EQ(ink + c.pixels(kWhite).size(), size_t(100 * 40)); // monochrome glyphs
    const RECT r = c.bounds(kRed);
    EXPECT_GE(r.left, 10);
    EXPECT_LE(r.right, 10 + extentOf(c.dc(), "Hello") + 1);
    // Drawing the same text again rasterises the same pixels.
    PixelSet first = c.pixels(kRed);
    c.clear(kWhite);
    TextOutA(c.dc(), 10, 10, "Hello", 5);
    EXPECT_EQ(c.pixels(kRed), first);
}

TEST(GdiText, EscapementNineHundredTurnsTheLayoutCounterClockwise) {
    Canvas c(60, 120);
    Selected font(c.dc(), arial(15, FW_BOLD, 900));
    SetBkMode(c.dc(), OPAQUE);
    SetBkColor(c.dc(), kBlue);
    SetTextColor(c.dc(), kBlue);
    SetTextAlign(c.dc(), TA_CENTER | TA_TOP);
    const int extent = extentOf(c.dc(), "Caption");
    TextOutA(c.dc(), 5, 60, "Caption", 7);
    RECT r = c.bounds(kBlue);
    EXPECT_EQ(r.left, 5); // the cell's top lies at x = 5 and extends right
    EXPECT_EQ(r.right, 20);
    EXPECT_EQ(r.bottom - r.top, extent);
    EXPECT_LE(std::abs((r.top + r.bottom) / 2 - 60), 1); // centred on y
    // Left-aligned, the text starts at the reference point and runs upwards.
    SetBkMode(c.dc(), TRANSPARENT);
    SetTextColor(c.dc(), kRed);
    SetTextAlign(c.dc(), TA_LEFT | TA_TOP);
    c.clear(kWhite);
    TextOutA(c.dc(), 5, 60, "Caption", 7);
    RECT ink = c.bounds(kRed);
    EXPECT_LE(ink.bottom, 61);
    EXPECT_GE(ink.top, 60 - extent - 1);
    EXPECT_GE(ink.left, 5);
}

TEST(GdiText, TextIsClippedByTheClipRegion) {
    Canvas c(100, 40);
    Selected font(c.dc(), arial(15, FW_BOLD));
    HRGN region = CreateRectRgn(20, 0, 40, 40);
    SelectClipRgn(c.dc(), region);
    DeleteObject(region);
    SetBkColor(c.dc(), kBlue);
    TextOutA(c.dc(), 5, 5, "Clipped text", 12);
    RECT r = c.bounds(kBlue);
    EXPECT_EQ(r.left, 20);
    EXPECT_EQ(r.right, 40);
    EXPECT_TRUE(TextOutA(c.dc(), 5, 5, "", 0));
    EXPECT_FALSE(TextOutA(c.dc(), 5, 5, nullptr, 3));
    EXPECT_FALSE(TextOutA(c.dc(), 5, 5, "abc", -1));
}

TEST(GdiText, SymbolFontMetricsAgreeWithItsWidths) {
    Canvas c;
    Selected font(
        c.dc(), CreateFontA(15, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Symbol"));
    int w = 0;
    ASSERT_TRUE(GetCharWidthA(c.dc(), 0xB4, 0xB4, &w));
    EXPECT_GT(w, 0);
    EXPECT_EQ(extentOf(c.dc(), "\xB4"), w);
}
