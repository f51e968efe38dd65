// Properties dialogs: opening one (the kind's procedure fills the controls) and cancelling
// it, and the same with the first paint into a 32-bit DIB of the window's size in between.
// The difference is the first paint. ColdOpenPaintAndCancel runs once, first, before any
// text has been drawn in the process: what the first dialog after start-up costs, font
// loading and glyph rasterising included.
#include <string>

#include <benchmark/benchmark.h>
#include <windows.h>
#include <zxw32/dialog_view.h>

#include "zxhost/host.h"
#include "zxhost/member.h"

namespace {

const char* const kKinds[] = {"formulon",  "plotmark",  "glidebar",
                              "dialgauge", "tallydisc", "gridcell"};

void paintOnce(HWND dialog) {
    const SIZE size = zxw32::dialogWindowSize(dialog);
    HDC dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    zxw32::paintDialog(dialog, dc);
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

void run(benchmark::State& state, bool paint) {
    const char* kind = kKinds[state.range(0)];
    zxhost::Host host({std::string(ZX_BINARY_DIR) + "/bin"});
    zxhost::Member& member = host.newMember(kind, "m");
    for (auto _ : state) {
        member.showDialog([&](HWND dialog) {
            if (paint) {
                paintOnce(dialog);
            }
            return IDCANCEL;
        });
    }
    state.SetLabel(kind);
}

void ColdOpenPaintAndCancel(benchmark::State& state) {
    run(state, true);
}

void OpenAndCancel(benchmark::State& state) {
    run(state, false);
}

void OpenPaintAndCancel(benchmark::State& state) {
    run(state, true);
}

BENCHMARK(ColdOpenPaintAndCancel)->Arg(0)->Iterations(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(OpenAndCancel)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);
BENCHMARK(OpenPaintAndCancel)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

} // namespace
