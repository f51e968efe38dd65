// The decoration of a group: plain, square root, parentheses, square brackets or a variable pane.
// Owned by its group; decides the text prefix, whether the chain end needs an "@" after the
// group, the expression node for evaluation, and how the group is drawn.
#pragma once

#include <string>

#include "element.h"

namespace zx::equation {

class EnclosureFunction; // evaluation side: identity or square root applied to a group's value

class Enclosure {
public:
    explicit Enclosure(char code = 0) : code_(code) {}
    Enclosure(const Enclosure&) = default;
    Enclosure& operator=(const Enclosure&) = delete;
    virtual ~Enclosure() = default;

    virtual Enclosure* Clone() const { return new Enclosure(*this); }
    // Drawing side; the engine's defaults do nothing.
    virtual void Draw(DrawSurface& dc, GroupElement& group, Point& pen);
    virtual void Measure(GroupElement& group, double& height, Point& maxCorner, Point& minCorner,
                         Point& pen);
    // New enclosure function for the group's expression node: square root for 's', identity for
    // every other code. Body on the evaluation side (compile_*.cpp).
    virtual EnclosureFunction* MakeNode() const;
    // "%" square root, "(" parentheses, "[" brackets, nothing for plain and pane groups.
    virtual void WritePrefix(std::string& text) const;
    // True when the code is neither 0 nor '{': such a group, last in its chain, writes "@" after
    // itself so that the reader steps out of the chain that holds it.
    virtual bool NeedsTerminator() const { return code_ != 0 && code_ != '{'; }

    char code() const { return code_; }

private:
    char code_;
};

// The variable pane of a definition line: braces around the variable's buttons while open. It
// carries the variable's name and two flags, both 1 at creation.
class PaneEnclosure : public Enclosure {
public:
    explicit PaneEnclosure(std::string name) : Enclosure('{'), name_(std::move(name)) {}
    Enclosure* Clone() const override { return new PaneEnclosure(*this); }

    const std::string& name() const { return name_; }
    int open = 1;
    int secondFlag = 1;

private:
    std::string name_;
};

// The pane enclosure of a group, or null when its enclosure is another kind.
PaneEnclosure* PaneOf(GroupElement& group);

} // namespace zx::equation
