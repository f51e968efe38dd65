// movie-compare: compares two renderings of one movie pixel by pixel and prints one row
// of the comparison table: identical pixels, differing pixels, and whether every
// differing pixel lies inside a text box of the native rendering.
//   movie-compare --header
//   movie-compare NAME NATIVE.png WINE.png [TEXT_BOXES.log] [DIFF.png]
// Each text box is widened by one pixel: the two builds hint glyphs differently, and a
// glyph may reach a pixel past the box that libw32 measured (with smoothed text, Wine's
// grey glyph edges do).
// Exit status 0 when the images have the same size and differ only inside text, 1 when
// not, 2 when a file cannot be read.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "diff_picture.h"
#include "pixel_comparison.h"

using namespace moviecompare;

namespace {

constexpr int kSmoothedEdge = 1;

constexpr const char* kRowFormat = "%-26s %9s %10s %10s %s\n";

std::string readText(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--header") {
        std::printf(kRowFormat, "movie", "size", "identical", "differing", "differing pixels");
        return 0;
    }
    if (argc < 4 || argc > 6) {
        std::fprintf(stderr, "usage: movie-compare --header\n"
                             "       movie-compare NAME NATIVE.png WINE.png [BOXES] [DIFF.png]\n");
        return 2;
    }
    const std::string name = argv[1];
    Image native, wine;
    if (!readPng(argv[2], native) || !readPng(argv[3], wine)) {
        std::printf(
            kRowFormat, name.c_str(), "-", "-", "-",
            (std::string("cannot read ") + (native.width == 0 ? argv[2] : argv[3])).c_str());
        return 2;
    }
    const std::vector<Box> boxes =
        argc >= 5 ? boxesForSurface(readText(argv[4]), native.width, native.height, kSmoothedEdge)
                  : std::vector<Box>{};
    const Comparison c = compareImages(native, wine, boxes);
    const std::string size = std::to_string(native.width) + "x" + std::to_string(native.height);
    std::string verdict;
    if (!c.sameSize) {
        verdict = "FAIL sizes differ (Wine " + std::to_string(wine.width) + "x" +
                  std::to_string(wine.height) + ")";
    } else if (c.differing == 0) {
        verdict = "none";
    } else if (c.outsideText() == 0) {
        verdict = "all inside text";
    } else {
        const Box& o = c.outsideBounds;
        verdict = "FAIL " + std::to_string(c.outsideText()) + " outside text, within (" +
                  std::to_string(o.left) + "," + std::to_string(o.top) + ")-(" +
                  std::to_string(o.right) + "," + std::to_string(o.bottom) + ")";
    }
    std::printf(kRowFormat, name.c_str(), size.c_str(), std::to_string(c.identical).c_str(),
                std::to_string(c.differing).c_str(), verdict.c_str());
    if (argc == 6 && c.sameSize && !writePng(sideBySide(native, wine, boxes, 2), argv[5])) {
        std::fprintf(stderr, "movie-compare: cannot write %s\n", argv[5]);
    }
    return c.acceptable() ? 0 : 1;
}
