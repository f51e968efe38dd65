// Pixel operations and the BMP writer of the resource art generator.
#include "canvas.h"

#include <cstdio>

namespace bitmaps {
namespace {

// A 5 x 7 digit font, one byte per row, bit 4 the leftmost pixel.
constexpr uint8_t kDigits[10][7] = {
    {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}, {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E},
    {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}, {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E},
    {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}, {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E},
    {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}, {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08},
    {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}, {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C},
};

void putLittle(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

} // namespace

Canvas::Canvas(int width, int height, Rgb paper)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, paper) {}

void Canvas::set(int x, int y, Rgb colour) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) {
        pixels_[static_cast<size_t>(y) * width_ + x] = colour;
    }
}

void Canvas::fill(int left, int top, int right, int bottom, Rgb colour) {
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            set(x, y, colour);
        }
    }
}

void Canvas::frame(int left, int top, int right, int bottom, Rgb colour) {
    fill(left, top, right, top + 1, colour);
    fill(left, bottom - 1, right, bottom, colour);
    fill(left, top, left + 1, bottom, colour);
    fill(right - 1, top, right, bottom, colour);
}

void Canvas::digit(int x, int y, int value, int scale, Rgb colour, int clipTop, int clipBottom) {
    const auto& rows = kDigits[((value % 10) + 10) % 10];
    for (int row = 0; row < 7; ++row) {
        for (int column = 0; column < 5; ++column) {
            if ((rows[row] & (0x10 >> column)) == 0) {
                continue;
            }
            for (int dy = 0; dy < scale; ++dy) {
                const int py = y + row * scale + dy;
                if (py < clipTop || py >= clipBottom) {
                    continue;
                }
                for (int dx = 0; dx < scale; ++dx) {
                    set(x + column * scale + dx, py, colour);
                }
            }
        }
    }
}

bool Canvas::writeBmp(const std::string& path) const {
    const uint32_t rowBytes = (static_cast<uint32_t>(width_) * 3 + 3) & ~3u;
    const uint32_t pixelBytes = rowBytes * static_cast<uint32_t>(height_);
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    putLittle(out, 14 + 40 + pixelBytes, 4);
    putLittle(out, 0, 4);
    putLittle(out, 14 + 40, 4);
    putLittle(out, 40, 4);
    putLittle(out, static_cast<uint32_t>(width_), 4);
    putLittle(out, static_cast<uint32_t>(height_), 4);
    putLittle(out, 1, 2);
    putLittle(out, 24, 2);
    putLittle(out, 0, 4); // uncompressed
    putLittle(out, pixelBytes, 4);
    putLittle(out, 2835, 4); // 72 dots per inch
    putLittle(out, 2835, 4);
    putLittle(out, 0, 4);
    putLittle(out, 0, 4);
    for (int y = height_ - 1; y >= 0; --y) {
        for (int x = 0; x < width_; ++x) {
            const Rgb p = at(x, y);
            out.push_back(p.b);
            out.push_back(p.g);
            out.push_back(p.r);
        }
        for (uint32_t pad = static_cast<uint32_t>(width_) * 3; pad < rowBytes; ++pad) {
            out.push_back(0);
        }
    }
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    return std::fclose(file) == 0 && written;
}

} // namespace bitmaps
