// Text drawn through the GDI calls: every inked pixel lies inside the box that the metrics
// promise (advance extent x tmHeight), and the samples are kept as a PNG to look at.
#include <windows.h>
#include <zxw32/gdi_ext.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 80;

struct Line {
    const char* face;
    int height;
    int weight;
    std::string text;
};

const Line kLines[] = {
    {"Arial", 15, FW_BOLD, "Arial 15 bold 0123456789"},
    {"Symbol", 15, FW_BOLD, "Symbol: abDp\xB4\xAE"},
    {"Arial Narrow", 15, FW_LIGHT, "Arial Narrow 15 light \x80 \xE9"},
    {"", 0, FW_NORMAL, "System font"},
};

TEST(TextSamples, InkStaysInsideTheAdvanceBoxOfEachLine) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP surface = CreateCompatibleBitmap(dc, kWidth, kHeight);
    ASSERT_NE(surface, nullptr);
    HGDIOBJ oldBitmap = SelectObject(dc, surface);
    RECT all{0, 0, kWidth, kHeight};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc, TRANSPARENT);

    zxw32::DibPixels pixels;
    ASSERT_TRUE(zxw32::dcPixels(dc, &pixels));
    int top = 2;
    for (const Line& line : kLines) {
        HFONT font = CreateFontA(line.height, 0, 0, 0, line.weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                                 0, 0, line.face);
        HGDIOBJ oldFont = SelectObject(dc, font);
        TEXTMETRICA tm{};
        GetTextMetricsA(dc, &tm);
        SIZE extent{};
        const int length = static_cast<int>(line.text.size());
        GetTextExtentPointA(dc, line.text.c_str(), length, &extent);
        std::vector<uint32_t> before;
        for (int y = 0; y < kHeight; ++y) {
            before.insert(before.end(), pixels.row(y), pixels.row(y) + kWidth);
        }
        TextOutA(dc, 4, top, line.text.c_str(), length);

        int inked = 0;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                if (pixels.row(y)[x] == before[static_cast<size_t>(y) * kWidth + x]) {
                    continue;
                }
                const bool inBox = x >= 4 && x < 4 + extent.cx && y >= top && y < top + tm.tmHeight;
                EXPECT_TRUE(inBox) << line.text << " at " << x << "," << y;
                ++inked;
            }
        }
        EXPECT_GT(inked, length) << line.text;
        SelectObject(dc, oldFont);
        DeleteObject(font);
        top += tm.tmHeight + 4;
    }
    EXPECT_TRUE(zxw32::savePng(dc, ZX_BINARY_DIR "/text_samples.png"));
    SelectObject(dc, oldBitmap);
    DeleteObject(surface);
    DeleteDC(dc);
}

} // namespace
