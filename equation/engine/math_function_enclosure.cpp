#include "math_function_enclosure.h"

#include <cmath>

#include "module_state.h"

namespace zx::equation {

double EnclosureFunction::Call(double x) const {
    if (code_ != kSquareRoot) {
        return x;
    }
    if (x >= 0.0) {
        return std::sqrt(x);
    }
    Module().evalStatus = kStatusNegativeRoot;
    return std::sqrt(-x);
}

} // namespace zx::equation
