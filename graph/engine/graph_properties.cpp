#include "graph_properties.h"

#include <cstring>

namespace plotmark {

namespace {

void copyText(char (&buffer)[kTextSize], const char* text) {
    std::memset(buffer, 0, kTextSize);
    std::memcpy(buffer, text, strnlen(text, kTextSize - 1));
}

} // namespace

void setGraphDefaults(GraphProperties& p) {
    std::memset(&p, 0, sizeof p);
    p.blueSpacing = 180;
    p.backColor = 0xFFFFFF;
    p.xMinimum = 0.0;
    p.xMaximum = 1.0;
    p.yMinimum = 0.0;
    p.yMaximum = 1.0;
    p.deltaX = 1.0;
    p.deltaY = 1.0;
    p.xTickSpace = 5;
    p.yTickSpace = 5;
    copyText(p.xLabelString, "X-Axis");
    copyText(p.yLabelString, "Y-Axis");
    p.mouseClickMode = 1;
    p.mouseMoveMode = 1;
    p.curveColor = kCurveColors[0];
    p.lineColor = kLineColors[0];
    p.originInAuto = 1;
    p.unselectedPenStyle = 3; // dash-dot
    p.blackBorder = 1;
    p.leftMargin = 58;
    p.bottomMargin = 40;
    p.tracePosition = 1;
    p.mouseTrace = 1;
    for (int i = 0; i < kCurveCount; ++i) {
        p.curves[i].color = kCurveColors[i];
        p.curves[i].style = static_cast<int16_t>(p.curveStyle);
    }
    for (int i = 0; i < kLineCount; ++i) {
        p.lines[i].color = kLineColors[i];
        p.lines[i].style = static_cast<int16_t>(p.lineStyle);
    }
    p.curves[0].selected = 1;
    p.lines[0].selected = 1;
}

void terminateTexts(GraphProperties& p) {
    p.xLabelString[kTextSize - 1] = '\0';
    p.yLabelString[kTextSize - 1] = '\0';
    p.lineEquation[kTextSize - 1] = '\0';
}

CurveRecord* currentCurve(GraphProperties& p) {
    if (p.currentCurve < 0 || p.currentCurve >= kCurveCount) {
        return nullptr;
    }
    return &p.curves[p.currentCurve];
}

const CurveRecord* currentCurve(const GraphProperties& p) {
    return currentCurve(const_cast<GraphProperties&>(p));
}

LineRecord* currentLine(GraphProperties& p) {
    if (p.currentLine < 0 || p.currentLine >= kLineCount) {
        return nullptr;
    }
    return &p.lines[p.currentLine];
}

const LineRecord* currentLine(const GraphProperties& p) {
    return currentLine(const_cast<GraphProperties&>(p));
}

} // namespace plotmark
