#include "math_function_kinds.h"

#include <cmath>

namespace zx::equation {

namespace {

// Below this an argument of a logarithm counts as zero or negative.
constexpr double kSmallestLogArgument = 1e-31;
// exp beyond this would leave the range the results were meant for.
constexpr double kLargestExpArgument = 71.0;
constexpr double kLog10OfE = 0.4342944994430173;

} // namespace

bool SineFunction::Compute(double x, double& r) const {
    r = std::sin(ToRadians(x));
    return true;
}

bool CosineFunction::Compute(double x, double& r) const {
    r = std::cos(ToRadians(x));
    return true;
}

bool TangentFunction::Compute(double x, double& r) const {
    r = std::tan(ToRadians(x));
    return true;
}

bool ArcSineFunction::Compute(double x, double& r) const {
    if (x < -1.0 || x > 1.0) {
        return false;
    }
    r = ToDegrees(std::asin(x));
    return true;
}

bool ArcCosineFunction::Compute(double x, double& r) const {
    if (x < -1.0 || x > 1.0) {
        return false;
    }
    r = ToDegrees(std::acos(x));
    return true;
}

bool ArcTangentFunction::Compute(double x, double& r) const {
    r = ToDegrees(std::atan(x));
    return true;
}

bool ExponentialFunction::Compute(double x, double& r) const {
    if (x > kLargestExpArgument) {
        return false;
    }
    r = std::exp(x);
    return true;
}

bool NaturalLogFunction::Compute(double x, double& r) const {
    if (x < kSmallestLogArgument) {
        return false;
    }
    r = std::log(x);
    return true;
}

bool DecimalLogFunction::Compute(double x, double& r) const {
    if (x < kSmallestLogArgument) {
        return false;
    }
    r = std::log(x) * kLog10OfE;
    return true;
}

} // namespace zx::equation
