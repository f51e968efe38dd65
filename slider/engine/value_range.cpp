#include "value_range.h"

#include <cmath>

namespace zx::slider {

double clampToRange(double value, double minimum, double maximum) {
    if (maximum > minimum) {
        if (value < minimum) {
            return minimum;
        }
        if (value > maximum) {
            return maximum;
        }
    } else if (maximum < minimum) {
        if (value > minimum) {
            return minimum;
        }
        if (value < maximum) {
            return maximum;
        }
    } else if (maximum == minimum && !std::isnan(value)) {
        return minimum;
    }
    return value;
}

std::optional<double> rangeFraction(double value, double minimum, double maximum) {
    // Halving first keeps the differences finite for bounds near the largest doubles; for
    // every other number it changes no bit of the quotient.
    const double fraction = (value / 2 - minimum / 2) / (maximum / 2 - minimum / 2);
    if (!(maximum != minimum) || std::isnan(fraction)) {
        return std::nullopt;
    }
    return fraction;
}

} // namespace zx::slider
