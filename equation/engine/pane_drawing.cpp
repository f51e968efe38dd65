// Drawing the pane: the equation lines stacked downward from the pane origin, each followed by
// its result text while results are shown, then one row per used variable (its name, an "="
// glyph and its definition line with the variable-pane buttons). Coordinates are device pixels
// with y growing downward.
#include <algorithm>

#include "definitions.h"
#include "draw_surface.h"
#include "editing_mouse.h"
#include "equation_pane.h"
#include "group_element.h"
#include "layout.h"
#include "pane_elements.h"
#include "text_element.h"

namespace zx::equation {

namespace {

// Moves a line and its cached box down by dy.
void Shift(GroupElement& line, double dy) {
    line.origin.y += dy;
    line.boxFirst.y += dy;
    line.boxSecond.y += dy;
}

// Lays a line out with its left edge at x and its box top at top, then paints it (and its
// result text when shown). Returns where the next line's top goes.
double DrawEquationLine(DrawSurface& dc, GroupElement& line, double x, double top,
                        bool withResult) {
    dc.ResetLevel();
    line.origin.x = x;
    // The box is laid out again on every drawing: edits do not invalidate it, and a fraction
    // paints from the boxes of its parts that this pass refreshes.
    ComputeBox(dc, line, line.origin);
    if (line.boxFirst.y != top) {
        Shift(line, top - line.boxFirst.y);
    }
    dc.ResetLevel();
    dc.SetPainting(true);
    Point pen = line.origin;
    line.Draw(dc, pen);
    if (withResult) {
        line.resultText().Draw(dc, pen);
    }
    return line.boxSecond.y + LineSpacing(line);
}

// Height above the baseline the tallest variable-pane button picture needs.
int TallestButton() {
    int tallest = 0;
    for (int index = 1; index <= 4; ++index) {
        tallest = std::max(tallest, ButtonBitmapSize(index).height);
    }
    return tallest;
}

// One variable row: the name line, "=", the definition line, on one baseline whose row top is
// top. Returns where the next row's top goes.
double DrawVariableRow(DrawSurface& dc, GroupElement* name, GroupElement* definition, double x,
                       double top) {
    dc.ResetLevel();
    const int h = dc.TextHeight();
    const int gap = h / 4;

    // Layout at baseline 0 gives each part's ascent (-box top) and its extent to the right.
    double ascent = std::max(h, TallestButton());
    double cursor = x;
    if (name != nullptr) {
        ComputeBox(dc, *name, Point{cursor, 0.0});
        ascent = std::max(ascent, -name->boxFirst.y);
        cursor = std::max(cursor, name->boxSecond.x) + gap;
    }
    dc.ResetLevel();
    const double equalsX = cursor;
    const double definitionX = cursor + dc.CharWidth('=') + gap;
    if (definition != nullptr) {
        ComputeBox(dc, *definition, Point{definitionX, 0.0});
        ascent = std::max(ascent, -definition->boxFirst.y);
    }

    const double baseline = top + ascent;
    double bottom = baseline;
    int spacing = std::max(h / 2, 2);
    for (GroupElement* part : {name, definition}) {
        if (part == nullptr) {
            continue;
        }
        part->origin = Point{part == name ? x : definitionX, 0.0};
        Shift(*part, baseline);
        dc.ResetLevel();
        dc.SetPainting(true);
        Point pen = part->origin;
        part->Draw(dc, pen);
        bottom = std::max(bottom, part->boxSecond.y);
        spacing = std::max(spacing, LineSpacing(*part));
    }
    dc.ResetLevel();
    dc.SetPainting(true);
    dc.Text(static_cast<int>(equalsX), static_cast<int>(baseline), "=");
    return bottom + spacing;
}

} // namespace

void EquationPane::DrawPane(DrawSurface& dc) {
    dc.ResetLevel();
    double top = origin_.y;
    for (GroupElement* line : ctx_.lines) {
        top = DrawEquationLine(dc, *line, origin_.x, top, ctx_.resultsShown != 0);
    }
    // The variable rows stand below the equations, a line's spacing further down.
    const VariableState& vars = ctx_.variables;
    for (std::size_t i = 0; i < vars.usedNames.size(); ++i) {
        GroupElement* name = i < vars.variableLines.size() ? vars.variableLines[i] : nullptr;
        GroupElement* definition = DefinitionLine(ctx_, vars.usedNames[i]);
        if (name == nullptr && definition == nullptr) {
            continue;
        }
        top = DrawVariableRow(dc, name, definition, origin_.x, top);
    }
    dc.ResetLevel();
    dc.SetPainting(true);
}

} // namespace zx::equation
