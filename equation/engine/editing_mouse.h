// Placing the caret with the mouse and the caret's rectangle, both from the geometry of the last
// pane drawing.
#pragma once

#include "element.h"
#include "equation_pane.h"

namespace zx::equation {

class EquationContext;
class GroupElement;

// The space the pane leaves below a line's lowest baseline before the next line's top: room for
// descenders and an even gap. The drawing and the hit test of the lines share it, so every point
// between the top of the first line and the end of the last one belongs to exactly one line.
int LineSpacing(const GroupElement& line);

// The drawn line whose band (its box top down to its lowest baseline plus LineSpacing) holds
// p.y: an equation line, or the definition line of a variable row (the band of a row spans its
// name and its definition). Null when no drawn line is there.
GroupElement* LineUnderPoint(EquationContext& ctx, Point p);

// Makes the line under p current with the caret on its element nearest to p. A click inside a
// button of an open variable pane activates the button; the element the activation hands back
// is destroyed only after every editing reference has let go of it, the variable lists are
// refreshed and the click is repeated to place the caret.
void ClickAt(EquationContext& ctx, Point p);

// The caret's baseline point in device units and its size 1 by 12; 0 by 0 when there is no
// caret or it stands on an element that takes no keys.
CaretBox CaretRect(const EquationContext& ctx);

} // namespace zx::equation
