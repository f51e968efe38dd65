#include "graph_property.h"

namespace plotmark {

namespace {

constexpr GraphPropertyInfo kInfo[kGraphPropertyCount] = {
    {"BlueSpacing", true, true},     {"BackColor", true, true},
    {"XMinimum", true, true},        {"XMaximum", true, true},
    {"YMinimum", true, true},        {"YMaximum", true, true},
    {"DeltaX", true, true},          {"DeltaY", true, true},
    {"XTickSpace", true, true},      {"YTickSpace", true, true},
    {"XLabelString", true, true},    {"YLabelString", true, true},
    {"ForceIntegerX", true, true},   {"ForceIntegerY", true, true},
    {"XNewValue", false, true},      {"YNewValue", false, true},
    {"XMouseDown", true, true},      {"YMouseDown", true, true},
    {"XMouseUp", true, true},        {"YMouseUp", true, true},
    {"MouseClickMode", true, true},  {"MouseMoveMode", true, true},
    {"CurrentCurve", true, true},    {"CurrentSymbol", false, true},
    {"CurrentLine", true, true},     {"CurveStyle", false, true},
    {"LineStyle", true, true},       {"LineShade", true, true},
    {"CurveColor", false, true},     {"LineColor", true, true},
    {"Pearson", true, false},        {"LineEquation", true, true},
    {"ShowLineHandles", true, true}, {"OriginInAuto", true, true},
    {"MouseMove", true, true},       {"UnselectedPenStyle", true, true},
    {"BlackBorder", true, true},     {"ShowCursorLines", true, true},
    {"TopMargin", true, true},       {"LeftMargin", true, true},
    {"BottomMargin", true, true},    {"RightMargin", true, true},
    {"TracePosition", true, true},   {"Action", false, true},
    {"ExtendedTrace", true, true},   {"MouseTrace", true, true},
    {"PipTrace", true, true},        {"BackgroundTransparent", true, true},
};

} // namespace

const GraphPropertyInfo& propertyInfo(GraphProperty property) {
    return kInfo[static_cast<std::size_t>(property)];
}

std::optional<GraphProperty> findProperty(std::string_view name) {
    for (std::size_t i = 0; i < kGraphPropertyCount; ++i) {
        if (name == kInfo[i].name) {
            return static_cast<GraphProperty>(i);
        }
    }
    return std::nullopt;
}

} // namespace plotmark
