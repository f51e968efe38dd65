// A small RGB canvas for drawing resource art in code, and its 24-bit BMP file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

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
    // A digit of the 5 x 7 pixel font with its top-left corner at (x, y), `scale` pixels per
    // font pixel; rows outside [clipTop, clipBottom) are not drawn.
    void digit(int x, int y, int value, int scale, Rgb colour, int clipTop, int clipBottom);

    // Writes an uncompressed bottom-up 24-bit BMP; false when the file cannot be written.
    bool writeBmp(const std::string& path) const;

private:
    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};

} // namespace bitmaps
