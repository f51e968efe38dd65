// Draw contexts: the native info a plug-in draws into (kinds 1-3 carry an HDC; 0 and 4 do
// not draw) and the picture drawing of slot 7.
#include <windows.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "host_impl.h"

namespace zxhost {
namespace {

struct DrawContextObject {
    HostObject base;
    int32_t kind = 1;
    HDC dc = nullptr;
};

DrawContextObject* contextOf(zx::DrawContext* self) {
    return objectOf<DrawContextObject>(self);
}

zx::Result ZX_CALL getNativeInfo(zx::DrawContext* self, intptr_t* words) {
    if (!words) {
        return zx::kNotSupported;
    }
    const DrawContextObject* c = contextOf(self);
    for (int i = 0; i < zx::kNativeInfoWords; ++i) {
        words[i] = 0;
    }
    words[zx::kNativeKind] = c->kind;
    if (c->kind >= 1 && c->kind <= 3) {
        words[zx::kNativeHandle] = reinterpret_cast<intptr_t>(c->dc);
    }
    return zx::kOk;
}

COLORREF toColorRef(uint32_t rgb) {
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// How the source rectangle of a picture maps onto the destination: destination pixel
// (x, y) shows source pixel (left + x * sw / dw, top + y * sh / dh), the nearest pixel.
struct Scaling {
    const zx::HostRect& destination;
    const zx::HostRect& source;
    int32_t dw, dh, sw, sh;
    bool transparent;
    uint32_t skipRgb; // 0xRRGGBB left out when transparent
};

// The source pixel of destination pixel (x, y) as 0xRRGGBB, or nothing when it lies outside
// the picture or is the transparent colour.
std::optional<uint32_t> sourcePixel(const Picture& picture, const Scaling& s, int32_t x,
                                    int32_t y) {
    const int64_t sy = s.source.top + static_cast<int64_t>(y) * s.sh / s.dh;
    const int64_t sx = s.source.left + static_cast<int64_t>(x) * s.sw / s.dw;
    if (sy < 0 || sy >= picture.height || sx < 0 || sx >= picture.width) {
        return std::nullopt;
    }
    const uint32_t pixel = picture.at(static_cast<int32_t>(sx), static_cast<int32_t>(sy));
    if (s.transparent && pixel == s.skipRgb) {
        return std::nullopt;
    }
    return pixel;
}

// One pixel at a time: right under any map mode, since each picture pixel lands where
// SetPixel maps it.
void drawPixelByPixel(HDC dc, const Picture& picture, const Scaling& s) {
    for (int32_t y = 0; y < s.dh; ++y) {
        for (int32_t x = 0; x < s.dw; ++x) {
            if (const auto pixel = sourcePixel(picture, s, x, y)) {
                SetPixel(dc, s.destination.left + x, s.destination.top + y, toColorRef(*pixel));
            }
        }
    }
}

// Under MM_TEXT a logical pixel is a device pixel, so each row is scaled into a buffer and
// copied one to one in runs of drawn pixels: the same pixels as drawPixelByPixel, with one
// device call per run instead of one per pixel. Only rows and columns inside the clip box
// are scaled, so a huge destination costs no more than the part that can show.
void drawInRuns(HDC dc, const Picture& picture, const Scaling& s) {
    RECT clip{};
    int32_t x0 = 0, x1 = s.dw, y0 = 0, y1 = s.dh;
    if (GetClipBox(dc, &clip) != ERROR) {
        x0 = static_cast<int32_t>(
            std::clamp<int64_t>(int64_t{clip.left} - s.destination.left, 0, s.dw));
        x1 = static_cast<int32_t>(
            std::clamp<int64_t>(int64_t{clip.right} - s.destination.left, x0, s.dw));
        y0 = static_cast<int32_t>(
            std::clamp<int64_t>(int64_t{clip.top} - s.destination.top, 0, s.dh));
        y1 = static_cast<int32_t>(
            std::clamp<int64_t>(int64_t{clip.bottom} - s.destination.top, y0, s.dh));
    }
    if (x0 >= x1) {
        return;
    }
    const int32_t width = x1 - x0;
    std::vector<uint32_t> row(static_cast<size_t>(width));
    std::vector<bool> drawn(static_cast<size_t>(width));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -1; // one top-down row
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    for (int32_t y = y0; y < y1; ++y) {
        for (int32_t x = x0; x < x1; ++x) {
            const auto pixel = sourcePixel(picture, s, x, y);
            const auto at = static_cast<size_t>(x - x0);
            drawn[at] = pixel.has_value();
            row[at] = pixel.value_or(0); // 32-bit DIB pixels are 0xRRGGBB as well
        }
        for (int32_t run = 0; run < width;) {
            if (!drawn[static_cast<size_t>(run)]) {
                ++run;
                continue;
            }
            int32_t end = run;
            while (end < width && drawn[static_cast<size_t>(end)]) {
                ++end;
            }
            StretchDIBits(dc, s.destination.left + x0 + run, s.destination.top + y, end - run, 1,
                          run, 0, end - run, 1, row.data(), &info, DIB_RGB_COLORS, SRCCOPY);
            run = end;
        }
    }
}

// Draws the source rectangle of the picture scaled (nearest pixel) onto the destination,
// within the device context's clip.
// Ink 0 copies; ink 36 (background transparent) skips the pixels whose colour is the
// palette entry named by the first ink parameter (a value outside 0-255 skips nothing).
// Other inks draw as copy.
zx::Result ZX_CALL drawPicture(zx::DrawContext* self, const zx::HostRect* destination,
                               const zx::HostValue* pictureValue, const zx::HostRect* source,
                               int32_t ink, const int32_t* inkParams, int32_t) {
    DrawContextObject* c = contextOf(self);
    HostImpl& host = *c->base.host;
    DrawPictureCall call;
    if (destination) {
        call.destination = *destination;
    }
    if (source) {
        call.source = *source;
    }
    call.ink = ink;
    if (inkParams) {
        for (int i = 0; i < 4; ++i) {
            call.params[static_cast<size_t>(i)] = inkParams[i];
        }
    }
    call.picture = pictureValue ? pictureValue->payload : 0;
    const Picture* picture = pictureValue ? host.values.picture(*pictureValue) : nullptr;
    if (!destination || !source || !picture) {
        call.result = zx::kNotSupported;
        host.hooks.records.drawPictures.push_back(call);
        return call.result;
    }
    host.hooks.records.drawPictures.push_back(call);
    if (c->kind < 1 || c->kind > 3 || !c->dc) {
        return zx::kOk;
    }

    const int32_t dw = destination->right - destination->left;
    const int32_t dh = destination->bottom - destination->top;
    const int32_t sw = source->right - source->left;
    const int32_t sh = source->bottom - source->top;
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) {
        return zx::kOk;
    }
    const bool transparent = ink == 36 && inkParams && inkParams[0] >= 0 && inkParams[0] <= 255;
    const uint32_t skip = transparent ? paletteColor(inkParams[0]) : 0;
    const uint32_t skipRgb = (skip & 0xFF) << 16 | (skip & 0xFF00) | (skip >> 16 & 0xFF);
    const Scaling scaling{*destination, *source, dw, dh, sw, sh, transparent, skipRgb};
    if (GetMapMode(c->dc) == MM_TEXT) {
        drawInRuns(c->dc, *picture, scaling);
    } else {
        drawPixelByPixel(c->dc, *picture, scaling);
    }
    return zx::kOk;
}

const zx::DrawContextOps kDrawContextOps = {
    ZXHOST_UNKNOWN_THUNKS(zx::DrawContext), nullptr, nullptr, &getNativeInfo, nullptr, &drawPicture,
};

void destroyContext(HostObject* self) {
    delete reinterpret_cast<DrawContextObject*>(self);
}

} // namespace

zx::DrawContext* newDrawContext(HostImpl* host, int32_t kind, HDC dc) {
    auto* c = new DrawContextObject;
    c->base = HostObject{&kDrawContextOps, host, object::kDrawContext, 1, nullptr, &destroyContext};
    c->kind = kind;
    c->dc = dc;
    return reinterpret_cast<zx::DrawContext*>(c);
}

} // namespace zxhost
