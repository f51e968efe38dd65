// Pixel operations and the BMP writer of the resource art generator.
#include "canvas.h"

#include <cstdio>

namespace bitmaps {
namespace {

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

void Canvas::bevel(int left, int top, int right, int bottom, Rgb lit, Rgb shade) {
    fill(left, top, right - 1, top + 1, lit);
    fill(left, top, left + 1, bottom - 1, lit);
    fill(left, bottom - 1, right, bottom, shade);
    fill(right - 1, top, right, bottom, shade);
}

void Canvas::line(int x0, int y0, int x1, int y1, Rgb colour) {
    const int dx = x1 > x0 ? x1 - x0 : x0 - x1;
    const int dy = y1 > y0 ? y1 - y0 : y0 - y1;
    const int stepX = x1 > x0 ? 1 : -1;
    const int stepY = y1 > y0 ? 1 : -1;
    int error = dx - dy;
    for (;;) {
        set(x0, y0, colour);
        if (x0 == x1 && y0 == y1) {
            return;
        }
        const int twice = 2 * error;
        if (twice > -dy) {
            error -= dy;
            x0 += stepX;
        }
        if (twice < dx) {
            error += dx;
            y0 += stepY;
        }
    }
}

void Canvas::glyph(int x, int y, char32_t code, const Font& font, int scale, Rgb colour,
                   int clipTop, int clipBottom) {
    const Glyph* glyph = font.find(code);
    if (glyph == nullptr) {
        return;
    }
    const unsigned leftmost = 1u << (font.width - 1);
    for (int row = 0; row < font.height; ++row) {
        for (int column = 0; column < font.width; ++column) {
            if ((glyph->rows[row] & (leftmost >> column)) == 0) {
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

void Canvas::digit(int x, int y, int value, int scale, Rgb colour, int clipTop, int clipBottom) {
    const auto code = static_cast<char32_t>(U'0' + ((value % 10) + 10) % 10);
    glyph(x, y, code, largeFont(), scale, colour, clipTop, clipBottom);
}

void Canvas::text(int x, int y, std::string_view utf8, const Font& font, Rgb colour) {
    while (!utf8.empty()) {
        glyph(x, y, takeCodePoint(utf8), font, 1, colour);
        x += font.width + 1;
    }
}

Canvas Canvas::transposed() const {
    Canvas result(height_, width_, Rgb{0, 0, 0});
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            result.set(y, x, at(x, y));
        }
    }
    return result;
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
