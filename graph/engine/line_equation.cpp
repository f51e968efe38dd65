#include "line_equation.h"

#include <cmath>

#include "graph_properties.h"
#include "number_text.h"

namespace plotmark {

std::string lineEquation(double slope, double intercept, double deltaY) {
    // A negative or non-finite DeltaY would make the band empty or undefined and print
    // "+ -0.005" or a plus sign before a negative intercept; its size is what counts.
    double tolerance = std::isfinite(deltaY) ? 0.01 * std::fabs(deltaY) : 0.0;
    std::string text = "y = " + numberText(slope) + "x ";
    if (intercept > tolerance) {
        text += "+ " + numberText(intercept) + " ";
    } else if (intercept < -tolerance) {
        text += "- " + numberText(std::fabs(intercept));
    }
    if (text.size() > kTextSize - 1) {
        text.resize(kTextSize - 1);
    }
    return text;
}

} // namespace plotmark
