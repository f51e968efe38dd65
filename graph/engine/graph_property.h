// The graph's script-visible properties, in the order the member declares its rows: the
// member's row index is the engine's name for a property (names, types and access live in
// the rows only).
#pragma once

#include <cstddef>

namespace plotmark {

enum class GraphProperty {
    BlueSpacing,
    BackColor,
    XMinimum,
    XMaximum,
    YMinimum,
    YMaximum,
    DeltaX,
    DeltaY,
    XTickSpace,
    YTickSpace,
    XLabelString,
    YLabelString,
    ForceIntegerX,
    ForceIntegerY,
    XNewValue,
    YNewValue,
    XMouseDown,
    YMouseDown,
    XMouseUp,
    YMouseUp,
    MouseClickMode,
    MouseMoveMode,
    CurrentCurve,
    CurrentSymbol,
    CurrentLine,
    CurveStyle,
    LineStyle,
    LineShade,
    CurveColor,
    LineColor,
    Pearson,
    LineEquation,
    ShowLineHandles,
    OriginInAuto,
    MouseMove,
    UnselectedPenStyle,
    BlackBorder,
    ShowCursorLines,
    TopMargin,
    LeftMargin,
    BottomMargin,
    RightMargin,
    TracePosition,
    Action,
    ExtendedTrace,
    MouseTrace,
    PipTrace,
    BackgroundTransparent,
};

inline constexpr std::size_t kGraphPropertyCount =
    static_cast<std::size_t>(GraphProperty::BackgroundTransparent) + 1;

} // namespace plotmark
