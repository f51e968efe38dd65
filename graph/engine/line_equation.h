// The equation text of a line for its label and LineEquation: "y = 2.00x + 1.50 ".
#pragma once

#include <string>

namespace plotmark {

// With tolerance t = 0.01 * |deltaY| (0 when deltaY is not finite): "y = %sx + %s " above t,
// "y = %sx " within it, "y = %sx - %s" (the magnitude) below -t. At most 79 characters.
std::string lineEquation(double slope, double intercept, double deltaY);

} // namespace plotmark
