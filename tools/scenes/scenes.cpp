// Reference scenes drawn only with Win32 calls. The same source builds natively against
// libw32 and for Windows with mingw, so the two renderings can be compared pixel for pixel
// (tools/wine-check runs the Windows build under Wine). Each scene is written as a 32-bit
// top-down BMP, and the boxes of its text (from the layer's own metrics) to a .boxes file
// so the comparison can tell glyph differences from geometry differences.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 240;
constexpr int kHeight = 180;

struct Scene {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    void* bits = nullptr;
    std::vector<RECT> textBoxes;

    Scene() {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = kWidth;
        info.bmiHeader.biHeight = -kHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc = CreateCompatibleDC(nullptr);
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        previous = SelectObject(dc, bitmap);
        RECT all{0, 0, kWidth, kHeight};
        HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
        FillRect(dc, &all, white);
        DeleteObject(white);
    }
    ~Scene() {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    void save(const std::string& dir, const char* name) {
        GdiFlush();
        std::string path = dir + "/" + name + ".bmp";
        FILE* f = fopen(path.c_str(), "wb");
        if (!f) {
            return;
        }
        BITMAPFILEHEADER fh{};
        BITMAPINFOHEADER ih{};
        ih.biSize = sizeof(ih);
        ih.biWidth = kWidth;
        ih.biHeight = -kHeight;
        ih.biPlanes = 1;
        ih.biBitCount = 32;
        ih.biCompression = BI_RGB;
        ih.biSizeImage = kWidth * kHeight * 4;
        fh.bfType = 0x4D42;
        fh.bfOffBits = sizeof(fh) + sizeof(ih);
        fh.bfSize = fh.bfOffBits + ih.biSizeImage;
        fwrite(&fh, sizeof(fh), 1, f);
        fwrite(&ih, sizeof(ih), 1, f);
        fwrite(bits, 4, size_t(kWidth) * kHeight, f);
        fclose(f);
        path = dir + "/" + name + ".boxes";
        f = fopen(path.c_str(), "w");
        if (!f) {
            return;
        }
        for (const RECT& r : textBoxes) {
            fprintf(f, "%ld %ld %ld %ld\n", long(r.left), long(r.top), long(r.right),
                    long(r.bottom));
        }
        fclose(f);
    }

    // Draws text and records its box, grown by a margin for glyph overhangs.
    void text(int x, int y, const char* s, bool vertical = false) {
        SIZE size{};
        TEXTMETRICA tm{};
        int n = int(strlen(s));
        GetTextExtentPointA(dc, s, n, &size);
        GetTextMetricsA(dc, &tm);
        UINT align = GetTextAlign(dc);
        int u0 = (align & TA_CENTER) == TA_CENTER ? -size.cx / 2
                 : (align & TA_RIGHT)             ? -size.cx
                                                  : 0;
        int v0 = (align & TA_BASELINE) == TA_BASELINE ? -tm.tmAscent
                 : (align & TA_BOTTOM)                ? -tm.tmHeight
                                                      : 0;
        const int m = 3;
        RECT box;
        if (!vertical) {
            box = {x + u0 - m, y + v0 - m, x + u0 + size.cx + m, y + v0 + tm.tmHeight + m};
        } else {
            box = {x + v0 - m, y - u0 - size.cx - m, x + v0 + tm.tmHeight + m, y - u0 + m};
        }
        textBoxes.push_back(box);
        TextOutA(dc, x, y, s, n);
    }
};

// A pen selected for the lifetime of the object.
struct PenScope {
    HDC dc;
    HPEN pen;
    HGDIOBJ old;
    PenScope(HDC d, int style, int width, COLORREF c)
        : dc(d), pen(CreatePen(style, width, c)), old(SelectObject(d, pen)) {}
    ~PenScope() {
        SelectObject(dc, old);
        DeleteObject(pen);
    }
};

struct BrushScope {
    HDC dc;
    HBRUSH brush;
    HGDIOBJ old;
    bool owned;
    BrushScope(HDC d, HBRUSH b, bool own = true)
        : dc(d), brush(b), old(SelectObject(d, b)), owned(own) {}
    ~BrushScope() {
        SelectObject(dc, old);
        if (owned) {
            DeleteObject(brush);
        }
    }
};

void line(HDC dc, int x0, int y0, int x1, int y1) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

// Lines in every octant and slope, including ties, from two centres.
void sceneLines(Scene& s) {
    PenScope pen(s.dc, PS_SOLID, 1, RGB(0, 0, 0));
    const int ends[][2] = {{40, 0},    {40, 7},   {40, 20},   {33, 40},   {20, 40},   {7, 40},
                           {0, 40},    {-7, 40},  {-20, 40},  {-40, 33},  {-40, 20},  {-40, 7},
                           {-40, 0},   {-40, -7}, {-40, -20}, {-33, -40}, {-20, -40}, {-7, -40},
                           {0, -40},   {7, -40},  {20, -40},  {40, -33},  {40, -20},  {40, -40},
                           {-40, -40}, {40, 40},  {-40, 40},  {40, -5},   {-5, 40},   {5, -40}};
    for (const auto& e : ends) {
        line(s.dc, 60, 60, 60 + e[0], 60 + e[1]);
    }
    // Short lines with half-way ties (dx = 2 dy and odd spans).
    const int shorts[][4] = {{120, 10, 124, 12}, {130, 10, 126, 12}, {120, 20, 124, 18},
                             {130, 20, 126, 18}, {120, 30, 122, 34}, {130, 30, 128, 34},
                             {140, 10, 146, 13}, {150, 10, 144, 13}, {140, 20, 143, 26},
                             {150, 20, 147, 26}, {140, 30, 145, 32}, {160, 10, 165, 11}};
    for (const auto& l : shorts) {
        line(s.dc, l[0], l[1], l[2], l[3]);
    }
    // An open square and a cross as polyline symbols.
    MoveToEx(s.dc, 177, 17, nullptr);
    LineTo(s.dc, 183, 17);
    LineTo(s.dc, 183, 23);
    LineTo(s.dc, 177, 23);
    LineTo(s.dc, 177, 17);
    line(s.dc, 197, 17, 204, 24);
    line(s.dc, 203, 17, 196, 24);
    // Two-pixel lines.
    PenScope wide(s.dc, PS_SOLID, 2, RGB(200, 0, 0));
    line(s.dc, 120, 60, 200, 60);
    line(s.dc, 120, 70, 200, 90);
    line(s.dc, 120, 100, 130, 160);
    line(s.dc, 210, 70, 210, 150);
    PenScope thick(s.dc, PS_SOLID, 5, RGB(0, 0, 200));
    line(s.dc, 140, 120, 190, 150);
}

// Cosmetic styles with transparent and opaque gaps, pattern phase across LineTo calls
// and styled rectangles.
void sceneStyles(Scene& s) {
    SetBkColor(s.dc, RGB(255, 255, 0));
    for (int style = PS_DASH; style <= PS_DASHDOTDOT; ++style) {
        PenScope pen(s.dc, style, 1, RGB(255, 0, 0));
        int y = 10 + (style - 1) * 12;
        SetBkMode(s.dc, TRANSPARENT);
        line(s.dc, 5, y, 115, y);
        SetBkMode(s.dc, OPAQUE);
        line(s.dc, 120, y, 235, y);
        line(s.dc, 5, y + 4, 70, y + 6);
        // Phase across consecutive LineTo calls.
        MoveToEx(s.dc, 120, y + 5, nullptr);
        LineTo(s.dc, 130, y + 5);
        LineTo(s.dc, 150, y + 5);
        LineTo(s.dc, 157, y + 5);
        LineTo(s.dc, 200, y + 5);
    }
    SetBkMode(s.dc, OPAQUE);
    {
        PenScope pen(s.dc, PS_DOT, 1, RGB(255, 0, 0));
        BrushScope brush(s.dc, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)), false);
        Rectangle(s.dc, 10, 70, 60, 110);
        // The dotted box of a placeholder: right, up, left, down from the baseline point.
        MoveToEx(s.dc, 80, 110, nullptr);
        LineTo(s.dc, 84, 110);
        LineTo(s.dc, 84, 95);
        LineTo(s.dc, 80, 95);
        LineTo(s.dc, 80, 110);
    }
    {
        SetBkMode(s.dc, TRANSPARENT);
        PenScope pen(s.dc, PS_DASHDOT, 1, RGB(0, 0, 255));
        BrushScope brush(s.dc, CreateSolidBrush(RGB(200, 255, 200)));
        Rectangle(s.dc, 100, 70, 170, 120);
        Ellipse(s.dc, 180, 70, 230, 120);
    }
    {
        SetBkMode(s.dc, OPAQUE);
        PenScope pen(s.dc, PS_DASHDOTDOT, 1, RGB(0, 0, 0));
        for (int i = 0; i < 8; ++i) {
            line(s.dc, 10 + i * 25, 130, 30 + i * 25, 175 - i * 3);
        }
    }
}

// Rectangles with each pen and brush combination, swapped corners and wide pens.
void sceneRectangles(Scene& s) {
    HGDIOBJ pens[] = {GetStockObject(BLACK_PEN), GetStockObject(NULL_PEN)};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    HGDIOBJ brushes[] = {red, GetStockObject(NULL_BRUSH), GetStockObject(LTGRAY_BRUSH),
                         GetStockObject(GRAY_BRUSH)};
    HBRUSH back = CreateSolidBrush(RGB(0, 160, 255));
    for (int p = 0; p < 2; ++p) {
        for (int b = 0; b < 4; ++b) {
            int x = 8 + b * 56, y = 8 + p * 40;
            RECT under{x - 3, y - 3, x + 23, y + 23};
            FillRect(s.dc, &under, back);
            HGDIOBJ op = SelectObject(s.dc, pens[p]);
            HGDIOBJ ob = SelectObject(s.dc, brushes[b]);
            Rectangle(s.dc, x, y, x + 20, y + 20);
            Rectangle(s.dc, x + 42, y + 16, x + 26, y); // swapped corners
            SelectObject(s.dc, op);
            SelectObject(s.dc, ob);
        }
    }
    DeleteObject(red);
    {
        BrushScope brush(s.dc, CreateSolidBrush(RGB(255, 255, 0)));
        {
            PenScope pen(s.dc, PS_SOLID, 2, RGB(0, 0, 0));
            Rectangle(s.dc, 10, 95, 50, 125);
        }
        {
            PenScope pen(s.dc, PS_INSIDEFRAME, 3, RGB(0, 128, 0));
            RECT under{58, 93, 102, 127};
            FillRect(s.dc, &under, back);
            Rectangle(s.dc, 60, 95, 100, 125);
        }
        {
            PenScope pen(s.dc, PS_SOLID, 1, RGB(192, 192, 192));
            // Adjacent cells each with their own frame.
            for (int i = 0; i < 3; ++i) {
                Rectangle(s.dc, 110 + i * 20, 95, 130 + i * 20, 110);
                Rectangle(s.dc, 110 + i * 20, 110, 130 + i * 20, 125);
            }
        }
        PenScope pen(s.dc, PS_SOLID, 1, RGB(0, 0, 0));
        Rectangle(s.dc, 180, 95, 181, 125); // one pixel wide
        Rectangle(s.dc, 185, 95, 185, 125); // empty
        Rectangle(s.dc, 190, 95, 192, 97);
    }
    DeleteObject(back);
    // FillRect edges and a zero-size fill.
    HBRUSH green = CreateSolidBrush(RGB(0, 200, 0));
    RECT r{10, 135, 60, 170};
    FillRect(s.dc, &r, green);
    RECT z{70, 135, 70, 170};
    FillRect(s.dc, &z, green);
    DeleteObject(green);
}

// Ellipses, polygons and the hatch brush, transparent and opaque.
void sceneFigures(Scene& s) {
    {
        PenScope pen(s.dc, PS_SOLID, 1, RGB(0, 0, 0));
        BrushScope brush(s.dc, CreateSolidBrush(RGB(0, 200, 255)));
        Ellipse(s.dc, 10, 10, 50, 40);
        Ellipse(s.dc, 60, 10, 69, 19);
        Ellipse(s.dc, 80, 10, 90, 20);
        PenScope wide(s.dc, PS_SOLID, 2, RGB(0, 0, 0));
        Ellipse(s.dc, 100, 10, 111, 21);
        Ellipse(s.dc, 120, 10, 130, 20);   // a circle handle: radius 5, two-pixel pen
        Rectangle(s.dc, 140, 10, 150, 20); // a square handle
    }
    {
        PenScope pen(s.dc, PS_NULL, 1, 0);
        BrushScope brush(s.dc, CreateHatchBrush(HS_BDIAGONAL, RGB(0, 0, 255)));
        SetBkMode(s.dc, TRANSPARENT);
        POINT shade[] = {{10, 60}, {60, 50}, {110, 90}, {70, 110}, {20, 100}};
        Polygon(s.dc, shade, 5);
        SetBkMode(s.dc, OPAQUE);
        SetBkColor(s.dc, RGB(255, 255, 200));
        Rectangle(s.dc, 120, 50, 181, 91);
        POINT tri[] = {{190, 50}, {235, 90}, {190, 90}};
        Polygon(s.dc, tri, 3);
    }
    {
        // A hatch brush selected while the mode is already opaque.
        PenScope pen(s.dc, PS_SOLID, 1, RGB(0, 0, 0));
        BrushScope brush(s.dc, CreateHatchBrush(HS_BDIAGONAL, RGB(255, 0, 0)));
        Rectangle(s.dc, 120, 95, 150, 115);
        SetBkMode(s.dc, TRANSPARENT);
        Rectangle(s.dc, 155, 95, 185, 115);
        SetBkMode(s.dc, OPAQUE);
        Rectangle(s.dc, 190, 95, 220, 115);
        PenScope none(s.dc, PS_NULL, 1, 0);
        Rectangle(s.dc, 190, 120, 220, 140);
    }
    {
        PenScope pen(s.dc, PS_SOLID, 1, RGB(128, 0, 0));
        BrushScope brush(s.dc, CreateSolidBrush(RGB(255, 200, 0)));
        POINT star[] = {{40, 120}, {55, 170}, {15, 138}, {65, 138}, {25, 170}};
        Polygon(s.dc, star, 5);
        POINT box[] = {{80, 120}, {120, 120}, {120, 160}, {80, 160}};
        Polygon(s.dc, box, 4);
        SetPolyFillMode(s.dc, WINDING);
        POINT star2[] = {{160, 120}, {175, 170}, {135, 138}, {185, 138}, {145, 170}};
        Polygon(s.dc, star2, 5);
        SetPolyFillMode(s.dc, ALTERNATE);
    }
    {
        PenScope pen(s.dc, PS_SOLID, 1, RGB(0, 0, 0));
        BrushScope brush(s.dc, CreateSolidBrush(RGB(255, 0, 255)));
        Ellipse(s.dc, 195, 120, 205, 130); // symbol circle
        Ellipse(s.dc, 210, 115, 221, 126); // pip
    }
}

// A clip region cutting lines, styled lines, figures and far-away coordinates.
void sceneClipping(Scene& s) {
    HRGN region = CreateRectRgn(40, 30, 200, 150);
    SelectClipRgn(s.dc, region);
    DeleteObject(region);
    HBRUSH yellow = CreateSolidBrush(RGB(255, 255, 180));
    RECT all{0, 0, kWidth, kHeight};
    FillRect(s.dc, &all, yellow);
    DeleteObject(yellow);
    {
        PenScope pen(s.dc, PS_SOLID, 1, RGB(0, 0, 0));
        for (int i = 0; i < 12; ++i) {
            line(s.dc, 5 + i * 7, 5, 235 - i * 11, 175);
        }
        line(s.dc, -32767, 40, 32767, 60);
        line(s.dc, 100, -32767, 120, 32767);
        line(s.dc, -32767, -32767, 32767, 32767);
        line(s.dc, 32767, -32000, -32767, 32000);
    }
    {
        SetBkMode(s.dc, OPAQUE);
        SetBkColor(s.dc, RGB(0, 255, 0));
        PenScope pen(s.dc, PS_DASHDOT, 1, RGB(255, 0, 0));
        line(s.dc, 0, 100, 239, 120);
        line(s.dc, 30, 20, 220, 170);
    }
    {
        PenScope pen(s.dc, PS_SOLID, 1, RGB(0, 0, 255));
        BrushScope brush(s.dc, CreateSolidBrush(RGB(255, 128, 0)));
        Rectangle(s.dc, 20, 130, 70, 170);
        Rectangle(s.dc, -32767, -32767, 45, 40);
        Ellipse(s.dc, 170, 10, 230, 60);
    }
    SelectClipRgn(s.dc, nullptr);
    PenScope pen(s.dc, PS_SOLID, 1, RGB(255, 0, 0));
    line(s.dc, 0, 178, 239, 178);
}

HFONT font(int height, int weight, int escapement = 0, const char* face = "Arial") {
    return CreateFontA(height, 0, escapement, escapement, weight, 0, 0, 0, ANSI_CHARSET, 0,
                       CLIP_CHARACTER_PRECIS, 0, 0, face);
}

void crosshair(HDC dc, int x, int y) {
    SetPixel(dc, x - 2, y, RGB(255, 0, 0));
    SetPixel(dc, x + 2, y, RGB(255, 0, 0));
    SetPixel(dc, x, y - 2, RGB(255, 0, 0));
    SetPixel(dc, x, y + 2, RGB(255, 0, 0));
}

// Every text alignment used, opaque and transparent, and vertical text.
void sceneText(Scene& s) {
    HFONT f = font(15, FW_BOLD);
    HGDIOBJ old = SelectObject(s.dc, f);
    SetBkColor(s.dc, RGB(200, 220, 255));
    const UINT aligns[] = {0, 2, 6, 8, 14, 26, 24};
    for (int i = 0; i < 7; ++i) {
        int x = 120, y = 12 + i * 22;
        SetTextAlign(s.dc, aligns[i]);
        SetBkMode(s.dc, i % 2 ? TRANSPARENT : OPAQUE);
        s.text(x, y, "Tg 42");
        crosshair(s.dc, x, y);
    }
    SelectObject(s.dc, old);
    DeleteObject(f);
    HFONT vertical = font(15, FW_BOLD, 900);
    old = SelectObject(s.dc, vertical);
    SetBkMode(s.dc, OPAQUE);
    SetTextAlign(s.dc, 6);
    s.text(5, 90, "Vertical", true);
    crosshair(s.dc, 5, 90);
    SetTextAlign(s.dc, 0);
    s.text(40, 170, "Up", true);
    crosshair(s.dc, 40, 170);
    SelectObject(s.dc, old);
    DeleteObject(vertical);
    // Text clipped by a region.
    HRGN region = CreateRectRgn(170, 120, 230, 160);
    SelectClipRgn(s.dc, region);
    DeleteObject(region);
    HFONT narrow = font(15, FW_LIGHT, 0, "Arial Narrow");
    old = SelectObject(s.dc, narrow);
    SetTextAlign(s.dc, TA_BOTTOM);
    SetBkMode(s.dc, OPAQUE);
    s.text(160, 145, "clipped text");
    SelectClipRgn(s.dc, nullptr);
    SelectObject(s.dc, old);
    DeleteObject(narrow);
}

// Centred text of odd and even extents, opaque, so that the box positions show how the
// half extent is rounded.
void sceneCentred(Scene& s) {
    HFONT f = font(15, FW_BOLD);
    HGDIOBJ old = SelectObject(s.dc, f);
    SetBkMode(s.dc, OPAQUE);
    SetBkColor(s.dc, RGB(200, 220, 255));
    const char* texts[] = {"a", "ab", "abc", "W", "Wi", "1.5", "-0.25", "10", "i"};
    const UINT aligns[] = {6, 14, 2, 26};
    for (int a = 0; a < 4; ++a) {
        SetTextAlign(s.dc, aligns[a]);
        for (int i = 0; i < 9; ++i) {
            int x = 20 + i * 25, y = 20 + a * 40;
            s.text(x, y, texts[i]);
        }
    }
    SelectObject(s.dc, old);
    DeleteObject(f);
}

// Blits: copies, overlapping copies, (w - 1) x (h - 1) copies and stretches.
void sceneBlits(Scene& s) {
    HDC src = CreateCompatibleDC(s.dc);
    HBITMAP bm = CreateCompatibleBitmap(s.dc, 40, 30);
    HGDIOBJ oldBm = SelectObject(src, bm);
    {
        PenScope pen(src, PS_SOLID, 1, RGB(0, 0, 0));
        BrushScope brush(src, CreateSolidBrush(RGB(0, 200, 100)));
        Rectangle(src, 0, 0, 40, 30);
        line(src, 0, 0, 40, 30);
        SetPixel(src, 39, 29, RGB(255, 0, 0));
        SetPixel(src, 0, 29, RGB(0, 0, 255));
    }
    BitBlt(s.dc, 10, 10, 40, 30, src, 0, 0, SRCCOPY);
    BitBlt(s.dc, 60, 10, 39, 29, src, 0, 0, SRCCOPY);
    BitBlt(s.dc, 110, 10, 40, 30, src, 10, 10, SRCCOPY);
    StretchBlt(s.dc, 10, 60, 80, 60, src, 0, 0, 40, 30, SRCCOPY);
    StretchBlt(s.dc, 100, 60, 20, 15, src, 0, 0, 40, 30, SRCCOPY);
    StretchBlt(s.dc, 130, 60, 57, 41, src, 0, 0, 40, 30, SRCCOPY);
    // Overlapping copies within the target.
    BitBlt(s.dc, 15, 130, 40, 30, s.dc, 10, 10, SRCCOPY);
    BitBlt(s.dc, 100, 130, 60, 40, s.dc, 105, 125, SRCCOPY);
    SelectObject(src, oldBm);
    DeleteObject(bm);
    DeleteDC(src);
}

// Logical inches: 1440 units per inch on a 96 dpi device.
void sceneMapping(Scene& s) {
    SetMapMode(s.dc, MM_ANISOTROPIC);
    SetWindowExtEx(s.dc, 1440, 1440, nullptr);
    SetViewportExtEx(s.dc, GetDeviceCaps(s.dc, LOGPIXELSX), GetDeviceCaps(s.dc, LOGPIXELSY),
                     nullptr);
    {
        PenScope pen(s.dc, PS_SOLID, 1, RGB(0, 0, 0));
        BrushScope brush(s.dc, CreateSolidBrush(RGB(255, 200, 200)));
        Rectangle(s.dc, 150, 150, 1500, 1200);
        line(s.dc, 0, 0, 3000, 2400);
        Ellipse(s.dc, 1600, 150, 3000, 1200);
    }
    SetMapMode(s.dc, MM_TEXT);
    PenScope pen(s.dc, PS_SOLID, 1, RGB(0, 0, 255));
    line(s.dc, 0, 100, 200, 100);
}

// The benchmark scenes of bench/platform, timed with a plain clock so that the Windows
// build can run them under Wine for comparison.
template <class F>
double timeIt(int repeats, F&& f) {
    auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < repeats; ++i) {
        f();
    }
    auto t1 = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::micro>(t1 - t0).count() / repeats;
}

// The calls of a graph sprite's full draw of a 400 x 300 plot with five curves of 1024 points
// (style 2: segments and symbols), ten labelled lines, one shaded, grid, axes and tick labels,
// drawn off screen and copied; the same scene for libw32 and for Wine's GDI.
void graphFullDraw(HDC screen, HDC off) {
    RECT plot{0, 0, 400, 300};
    HBRUSH back = CreateSolidBrush(RGB(255, 255, 255));
    FillRect(off, &plot, back);
    DeleteObject(back);
    HPEN grid = CreatePen(PS_SOLID, 1, RGB(0x99, 0xCC, 0xFF));
    HGDIOBJ oldPen = SelectObject(off, grid);
    for (int x = 70; x < 400; x += 12) {
        MoveToEx(off, x, 260, nullptr);
        LineTo(off, x, 0);
    }
    for (int y = 248; y > 0; y -= 12) {
        MoveToEx(off, 58, y, nullptr);
        LineTo(off, 400, y);
    }
    SelectObject(off, GetStockObject(BLACK_PEN));
    DeleteObject(grid);
    MoveToEx(off, 58, 0, nullptr);
    LineTo(off, 58, 260);
    LineTo(off, 400, 260);
    HFONT font = CreateFontA(15, 0, 0, 0, 300, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    HGDIOBJ oldFont = SelectObject(off, font);
    SetTextAlign(off, TA_CENTER | TA_TOP);
    for (int k = 0; k < 6; ++k) {
        TextOutA(off, 58 + 60 * k, 262, "10.0", 4);
    }
    for (int k = 0; k < 5; ++k) {
        TextOutA(off, 56, 256 - 60 * k, "5.00", 4);
    }
    HBRUSH hatch = CreateHatchBrush(HS_BDIAGONAL, RGB(255, 0, 255));
    HGDIOBJ oldBrush = SelectObject(off, hatch);
    SelectObject(off, GetStockObject(NULL_PEN));
    const POINT shade[4] = {{58, 200}, {400, 40}, {400, 260}, {58, 260}};
    SetBkMode(off, TRANSPARENT);
    Polygon(off, shade, 4);
    SelectObject(off, oldBrush);
    DeleteObject(hatch);
    for (int l = 0; l < 10; ++l) {
        HPEN pen = CreatePen(l == 0 ? PS_SOLID : PS_DASHDOT, l == 0 ? 2 : 1, RGB(255, 0, 255));
        SelectObject(off, pen);
        MoveToEx(off, 58, 250 - 20 * l, nullptr);
        LineTo(off, 400, 100 - 10 * l);
        SelectObject(off, GetStockObject(BLACK_PEN));
        DeleteObject(pen);
    }
    TextOutA(off, 200, 150, "y = 0.447x + 1.99 ", 18);
    for (int c = 0; c < 5; ++c) {
        HPEN pen = CreatePen(PS_SOLID, c == 0 ? 2 : 1, RGB(255, 40 * c, 0));
        HBRUSH brush = CreateSolidBrush(RGB(255, 40 * c, 0));
        SelectObject(off, pen);
        HGDIOBJ previousBrush = SelectObject(off, brush);
        int px = 58, py = 260;
        for (int i = 0; i < 1024; ++i) {
            const int x = 58 + (i * 342) / 1024;
            const int y = 250 - ((i * 37 + c * 50) % 240);
            if (i > 0) {
                MoveToEx(off, px, py, nullptr);
                LineTo(off, x, y);
            }
            Ellipse(off, x - 4, y - 4, x + 4, y + 4);
            px = x;
            py = y;
        }
        SelectObject(off, previousBrush);
        SelectObject(off, GetStockObject(BLACK_PEN));
        DeleteObject(brush);
        DeleteObject(pen);
    }
    SelectObject(off, oldFont);
    DeleteObject(font);
    SelectObject(off, oldPen);
    BitBlt(screen, 0, 0, 400, 300, off, 0, 0, SRCCOPY);
}

// A trace overlay: the cached picture copied, then the pip, the trace text and the cursor
// lines.
void graphTraceOverlay(HDC screen, HDC cached) {
    BitBlt(screen, 0, 0, 400, 300, cached, 0, 0, SRCCOPY);
    HBRUSH pip = CreateSolidBrush(RGB(0, 255, 255));
    HGDIOBJ oldBrush = SelectObject(screen, pip);
    HGDIOBJ oldPen = SelectObject(screen, GetStockObject(BLACK_PEN));
    Ellipse(screen, 195, 145, 205, 155);
    HFONT font = CreateFontA(15, 0, 0, 0, 300, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial Narrow");
    HGDIOBJ oldFont = SelectObject(screen, font);
    SetTextAlign(screen, TA_BOTTOM);
    TextOutA(screen, 2, 299, "(5.00,12.5)", 11);
    HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    SelectObject(screen, red);
    MoveToEx(screen, 58, 150, nullptr);
    LineTo(screen, 192, 150);
    MoveToEx(screen, 200, 159, nullptr);
    LineTo(screen, 200, 260);
    SelectObject(screen, oldPen);
    SelectObject(screen, oldBrush);
    SelectObject(screen, oldFont);
    DeleteObject(red);
    DeleteObject(font);
    DeleteObject(pip);
}

int runBench() {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 640;
    info.bmiHeader.biHeight = -480;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bm = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bm);
    HDC src = CreateCompatibleDC(dc);
    HBITMAP bm2 = CreateCompatibleBitmap(dc, 640, 480);
    HGDIOBJ old2 = SelectObject(src, bm2);
    HFONT f = CreateFontA(15, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    HGDIOBJ oldFont = SelectObject(dc, f);
    HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
    RECT all{0, 0, 640, 480};
    printf("clear 640x480        %10.1f us\n", timeIt(20, [&] { FillRect(dc, &all, white); }));
    printf("10000 lines          %10.1f us\n", timeIt(5, [&] {
               for (int i = 0; i < 10000; ++i) {
                   MoveToEx(dc, (i * 7) % 640, (i * 13) % 480, nullptr);
                   LineTo(dc, (i * 11) % 640, (i * 17) % 480);
               }
           }));
    printf("1000 Rectangle       %10.1f us\n", timeIt(5, [&] {
               for (int i = 0; i < 1000; ++i) {
                   int x = (i * 7) % 600, y = (i * 13) % 440;
                   Rectangle(dc, x, y, x + 40, y + 30);
               }
           }));
    printf("1000 TextOutA x10    %10.1f us\n", timeIt(5, [&] {
               for (int i = 0; i < 1000; ++i) {
                   TextOutA(dc, (i * 7) % 560, (i * 13) % 460, "Zentrix 42", 10);
               }
           }));
    printf("BitBlt 640x480       %10.1f us\n",
           timeIt(20, [&] { BitBlt(dc, 0, 0, 640, 480, src, 0, 0, SRCCOPY); }));
    printf("graph full draw      %10.1f us\n", timeIt(5, [&] { graphFullDraw(dc, src); }));
    printf("graph trace overlay  %10.1f us\n", timeIt(20, [&] { graphTraceOverlay(dc, src); }));
    SelectObject(dc, oldFont);
    DeleteObject(f);
    DeleteObject(white);
    SelectObject(src, old2);
    DeleteObject(bm2);
    DeleteDC(src);
    SelectObject(dc, old);
    DeleteObject(bm);
    DeleteDC(dc);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--bench") {
        return runBench();
    }
    std::string dir = argc > 1 ? argv[1] : ".";
    struct Entry {
        const char* name;
        void (*draw)(Scene&);
    };
    const Entry scenes[] = {
        {"lines", sceneLines},     {"styles", sceneStyles},     {"rectangles", sceneRectangles},
        {"figures", sceneFigures}, {"clipping", sceneClipping}, {"text", sceneText},
        {"blits", sceneBlits},     {"centred", sceneCentred},   {"mapping", sceneMapping}};
    for (const Entry& e : scenes) {
        Scene scene;
        e.draw(scene);
        scene.save(dir, e.name);
    }
    printf("%d scenes written to %s\n", int(sizeof(scenes) / sizeof(scenes[0])), dir.c_str());
    return 0;
}
