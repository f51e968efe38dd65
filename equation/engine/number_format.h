// Result texts: "%.5g" as the original platform wrote it, with a signed exponent of at least
// three digits (1.2346e+006). Stored movies and scripts compare against these texts.
#pragma once

#include <string>

namespace zx::equation {

std::string FormatResult(double value);

} // namespace zx::equation
