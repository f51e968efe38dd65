// The five curves, drawn after the lines so that they lie above them: segments between their
// points and the points' symbols, in the curve's colour, wider for the selected curve.
#include "engine/curve_marks.h"
#include "graph_drawing.h"

namespace plotmark {

void paintCurves(PlotCanvas& c) {
    for (const CurveRecord& curve : c.p.curves) {
        if (curve.count <= 0) {
            continue;
        }
        zx::GdiObject<HPEN> pen(CreatePen(PS_SOLID, curve.selected != 0 ? 2 : 1, curve.color));
        zx::GdiObject<HBRUSH> brush(CreateSolidBrush(curve.color));
        zx::Selection selectedPen(c.dc, pen.get());
        zx::Selection selectedBrush(c.dc, brush.get());
        const CurveMarks marks = curveMarks(curve, c.g);
        for (const PixelSegment& s : marks.segments) {
            paintLine(c.dc, s.from, s.to);
        }
        for (const SymbolMark& m : marks.symbols) {
            paintSymbol(c.dc, m.at, m.symbol);
        }
    }
}

} // namespace plotmark
