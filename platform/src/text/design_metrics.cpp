// The design-unit numbers of a face file that the Windows metrics start from.
#include "text/design_metrics.h"

#include FT_ADVANCES_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>

namespace w32::text {
namespace {

// The design numbers of Arial, used when no face could be opened at all, so that layout
// still sees plausible cells and widths.
constexpr DesignMetrics kNoFaceDesign{2048, 1854, 434, 67, 1854, 434, 904, 2500};

// Frequencies (per 1000) of the lower-case letters and the space in English text: the
// weighting with which average character widths were defined before OS/2 version 3.
// Newer fonts store a plain mean over all glyphs instead, which would make the average
// width of a metric-compatible stand-in differ from the face it replaces.
constexpr int kLetterWeights[26] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3,  6, 35, 20,
                                    56, 56, 17, 4,  49,  56, 71, 31, 10, 18, 3, 18, 2};
constexpr int kSpaceWeight = 166;

FT_Pos unscaledAdvance(FT_Face face, FT_UInt index) {
    FT_Fixed advance = 0;
    if (FT_Get_Advance(face, index, FT_LOAD_NO_SCALE, &advance) != 0) {
        return 0;
    }
    return advance;
}

int weightedAverageWidth(FT_Face face, const GlyphIndices& indices) {
    long total = kSpaceWeight * unscaledAdvance(face, indices[' ']);
    if (!indices[' ']) {
        return 0;
    }
    for (int letter = 0; letter < 26; ++letter) {
        const FT_UInt index = indices['a' + letter];
        if (!index) {
            return 0;
        }
        total += kLetterWeights[letter] * unscaledAdvance(face, index);
    }
    return static_cast<int>(total / 1000);
}

int meanMappedWidth(FT_Face face, const GlyphIndices& indices) {
    long total = 0;
    int count = 0;
    for (int byte = 0x20; byte < 256; ++byte) {
        if (const FT_Pos advance = indices[byte] ? unscaledAdvance(face, indices[byte]) : 0) {
            total += advance;
            ++count;
        }
    }
    return count ? static_cast<int>(total / count) : face->units_per_EM / 2;
}

} // namespace

DesignMetrics designMetricsOf(FT_Face face, const GlyphIndices& indices) {
    if (!face || !FT_IS_SCALABLE(face)) {
        return kNoFaceDesign;
    }
    DesignMetrics design;
    design.unitsPerEm = face->units_per_EM;
    design.hheaAscent = face->ascender;
    design.hheaDescent = -face->descender;
    design.lineGap = std::max(face->height - (face->ascender - face->descender), 0);
    design.winAscent = design.hheaAscent;
    design.winDescent = design.hheaDescent;
    design.maxCharWidth = static_cast<int>(face->bbox.xMax - face->bbox.xMin);

    int storedAverage = 0;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
        design.winAscent = os2->usWinAscent;
        design.winDescent = os2->usWinDescent;
        storedAverage = os2->xAvgCharWidth;
    }
    if (const auto* hhea =
            static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA))) {
        design.hheaAscent = hhea->Ascender;
        design.hheaDescent = -hhea->Descender;
        design.lineGap = hhea->Line_Gap;
    }

    design.avgCharWidth = weightedAverageWidth(face, indices);
    if (design.avgCharWidth <= 0) {
        design.avgCharWidth = storedAverage > 0 ? storedAverage : meanMappedWidth(face, indices);
    }
    return design;
}

} // namespace w32::text
