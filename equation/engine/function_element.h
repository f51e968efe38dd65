// A named function (cos, sin, asin, acos, tan, atan, exp, log, log10, ln, or any other name).
#pragma once

#include <string>

#include "element.h"

namespace zx::equation {

class FunctionElement : public EquationElement {
public:
    explicit FunctionElement(std::string name);

    void Draw(DrawSurface& dc, Point& pen) override;
    EquationElement* Clone() const override;
    void Measure(double& height, Point& maxCorner, Point& minCorner, Point& pen) override;
    void Compile(ExprNode* after) override;           // body in compile_*.cpp
    void WriteText(std::string& text) const override; // "{" name "}"

    const std::string& name() const { return name_; }
    std::int32_t nameLength() const { return static_cast<std::int32_t>(name_.size()); }

private:
    std::string name_;
};

} // namespace zx::equation
