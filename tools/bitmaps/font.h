// The pixel fonts of the resource art: a 5 x 7 font for legends and labels and a 3 x 5 font
// for the figures inside thumbnails.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace bitmaps {

// One character: a row of bits per pixel row, the leftmost pixel in the highest used bit
// (bit width - 1).
struct Glyph {
    char32_t code;
    uint8_t rows[7];
};

struct Font {
    int width;
    int height;
    std::span<const Glyph> glyphs;

    // Null for a character the font lacks.
    const Glyph* find(char32_t code) const;
    // Glyphs stand one pixel apart, so a text of n characters is n * (width + 1) - 1 wide.
    int textWidth(std::string_view utf8) const;
};

const Font& largeFont();
const Font& smallFont();

// Takes the first character off a UTF-8 text; a malformed byte comes back as itself.
char32_t takeCodePoint(std::string_view& utf8);

} // namespace bitmaps
