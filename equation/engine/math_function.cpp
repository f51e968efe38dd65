#include "math_function.h"

#include <cmath>

#include "expr_kinds.h"
#include "math_function_kinds.h"
#include "module_state.h"

namespace zx::equation {

MathFunction::~MathFunction() {
    DestroyNodeTree(exponent_);
}

void MathFunction::SetExponent(GroupNode* exponent) {
    if (exponent_ != exponent) {
        DestroyNodeTree(exponent_);
    }
    exponent_ = exponent;
}

double MathFunction::Call(double x) {
    double r = 0.0;
    if (!Compute(x, r)) {
        Module().evalStatus = kStatusCannotEvaluate;
        return 0.0;
    }
    if (exponent_ != nullptr) {
        r = std::pow(r, exponent_->NodeValue());
    }
    result_ = r;
    return r;
}

double ToRadians(double x) {
    return Module().angleMode == kAngleDegrees ? x * 0.017453293 : x;
}

double ToDegrees(double x) {
    return Module().angleMode == kAngleDegrees ? x * 57.29578 : x;
}

std::unique_ptr<MathFunction> MakeMathFunction(std::string_view name) {
    if (name == "sin") {
        return std::make_unique<SineFunction>();
    }
    if (name == "cos") {
        return std::make_unique<CosineFunction>();
    }
    if (name == "tan") {
        return std::make_unique<TangentFunction>();
    }
    if (name == "asin") {
        return std::make_unique<ArcSineFunction>();
    }
    if (name == "acos") {
        return std::make_unique<ArcCosineFunction>();
    }
    if (name == "atan") {
        return std::make_unique<ArcTangentFunction>();
    }
    if (name == "exp") {
        return std::make_unique<ExponentialFunction>();
    }
    if (name == "ln" || name == "log") {
        return std::make_unique<NaturalLogFunction>();
    }
    if (name == "log10") {
        return std::make_unique<DecimalLogFunction>();
    }
    return nullptr;
}

} // namespace zx::equation
