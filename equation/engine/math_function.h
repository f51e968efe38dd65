// The mathematical functions a function name compiles to. A function waits in the module's
// pending slot until the next operand node takes it; that node applies it to its value last.
#pragma once

#include <memory>
#include <string_view>

namespace zx::equation {

class GroupNode;

class MathFunction {
public:
    MathFunction() = default;
    MathFunction(const MathFunction&) = delete;
    MathFunction& operator=(const MathFunction&) = delete;
    // Destroys the exponent's node tree.
    virtual ~MathFunction();

    // The function of x, raised to the exponent when there is one. A domain error sets the
    // evaluation status to "cannot evaluate" and gives 0 without the exponent.
    double Call(double x);

    double Result() const { return result_; }
    GroupNode* Exponent() const { return exponent_; }
    // Takes ownership; replaces (and destroys) an exponent given before.
    void SetExponent(GroupNode* exponent);

protected:
    // Computes the bare function into r; false on a domain error.
    virtual bool Compute(double x, double& r) const = 0;

private:
    double result_ = 0.0;
    GroupNode* exponent_ = nullptr;
};

// The function a name selects ("log" and "ln" are the same natural logarithm), or null for a
// name that is no known function.
std::unique_ptr<MathFunction> MakeMathFunction(std::string_view name);

// Angle conversions by the module's angle mode (factors kept at the precision stored movies
// were computed with).
double ToRadians(double x);
double ToDegrees(double x);

} // namespace zx::equation
