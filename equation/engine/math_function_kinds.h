// The nine functions behind the function names.
#pragma once

#include "math_function.h"

namespace zx::equation {

class SineFunction final : public MathFunction {
    bool Compute(double x, double& r) const override;
};
class CosineFunction final : public MathFunction {
    bool Compute(double x, double& r) const override;
};
class TangentFunction final : public MathFunction {
    bool Compute(double x, double& r) const override;
};
class ArcSineFunction final : public MathFunction {
    bool Compute(double x, double& r) const override;
};
class ArcCosineFunction final : public MathFunction {
    bool Compute(double x, double& r) const override;
};
class ArcTangentFunction final : public MathFunction {
    bool Compute(double x, double& r) const override;
};
class ExponentialFunction final : public MathFunction {
    bool Compute(double x, double& r) const override;
};
class NaturalLogFunction final : public MathFunction {
    bool Compute(double x, double& r) const override;
};
class DecimalLogFunction final : public MathFunction {
    bool Compute(double x, double& r) const override;
};

} // namespace zx::equation
