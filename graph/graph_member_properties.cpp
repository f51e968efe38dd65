// The graph member's 48 properties, one row each, in the order of GraphProperty (the
// engine's name for a row is its index), with their places in the 276-byte saved block and
// in the properties dialog. Every write first stores the converted value; the engine then
// applies its further effect, and the member passes on the notification and message.
#include <iterator>

#include "engine/graph_property.h"
#include "engine/property_effects.h"
#include "graph_member.h"
#include "graph_module.h"
#include "plotmark32_res.h"
#include "zxplugin/kind_support.h"

namespace plotmark {
namespace {

using zx::field;

zx::Result readMouseMove(zx::AssetRecord& asset, zx::ScriptAnswer& out) {
    return out.integer(takeMouseMove(graphProperties(asset)));
}

#define GRAPH_FIELD(member) ZX_FIELD(GraphProperties, member)

constexpr zx::PropertyRow kRows[] = {
    field("BlueSpacing", GRAPH_FIELD(blueSpacing))
        .saved(11)
        .dialog(IDC_BLUE_SPACING)
        .means("grid spacing; the grid square is BlueSpacing / 15 pixels"),
    field("BackColor", GRAPH_FIELD(backColor))
        .saved(5)
        .dialog(IDC_BACK_COLOR)
        .means("fill colour of the plot area"),
    field("XMinimum", GRAPH_FIELD(xMinimum))
        .saved(21)
        .dialog(IDC_X_MINIMUM)
        .means("world x at the vertical axis"),
    field("XMaximum", GRAPH_FIELD(xMaximum))
        .means("world x at the right edge; set by each full draw"),
    field("YMinimum", GRAPH_FIELD(yMinimum))
        .saved(22)
        .dialog(IDC_Y_MINIMUM)
        .means("world y at the horizontal axis"),
    field("YMaximum", GRAPH_FIELD(yMaximum))
        .means("world y at the top edge; set by each full draw"),
    field("DeltaX", GRAPH_FIELD(deltaX))
        .saved(23)
        .dialog(IDC_DELTA_X)
        .means("world x units per grid square"),
    field("DeltaY", GRAPH_FIELD(deltaY))
        .saved(24)
        .dialog(IDC_DELTA_Y)
        .means("world y units per grid square"),
    field("XTickSpace", GRAPH_FIELD(xTickSpace))
        .saved(6)
        .dialog(IDC_X_TICK_SPACE)
        .means("grid squares between numbered x ticks"),
    field("YTickSpace", GRAPH_FIELD(yTickSpace))
        .saved(7)
        .dialog(IDC_Y_TICK_SPACE)
        .means("grid squares between numbered y ticks"),
    field("XLabelString", GRAPH_FIELD(xLabelString))
        .saved(25)
        .dialog(IDC_X_LABEL)
        .means("caption of the x axis (79 characters)"),
    field("YLabelString", GRAPH_FIELD(yLabelString))
        .saved(26)
        .dialog(IDC_Y_LABEL)
        .means("caption of the y axis (79 characters)"),
    field("ForceIntegerX", GRAPH_FIELD(forceIntegerX))
        .saved(8)
        .checkBox(IDC_FORCE_INTEGER_X)
        .means("x tick labels on whole numbers"),
    field("ForceIntegerY", GRAPH_FIELD(forceIntegerY))
        .saved(9)
        .checkBox(IDC_FORCE_INTEGER_Y)
        .means("y tick labels on whole numbers"),
    field("XNewValue", GRAPH_FIELD(xNewValue)).writeOnly().means("x of the next point"),
    field("YNewValue", GRAPH_FIELD(yNewValue))
        .writeOnly()
        .means("writing it adds (XNewValue, YNewValue) to the current curve"),
    field("XMouseDown", GRAPH_FIELD(xMouseDown)).means("world x of the last press in the plot"),
    field("YMouseDown", GRAPH_FIELD(yMouseDown)).means("world y of the last press in the plot"),
    field("XMouseUp", GRAPH_FIELD(xMouseUp)).means("world x of the last release in the plot"),
    field("YMouseUp", GRAPH_FIELD(yMouseUp)).means("world y of the last release in the plot"),
    field("MouseClickMode", GRAPH_FIELD(mouseClickMode))
        .saved(12)
        .dialog(IDC_MOUSE_CLICK_MODE)
        .means("0 none, 1 plot points, 2 select curve, 3 select line, 4 line or curve"),
    field("MouseMoveMode", GRAPH_FIELD(mouseMoveMode))
        .saved(13)
        .dialog(IDC_MOUSE_MOVE_MODE)
        .means("0 trace off, 1 on; 2 or 3 while a curve or line is picked"),
    field("CurrentCurve", GRAPH_FIELD(currentCurve)).means("current curve, 0-4"),
    field("CurrentSymbol", GRAPH_FIELD(currentSymbol))
        .writeOnly()
        .saved(16)
        .dialog(IDC_CURRENT_SYMBOL)
        .means("symbol of new points: 0 cross, 1 square, 2 triangle, 3 disc, 4 block"),
    field("CurrentLine", GRAPH_FIELD(currentLine)).means("current line, 0-9"),
    field("CurveStyle", GRAPH_FIELD(curveStyle))
        .writeOnly()
        .saved(17)
        .dialog(IDC_CURVE_STYLE)
        .means("style of the current curve: 0 points, 1 lines, 2 both"),
    field("LineStyle", GRAPH_FIELD(lineStyle))
        .saved(18)
        .dialog(IDC_LINE_STYLE)
        .means("style of the current line: 0 full, 1 segment, 2 segment with symbols"),
    field("LineShade", GRAPH_FIELD(lineShade))
        .means("shading of the current line: 0 none, 1 above, 2 below, 3 and 4 by direction"),
    field("CurveColor", GRAPH_FIELD(curveColor)).writeOnly().means("colour of the current curve"),
    field("LineColor", GRAPH_FIELD(lineColor)).means("colour of the current line"),
    field("Pearson", GRAPH_FIELD(pearson)).readOnly().means("correlation of the last fit"),
    field("LineEquation", GRAPH_FIELD(lineEquation)).means("equation of the picked line"),
    field("ShowLineHandles", GRAPH_FIELD(showLineHandles))
        .saved(20)
        .checkBox(IDC_SHOW_LINE_HANDLES)
        .means("drag handles on the current line"),
    field("OriginInAuto", GRAPH_FIELD(originInAuto))
        .saved(10)
        .checkBox(IDC_ORIGIN_IN_AUTO)
        .means("range fits include the origin"),
    field("MouseMove", GRAPH_FIELD(mouseMove))
        .reads(readMouseMove)
        .means("write on each mouse move to trace; a read clears it"),
    field("UnselectedPenStyle", GRAPH_FIELD(unselectedPenStyle))
        .saved(19)
        .dialog(IDC_UNSELECTED_PEN_STYLE)
        .means("pen style of unselected lines"),
    field("BlackBorder", GRAPH_FIELD(blackBorder))
        .saved(0)
        .checkBox(IDC_BLACK_BORDER)
        .means("outline the sprite in black"),
    field("ShowCursorLines", GRAPH_FIELD(showCursorLines))
        .saved(14)
        .checkBox(IDC_SHOW_CURSOR_LINES)
        .means("red lines from the axes to the trace point"),
    field("TopMargin", GRAPH_FIELD(topMargin))
        .saved(2)
        .dialog(IDC_TOP_MARGIN)
        .means("pixels above the plot area"),
    field("LeftMargin", GRAPH_FIELD(leftMargin))
        .saved(1)
        .dialog(IDC_LEFT_MARGIN)
        .means("pixels left of the vertical axis"),
    field("BottomMargin", GRAPH_FIELD(bottomMargin))
        .saved(4)
        .dialog(IDC_BOTTOM_MARGIN)
        .means("pixels below the horizontal axis"),
    field("RightMargin", GRAPH_FIELD(rightMargin))
        .saved(3)
        .dialog(IDC_RIGHT_MARGIN)
        .means("pixels right of the plot area"),
    field("TracePosition", GRAPH_FIELD(tracePosition))
        .saved(15)
        .dialog(IDC_TRACE_POSITION)
        .means("trace text: 0 none, 1 lower left, 2 at the mouse"),
    field("Action", GRAPH_FIELD(action))
        .writeOnly()
        .means(
            "runs a command: 1 empty the curve, 2 empty the line, 7 drop the curve's last point, "
            "9 empty all, 11 line from press to release, 13 fit a line, 21/22 new curve/line, "
            "31-34 zoom in x, in y, out x, out y, 35/36 fit the x/y range"),
    field("ExtendedTrace", GRAPH_FIELD(extendedTrace)).means("scroll while tracing near the edge"),
    field("MouseTrace", GRAPH_FIELD(mouseTrace)).means("move the pointer onto the traced element"),
    field("PipTrace", GRAPH_FIELD(pipTrace)).means("mark the trace point with a disc"),
    field("BackgroundTransparent", GRAPH_FIELD(backgroundTransparent))
        .means("draw over the stage instead of filling the plot area"),
};

#undef GRAPH_FIELD

static_assert(std::size(kRows) == kGraphPropertyCount);
static_assert(zx::rowsAreConsistent(kRows));
static_assert(zx::savedBlockSize(kRows) == 276);

} // namespace

std::span<const zx::PropertyRow> memberRows() {
    return kRows;
}

// A write (not a refused one) gets its further effect; a load and OK in the dialog keep the
// texts terminated.
void normalizeMember(zx::AssetRecord& asset, const zx::Change& change) {
    GraphProperties& p = graphProperties(asset);
    if (change.occasion != zx::Occasion::Set) {
        terminateTexts(p);
        return;
    }
    if (!kRows[change.row].writable()) {
        return;
    }
    applyEffect(asset, afterWrite(p, static_cast<GraphProperty>(change.row), graphModule().drawn));
}

} // namespace plotmark
