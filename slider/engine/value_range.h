// The slider's range rules. XMinimum may lie above XMaximum: the range is then reversed, and
// the minimum still sits at the left (or bottom) end.
#pragma once

#include <optional>

namespace zx::slider {

// The value kept inside the range, whichever way round it runs: what the dialog stores on OK
// and every interactive step stores. A range of one point holds only that point. A value or
// bound that is NaN compares with nothing, so the value comes back unchanged.
double clampToRange(double value, double minimum, double maximum);

// Where the value lies along the range: 0 at XMinimum, 1 at XMaximum, outside [0, 1] beyond
// them. No fraction for a range of one point or anything that is not a number, so callers
// never divide by zero or turn NaN into pixels.
std::optional<double> rangeFraction(double value, double minimum, double maximum);

} // namespace zx::slider
