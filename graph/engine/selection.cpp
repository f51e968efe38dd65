#include "selection.h"

#include <cstdint>

namespace plotmark {

void selectCurrentCurve(GraphProperties& p) {
    for (CurveRecord& curve : p.curves) {
        curve.selected = 0;
        curve.hit = 0;
    }
    if (CurveRecord* curve = currentCurve(p)) {
        curve->selected = 1;
        if (curve->count == 0) {
            curve->style = static_cast<int16_t>(p.curveStyle);
        }
    }
}

void selectCurrentLine(GraphProperties& p) {
    for (LineRecord& line : p.lines) {
        line.selected = 0;
        line.hit = 0;
    }
    if (LineRecord* line = currentLine(p)) {
        line->selected = 1;
        if (line->count == 0) {
            line->style = static_cast<int16_t>(p.lineStyle);
        }
    }
}

int firstEmptyCurve(const GraphProperties& p) {
    for (int i = 0; i < kCurveCount; ++i) {
        if (p.curves[i].count <= 0) {
            return i;
        }
    }
    return -1;
}

int firstEmptyLine(const GraphProperties& p) {
    for (int i = 0; i < kLineCount; ++i) {
        if (p.lines[i].count <= 0) {
            return i;
        }
    }
    return -1;
}

} // namespace plotmark
