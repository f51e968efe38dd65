// The graph sprite's events: a press plots a point, picks a curve or a line, grabs a line
// handle or zooms; a release ends a handle drag; the arrow keys step through the curves and
// lines and Delete empties the picked one. Events before the first full draw are ignored:
// the geometry that maps the mouse does not exist yet.
#include <initializer_list>

#include "engine/graph_actions.h"
#include "engine/line_marks.h"
#include "engine/line_points.h"
#include "engine/curve_points.h"
#include "graph_module.h"
#include "graph_sprite.h"
#include "graph_sprite_state.h"

namespace plotmark {
namespace {

// Event kinds beyond the shared ones: the end of the tracing.
constexpr int32_t kEndTracing = 24;

PixelPoint mouseOf(const zx::EventRecord& event) {
    return {event.words[3], event.words[2]};
}

// After an interaction that changed the plot: the next draw is a full one.
void redrawAfterChange(zx::ActorRecord& actor) {
    if (graphModule().drawn) {
        memberOf(actor).mouseMove = 0;
        requestRedraw(actor);
    }
}

// The handle under the mouse starts a drag; an end handle (0-3) first turns the line through
// it and then continues as the free handle 6.
bool grabHandle(zx::ActorRecord& actor, PixelPoint mouse) {
    SpriteState& s = spriteState(actor);
    PlotGeometry& g = s.geometry;
    GraphModule& module = graphModule();
    const int32_t h = handleAt(g, mouse);
    if (h < 0) {
        return false;
    }
    s.handleDrag = true;
    module.handleIndex = h;
    module.grabX = mouse.x - g.handleX[h];
    module.grabY = mouse.y - g.handleY[h];
    if (LineRecord* line = currentLine(memberOf(actor))) {
        line->hit = 0;
    }
    if (h <= 3) {
        callWithGeometry(actor, "RedefineCurrentLine");
        g.handleX[kFreeHandle] = g.handleX[h];
        g.handleY[kFreeHandle] = g.handleY[h];
        g.handleEnabled[kFreeHandle] = 1;
        module.handleIndex = kFreeHandle;
    }
    return true;
}

// A click without modifiers in the click mode of the geometry.
zx::Result click(zx::ActorRecord& actor, double v, double u) {
    SpriteState& s = spriteState(actor);
    PlotGeometry& g = s.geometry;
    const int32_t mode = g.clickMode;
    if (mode == 1) {
        zx::Result result = kXNewValue.write(actor, v);
        if (result == zx::kOk) {
            result = kYNewValue.write(actor, u);
        }
        redrawAfterChange(actor);
        return result;
    }
    bool picked = false;
    if ((mode == 3 || mode == 4) && !graphModule().traceSuspended) {
        picked = callWithGeometry(actor, "CheckLineSelect") != 0;
        if (picked) {
            redrawAfterChange(actor);
        }
    }
    if (mode == 2 || (mode == 4 && !picked)) {
        picked = callWithGeometry(actor, "CheckCurveSelect") != 0;
        redrawAfterChange(actor);
        if (!picked) {
            g.mode = 1;
        }
        const zx::Result result = kMouseMoveMode.write(actor, g.mode);
        if (result != zx::kOk) {
            return result;
        }
    }
    if ((mode == 2 || mode == 3 || mode == 4) && !picked) {
        s.scrollArmed = true;
    }
    return zx::kOk;
}

// The zooms change the member's scale directly; the redraw request shows them.
void zoom(zx::ActorRecord& actor, std::initializer_list<ActionCode> codes) {
    for (ActionCode code : codes) {
        runAction(memberOf(actor), code);
    }
    redrawAfterChange(actor);
}

zx::Result mouseDown(zx::ActorRecord& actor, const zx::EventRecord& event) {
    SpriteState& s = spriteState(actor);
    PlotGeometry& g = s.geometry;
    GraphProperties& p = memberOf(actor);
    graphModule().buttonDown = true;
    g.clickMode = p.mouseClickMode;
    g.showLineHandles = p.showLineHandles;
    const PixelPoint mouse = mouseOf(event);
    const double v = worldX(g, mouse.x);
    const double u = worldY(g, mouse.y);
    const bool onPlot = v >= g.xMinimum && u >= g.yMinimum;
    // m0 suppresses the click's action, m1 zooms.
    const int32_t modifiers = event.words[zx::kEventModifiers];
    const bool m0 = (modifiers & zx::modifier::kFirst) != 0;
    const bool m1 = (modifiers & zx::modifier::kSecond) != 0;
    if (onPlot) {
        zx::Result result = kXMouseDown.write(actor, v);
        if (result == zx::kOk) {
            result = kYMouseDown.write(actor, u);
        }
        if (result != zx::kOk) {
            return result;
        }
        if (g.showLineHandles != 0 && grabHandle(actor, mouse)) {
            return zx::kOk;
        }
        if (g.mode == 2 || g.mode == 3) {
            g.mode = 1;
            result = kMouseMoveMode.write(actor, 1);
            if (result != zx::kOk) {
                return result;
            }
            graphModule().traceSuspended = s.tracing;
        }
        if (m1) {
            zoom(actor, {kZoomInX, kZoomInY});
        } else if (!m0) {
            return click(actor, v, u);
        }
        return zx::kOk;
    }
    if (m1 && u < g.yMinimum) {
        zoom(actor, {kZoomOutX});
    }
    if (m1 && v < g.xMinimum) {
        zoom(actor, {kZoomOutY});
    }
    return zx::kOk;
}

zx::Result mouseUp(zx::ActorRecord& actor, const zx::EventRecord& event) {
    SpriteState& s = spriteState(actor);
    PlotGeometry& g = s.geometry;
    GraphModule& module = graphModule();
    module.buttonDown = false;
    s.scrollArmed = false;
    s.scrolled = false;
    const PixelPoint mouse = mouseOf(event);
    const double w = worldX(g, mouse.x);
    const double a = worldY(g, mouse.y);
    if (w >= g.xMinimum && a >= g.yMinimum) {
        zx::Result result = kXMouseUp.write(actor, w);
        if (result == zx::kOk) {
            result = kYMouseUp.write(actor, a);
        }
        if (result != zx::kOk) {
            return result;
        }
    }
    if (s.handleDrag) {
        moveDraggedHandle(g, mouse);
        g.handleEnabled[kFreeHandle] = 0;
        callWithGeometry(actor, "RedefineCurrentLine");
        s.handleDrag = false;
        if (module.drawn) {
            requestRedraw(actor);
        }
    }
    g.handleEnabled[kFreeHandle] = 0;
    s.handleDrag = false;
    if (s.tracing && module.traceSuspended) {
        endTracing(actor);
    }
    return zx::kOk;
}

// Delete and Backspace empty the picked curve and the picked line and end their trace.
void deletePicked(zx::ActorRecord& actor) {
    SpriteState& s = spriteState(actor);
    GraphProperties& p = memberOf(actor);
    if (CurveRecord* curve = currentCurve(p); curve != nullptr && curve->hit != 0) {
        if (curve->selected != 0) {
            emptyCurve(*curve);
        }
        if (s.tracing && s.geometry.mode == 2) {
            endTracing(actor);
        }
        if (graphModule().drawn) {
            requestRedraw(actor);
        }
    }
    if (LineRecord* line = currentLine(p); line != nullptr && line->hit != 0) {
        emptyLine(*line);
        if (s.tracing && s.geometry.mode == 3) {
            endTracing(actor);
        }
        if (graphModule().drawn) {
            requestRedraw(actor);
        }
    }
}

zx::Result keyDown(zx::ActorRecord& actor, const zx::EventRecord& event) {
    const auto key = reinterpret_cast<const uint8_t*>(event.words)[zx::kEventCharOffset];
    const GraphProperties& p = memberOf(actor);
    // The indices step modulo the counts; an index a script set outside them steps from 0.
    const int32_t curve = p.currentCurve >= 0 && p.currentCurve < kCurveCount ? p.currentCurve : 0;
    const int32_t line = p.currentLine >= 0 && p.currentLine < kLineCount ? p.currentLine : 0;
    switch (key) {
    case zx::key::kDelete:
    case zx::key::kBackspace:
        deletePicked(actor);
        return zx::kOk;
    case zx::key::kDown:
        return kCurrentCurve.write(actor, (curve + 4) % kCurveCount);
    case zx::key::kUp:
        return kCurrentCurve.write(actor, (curve + 1) % kCurveCount);
    case zx::key::kLeft:
        return kCurrentLine.write(actor, (line + 9) % kLineCount);
    case zx::key::kRight:
        return kCurrentLine.write(actor, (line + 1) % kLineCount);
    default:
        return zx::kOk;
    }
}

void cancel(zx::ActorRecord& actor) {
    SpriteState& s = spriteState(actor);
    GraphModule& module = graphModule();
    s.handleDrag = false;
    module.buttonDown = false;
    s.scrollArmed = false;
    s.scrolled = false;
    s.geometry.handleEnabled[kFreeHandle] = 0;
    requestRedraw(actor);
    if (s.tracing && module.traceSuspended) {
        endTracing(actor);
    }
}

} // namespace

void moveDraggedHandle(PlotGeometry& g, PixelPoint mouse) {
    const GraphModule& module = graphModule();
    const int32_t h = module.handleIndex;
    if (h < 0 || h >= kHandleCount) {
        return;
    }
    const bool vertical = h == 0 || h == 2 || h == kInterceptHandle || h == kFreeHandle;
    const bool horizontal = h == 1 || h == 3 || h == 4 || h == kFreeHandle;
    if (vertical) {
        g.handleY[h] = mouse.y - module.grabY;
    }
    if (horizontal) {
        g.handleX[h] = mouse.x - module.grabX;
    }
}

zx::Result handleGraphEvent(zx::ActorRecord& actor, const zx::EventRecord& event,
                            int32_t* handled) {
    *handled = 0;
    SpriteState& s = spriteState(actor);
    const int32_t kind = event.words[0];
    switch (kind) {
    case zx::event::kFocus:
    case zx::event::kBlur:
        *handled = 1;
        return zx::kOk;
    case zx::event::kCancel:
        cancel(actor);
        return zx::kOk;
    case kEndTracing:
        if (s.tracing) {
            endTracing(actor);
        }
        return zx::kOk;
    case zx::event::kKey:
        *handled = 1;
        return keyDown(actor, event);
    default:
        break;
    }
    if (!s.placed) {
        return zx::kOk;
    }
    switch (kind) {
    case zx::event::kMouseDown:
        *handled = 1;
        return mouseDown(actor, event);
    case zx::event::kMouseUp:
        *handled = 1;
        return mouseUp(actor, event);
    default:
        return zx::kOk;
    }
}

} // namespace plotmark
