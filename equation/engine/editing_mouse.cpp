// Mouse placement of the caret and the caret's rectangle.
#include "editing_mouse.h"

#include <algorithm>
#include <limits>

#include "definitions.h"
#include "elements.h"
#include "equation_context.h"
#include "variables.h"

namespace zx::equation {

namespace {

struct Band {
    double top = std::numeric_limits<double>::max();
    double bottom = std::numeric_limits<double>::lowest();
    bool drawn = false;

    // Grows the band by a line's last drawn box; lines not drawn since they were made add
    // nothing.
    void Add(const GroupElement* line) {
        if (line == nullptr || line->boxValid == 0) {
            return;
        }
        top = std::min(top, line->boxFirst.y);
        bottom = std::max(bottom, line->boxSecond.y + LineSpacing(*line));
        drawn = true;
    }
    bool Holds(double y) const { return drawn && top <= y && y < bottom; }
};

bool IsPaneElement(const EquationElement& e) {
    return e.kind == kVariableButtonKind || e.kind == kPaneToggleKind;
}

// Makes line current and puts the caret on its element nearest to p; returns that element.
EquationElement* PlaceCaret(EquationContext& ctx, GroupElement& line, Point p) {
    ctx.currentLine = &line;
    ctx.FlattenCurrentLine();
    EquationElement* nearest = nullptr;
    double best = std::numeric_limits<double>::max();
    for (EquationElement* e : ctx.lineElements) {
        double d = e->Distance(p);
        if (d < best) {
            best = d;
            nearest = e;
        }
    }
    ctx.caret = nearest != nullptr ? nearest : line.FirstChild();
    return ctx.caret;
}

} // namespace

int LineSpacing(const GroupElement& line) {
    return std::max(line.height / 2, 2);
}

GroupElement* LineUnderPoint(EquationContext& ctx, Point p) {
    for (GroupElement* line : ctx.lines) {
        Band band;
        band.Add(line);
        if (band.Holds(p.y)) {
            return line;
        }
    }
    const VariableState& vars = ctx.variables;
    for (std::size_t i = 0; i < vars.usedNames.size(); ++i) {
        GroupElement* definition = DefinitionLine(ctx, vars.usedNames[i]);
        if (definition == nullptr) {
            continue;
        }
        Band band;
        band.Add(definition);
        if (i < vars.variableLines.size()) {
            band.Add(vars.variableLines[i]);
        }
        if (band.Holds(p.y)) {
            return definition;
        }
    }
    return nullptr;
}

void ClickAt(EquationContext& ctx, Point p) {
    GroupElement* line = LineUnderPoint(ctx, p);
    if (line == nullptr) {
        return;
    }
    EquationElement* hit = PlaceCaret(ctx, *line, p);
    PaneEnclosure* pane = PaneOf(*line);
    if (pane == nullptr || pane->secondFlag == 0 || hit == nullptr || hit->IsGroup() ||
        hit->IsPlaceholder() || !IsPaneElement(*hit) || !hit->ContainsPoint(p)) {
        return;
    }
    EquationElement* dropped = static_cast<PaneElement*>(hit)->Activate(ctx);
    // DestroySubtree forgets the element in the caret, the current line and the flattened
    // line before deleting it, so none of them is left pointing at freed memory.
    ctx.DestroySubtree(dropped);
    RefreshVariables(ctx);
    // The repeated click only places the caret: the lists may have changed, so the line is
    // looked up again among the live ones.
    if (GroupElement* again = LineUnderPoint(ctx, p)) {
        PlaceCaret(ctx, *again, p);
    }
}

CaretBox CaretRect(const EquationContext& ctx) {
    const EquationElement* caret = ctx.caret;
    if (caret == nullptr || caret->editable == 0) {
        return CaretBox{};
    }
    Point at = caret->EndPoint();
    return CaretBox{static_cast<int>(at.x), static_cast<int>(at.y), 1, 12};
}

} // namespace zx::equation
