// The group: a container of a chain (its contents, headed by a placeholder). It is the root of
// every equation line, every attached group (superscript, subscript, numerator, denominator),
// parentheses, square brackets and square roots.
#pragma once

#include <memory>

#include "element.h"
#include "enclosure.h"

namespace zx::equation {

class FixedTextElement;

// Second base of a group: lists of lines hold and delete groups through it.
class PlacedItem {
public:
    virtual ~PlacedItem() = default;
};

class GroupElement : public EquationElement, public PlacedItem {
public:
    // Plain enclosure (code 0), evaluated.
    GroupElement();
    // Takes ownership of enclosure (null means plain).
    GroupElement(Enclosure* enclosure, int evaluated);

    void Draw(DrawSurface& dc, Point& pen) override;
    EquationElement* Clone() const override;
    void Collect(ElementList& list) override;
    void Measure(double& height, Point& maxCorner, Point& minCorner, Point& pen) override;
    void SetFirstChild(EquationElement* e) override { firstChild_ = e; }
    EquationElement* FirstChild() const override { return firstChild_; }
    double Distance(Point p) const override;
    void Compile(ExprNode* after) override; // body in compile_*.cpp
    void WriteText(std::string& text) const override;
    void CollectNames(NameList& names) override; // body in compile_*.cpp
    ~GroupElement() override;

    Enclosure& enclosure() const { return *enclosure_; }
    char enclosureCode() const { return enclosure_->code(); }
    // The " = value" text drawn after a line's contents; owned, never null.
    FixedTextElement& resultText() const { return *resultText_; }
    void SetResultText(const std::string& text);
    // True when the contents are only the placeholder.
    bool IsEmpty() const;
    // The last element of the contents chain (the placeholder when empty).
    EquationElement* LastChild() const;

    Point origin;
    Point boxFirst;
    Point boxSecond;
    std::int32_t evaluated = 1;
    std::int32_t boxValid = 0;

private:
    EquationElement* firstChild_ = nullptr;
    Enclosure* enclosure_ = nullptr;
    FixedTextElement* resultText_ = nullptr;
};

// Factories for the groups the reader and the keys make.
GroupElement* MakeParenthesesGroup();    // "(" evaluated
GroupElement* MakeSquareRootGroup();     // "%" evaluated
GroupElement* MakeSquareBracketsGroup(); // "[" not evaluated

// Owning handle for a root group (a line); destroys the whole line.
struct LineDeleter {
    void operator()(GroupElement* g) const { DestroyChain(g); }
};
using LinePtr = std::unique_ptr<GroupElement, LineDeleter>;

} // namespace zx::equation
