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

// One pixel at a time: right under any map mode and any scaling, since each picture pixel
// lands where SetPixel maps it.
void drawPixelByPixel(HDC dc, const Picture& picture, const Scaling& s) {
    for (int32_t y = 0; y < s.dh; ++y) {
        for (int32_t x = 0; x < s.dw; ++x) {
            if (const auto pixel = sourcePixel(picture, s, x, y)) {
                SetPixel(dc, s.destination.left + x, s.destination.top + y, toColorRef(*pixel));
            }
        }
    }
}

// Without scaling under MM_TEXT a picture pixel is a device pixel: the part of the picture
// that can show (inside the clip box and the picture) goes into a memory bitmap and is
// copied with BitBlt, whole or in runs of drawn pixels. The same pixels as
// drawPixelByPixel with a handful of device calls. False when no memory bitmap could be
// made.
bool drawUnscaled(HDC dc, const Picture& picture, const Scaling& s) {
    // Destination offsets x in [x0, x1), y in [y0, y1) that land on the picture.
    int64_t x0 = std::max<int64_t>(0, -int64_t{s.source.left});
    int64_t x1 = std::min<int64_t>(s.dw, int64_t{picture.width} - s.source.left);
    int64_t y0 = std::max<int64_t>(0, -int64_t{s.source.top});
    int64_t y1 = std::min<int64_t>(s.dh, int64_t{picture.height} - s.source.top);
    RECT clip{};
    if (GetClipBox(dc, &clip) != ERROR) {
        x0 = std::max<int64_t>(x0, int64_t{clip.left} - s.destination.left);
        x1 = std::min<int64_t>(x1, int64_t{clip.right} - s.destination.left);
        y0 = std::max<int64_t>(y0, int64_t{clip.top} - s.destination.top);
        y1 = std::min<int64_t>(y1, int64_t{clip.bottom} - s.destination.top);
    }
    if (x0 >= x1 || y0 >= y1) {
        return true;
    }
    const auto width = static_cast<int32_t>(x1 - x0);
    const auto height = static_cast<int32_t>(y1 - y0);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = bitmap != nullptr && bits != nullptr ? CreateCompatibleDC(dc) : nullptr;
    if (memory == nullptr) {
        if (bitmap != nullptr) {
            DeleteObject(bitmap);
        }
        return false;
    }
    HGDIOBJ previous = SelectObject(memory, bitmap);
    auto* pixels = static_cast<uint32_t*>(bits);
    // One to one: the picture's pixels are read row by row, no scaling arithmetic.
    bool all = true;
    for (int32_t y = 0; y < height; ++y) {
        const size_t row = static_cast<size_t>(y) * static_cast<size_t>(width);
        const uint32_t* from = &picture.pixels[static_cast<size_t>(s.source.top + y0 + y) *
                                                   static_cast<size_t>(picture.width) +
                                               static_cast<size_t>(s.source.left + x0)];
        for (int32_t x = 0; x < width; ++x) {
            const uint32_t pixel = from[x];
            pixels[row + static_cast<size_t>(x)] = pixel; // 32-bit DIB pixels are 0xRRGGBB too
            all = all && (!s.transparent || pixel != s.skipRgb);
        }
    }
    GdiFlush();
    const int32_t left = s.destination.left + static_cast<int32_t>(x0);
    const int32_t top = s.destination.top + static_cast<int32_t>(y0);
    if (all) {
        BitBlt(dc, left, top, width, height, memory, 0, 0, SRCCOPY);
    } else {
        for (int32_t y = 0; y < height; ++y) {
            const uint32_t* row = pixels + static_cast<size_t>(y) * static_cast<size_t>(width);
            for (int32_t run = 0; run < width;) {
                if (row[run] == s.skipRgb) {
                    ++run;
                    continue;
                }
                int32_t end = run;
                while (end < width && row[end] != s.skipRgb) {
                    ++end;
                }
                BitBlt(dc, left + run, top + y, end - run, 1, memory, run, y, SRCCOPY);
                run = end;
            }
        }
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(bitmap);
    return true;
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
        host.hooks.record(host.hooks.records.drawPictures, call);
        return call.result;
    }
    host.hooks.record(host.hooks.records.drawPictures, call);
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
    const bool unscaled = dw == sw && dh == sh && GetMapMode(c->dc) == MM_TEXT;
    if (!unscaled || !drawUnscaled(c->dc, *picture, scaling)) {
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
