// Drawing throughput of libw32 on a 640 x 480 DIB surface: clearing, one-pixel lines,
// rectangles, text (glyphs come from the font cache after the first call) and a full
// BitBlt.
#include <benchmark/benchmark.h>
#include <windows.h>

namespace {

// A memory DC with a 640 x 480 surface selected, released on destruction.
class Surface {
public:
    Surface() : dc_(CreateCompatibleDC(nullptr)), bitmap_(CreateCompatibleBitmap(dc_, 640, 480)) {
        old_ = SelectObject(dc_, bitmap_);
    }
    ~Surface() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    HDC dc() const { return dc_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

void ClearSurface(benchmark::State& state) {
    Surface s;
    HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
    RECT all{0, 0, 640, 480};
    for (auto _ : state) {
        FillRect(s.dc(), &all, white);
    }
    DeleteObject(white);
}
BENCHMARK(ClearSurface);

void TenThousandLines(benchmark::State& state) {
    Surface s;
    for (auto _ : state) {
        for (int i = 0; i < 10000; ++i) {
            MoveToEx(s.dc(), (i * 7) % 640, (i * 13) % 480, nullptr);
            LineTo(s.dc(), (i * 11) % 640, (i * 17) % 480);
        }
    }
}
BENCHMARK(TenThousandLines);

void ThousandRectangles(benchmark::State& state) {
    Surface s;
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            int x = (i * 7) % 600, y = (i * 13) % 440;
            Rectangle(s.dc(), x, y, x + 40, y + 30);
        }
    }
}
BENCHMARK(ThousandRectangles);

void ThousandTextOuts(benchmark::State& state) {
    Surface s;
    HFONT font = CreateFontA(15, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    HGDIOBJ old = SelectObject(s.dc(), font);
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            TextOutA(s.dc(), (i * 7) % 560, (i * 13) % 460, "Zentrix 42", 10);
        }
    }
    SelectObject(s.dc(), old);
    DeleteObject(font);
}
BENCHMARK(ThousandTextOuts);

void FullBitBlt(benchmark::State& state) {
    Surface target, source;
    for (auto _ : state) {
        BitBlt(target.dc(), 0, 0, 640, 480, source.dc(), 0, 0, SRCCOPY);
    }
}
BENCHMARK(FullBitBlt);

} // namespace
