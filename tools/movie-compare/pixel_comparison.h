// Pixel-by-pixel comparison of two renderings of one movie, with the text boxes that the
// native build logged (ZX_TEXT_BOXES): glyph shapes may differ between the builds, every
// other pixel must not.
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

// The boxes of a text-box log that were drawn on a surface of the given size (the stage
// the image shows), each widened by `margin` pixels on every side; lines of other surfaces
// and malformed lines are skipped.
std::vector<Box> boxesForSurface(const std::string& logText, int width, int height, int margin = 0);

struct Comparison {
    bool sameSize = false;
    int64_t identical = 0;
    int64_t differing = 0;
    int64_t insideText = 0; // differing pixels inside some text box
    Box outsideBounds;      // the smallest box holding every differing pixel outside text
    int64_t outsideText() const { return differing - insideText; }
    bool acceptable() const { return sameSize && outsideText() == 0; }
};

Comparison compareImages(const Image& a, const Image& b, const std::vector<Box>& textBoxes);

} // namespace moviecompare
