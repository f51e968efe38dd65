// The character family: a letter, operator or any typed character (CharElement), the hole that
// keeps the attachments of a deleted run (HoleElement), a Symbol-font character (SymbolElement)
// and a character owning a parenthesised argument list (ArgumentNameElement). They share layout,
// term start, distance, compile and name collection.
#pragma once

#include "element.h"

namespace zx::equation {

class GroupElement;

class CharElement : public EquationElement {
public:
    explicit CharElement(char c);
    // Converts e into a character element with e's tag: takes over e's place in its chain, its
    // attachments and its accent, then destroys e.
    static CharElement* Convert(EquationElement* e);

    void Draw(DrawSurface& dc, Point& pen) override;
    EquationElement* Clone() const override;
    void Measure(double& height, Point& maxCorner, Point& minCorner, Point& pen) override;
    EquationElement* TermStart() override;
    double Distance(Point p) const override;
    void Compile(ExprNode* after) override;      // body in compile_*.cpp
    void CollectNames(NameList& names) override; // body in compile_*.cpp
    Point EndPoint() const override { return afterAttachments; }

    // Pen position after the glyph and both attachment chains.
    Point afterAttachments;

protected:
    CharElement(char c, ElementKind k);
};

class HoleElement : public CharElement {
public:
    // Takes over the upper and lower groups of the deleted element (their prev re-pointed); the
    // caller links the hole into the deleted element's place.
    explicit HoleElement(EquationElement* deleted);
    HoleElement() : CharElement('?', kHoleKind) {}

    EquationElement* Clone() const override;
    // The inserted element takes the hole's place and its attachments; the hole is destroyed.
    void InsertAfter(EquationElement* e) override;
};

class SymbolElement : public CharElement {
public:
    explicit SymbolElement(char c) : CharElement(c, kSymbolKind) {}
    EquationElement* Clone() const override;
    void WriteText(std::string& text) const override; // "{S" tag "}"
};

// A dependent variable shown with its arguments: the character owns a parentheses group (never
// linked into a chain, prev null) drawn right after it.
class ArgumentNameElement : public CharElement {
public:
    explicit ArgumentNameElement(char c);
    // Converts e (as CharElement::Convert) into an argument-name element.
    static ArgumentNameElement* Convert(EquationElement* e);
    ~ArgumentNameElement() override;

    void Draw(DrawSurface& dc, Point& pen) override;
    EquationElement* Clone() const override;

    GroupElement& arguments() const { return *arguments_; }

private:
    GroupElement* arguments_ = nullptr;
};

} // namespace zx::equation
