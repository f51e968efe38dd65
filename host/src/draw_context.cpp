// Draw contexts: the native info a plug-in draws into (kinds 1-3 carry an HDC; 0 and 4 do
// not draw) and the picture drawing of slot 7.
#include <windows.h>

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

// Draws the source rectangle of the picture scaled (nearest pixel) onto the destination.
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
    for (int32_t y = 0; y < dh; ++y) {
        const int64_t sy = source->top + static_cast<int64_t>(y) * sh / dh;
        if (sy < 0 || sy >= picture->height) {
            continue;
        }
        for (int32_t x = 0; x < dw; ++x) {
            const int64_t sx = source->left + static_cast<int64_t>(x) * sw / dw;
            if (sx < 0 || sx >= picture->width) {
                continue;
            }
            const uint32_t pixel = picture->at(static_cast<int32_t>(sx), static_cast<int32_t>(sy));
            if (transparent && pixel == skipRgb) {
                continue;
            }
            SetPixel(c->dc, destination->left + x, destination->top + y, toColorRef(pixel));
        }
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
