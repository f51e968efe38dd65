#include "graph_actions.h"

#include "axis_scaling.h"
#include "curve_points.h"
#include "data_bounds.h"
#include "line_fit_command.h"
#include "line_points.h"
#include "selection.h"

namespace plotmark {

namespace {

void emptyAll(GraphProperties& p) {
    // Afterwards no curve is selected until CurrentCurve is written again, so Action 1 and 7
    // leave the curves alone.
    for (CurveRecord& curve : p.curves) {
        emptyCurve(curve);
        curve.selected = 0;
    }
    for (LineRecord& line : p.lines) {
        emptyLine(line);
    }
}

// The line a drag in plot mode draws: the click added a point that is taken back first.
void lineFromDrag(GraphProperties& p) {
    if (p.mouseClickMode == 1) {
        if (CurveRecord* curve = currentCurve(p)) {
            removeLastPoint(*curve);
        }
    }
    plotLine(p, p.xMouseDown, p.yMouseDown, p.xMouseUp, p.yMouseUp);
}

void zoomX(GraphProperties& p, bool in) {
    AxisScale axis = xAxis(p);
    if (in ? zoomIn(axis, p.xMouseDown) : zoomOut(axis)) {
        storeXAxis(p, axis);
    }
}

void zoomY(GraphProperties& p, bool in) {
    AxisScale axis = yAxis(p);
    if (in ? zoomIn(axis, p.yMouseDown) : zoomOut(axis)) {
        storeYAxis(p, axis);
    }
}

void fitRangeX(GraphProperties& p) {
    DataBounds b = dataBounds(p);
    AxisScale axis = xAxis(p);
    if (b.xMinimum < b.xMaximum && fitRange(axis, b.xMinimum, b.xMaximum)) {
        storeXAxis(p, axis);
    }
}

void fitRangeY(GraphProperties& p) {
    DataBounds b = dataBounds(p);
    AxisScale axis = yAxis(p);
    if (b.yMinimum < b.yMaximum && fitRange(axis, b.yMinimum, b.yMaximum)) {
        storeYAxis(p, axis);
    }
}

} // namespace

std::optional<MessageBoxText> runAction(GraphProperties& p, int32_t code) {
    switch (code) {
    case kEmptyCurve:
        if (CurveRecord* curve = currentCurve(p); curve != nullptr && curve->selected != 0) {
            emptyCurve(*curve);
        }
        break;
    case kEmptyLine:
        if (LineRecord* line = currentLine(p)) {
            emptyLine(*line);
        }
        break;
    case kRemoveLastPoint:
        if (CurveRecord* curve = currentCurve(p); curve != nullptr && curve->selected != 0) {
            removeLastPoint(*curve);
        }
        break;
    case kEmptyAll:
        emptyAll(p);
        break;
    case kLineFromDrag:
        lineFromDrag(p);
        break;
    case kFitLine:
        return fitCurrentCurve(p);
    case kNewCurve: {
        // Only the index is stored: the selection flags follow when CurrentCurve is written.
        int index = firstEmptyCurve(p);
        if (index < 0) {
            return kNoEmptyCurve;
        }
        p.currentCurve = index;
        break;
    }
    case kNewLine: {
        int index = firstEmptyLine(p);
        if (index < 0) {
            return kNoEmptyLine;
        }
        p.currentLine = index;
        break;
    }
    case kZoomInX:
        zoomX(p, true);
        break;
    case kZoomInY:
        zoomY(p, true);
        break;
    case kZoomOutX:
        zoomX(p, false);
        break;
    case kZoomOutY:
        zoomY(p, false);
        break;
    case kFitRangeX:
        fitRangeX(p);
        break;
    case kFitRangeY:
        fitRangeY(p);
        break;
    default:
        break;
    }
    return std::nullopt;
}

} // namespace plotmark
