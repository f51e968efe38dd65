// The comparison of two renderings; see pixel_comparison.h.
#include "pixel_comparison.h"

#include <algorithm>
#include <sstream>

namespace moviecompare {

std::vector<Box> boxesForSurface(const std::string& logText, int width, int height, int margin) {
    std::vector<Box> boxes;
    std::istringstream lines(logText);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        int w = 0, h = 0;
        Box box;
        if (fields >> w >> h >> box.left >> box.top >> box.right >> box.bottom && w == width &&
            h == height && box.right > box.left && box.bottom > box.top) {
            boxes.push_back(
                {box.left - margin, box.top - margin, box.right + margin, box.bottom + margin});
        }
    }
    return boxes;
}

namespace {

// A grid of the pixels covered by any box, so the comparison stays linear in the image.
std::vector<bool> coverage(const std::vector<Box>& boxes, int width, int height) {
    std::vector<bool> covered(size_t(width) * size_t(height), false);
    for (const Box& box : boxes) {
        const int64_t x0 = std::max<int64_t>(box.left, 0), x1 = std::min<int64_t>(box.right, width);
        const int64_t y0 = std::max<int64_t>(box.top, 0),
                      y1 = std::min<int64_t>(box.bottom, height);
        for (int64_t y = y0; y < y1; ++y) {
            for (int64_t x = x0; x < x1; ++x) {
                covered[size_t(y) * size_t(width) + size_t(x)] = true;
            }
        }
    }
    return covered;
}

} // namespace

Comparison compareImages(const Image& a, const Image& b, const std::vector<Box>& textBoxes) {
    Comparison result;
    result.sameSize = a.width == b.width && a.height == b.height &&
                      a.pixels.size() == size_t(a.width) * size_t(a.height) &&
                      b.pixels.size() == a.pixels.size();
    if (!result.sameSize) {
        return result;
    }
    const std::vector<bool> text = coverage(textBoxes, a.width, a.height);
    bool anyOutside = false;
    for (int y = 0; y < a.height; ++y) {
        for (int x = 0; x < a.width; ++x) {
            if (a.at(x, y) == b.at(x, y)) {
                ++result.identical;
                continue;
            }
            ++result.differing;
            if (text[size_t(y) * size_t(a.width) + size_t(x)]) {
                ++result.insideText;
                continue;
            }
            Box& o = result.outsideBounds;
            if (!anyOutside) {
                o = {x, y, x + 1, y + 1};
                anyOutside = true;
            } else {
                o = {std::min<int64_t>(o.left, x), std::min<int64_t>(o.top, y),
                     std::max<int64_t>(o.right, x + 1), std::max<int64_t>(o.bottom, y + 1)};
            }
        }
    }
    return result;
}

} // namespace moviecompare
