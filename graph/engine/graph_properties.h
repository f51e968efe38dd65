// The graph cast member's property record: every scalar property in declaration order with
// the five data curves and the ten straight lines. The frame points property rows, saved
// fields and dialog controls at these fields by offset, so the record stays standard-layout
// and holds no pointers. The member's ChangedFlag lives in the frame's asset record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace plotmark {

inline constexpr int kCurveCount = 5;
inline constexpr int kLineCount = 10;
inline constexpr int kMaxCurvePoints = 1024;
inline constexpr int kLinePoints = 2;
inline constexpr std::size_t kTextSize = 80; // captions and LineEquation, NUL included

// A point whose y is this value is a break: the curve is not drawn through it.
inline constexpr float kBreakValue = -1e32f;
// A point counts as valid when its y is above this.
inline constexpr float kValidAbove = -1e31f;

inline bool isValidY(float y) {
    return y > kValidAbove;
}

// One data series.
struct CurveRecord {
    int32_t count;    // 0 to kMaxCurvePoints
    int32_t selected; // 1 for the current curve
    int32_t hit;      // 1 while the mouse has picked the curve
    int32_t unused0;
    int16_t style; // 0 points, 1 lines, 2 both
    int16_t unused1;
    uint32_t color;
    float x[kMaxCurvePoints];
    float y[kMaxCurvePoints];
    int16_t symbol[kMaxCurvePoints]; // the CurrentSymbol in force when the point was added
};

// One straight line given by two points.
struct LineRecord {
    int32_t count; // 0, 1 or 2
    int32_t selected;
    int32_t hit;
    float grabX; // world position where the mouse picked the line
    float grabY;
    int16_t style; // 0 full line, 1 segment, 2 segment with symbols
    int16_t shade; // 0 none, 1 above, 2 below, 3 and 4 by the direction of the line
    uint32_t color;
    float x[kLinePoints];
    float y[kLinePoints];
    int16_t symbol[kLinePoints];
};

// The records keep the field order and widths their drawing and mouse code were written for.
static_assert(offsetof(CurveRecord, style) == 16 && offsetof(CurveRecord, color) == 20);
static_assert(offsetof(CurveRecord, x) == 24 && sizeof(CurveRecord) == 24 + 10 * kMaxCurvePoints);
static_assert(offsetof(LineRecord, style) == 20 && offsetof(LineRecord, color) == 24);
static_assert(offsetof(LineRecord, symbol) == 44 && sizeof(LineRecord) == 48);

struct GraphProperties {
    int32_t blueSpacing;
    uint32_t backColor;
    double xMinimum;
    double xMaximum;
    double yMinimum;
    double yMaximum;
    double deltaX;
    double deltaY;
    int32_t xTickSpace;
    int32_t yTickSpace;
    char xLabelString[kTextSize];
    char yLabelString[kTextSize];
    int32_t forceIntegerX;
    int32_t forceIntegerY;
    double xNewValue;
    double yNewValue;
    double xMouseDown;
    double yMouseDown;
    double xMouseUp;
    double yMouseUp;
    int32_t mouseClickMode;
    int32_t mouseMoveMode;
    int32_t currentCurve;
    int32_t currentSymbol;
    int32_t currentLine;
    int32_t curveStyle;
    int32_t lineStyle;
    int32_t lineShade;
    uint32_t curveColor;
    uint32_t lineColor;
    double pearson;
    char lineEquation[kTextSize];
    int32_t showLineHandles;
    int32_t originInAuto;
    int32_t mouseMove;
    int32_t unselectedPenStyle;
    int32_t blackBorder;
    int32_t showCursorLines;
    int32_t topMargin;
    int32_t leftMargin;
    int32_t bottomMargin;
    int32_t rightMargin;
    int32_t tracePosition;
    int32_t action;
    int32_t extendedTrace;
    int32_t mouseTrace;
    int32_t pipTrace;
    uint32_t traceColor; // complement of the colour of the curve last picked with the mouse
    CurveRecord curves[kCurveCount];
    LineRecord lines[kLineCount];
    int32_t backgroundTransparent;
};

static_assert(std::is_standard_layout_v<GraphProperties>);
static_assert(std::is_trivially_copyable_v<GraphProperties>);

// Colours as 0x00BBGGRR.
inline constexpr uint32_t kCurveColors[kCurveCount] = {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFF00,
                                                       0xFF00FF};
inline constexpr uint32_t kLineColors[kLineCount] = {0xFF00FF, 0xFFFF00, 0xFF0000, 0x00FF00,
                                                     0x0000FF, 0x00FFFF, 0x000000, 0x000000,
                                                     0x000000, 0x000000};

// A new member: every default, empty curves and lines, curve 0 and line 0 selected.
void setGraphDefaults(GraphProperties& properties);

// Forces the last byte of each text buffer to NUL, so a buffer filled from a saved block or
// a script always reads as a string of at most 79 characters.
void terminateTexts(GraphProperties& properties);

// The current curve or line, or null when CurrentCurve (CurrentLine) is outside the valid
// indices: such a value is kept as written and means "no current curve (line)".
CurveRecord* currentCurve(GraphProperties& properties);
const CurveRecord* currentCurve(const GraphProperties& properties);
LineRecord* currentLine(GraphProperties& properties);
const LineRecord* currentLine(const GraphProperties& properties);

} // namespace plotmark
