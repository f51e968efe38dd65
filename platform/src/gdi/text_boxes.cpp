// The text-box log (see text_boxes.h). Costs one flag test per call while it is off.
#include "gdi/text_boxes.h"

#include <cstdio>
#include <cstdlib>

namespace w32::gdi {
namespace {

FILE* logFile() {
    static FILE* file = [] {
        const char* path = std::getenv("ZX_TEXT_BOXES");
        FILE* f = path != nullptr && *path != '\0' ? std::fopen(path, "a") : nullptr;
        if (f != nullptr) {
            // Line by line, so that a run that ends abruptly still leaves whole lines.
            std::setvbuf(f, nullptr, _IOLBF, 0);
        }
        return f;
    }();
    return file;
}

Bitmap* bitmapOf(const Canvas& canvas) {
    return canvas.dc != nullptr ? find<Bitmap>(canvas.dc->state.bitmap) : nullptr;
}

// Floor and ceiling of a * b / c for c > 0.
int64_t scaledFloor(int64_t a, int64_t b, int64_t c) {
    const int64_t p = a * b;
    return p >= 0 ? p / c : -((-p + c - 1) / c);
}
int64_t scaledCeil(int64_t a, int64_t b, int64_t c) {
    return -scaledFloor(-a, b, c);
}

} // namespace

bool textBoxLogOn() {
    static const bool on = logFile() != nullptr;
    return on;
}

void logTextBox(const Canvas& canvas, const DevRect& box, bool symbolFont) {
    const DevRect clipped = box.intersect(canvas.clip);
    Bitmap* bitmap = bitmapOf(canvas);
    if (clipped.empty() || bitmap == nullptr || !textBoxLogOn()) {
        return;
    }
    bitmap->textBoxes.push_back({clipped, symbolFont});
    std::fprintf(logFile(), "%d %d %lld %lld %lld %lld%s\n", canvas.surface.width,
                 canvas.surface.height, static_cast<long long>(clipped.left),
                 static_cast<long long>(clipped.top), static_cast<long long>(clipped.right),
                 static_cast<long long>(clipped.bottom), symbolFont ? " symbol" : "");
}

void carryTextBoxes(const Canvas& source, const DevRect& from, const Canvas& destination,
                    const DevRect& to, bool flipX, bool flipY) {
    Bitmap* bitmap = bitmapOf(source);
    if (bitmap == nullptr || from.empty() || to.empty() || bitmap == bitmapOf(destination)) {
        return;
    }
    const int64_t sw = from.right - from.left, sh = from.bottom - from.top;
    const int64_t dw = to.right - to.left, dh = to.bottom - to.top;
    for (const Bitmap::TextBox& logged : bitmap->textBoxes) {
        const DevRect part = logged.box.intersect(from);
        if (part.empty()) {
            continue;
        }
        // Scaled outwards, so that a stretched box still covers every pixel it feeds.
        const int64_t x0 = scaledFloor(part.left - from.left, dw, sw);
        const int64_t x1 = scaledCeil(part.right - from.left, dw, sw);
        const int64_t y0 = scaledFloor(part.top - from.top, dh, sh);
        const int64_t y1 = scaledCeil(part.bottom - from.top, dh, sh);
        logTextBox(destination,
                   {flipX ? to.right - x1 : to.left + x0, flipY ? to.bottom - y1 : to.top + y0,
                    flipX ? to.right - x0 : to.left + x1, flipY ? to.bottom - y0 : to.top + y1},
                   logged.symbolFont);
    }
}

} // namespace w32::gdi
