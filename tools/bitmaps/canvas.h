// A small RGB canvas for drawing resource art in code, and its 24-bit BMP file.
#pragma once

#include <climits>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "font.h"

namespace bitmaps {

struct Rgb {
    uint8_t r, g, b;
};

class Canvas {
public:
    Canvas(int width, int height, Rgb paper);

    int width() const { return width_; }
    int height() const { return height_; }
    Rgb at(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

    void set(int x, int y, Rgb colour);
    // Fills [left, right) x [top, bottom).
    void fill(int left, int top, int right, int bottom, Rgb colour);
    void frame(int left, int top, int right, int bottom, Rgb colour);
    // The one-pixel edges of a raised box: `lit` along the top and left, `shade` along the
    // bottom and right; swapping the two colours sinks the box.
    void bevel(int left, int top, int right, int bottom, Rgb lit, Rgb shade);
    // A straight line from (x0, y0) to (x1, y1), both ends included.
    void line(int x0, int y0, int x1, int y1, Rgb colour);

    // A character of `font` with its top-left corner at (x, y), `scale` pixels per font pixel;
    // rows outside [clipTop, clipBottom) are not drawn, nor characters the font lacks.
    void glyph(int x, int y, char32_t code, const Font& font, int scale, Rgb colour,
               int clipTop = INT_MIN, int clipBottom = INT_MAX);
    // A digit of the 5 x 7 font, clipped as above.
    void digit(int x, int y, int value, int scale, Rgb colour, int clipTop, int clipBottom);
    // A UTF-8 text in `font` at scale 1, its characters one pixel apart.
    void text(int x, int y, std::string_view utf8, const Font& font, Rgb colour);

    // The canvas mirrored about its main diagonal: rows become columns. Light that falls from
    // the top left still falls from the top left, so a horizontal part turns into its
    // vertical twin.
    Canvas transposed() const;

    // Writes an uncompressed bottom-up 24-bit BMP; false when the file cannot be written.
    bool writeBmp(const std::string& path) const;

private:
    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};

} // namespace bitmaps
