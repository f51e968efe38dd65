// The Symbol encoding: which charmap of a Symbol face maps bytes the way Windows' Symbol
// font does.
#include "text/byte_encoding.h"

#include <cstring>

namespace w32::text {
namespace {

// A charmap is the Symbol encoding when byte 0x61 reaches the glyph alpha. Faces without
// glyph names cannot be checked further; a mapped glyph is taken on trust.
bool mapsAlpha(FT_Face face, FT_UInt index) {
    if (index == 0) {
        return false;
    }
    if (!FT_HAS_GLYPH_NAMES(face)) {
        return true;
    }
    char name[32] = {};
    if (FT_Get_Glyph_Name(face, index, name, sizeof name) != 0) {
        return true;
    }
    return std::strcmp(name, "alpha") == 0;
}

std::optional<GlyphIndices> bytesThrough(FT_Face face, FT_CharMap charmap, FT_ULong base) {
    if (FT_Set_Charmap(face, charmap) != 0) {
        return std::nullopt;
    }
    if (!mapsAlpha(face, FT_Get_Char_Index(face, base | 0x61))) {
        return std::nullopt;
    }
    GlyphIndices indices{};
    for (int byte = 0; byte < 256; ++byte) {
        indices[byte] = FT_Get_Char_Index(face, base | byte);
    }
    return indices;
}

// The characters of the Symbol encoding from 0x20 on, for faces that lack a Symbol
// charmap. 0 where the character has no Unicode value outside the private use area
// (the pieces of large brackets and the extenders). The serif and sans forms of the
// registered, copyright and trademark signs both map to the one character.
constexpr char32_t kSymbolCharacters[224] = {
    0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026, 0x220B, //
    0x0028, 0x0029, 0x2217, 0x002B, 0x002C, 0x2212, 0x002E, 0x002F, //
    0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037, //
    0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D, 0x003E, 0x003F, //
    0x2245, 0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393, //
    0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F, //
    0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9, //
    0x039E, 0x03A8, 0x0396, 0x005B, 0x2234, 0x005D, 0x22A5, 0x005F, //
    0,      0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3, //
    0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x00B5, 0x03BD, 0x03BF, //
    0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9, //
    0x03BE, 0x03C8, 0x03B6, 0x007B, 0x007C, 0x007D, 0x223C, 0,      //
    0,      0,      0,      0,      0,      0,      0,      0,      //
    0,      0,      0,      0,      0,      0,      0,      0,      //
    0,      0,      0,      0,      0,      0,      0,      0,      //
    0,      0,      0,      0,      0,      0,      0,      0,      //
    0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663, //
    0x2666, 0x2665, 0x2660, 0x2194, 0x2190, 0x2191, 0x2192, 0x2193, //
    0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022, //
    0x00F7, 0x2260, 0x2261, 0x2248, 0x2026, 0,      0,      0x21B5, //
    0x2135, 0x2111, 0x211C, 0x2118, 0x2297, 0x2295, 0x2205, 0x2229, //
    0x222A, 0x2283, 0x2287, 0x2284, 0x2282, 0x2286, 0x2208, 0x2209, //
    0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A, 0x22C5, //
    0x00AC, 0x2227, 0x2228, 0x21D4, 0x21D0, 0x21D1, 0x21D2, 0x21D3, //
    0x25CA, 0x2329, 0x00AE, 0x00A9, 0x2122, 0x2211, 0,      0,      //
    0,      0,      0,      0,      0,      0,      0,      0,      //
    0,      0x232A, 0x222B, 0x2320, 0,      0x2321, 0,      0,      //
    0,      0,      0,      0,      0,      0,      0,      0,      //
};

} // namespace

char32_t symbolToUnicode(uint8_t byte) {
    return byte < 0x20 ? 0 : kSymbolCharacters[byte - 0x20];
}

GlyphIndices symbolGlyphIndicesByCharacter(FT_Face face) {
    GlyphIndices indices{};
    if (!face || FT_Select_Charmap(face, FT_ENCODING_UNICODE) != 0) {
        return indices;
    }
    for (int byte = 0x20; byte < 256; ++byte) {
        if (const char32_t character = symbolToUnicode(static_cast<uint8_t>(byte))) {
            indices[byte] = FT_Get_Char_Index(face, character);
        }
    }
    return indices;
}

std::optional<GlyphIndices> symbolGlyphIndices(FT_Face face) {
    if (!face) {
        return std::nullopt;
    }
    // Preference: the Adobe custom encoding of Type 1 and CFF faces (the encoding vector
    // of the Symbol font itself), the Microsoft symbol charmap of TrueType symbol faces
    // (bytes at U+F000 + byte), and last a Unicode charmap that holds byte codes.
    const struct {
        FT_Encoding encoding;
        FT_ULong base;
    } order[] = {
        {FT_ENCODING_ADOBE_CUSTOM, 0},
        {FT_ENCODING_MS_SYMBOL, 0xF000},
        {FT_ENCODING_UNICODE, 0},
    };
    for (const auto& candidate : order) {
        for (int i = 0; i < face->num_charmaps; ++i) {
            FT_CharMap charmap = face->charmaps[i];
            if (charmap->encoding != candidate.encoding) {
                continue;
            }
            if (auto indices = bytesThrough(face, charmap, candidate.base)) {
                return indices;
            }
        }
    }
    return std::nullopt;
}

} // namespace w32::text
