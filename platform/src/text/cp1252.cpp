// Windows-1252 to Unicode, and the charmap lookup of text faces.
#include "text/byte_encoding.h"

namespace w32::text {
namespace {

// 0x80..0x9F: the only range where cp-1252 differs from Latin-1.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, //
};

} // namespace

char32_t cp1252ToUnicode(uint8_t byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

GlyphIndices textGlyphIndices(FT_Face face) {
    GlyphIndices indices{};
    if (!face) {
        return indices;
    }
    if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) == 0) {
        for (int byte = 0; byte < 256; ++byte) {
            indices[byte] = FT_Get_Char_Index(face, cp1252ToUnicode(static_cast<uint8_t>(byte)));
        }
        return indices;
    }
    if (FT_Select_Charmap(face, FT_ENCODING_MS_SYMBOL) == 0) {
        // Symbol-only TrueType faces put their glyphs at U+F020..U+F0FF.
        for (int byte = 0; byte < 256; ++byte) {
            indices[byte] = FT_Get_Char_Index(face, 0xF000u | byte);
            if (!indices[byte]) {
                indices[byte] = FT_Get_Char_Index(face, byte);
            }
        }
        return indices;
    }
    if (face->num_charmaps > 0 && FT_Set_Charmap(face, face->charmaps[0]) == 0) {
        for (int byte = 0; byte < 256; ++byte) {
            indices[byte] = FT_Get_Char_Index(face, byte);
        }
    }
    return indices;
}

} // namespace w32::text
