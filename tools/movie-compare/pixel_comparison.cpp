// The comparison of two renderings; see pixel_comparison.h.
#include "pixel_comparison.h"

#include <algorithm>
#include <sstream>

namespace moviecompare {

std::vector<TextBox> boxesForSurface(const std::string& logText, int width, int height,
                                     int margin) {
    std::vector<TextBox> boxes;
    std::istringstream lines(logText);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        int w = 0, h = 0;
        Box box;
        if (!(fields >> w >> h >> box.left >> box.top >> box.right >> box.bottom) || w != width ||
            h != height || box.right <= box.left || box.bottom <= box.top) {
            continue;
        }
        std::string tag;
        fields >> tag;
        boxes.push_back(
            {{box.left - margin, box.top - margin, box.right + margin, box.bottom + margin},
             tag == "symbol"});
    }
    return boxes;
}

// A grid of the pixels covered by any box, so the comparison stays linear in the image.
std::vector<uint8_t> textCoverage(const std::vector<TextBox>& textBoxes, int width, int height) {
    std::vector<uint8_t> covered(size_t(width) * size_t(height), 0);
    for (const TextBox& text : textBoxes) {
        const Box& box = text.area;
        const uint8_t kind = text.symbolFont ? 2 : 1;
        const int64_t x0 = std::max<int64_t>(box.left, 0), x1 = std::min<int64_t>(box.right, width);
        const int64_t y0 = std::max<int64_t>(box.top, 0),
                      y1 = std::min<int64_t>(box.bottom, height);
        for (int64_t y = y0; y < y1; ++y) {
            for (int64_t x = x0; x < x1; ++x) {
                uint8_t& cell = covered[size_t(y) * size_t(width) + size_t(x)];
                cell = std::max(cell, kind);
            }
        }
    }
    return covered;
}

Comparison compareImages(const Image& a, const Image& b, const std::vector<TextBox>& textBoxes) {
    Comparison result;
    result.sameSize = a.width == b.width && a.height == b.height &&
                      a.pixels.size() == size_t(a.width) * size_t(a.height) &&
                      b.pixels.size() == a.pixels.size();
    if (!result.sameSize) {
        return result;
    }
    const std::vector<uint8_t> text = textCoverage(textBoxes, a.width, a.height);
    bool anyFailing = false;
    for (int y = 0; y < a.height; ++y) {
        for (int x = 0; x < a.width; ++x) {
            if (a.at(x, y) == b.at(x, y)) {
                ++result.identical;
                continue;
            }
            ++result.differing;
            const uint8_t kind = text[size_t(y) * size_t(a.width) + size_t(x)];
            if (kind == 2) {
                ++result.inSymbolText;
                continue;
            }
            if (kind == 1) {
                ++result.inText;
            }
            Box& f = result.failingBounds;
            if (!anyFailing) {
                f = {x, y, x + 1, y + 1};
                anyFailing = true;
            } else {
                f = {std::min<int64_t>(f.left, x), std::min<int64_t>(f.top, y),
                     std::max<int64_t>(f.right, x + 1), std::max<int64_t>(f.bottom, y + 1)};
            }
        }
    }
    return result;
}

} // namespace moviecompare
