// The calculator's Draw: the keys-up picture at the sprite's top-left, the active key's area
// copied from the keys-down picture over it, then the display window cleared to light grey
// with the number written right-aligned in it. Drawing also records where each key area
// lies on the stage, for the hit test of the next press.
#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string>

#include "calculator_block.h"
#include "calculator_sprite.h"
#include "zxplugin/gdi_guards.h"

namespace keypadix {
namespace {

using zx::calculator::KeyArea;

// The background-transparent ink: the host leaves out the pixels of the palette entry in the
// first ink parameter.
constexpr int32_t kInkBackgroundTransparent = 36;
constexpr COLORREF kLightGrey = RGB(192, 192, 192);

constexpr int kDisplayFontHeight = 14;
constexpr int kDisplayFontWeight = 300;
// The baseline stands (height - kBaselineRaise) / 2 above the display's bottom edge, which
// centres the digits of the display font in the default 11-pixel window.
constexpr int64_t kBaselineRaise = 7;

int clampToInt(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                std::numeric_limits<int32_t>::max()));
}

// The host palette's index of a colour; `fallback` when the host cannot tell.
int32_t paletteIndexOf(zx::HostUtilities* utilities, COLORREF color, int32_t fallback) {
    if (utilities == nullptr) {
        return fallback;
    }
    const zx::RgbTriple rgb{GetRValue(color), GetGValue(color), GetBValue(color)};
    uint8_t index = 0;
    if (utilities->ops->paletteIndex(utilities, &rgb, &index) != zx::kOk) {
        return fallback;
    }
    return index;
}

// The ink parameters for the keypad picture: with the background-transparent ink the light
// grey of the keypad is the background, and the member's transparent colour the second.
std::array<int32_t, 4> keypadInkParams(zx::HostUtilities* utilities, const zx::DrawRecord& record,
                                       const CalculatorBlock& b) {
    std::array<int32_t, 4> params{};
    std::copy_n(&record.words[zx::kDrawInkParams], params.size(), params.begin());
    if (record.words[zx::kDrawInk] == kInkBackgroundTransparent) {
        params[0] = paletteIndexOf(utilities, kLightGrey, params[0]);
        if (b.transparentColor != kNoColor) {
            params[1] = paletteIndexOf(
                utilities, static_cast<COLORREF>(b.transparentColor) & 0xFFFFFF, params[1]);
        }
    }
    return params;
}

// Draws the `source` part of a picture (in the picture's own pixels) onto `destination`.
void drawPicturePart(zx::DrawContext* context, const zx::Picture& picture,
                     const zx::HostRect& destination, const zx::HostRect& source, int32_t ink,
                     const int32_t* params) {
    if (context == nullptr || !picture.hasValue) {
        return;
    }
    context->ops->drawPicture(context, &destination, &picture.value, &source, ink, params, 0);
}

// The whole picture with its top-left corner at the sprite's.
void drawKeypad(zx::DrawContext* context, const zx::Picture& picture, const KeyArea& sprite,
                int32_t ink, const int32_t* params) {
    const RECT size = zx::pictureRect(picture);
    const int32_t width = size.right - size.left;
    const int32_t height = size.bottom - size.top;
    const zx::HostRect source{0, 0, height, width};
    const zx::HostRect destination{sprite.top, sprite.left,
                                   clampToInt(int64_t{sprite.top} + height),
                                   clampToInt(int64_t{sprite.left} + width)};
    drawPicturePart(context, picture, destination, source, ink, params);
}

// A key's area of the keys-down picture, pixel for pixel onto the same area of the sprite.
// Only the part inside the sprite is handed to the host: a script may make an area huge,
// and what lies outside would be clipped pixel by pixel.
void drawPressedKey(zx::DrawContext* context, const zx::Picture& picture, const KeyArea& area,
                    const KeyArea& sprite, int32_t ink, const int32_t* params) {
    const int64_t left = std::max<int64_t>(int64_t{area.left} + sprite.left, sprite.left);
    const int64_t top = std::max<int64_t>(int64_t{area.top} + sprite.top, sprite.top);
    const int64_t right = std::min<int64_t>(int64_t{area.right} + sprite.left, sprite.right);
    const int64_t bottom = std::min<int64_t>(int64_t{area.bottom} + sprite.top, sprite.bottom);
    if (left >= right || top >= bottom) {
        return;
    }
    const zx::HostRect destination{clampToInt(top), clampToInt(left), clampToInt(bottom),
                                   clampToInt(right)};
    const zx::HostRect source{clampToInt(top - sprite.top), clampToInt(left - sprite.left),
                              clampToInt(bottom - sprite.top), clampToInt(right - sprite.left)};
    drawPicturePart(context, picture, destination, source, ink, params);
}

// The display window: light grey without an outline, the text right-aligned on a baseline
// a little below the window's middle. The fill is limited to the sprite, where the clip
// ends anyway, so that a script's huge area never reaches the rasteriser.
void drawDisplay(HDC dc, const KeyArea& area, const KeyArea& sprite, const std::string& text) {
    {
        zx::Selection pen(dc, GetStockObject(NULL_PEN));
        zx::Selection brush(dc, GetStockObject(LTGRAY_BRUSH));
        const int left = std::max(area.left, sprite.left);
        const int top = std::max(area.top, sprite.top);
        const int right = std::min(area.right, sprite.right);
        const int bottom = std::min(area.bottom, sprite.bottom);
        if (left < right && top < bottom) {
            Rectangle(dc, left, top, right, bottom);
        }
    }
    zx::GdiObject<HFONT> font(CreateFontA(
        kDisplayFontHeight, 0, 0, 0, kDisplayFontWeight, FALSE, FALSE, FALSE, ANSI_CHARSET,
        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Arial"));
    zx::Selection selectedFont(dc, font ? static_cast<HGDIOBJ>(font.get())
                                        : GetStockObject(SYSTEM_FONT));
    zx::ScopedTextAlign align(dc, TA_RIGHT | TA_BASELINE);
    zx::ScopedTextColor color(dc, RGB(0, 0, 0));
    zx::ScopedBkMode mode(dc, TRANSPARENT);
    const int64_t height = int64_t{area.bottom} - area.top;
    const int baseline = clampToInt(area.bottom - (height - kBaselineRaise) / 2);
    TextOutA(dc, area.right, baseline, text.data(), static_cast<int>(text.size()));
}

} // namespace

zx::Result drawCalculator(zx::ActorRecord& actor, const zx::DrawRecord& record, HDC dc,
                          zx::DrawContext* context) {
    zx::AssetRecord& asset = *zx::linkedAsset(actor);
    CalculatorBlock& b = calculatorBlock(asset);
    const KeyArea sprite{record.words[0], record.words[1], record.words[2], record.words[3]};
    const int32_t ink = record.words[zx::kDrawInk];
    const int32_t* receivedParams = &record.words[zx::kDrawInkParams];

    zx::ScopedRop2 rop(dc, R2_COPYPEN);
    // Sprites leave their last column and row alone.
    zx::ClipToRect clip(dc, sprite.left, sprite.top, clampToInt(int64_t{sprite.right} - 1),
                        clampToInt(int64_t{sprite.bottom} - 1));

    const std::array<int32_t, 4> params = keypadInkParams(actor.utilities, record, b);
    drawKeypad(context, b.keysUp, sprite, ink, params.data());

    for (int32_t k = 0; k < zx::calculator::kKeyCount; ++k) {
        const auto index = static_cast<size_t>(k);
        b.drawnAreas[index] = b.keyAreas[index].offsetBy(sprite.left, sprite.top);
        if (k == b.activeComponent) {
            drawPressedKey(context, b.keysDown, b.keyAreas[index], sprite, ink, receivedParams);
        }
    }

    drawDisplay(dc, b.drawnAreas[zx::calculator::kKeyDisplay], sprite,
                SpriteStateOf::of(actor).engine.display());
    asset.changedFlag = 0;
    return zx::kOk;
}

} // namespace keypadix
