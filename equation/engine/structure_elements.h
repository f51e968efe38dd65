// The small structural kinds: the placeholder heading every group chain, the delta sign, the
// fraction (numerator = upper group, denominator = lower group) and the digit of a number.
#pragma once

#include "element.h"

namespace zx::equation {

class PlaceholderElement : public EquationElement {
public:
    PlaceholderElement();
    void Draw(DrawSurface& dc, Point& pen) override;
    EquationElement* Clone() const override;
    void Measure(double& height, Point& maxCorner, Point& minCorner, Point& pen) override;
};

// Capital delta; a letter right after it names the variable "$" + letter.
class DeltaElement : public EquationElement {
public:
    DeltaElement();
    void Draw(DrawSurface& dc, Point& pen) override;
    EquationElement* Clone() const override;
    void Measure(double& height, Point& maxCorner, Point& minCorner, Point& pen) override;
    void WriteText(std::string& text) const override; // "$"
};

class FractionElement : public EquationElement {
public:
    FractionElement();
    // A fraction with a new empty numerator and denominator attached.
    static FractionElement* MakeWithGroups();

    void Draw(DrawSurface& dc, Point& pen) override;
    EquationElement* Clone() const override;
    void Measure(double& height, Point& maxCorner, Point& minCorner, Point& pen) override;
    void Compile(ExprNode* after) override;      // body in compile_*.cpp
    void CollectNames(NameList& names) override; // body in compile_*.cpp
};

class DigitElement : public EquationElement {
public:
    explicit DigitElement(char c);
    void Draw(DrawSurface& dc, Point& pen) override;
    EquationElement* Clone() const override;
    void Measure(double& height, Point& maxCorner, Point& minCorner, Point& pen) override;
    // The leftmost digit of the number.
    EquationElement* TermStart() override;
    double Distance(Point p) const override;
    void Compile(ExprNode* after) override; // body in compile_*.cpp
};

} // namespace zx::equation
