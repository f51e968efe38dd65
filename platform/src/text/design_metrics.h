// Reading the numbers the Windows metrics are computed from out of a FreeType face.
#pragma once

#include "text/byte_encoding.h"
#include "text/windows_metrics.h"

namespace w32::text {

// The design numbers of a face; for a face without OS/2 (Type 1) the ascender and
// descender stand in for the Windows ascent and descent. The average width is weighted
// by letter frequency over the bytes as `indices` maps them. No face: Arial's numbers.
DesignMetrics designMetricsOf(FT_Face face, const GlyphIndices& indices);

} // namespace w32::text
