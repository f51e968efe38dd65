// Pixel-by-pixel comparison of two renderings of one movie, with the text boxes that the
// native build logged (ZX_TEXT_BOXES). Every pixel must match, text included, except inside
// boxes of text drawn in a Symbol-encoded font: Wine finds no such font and draws other
// glyphs there (README, "Windows check (Wine)").
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace moviecompare {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels; // 0x00RRGGBB, top row first
    uint32_t at(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

// Half-open [left, right) x [top, bottom).
struct Box {
    int64_t left = 0, top = 0, right = 0, bottom = 0;
    bool contains(int64_t x, int64_t y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }
};

// Where one TextOutA drew, and whether its font was Symbol-encoded.
struct TextBox {
    Box area;
    bool symbolFont = false;
};

// The boxes of a text-box log that were drawn on a surface of the given size (the stage
// the image shows), each widened by `margin` pixels on every side; lines of other surfaces
// and malformed lines are skipped.
std::vector<TextBox> boxesForSurface(const std::string& logText, int width, int height,
                                     int margin = 0);

struct Comparison {
    bool sameSize = false;
    int64_t identical = 0;
    int64_t differing = 0;
    int64_t inText = 0;       // differing pixels inside text boxes of ordinary fonts
    int64_t inSymbolText = 0; // differing pixels inside boxes of Symbol-encoded text
    Box failingBounds;        // the smallest box holding every differing pixel not excused
    int64_t outsideText() const { return differing - inText - inSymbolText; }
    int64_t failing() const { return differing - inSymbolText; }
    bool acceptable() const { return sameSize && failing() == 0; }
};

// Compares pixel by pixel; a pixel inside any Symbol-encoded box is excused even where an
// ordinary box overlaps it, since the replaced glyph may reach into its neighbour's box.
Comparison compareImages(const Image& a, const Image& b, const std::vector<TextBox>& textBoxes);

// What the comparison says a pixel is: 0 no text, 1 ordinary text, 2 Symbol-encoded text.
std::vector<uint8_t> textCoverage(const std::vector<TextBox>& textBoxes, int width, int height);

} // namespace moviecompare
