// Realised fonts: Windows height conventions, integer advances, the Symbol encoding,
// the caches, and fallbacks for names, bytes and sizes nobody planned for.
#include "text/font_engine.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

using w32::text::FontRequest;
using w32::text::realize;

FontRequest request(std::string face, int height, int weight = 400, bool italic = false) {
    FontRequest r;
    r.face = std::move(face);
    r.height = height;
    r.weight = weight;
    r.italic = italic;
    return r;
}

TEST(FontEngine, PositiveHeightIsExactlyTheCellHeight) {
    for (const char* face : {"Arial", "Arial Narrow", "Times New Roman", "Symbol"}) {
        for (int height : {15, 14, 12, 10}) {
            for (int weight : {300, 700}) {
                const auto& m = realize(request(face, height, weight))->metrics();
                SCOPED_TRACE(std::string(face) + " " + std::to_string(height));
                EXPECT_EQ(m.height, height);
                EXPECT_EQ(m.ascent + m.descent, height);
                EXPECT_GT(m.ascent, m.descent);
            }
        }
    }
}

TEST(FontEngine, ArialFifteenBoldHasTheWindowsCell) {
    // Liberation Sans shares Arial's vertical metrics: ascent 12, descent 3, em 13.
    const auto& m = realize(request("Arial", 15, 700))->metrics();
    EXPECT_EQ(m.ascent, 12);
    EXPECT_EQ(m.descent, 3);
    EXPECT_EQ(m.internalLeading, 2);
    EXPECT_EQ(m.weight, 700);
}

TEST(FontEngine, NegativeHeightIsTheEmHeight) {
    for (const char* face : {"Arial", "Times New Roman", "Symbol"}) {
        const auto& m = realize(request(face, -12))->metrics();
        EXPECT_EQ(m.height - m.internalLeading, 12) << face;
        EXPECT_GT(m.height, 12) << face;
        EXPECT_EQ(m.ascent + m.descent, m.height) << face;
    }
}

TEST(FontEngine, AdvancesAgreeWithGlyphsForEveryByte) {
    auto face = realize(request("Arial", 15, 700));
    for (int code = 0; code < 256; ++code) {
        const auto byte = static_cast<uint8_t>(code);
        const auto& glyph = face->glyph(byte);
        EXPECT_EQ(face->advance(byte), glyph.advance) << code;
        EXPECT_EQ(glyph.coverage.size(), static_cast<size_t>(glyph.width * glyph.height));
        for (uint8_t value : glyph.coverage) {
            ASSERT_TRUE(value == 0 || value == 255) << code;
        }
    }
    EXPECT_GT(face->advance('0'), 0);
    EXPECT_EQ(face->advance('0'), face->advance('9')); // tabular digits, as in Arial
}

TEST(FontEngine, GlyphsStayWithinTheCell) {
    auto face = realize(request("Arial", 15, 700));
    const auto& m = face->metrics();
    for (uint8_t code : std::string("0123456789ABCgjpqy|")) {
        const auto& glyph = face->glyph(code);
        EXPECT_LE(glyph.top, m.ascent) << code;
        EXPECT_LE(glyph.height - glyph.top, m.descent) << code;
    }
}

TEST(FontEngine, SymbolBytesMapThroughTheSymbolEncoding) {
    auto symbol = realize(request("Symbol", 15, 700));
    EXPECT_EQ(symbol->glyphName(0x61), "alpha");
    EXPECT_EQ(symbol->glyphName(0x44), "Delta");
    EXPECT_EQ(symbol->glyphName(0x70), "pi");
    EXPECT_EQ(symbol->glyphName(0xB4), "multiply");
    EXPECT_EQ(symbol->glyphName(0xAE), "arrowright");
    EXPECT_EQ(symbol->metrics().charset, 2); // SYMBOL_CHARSET
    EXPECT_FALSE(symbol->glyph(0x61).coverage.empty());
}

TEST(FontEngine, TextBytesAreWindows1252) {
    auto arial = realize(request("Arial", 15));
    EXPECT_EQ(arial->glyphName('a'), "a");
    EXPECT_EQ(arial->glyphName(0x80), "Euro");
    EXPECT_EQ(arial->glyphName(0x93), "quotedblleft");
    EXPECT_EQ(arial->glyphName(0xE9), "eacute");
}

TEST(FontEngine, WindowsFacesMapToMetricCompatibleFamilies) {
    EXPECT_EQ(realize(request("Arial", 15))->familyName(), "Liberation Sans");
    EXPECT_EQ(realize(request("ARIAL narrow", 15))->familyName(), "Liberation Sans Narrow");
    EXPECT_EQ(realize(request("Times New Roman", 15))->familyName(), "Liberation Serif");
    EXPECT_EQ(realize(request("Courier New", 15))->familyName(), "Liberation Mono");
    EXPECT_EQ(realize(request("No Such Face 42", 15))->familyName(), "Liberation Sans");
}

TEST(FontEngine, NamesThatAreNotFamiliesFallBackToTheDefaultSans) {
    // Cell scripts may pass any bytes: cp-1252 letters that are not UTF-8, fontconfig's
    // own pattern syntax, the longest name a cell holds.
    for (std::string name : {std::string("Caf\xE9 \xFF"), std::string("Arial:bold"),
                             std::string("a<b>&\"c"), std::string(59, 'x')}) {
        auto face = realize(request(name, 15));
        EXPECT_EQ(face->familyName(), "Liberation Sans") << name;
        EXPECT_EQ(face->metrics().height, 15) << name;
    }
}

TEST(FontEngine, AnyInstalledFamilyIsFoundByItsOwnName) {
    EXPECT_EQ(realize(request("DejaVu Serif", 15))->familyName(), "DejaVu Serif");
    EXPECT_EQ(realize(request("  nimbus sans ", 15))->familyName(), "Nimbus Sans");
}

TEST(FontEngine, ItalicUsesASlantedDesignOfTheSameCell) {
    auto upright = realize(request("Arial", 15));
    auto italic = realize(request("Arial", 15, 400, true));
    EXPECT_EQ(italic->metrics().height, 15);
    EXPECT_TRUE(italic->metrics().italic);
    EXPECT_NE(italic->glyph('l').coverage, upright->glyph('l').coverage);
}

TEST(FontEngine, SystemFontIsABoldSixteenPixelSans) {
    for (const char* face : {"", "System"}) {
        const auto& m = realize(request(face, 0))->metrics();
        EXPECT_EQ(m.height, 16) << face;
        EXPECT_EQ(m.weight, 700) << face;
    }
}

TEST(FontEngine, EqualRequestsShareOneRealisedFont) {
    auto first = realize(request("Arial", 15, 700));
    EXPECT_EQ(first, realize(request("Arial", 15, 700)));
    EXPECT_EQ(first, realize(request("arial", 15, 700)));
    EXPECT_NE(first, realize(request("Arial", 14, 700)));
    EXPECT_NE(first, realize(request("Arial", 15, 400)));
    // Repeated text reuses the rasterised glyph.
    EXPECT_EQ(&first->glyph('x'), &first->glyph('x'));
}

TEST(FontEngine, BoldWithoutABoldFileIsWidenedByAPixel) {
    auto regular = realize(request("Symbol", 15, 400));
    auto bold = realize(request("Symbol", 15, 700));
    EXPECT_EQ(bold->advance('a'), regular->advance('a') + 1);
}

TEST(FontEngine, WidthStretchesToTheAverageCharacterWidth) {
    FontRequest wide = request("Arial", 15);
    wide.width = 12;
    auto stretched = realize(wide);
    EXPECT_EQ(stretched->metrics().aveCharWidth, 12);
    EXPECT_EQ(stretched->metrics().height, 15);
    EXPECT_GT(stretched->advance('n'), realize(request("Arial", 15))->advance('n'));
}

TEST(FontEngine, BytesWithoutAGlyphStillAdvanceAndShowSomething) {
    auto face = realize(request("Arial", 15));
    for (uint8_t code : {0x01, 0x81, 0x8D}) { // a control and two bytes cp-1252 leaves out
        EXPECT_GT(face->advance(code), 0) << int(code);
        EXPECT_FALSE(face->glyph(code).coverage.empty()) << int(code);
    }
}

TEST(FontEngine, ExtremeHeightsAreClampedNotFatal) {
    for (int height : {INT_MIN, -100000, -1, 1, INT_MAX}) {
        FontRequest r = request("Arial", height);
        r.width = height;
        auto face = realize(r);
        const auto& m = face->metrics();
        EXPECT_GE(m.height, 1) << height;
        EXPECT_LE(m.height, 4000) << height;
        EXPECT_EQ(m.ascent + m.descent, m.height) << height;
        EXPECT_GE(face->glyph('W').advance, 0) << height;
    }
}

} // namespace
