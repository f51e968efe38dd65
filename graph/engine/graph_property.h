// The graph's script-visible properties, in the order the member declares them, with their
// script names and whether scripts may read and write them.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

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

struct GraphPropertyInfo {
    const char* name;
    bool readable; // XNewValue, YNewValue, CurrentSymbol, CurveStyle, CurveColor and Action
                   // are write-only
    bool writable; // Pearson is read-only
};

const GraphPropertyInfo& propertyInfo(GraphProperty property);

// The property of a script name (compared exactly), if any.
std::optional<GraphProperty> findProperty(std::string_view name);

} // namespace plotmark
