// Installations without the usual fonts. Fontconfig reads its configuration once per
// process, so each case runs in a fresh copy of this program that sees only the fonts
// its configuration names.
#include "text/font_engine.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

using w32::text::FontRequest;
using w32::text::realize;

FontRequest request(const char* face, int height, int weight = 400) {
    FontRequest r;
    r.face = face;
    r.height = height;
    r.weight = weight;
    return r;
}

// Points fontconfig at a configuration holding only `directories`.
void useFontDirectories(const std::string& name, const std::string& directories) {
    const std::string path = std::string(ZX_BINARY_DIR) + "/" + name + ".conf";
    std::ofstream(path) << "<?xml version=\"1.0\"?>\n<fontconfig>" << directories << "<cachedir>"
                        << ZX_BINARY_DIR << "/" << name << "-cache</cachedir></fontconfig>\n";
    setenv("FONTCONFIG_FILE", path.c_str(), 1);
}

bool noFontsGiveEmptyGlyphsInAPlausibleCell() {
    auto face = realize(request("Arial", 15, 700));
    const auto& m = face->metrics();
    return m.height == 15 && m.ascent + m.descent == 15 && m.aveCharWidth > 0 &&
           face->familyName().empty() && face->advance('A') > 0 &&
           face->glyph('A').coverage.empty() && realize(request("Symbol", -12))->advance('a') > 0;
}

bool symbolWithoutItsFaceStillShowsGreek() {
    auto face = realize(request("Symbol", 15, 700));
    return face->familyName() == "DejaVu Sans" && face->glyphName(0x61) == "alpha" &&
           face->glyphName(0xAE) == "arrowright" && face->metrics().height == 15;
}

TEST(FontFallbackDeathTest, NoInstalledFontsGiveEmptyGlyphsInAPlausibleCell) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            useFontDirectories("text-no-fonts", "");
            std::_Exit(noFontsGiveEmptyGlyphsInAPlausibleCell() ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

TEST(FontFallbackDeathTest, SymbolWithoutItsFaceMapsBytesToUnicodeCharacters) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            useFontDirectories("text-dejavu-only", "<dir>/usr/share/fonts/truetype/dejavu</dir>");
            std::_Exit(symbolWithoutItsFaceStillShowsGreek() ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

} // namespace
