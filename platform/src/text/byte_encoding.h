// How the single-byte codes of TextOutA reach glyphs: cp-1252 for text faces, the Symbol
// encoding for the Symbol face.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <cstdint>
#include <optional>

namespace w32::text {

// Glyph index of each byte code; 0 where the face has no glyph.
using GlyphIndices = std::array<FT_UInt, 256>;

// The Unicode character of a Windows-1252 byte. The five bytes the code page leaves
// undefined map to the C1 control of the same value, as MultiByteToWideChar does.
char32_t cp1252ToUnicode(uint8_t byte);

// Glyph indices of a text face: bytes as cp-1252 through its Unicode charmap (or, for a
// symbol-only TrueType face, through its Microsoft symbol charmap).
GlyphIndices textGlyphIndices(FT_Face face);

// Glyph indices of a Symbol-encoded face (0x61 alpha, 0x44 Delta, 0xB4 multiplication
// sign). Empty when the face carries no charmap that maps bytes that way.
std::optional<GlyphIndices> symbolGlyphIndices(FT_Face face);

// The Unicode character of a Symbol-encoded byte (0x61 U+03B1 alpha); 0 if it has none.
char32_t symbolToUnicode(uint8_t byte);

// Glyph indices of Symbol-encoded bytes in a Unicode face: the stand-in when no Symbol
// face is installed, so Greek letters and arrows still show as themselves.
GlyphIndices symbolGlyphIndicesByCharacter(FT_Face face);

} // namespace w32::text
