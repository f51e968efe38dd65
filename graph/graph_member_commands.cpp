// The graph member's four methods: "PlotLine" for scripts, and the three that the graph's
// own sprites call with their geometry handle. A handle that names no live sprite geometry
// answers 0 and changes nothing.
#include <iterator>

#include "engine/geometry_registry.h"
#include "engine/line_points.h"
#include "engine/picking.h"
#include "graph_member.h"
#include "graph_module.h"
#include "zxplugin/kind_support.h"

namespace plotmark {
namespace {

zx::Result plotLineCommand(zx::CommandCall& call) {
    plotLine(graphProperties(call.asset), call.number(1), call.number(2), call.number(3),
             call.number(4));
    call.asset.changedFlag = 1;
    return zx::kOk;
}

PlotGeometry* callerGeometry(zx::CommandCall& call) {
    return geometries().find(call.integer(1));
}

zx::Result redefineCurrentLineCommand(zx::CommandCall& call) {
    if (PlotGeometry* geometry = callerGeometry(call)) {
        redefineCurrentLine(graphProperties(call.asset), *geometry, graphModule().handleIndex);
    }
    return zx::kOk;
}

zx::Result checkCurveSelectCommand(zx::CommandCall& call) {
    PlotGeometry* geometry = callerGeometry(call);
    const bool picked =
        geometry != nullptr && checkCurveSelect(graphProperties(call.asset), *geometry);
    return call.answer().integer(picked ? 1 : 0);
}

zx::Result checkLineSelectCommand(zx::CommandCall& call) {
    PlotGeometry* geometry = callerGeometry(call);
    const bool picked =
        geometry != nullptr && checkLineSelect(graphProperties(call.asset), *geometry);
    return call.answer().integer(picked ? 1 : 0);
}

constexpr zx::CommandSpec kCommands[] = {
    {"PlotLine", 4, plotLineCommand, "x1, y1, x2, y2: the current line through two points"},
    {"RedefineCurrentLine", 1, redefineCurrentLineCommand,
     "handle: the current line follows its dragged geometry handle (sprites only)"},
    {"CheckCurveSelect", 1, checkCurveSelectCommand,
     "handle: a geometry handle; picks a curve near the mouse-down point; 1 when picked (sprites "
     "only)"},
    {"CheckLineSelect", 1, checkLineSelectCommand,
     "handle: a geometry handle; picks a line near the mouse-down point; 1 when picked (sprites "
     "only)"},
};

} // namespace

std::span<const zx::CommandSpec> memberCommands() {
    return kCommands;
}

} // namespace plotmark
