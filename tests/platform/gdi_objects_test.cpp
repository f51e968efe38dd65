// Device contexts and objects: defaults of a new DC, setters returning the previous value,
// handle checking, deletion rules, bitmaps, colours and clip regions.
#include <gtest/gtest.h>

#include "gdi_canvas.h"

using namespace gdi_test;

TEST(GdiObjects, NewMemoryDcHasWindowsDefaults) {
    HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), GetStockObject(SYSTEM_FONT));
    BITMAP bm{};
    EXPECT_EQ(GetObjectA(GetCurrentObject(dc, OBJ_BITMAP), sizeof(bm), &bm), int(sizeof(bm)));
    EXPECT_EQ(bm.bmWidth, 1);
    EXPECT_EQ(bm.bmHeight, 1);
    EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(GetROP2(dc), R2_COPYPEN);
    EXPECT_EQ(GetTextAlign(dc), UINT(TA_LEFT | TA_TOP));
    EXPECT_EQ(GetMapMode(dc), MM_TEXT);
    EXPECT_EQ(GetPolyFillMode(dc), ALTERNATE);
    POINT pos{1, 1};
    GetCurrentPositionEx(dc, &pos);
    EXPECT_EQ(pos.x, 0);
    EXPECT_EQ(pos.y, 0);
    RECT clip{};
    EXPECT_EQ(GetClipBox(dc, &clip), SIMPLEREGION);
    EXPECT_EQ(clip.right, 1);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 96);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 96);
    DeleteDC(dc);
}

TEST(GdiObjects, SettersReturnThePreviousValue) {
    Canvas c;
    EXPECT_EQ(SetROP2(c.dc(), R2_COPYPEN), R2_COPYPEN);
    EXPECT_EQ(SetROP2(c.dc(), 0), 0);
    EXPECT_EQ(SetBkMode(c.dc(), TRANSPARENT), OPAQUE);
    EXPECT_EQ(SetBkMode(c.dc(), OPAQUE), TRANSPARENT);
    EXPECT_EQ(SetTextAlign(c.dc(), 26), 0u);
    EXPECT_EQ(SetTextAlign(c.dc(), 14), 26u);
    EXPECT_EQ(SetMapMode(c.dc(), MM_ANISOTROPIC), MM_TEXT);
    EXPECT_EQ(SetMapMode(c.dc(), MM_TEXT), MM_ANISOTROPIC);
    EXPECT_EQ(SetTextColor(c.dc(), RGB(1, 2, 3)), RGB(0, 0, 0));
    EXPECT_EQ(SetBkColor(c.dc(), RGB(4, 5, 6)), RGB(255, 255, 255));
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    EXPECT_EQ(SelectObject(c.dc(), pen), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(c.dc(), GetStockObject(BLACK_PEN)), pen);
    DeleteObject(pen);
}

TEST(GdiObjects, NullStaleAndWrongHandlesFailWithoutCrashing) {
    HPEN pen = CreatePen(PS_SOLID, 1, 0);
    ASSERT_TRUE(DeleteObject(pen));
    HDC stale = CreateCompatibleDC(nullptr);
    DeleteDC(stale);
    const HDC bad[] = {nullptr, stale, reinterpret_cast<HDC>(pen),
                       reinterpret_cast<HDC>(uintptr_t(0x12345678))};
    for (HDC dc : bad) {
        EXPECT_FALSE(LineTo(dc, 5, 5));
        EXPECT_FALSE(Rectangle(dc, 0, 0, 5, 5));
        EXPECT_FALSE(TextOutA(dc, 0, 0, "x", 1));
        EXPECT_FALSE(BitBlt(dc, 0, 0, 5, 5, dc, 0, 0, SRCCOPY));
        EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_PEN)), nullptr);
        EXPECT_EQ(SetROP2(dc, R2_COPYPEN), 0);
        EXPECT_EQ(SetBkMode(dc, OPAQUE), 0);
        EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, 4, 4);
        EXPECT_EQ(bitmap != nullptr, dc == nullptr);
        DeleteObject(bitmap);
    }
    EXPECT_FALSE(DeleteObject(pen));
    EXPECT_FALSE(DeleteDC(stale));
    EXPECT_EQ(GetObjectA(pen, 0, nullptr), 0);
    Canvas c;
    EXPECT_EQ(SelectObject(c.dc(), pen), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(c.dc(), -5, 5), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(c.dc(), 1 << 20, 1 << 20), nullptr);
}

TEST(GdiObjects, StockObjectsSurviveDeletion) {
    HGDIOBJ black = GetStockObject(BLACK_PEN);
    EXPECT_TRUE(DeleteObject(black));
    EXPECT_EQ(GetObjectType(black), DWORD(OBJ_PEN));
    EXPECT_EQ(GetStockObject(9), nullptr);
}

TEST(GdiObjects, DeletingASelectedObjectWaitsUntilItIsDeselected) {
    Canvas c;
    HPEN pen = CreatePen(PS_SOLID, 1, kRed);
    HGDIOBJ old = SelectObject(c.dc(), pen);
    EXPECT_TRUE(DeleteObject(pen));
    MoveToEx(c.dc(), 0, 0, nullptr);
    LineTo(c.dc(), 5, 0);
    EXPECT_EQ(c.at(2, 0), kRed);
    SelectObject(c.dc(), old);
    EXPECT_EQ(GetObjectType(pen), 0u);
}

TEST(GdiObjects, ABitmapIsSelectedIntoOneDcAtATime) {
    Canvas c;
    HDC other = CreateCompatibleDC(c.dc());
    EXPECT_EQ(SelectObject(other, c.bitmap()), nullptr);
    DeleteDC(other);
}

TEST(GdiObjects, BitmapsAreZeroedAndDescribeThemselves) {
    Canvas c;
    HBITMAP bm = CreateCompatibleBitmap(c.dc(), 7, 3);
    BITMAP info{};
    ASSERT_EQ(GetObjectA(bm, sizeof(info), &info), int(sizeof(info)));
    EXPECT_EQ(info.bmWidth, 7);
    EXPECT_EQ(info.bmHeight, 3);
    EXPECT_EQ(info.bmBitsPixel, 32);
    zxw32::DibPixels px;
    ASSERT_TRUE(zxw32::dibPixels(bm, &px));
    EXPECT_EQ(px.row(2)[6], 0u);
    DeleteObject(bm);
}

TEST(GdiObjects, BottomUpDibSectionKeepsItsRowOrder) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 4;
    info.bmiHeader.biHeight = 3;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bm = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(bm, nullptr);
    static_cast<uint32_t*>(bits)[0] = 0x00FF0000; // first stored row is the bottom one
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bm);
    EXPECT_EQ(GetPixel(dc, 0, 2), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 0, 0));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bm);
    info.bmiHeader.biBitCount = 8;
    EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
    EXPECT_EQ(bits, nullptr);
}

TEST(GdiObjects, ColourHighByteIsIgnoredOnThirtyTwoBitSurfaces) {
    Canvas c;
    Selected brush(c.dc(), CreateSolidBrush(PALETTERGB(0x99, 0xCC, 0xFF)));
    Rectangle(c.dc(), 0, 0, 10, 10);
    EXPECT_EQ(c.at(5, 5), RGB(0x99, 0xCC, 0xFF));
    SetPixel(c.dc(), 1, 1, 0xFF123456);
    EXPECT_EQ(c.at(1, 1), COLORREF(0x123456));
}

TEST(GdiObjects, ClipRegionIsCopiedOnSelectionAndRemovedWithNull) {
    Canvas c;
    HRGN region = CreateRectRgn(30, 20, 10, 5); // swapped corners are ordered
    EXPECT_EQ(SelectClipRgn(c.dc(), region), SIMPLEREGION);
    DeleteObject(region);
    RECT box{};
    EXPECT_EQ(GetClipBox(c.dc(), &box), SIMPLEREGION);
    EXPECT_EQ(box.left, 10);
    EXPECT_EQ(box.top, 5);
    EXPECT_EQ(box.right, 30);
    EXPECT_EQ(box.bottom, 20);
    HBRUSH red = CreateSolidBrush(kRed);
    RECT all{0, 0, 64, 48};
    FillRect(c.dc(), &all, red);
    EXPECT_EQ(c.pixels(kRed).size(), 20u * 15);
    EXPECT_EQ(SetPixel(c.dc(), 0, 0, kBlue), CLR_INVALID);
    SelectClipRgn(c.dc(), nullptr);
    FillRect(c.dc(), &all, red);
    EXPECT_EQ(c.pixels(kRed).size(), 64u * 48);
    DeleteObject(red);
}

TEST(GdiObjects, SaveDcRestoresSelectionsAndState) {
    Canvas c;
    int level = SaveDC(c.dc());
    HPEN pen = CreatePen(PS_SOLID, 1, kRed);
    SelectObject(c.dc(), pen);
    SetBkMode(c.dc(), TRANSPARENT);
    EXPECT_TRUE(RestoreDC(c.dc(), level));
    EXPECT_EQ(GetCurrentObject(c.dc(), OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetBkMode(c.dc()), OPAQUE);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_FALSE(RestoreDC(c.dc(), 1));
}

TEST(GdiObjects, ExtremeSizesAndCoordinatesClipOrFailWithoutCrashing) {
    Canvas c;
    Canvas src(8, 8);
    EXPECT_TRUE(StretchBlt(c.dc(), -32767, -32767, 65534, 65534, src.dc(), 0, 0, 8, 8, SRCCOPY));
    EXPECT_TRUE(StretchBlt(c.dc(), 0, 0, 4, 4, src.dc(), -2000000000, -2000000000, 2100000000,
                           2100000000, SRCCOPY));
    EXPECT_TRUE(BitBlt(c.dc(), 32767, 32767, 32767, 32767, src.dc(), 0, 0, SRCCOPY));
    {
        Selected pen(c.dc(), CreatePen(PS_SOLID, 1 << 30, kRed));
        MoveToEx(c.dc(), -32767, 10, nullptr);
        EXPECT_TRUE(LineTo(c.dc(), 32767, 20));
        EXPECT_EQ(c.at(30, 30), kRed);
    }
    EXPECT_TRUE(Rectangle(c.dc(), -32767, -32767, 32767, 32767));
    EXPECT_TRUE(Ellipse(c.dc(), -32767, -32767, 32767, 32767));
    const POINT far[] = {{-32767, -32767}, {32767, 0}, {0, 32767}};
    EXPECT_TRUE(Polygon(c.dc(), far, 3));
    EXPECT_TRUE(TextOutA(c.dc(), 32767, -32767, "far", 3));
    EXPECT_FALSE(Polygon(c.dc(), far, -1));
}
