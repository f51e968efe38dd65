#include "property_effects.h"

#include <cstdint>

#include "curve_points.h"
#include "graph_actions.h"
#include "selection.h"

namespace plotmark {

namespace {

Notification redrawIf(bool condition) {
    return condition ? Notification::Redraw : Notification::None;
}

void appendNewPoint(GraphProperties& p) {
    p.yNewValue = breakOrValue(p.yNewValue);
    if (CurveRecord* curve = currentCurve(p)) {
        appendPoint(*curve, p.xNewValue, p.yNewValue, p.currentSymbol);
    }
}

// Copies a curve attribute into the current curve; a redraw is due only when the curve shows.
Notification applyToCurve(GraphProperties& p, bool drawn,
                          void (*apply)(GraphProperties&, CurveRecord&)) {
    CurveRecord* curve = currentCurve(p);
    if (curve == nullptr) {
        return Notification::None;
    }
    apply(p, *curve);
    return redrawIf(drawn && curve->count > 0);
}

Notification applyToLine(GraphProperties& p, bool drawn,
                         void (*apply)(GraphProperties&, LineRecord&)) {
    LineRecord* line = currentLine(p);
    if (line == nullptr) {
        return Notification::None;
    }
    apply(p, *line);
    return redrawIf(drawn && line->count > 0);
}

} // namespace

Effect afterWrite(GraphProperties& p, GraphProperty property, bool drawn) {
    Effect effect;
    switch (property) {
    case GraphProperty::YNewValue:
        appendNewPoint(p);
        break;
    case GraphProperty::CurrentCurve:
        selectCurrentCurve(p);
        effect.notification = redrawIf(drawn);
        break;
    case GraphProperty::CurrentLine:
        selectCurrentLine(p);
        effect.notification = redrawIf(drawn);
        break;
    case GraphProperty::CurveColor:
        effect.notification = applyToCurve(
            p, drawn, [](GraphProperties& q, CurveRecord& c) { c.color = q.curveColor; });
        break;
    case GraphProperty::CurveStyle:
        effect.notification = applyToCurve(p, drawn, [](GraphProperties& q, CurveRecord& c) {
            c.style = static_cast<int16_t>(q.curveStyle);
        });
        break;
    case GraphProperty::LineColor:
        effect.notification =
            applyToLine(p, drawn, [](GraphProperties& q, LineRecord& l) { l.color = q.lineColor; });
        break;
    case GraphProperty::LineStyle:
        effect.notification = applyToLine(p, drawn, [](GraphProperties& q, LineRecord& l) {
            l.style = static_cast<int16_t>(q.lineStyle);
        });
        break;
    case GraphProperty::LineShade:
        effect.notification = applyToLine(p, drawn, [](GraphProperties& q, LineRecord& l) {
            l.shade = static_cast<int16_t>(q.lineShade);
        });
        break;
    case GraphProperty::MouseMove:
        effect.notification = Notification::StartTracking;
        break;
    case GraphProperty::Action:
        effect.message = runAction(p, p.action);
        effect.notification = redrawIf(drawn);
        break;
    case GraphProperty::XLabelString:
    case GraphProperty::YLabelString:
        terminateTexts(p);
        effect.notification = redrawIf(drawn);
        break;
    case GraphProperty::LineEquation:
        terminateTexts(p);
        break;
    case GraphProperty::BlueSpacing:
    case GraphProperty::BackColor:
    case GraphProperty::XMinimum:
    case GraphProperty::DeltaX:
    case GraphProperty::XTickSpace:
    case GraphProperty::YMinimum:
    case GraphProperty::DeltaY:
    case GraphProperty::YTickSpace:
    case GraphProperty::ForceIntegerX:
    case GraphProperty::ForceIntegerY:
    case GraphProperty::UnselectedPenStyle:
    case GraphProperty::ShowLineHandles:
    case GraphProperty::BackgroundTransparent:
        effect.notification = redrawIf(drawn);
        break;
    default:
        break;
    }
    return effect;
}

int32_t takeMouseMove(GraphProperties& p) {
    int32_t value = p.mouseMove;
    p.mouseMove = 0;
    return value;
}

} // namespace plotmark
