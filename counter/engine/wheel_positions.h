// The counter's engine: which digit each odometer wheel shows, and how far it has rolled
// towards the next one. Knows nothing of device contexts or the host.
#pragma once

#include <cstdint>
#include <vector>

namespace tallydisc {

// The wheel positions of a value shown with `left` integer and `right` fraction digits:
// left + right entries, integer block first. A position of 3.5 is a wheel halfway between
// 3 and 4. Negative digit counts count as 0; a value's sign is not shown; values that are
// not finite show as zeros.
std::vector<float> wheelPositions(double value, int32_t left, int32_t right);

// The same for `count` wheels from wheel `first` on (cut at the last wheel), in time and
// memory that grow with `count`, not with the digit counts: a drawing asks only for the
// wheels it can show.
std::vector<float> wheelPositions(double value, int32_t left, int32_t right, int64_t first,
                                  int64_t count);

// What one wheel shows: the digit glyph at its position and its two neighbours, and how
// many pixels (for a glyph height h) the wheel has rolled up past the digit.
struct WheelGlyphs {
    char before;
    char current;
    char after;
    int offset;
};
WheelGlyphs wheelGlyphs(float position, int height);

} // namespace tallydisc
