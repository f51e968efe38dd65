// Realised fonts for the GDI layer: face matching (fontconfig), glyph rasterising
// (FreeType) and Windows-style metrics. The GDI text calls (TextOutA, GetTextMetricsA,
// GetCharWidthA, GetTextExtentPointA) are built on this and know nothing of FreeType.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace w32::text {

// What CreateFontA asked for.
struct FontRequest {
    int height = 0; // > 0: cell height; < 0: character (em) height; 0: a default size
    int width = 0;
    int escapement = 0; // tenths of a degree; the GDI layer rotates for 900
    int orientation = 0;
    int weight = 400;
    bool italic = false;
    int charset = 0;
    std::string face; // "Arial", "Symbol", "" for the system font
    bool operator==(const FontRequest&) const = default;
};

// Metrics in whole pixels, as GetTextMetricsA reports them. height == ascent + descent.
struct FontMetrics {
    int height = 0;
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0;
    int externalLeading = 0;
    int aveCharWidth = 0;
    int maxCharWidth = 0;
    int weight = 400;
    bool italic = false;
    int charset = 0;
    uint8_t firstChar = 0x20;
    uint8_t lastChar = 0xFF;
    uint8_t defaultChar = 0x1F;
    uint8_t breakChar = 0x20;
};

// One glyph as a coverage bitmap (0 = paper, 255 = ink), positioned relative to the pen
// point on the baseline: the bitmap's top-left pixel is at (pen.x + left, baseline - top).
struct Glyph {
    int advance = 0; // integer advance; equals Face::advance of the same byte
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<uint8_t> coverage; // width * height, row-major, top row first
};

// A realised font: one face at one pixel size. Byte codes are cp-1252, except for Symbol
// faces, whose bytes map through the face's Symbol encoding (0x61 alpha, 0xB4 times).
class Face {
public:
    virtual ~Face() = default;
    virtual const FontMetrics& metrics() const = 0;
    virtual int advance(uint8_t code) = 0;
    // Cached: repeated text never rasterises a glyph twice.
    virtual const Glyph& glyph(uint8_t code) = 0;
    // The family of the installed font standing in for the request ("Liberation Sans").
    virtual std::string familyName() const { return {}; }
    // The face's own name of the glyph a byte shows ("alpha", "Euro"); empty if unnamed.
    virtual std::string glyphName(uint8_t code) const {
        (void)code;
        return {};
    }
};

// The realised font for a request, shared between requests that are equal.
std::shared_ptr<Face> realize(const FontRequest& request);

} // namespace w32::text
