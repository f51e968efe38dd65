// Glyph rasterising and metrics of realised fonts.
#include "text/freetype_face.h"

#include "text/design_metrics.h"
#include "text/freetype_library.h"

#include FT_OUTLINE_H
#include FT_SIZES_H

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace w32::text {
namespace {

constexpr int kSystemWeight = 700;
constexpr int kSymbolCharset = 2;
constexpr int kAnsiCharset = 0;

int toPixels(FT_Pos value26_6) {
    return static_cast<int>((value26_6 + 32) >> 6);
}

// The coverage of a rendered bitmap as 0/255 bytes, whatever the pixel mode.
void copyCoverage(const FT_Bitmap& bitmap, Glyph& glyph) {
    glyph.width = static_cast<int>(bitmap.width);
    glyph.height = static_cast<int>(bitmap.rows);
    glyph.coverage.assign(static_cast<size_t>(glyph.width) * glyph.height, 0);
    if (!bitmap.buffer) {
        return;
    }
    for (int row = 0; row < glyph.height; ++row) {
        const int memoryRow = bitmap.pitch >= 0 ? row : glyph.height - 1 - row;
        const unsigned char* src =
            bitmap.buffer + static_cast<long>(memoryRow) * std::abs(bitmap.pitch);
        uint8_t* dst = glyph.coverage.data() + static_cast<size_t>(row) * glyph.width;
        for (int x = 0; x < glyph.width; ++x) {
            bool ink = false;
            if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
                ink = (src[x >> 3] >> (7 - (x & 7))) & 1;
            } else if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
                ink = src[x] >= 128;
            }
            dst[x] = ink ? 255 : 0;
        }
    }
}

} // namespace

FreeTypeFace::FreeTypeFace(const FaceSetup& setup, const FontRequest& request) : setup_(setup) {
    const DesignMetrics design = designMetricsOf(setup_.face, setup_.indices);
    const ScaledSize scaled = scaleToHeight(design, request.height);
    ppem_ = scaled.ppem;
    metrics_ = scaled.metrics;

    // A non-zero width stretches the font horizontally until its average width matches.
    int xppem = ppem_;
    if (request.width != 0) {
        const int wanted = std::clamp(
            std::abs(std::clamp(request.width, -kMaxPixelSize, kMaxPixelSize)), 1, kMaxPixelSize);
        xppem = std::clamp(static_cast<int>(std::lround(static_cast<double>(ppem_) * wanted /
                                                        metrics_.aveCharWidth)),
                           1, kMaxPixelSize);
        metrics_.maxCharWidth =
            std::max(metrics_.maxCharWidth * wanted / metrics_.aveCharWidth, wanted);
        metrics_.aveCharWidth = wanted;
    }

    metrics_.weight =
        setup_.systemFont ? kSystemWeight : (request.weight > 0 ? request.weight : 400);
    metrics_.italic = request.italic;
    metrics_.charset = setup_.symbol ? kSymbolCharset : kAnsiCharset;

    // Each realised font keeps its own size object on the shared face.
    if (setup_.face && FT_New_Size(setup_.face, &size_) != 0) {
        size_ = nullptr;
    }
    if (size_ &&
        (FT_Activate_Size(size_) != 0 || FT_Set_Pixel_Sizes(setup_.face, xppem, ppem_) != 0)) {
        FT_Done_Size(size_);
        size_ = nullptr;
    }
}

FreeTypeFace::~FreeTypeFace() {
    std::lock_guard lock(engineMutex());
    if (size_) {
        FT_Done_Size(size_);
    }
}

std::string FreeTypeFace::familyName() const {
    return setup_.face && setup_.face->family_name ? setup_.face->family_name : "";
}

std::string FreeTypeFace::glyphName(uint8_t code) const {
    std::lock_guard lock(engineMutex());
    const FT_UInt index = setup_.indices[code];
    char name[64] = {};
    if (!setup_.face || !index || !FT_HAS_GLYPH_NAMES(setup_.face) ||
        FT_Get_Glyph_Name(setup_.face, index, name, sizeof name) != 0) {
        return {};
    }
    return name;
}

int FreeTypeFace::advance(uint8_t code) {
    return glyph(code).advance;
}

const Glyph& FreeTypeFace::glyph(uint8_t code) {
    std::lock_guard lock(engineMutex());
    auto& slot = glyphs_[code];
    if (!slot) {
        slot = std::make_unique<Glyph>(rasterise(code));
    }
    return *slot;
}

// What a byte without a glyph shows when the face's own missing-glyph symbol is empty:
// a hollow box of the average width, as Windows' default character looks.
Glyph FreeTypeFace::boxGlyph() const {
    Glyph box;
    box.advance = metrics_.aveCharWidth;
    box.width = std::max(box.advance - 2, 1);
    box.height = std::max(metrics_.ascent * 2 / 3, 1);
    box.left = 1;
    box.top = box.height;
    box.coverage.assign(static_cast<size_t>(box.width) * box.height, 0);
    for (int y = 0; y < box.height; ++y) {
        for (int x = 0; x < box.width; ++x) {
            if (y == 0 || y == box.height - 1 || x == 0 || x == box.width - 1) {
                box.coverage[static_cast<size_t>(y) * box.width + x] = 255;
            }
        }
    }
    return box;
}

Glyph FreeTypeFace::rasterise(uint8_t code) {
    Glyph glyph;
    glyph.advance = metrics_.aveCharWidth;
    FT_Face face = setup_.face;
    if (!face || !size_ || FT_Activate_Size(size_) != 0) {
        return glyph;
    }

    const FT_UInt index = setup_.indices[code];
    if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_MONO) != 0) {
        return index ? glyph : boxGlyph();
    }
    FT_GlyphSlot slot = face->glyph;
    // The advance is the design width rounded to whole pixels, as the Windows rasteriser
    // reports it for these faces (GetCharWidthA, text extents). The bi-level hinting would
    // move some advances by a pixel or two, and every position measured after such a
    // character would drift from what Windows draws.
    FT_Pos advance = slot->linearHoriAdvance >> 10; // 16.16 to 26.6

    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        if (setup_.embolden) {
            // Synthetic bold, as Windows simulates it: strokes thicken to the right by whole
            // pixels (a fraction disappears in a bi-level raster), the height stays within
            // the cell, and the advance grows by the same amount.
            const FT_Pos strength = std::max<FT_Pos>(64, FT_Pos{ppem_} * 64 / 32) & ~FT_Pos{63};
            FT_Outline_EmboldenXY(&slot->outline, strength, 0);
            FT_Outline_Translate(&slot->outline, strength / 2, 0);
            advance += strength;
        }
        if (setup_.oblique) {
            // Synthetic italic: a shear of about 12 degrees around the baseline.
            FT_Matrix shear{0x10000, 0x0366A, 0, 0x10000};
            FT_Outline_Transform(&slot->outline, &shear);
        }
    }
    if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) {
        return glyph;
    }

    glyph.advance = std::max(toPixels(advance), 0);
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    copyCoverage(slot->bitmap, glyph);

    if (index == 0 && (glyph.advance == 0 || glyph.coverage.empty())) {
        return boxGlyph();
    }
    return glyph;
}

} // namespace w32::text
