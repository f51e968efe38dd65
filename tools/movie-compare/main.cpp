// movie-compare: compares two renderings of one movie pixel by pixel and prints one row
// of the comparison table: identical and differing pixels, how many of the differing ones
// lie inside text boxes of ordinary fonts, inside boxes of Symbol-encoded text, and outside
// text, and the verdict.
//   movie-compare --header
//   movie-compare [--known-text N] NAME NATIVE.png WINE.png [TEXT_BOXES.log] [DIFF.png]
// --known-text N accepts up to N differing pixels inside ordinary text boxes, for a movie whose
// text meets a documented quirk of Wine's text output (tools/wine-known-differences); nothing
// outside text is ever accepted.
// Only differences inside Symbol-encoded text are excused: Wine has no Symbol-encoded face
// to stand in for "Symbol" and draws Latin letters there. Each text box is widened by one
// pixel, as such a stand-in glyph may reach a pixel past the box that libw32 measured.
// Exit status 0 when the images have the same size and differ at most inside
// Symbol-encoded text, 1 when not, 2 when a file cannot be read.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "diff_picture.h"
#include "pixel_comparison.h"

using namespace moviecompare;

namespace {

constexpr int kStandInEdge = 1;

constexpr const char* kRowFormat = "%-28s %8s %9s %9s %7s %7s %7s %s\n";

std::string readText(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string verdictOf(const Comparison& c, const Image& wine, int64_t knownText) {
    if (!c.sameSize) {
        return "FAIL sizes differ (Wine " + std::to_string(wine.width) + "x" +
               std::to_string(wine.height) + ")";
    }
    if (c.differing == 0) {
        return "identical";
    }
    if (c.acceptable()) {
        return "only Symbol text differs";
    }
    if (c.sameSize && c.outsideText() == 0 && c.inText <= knownText) {
        return "only Symbol text and a known Wine text quirk differ";
    }
    const Box& f = c.failingBounds;
    return "FAIL within (" + std::to_string(f.left) + "," + std::to_string(f.top) + ")-(" +
           std::to_string(f.right) + "," + std::to_string(f.bottom) + ")";
}

} // namespace

int main(int argc, char** argv) {
    int64_t knownText = 0;
    if (argc >= 3 && std::string(argv[1]) == "--known-text") {
        knownText = std::strtoll(argv[2], nullptr, 10);
        argv += 2;
        argc -= 2;
    }
    if (argc == 2 && std::string(argv[1]) == "--header") {
        std::printf(kRowFormat, "movie", "size", "identical", "differing", "in text", "symbol",
                    "outside", "verdict");
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
            kRowFormat, name.c_str(), "-", "-", "-", "-", "-", "-",
            (std::string("cannot read ") + (native.width == 0 ? argv[2] : argv[3])).c_str());
        return 2;
    }
    const std::vector<TextBox> boxes =
        argc >= 5 ? boxesForSurface(readText(argv[4]), native.width, native.height, kStandInEdge)
                  : std::vector<TextBox>{};
    const Comparison c = compareImages(native, wine, boxes);
    const std::string size = std::to_string(native.width) + "x" + std::to_string(native.height);
    const auto count = [&c](int64_t n) { return c.sameSize ? std::to_string(n) : "-"; };
    std::printf(kRowFormat, name.c_str(), size.c_str(), count(c.identical).c_str(),
                count(c.differing).c_str(), count(c.inText).c_str(), count(c.inSymbolText).c_str(),
                count(c.outsideText()).c_str(), verdictOf(c, wine, knownText).c_str());
    if (argc == 6 && c.sameSize && !writePng(sideBySide(native, wine, boxes, 2), argv[5])) {
        std::fprintf(stderr, "movie-compare: cannot write %s\n", argv[5]);
    }
    const bool known = c.sameSize && c.outsideText() == 0 && c.inText <= knownText;
    return c.acceptable() || known ? 0 : 1;
}
