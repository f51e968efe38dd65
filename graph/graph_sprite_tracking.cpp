// The member's notifications to its sprites: code 2 asks for a redraw, code 3 (a script wrote
// MouseMove) starts the mouse tracking: the sprite reads the cursor itself, drags a grabbed
// handle, reports the cursor shape, scrolls a drag over the empty plot, and moves the trace
// point along the picked curve or line, snapping the mouse pointer onto it.
#include "engine/line_marks.h"
#include "engine/trace.h"
#include "graph_module.h"
#include "graph_sprite.h"
#include "graph_sprite_state.h"

namespace plotmark {
namespace {

constexpr int32_t kRedrawNotice = 2;
constexpr int32_t kTrackingNotice = 3;
constexpr int32_t kCursorInside = 2;
constexpr int32_t kCursorOutside = -1;

// The cursor in the client pixels of the window under it (the stage's).
PixelPoint cursorInWindow(SpriteState& s) {
    POINT cursor{0, 0};
    GetCursorPos(&cursor);
    s.window = WindowFromPoint(cursor);
    if (s.window != nullptr) {
        ScreenToClient(s.window, &cursor);
    }
    return {cursor.x, cursor.y};
}

void setTracePoint(SpriteState& s, PixelPoint at) {
    s.traceX = worldX(s.geometry, at.x);
    s.traceY = worldY(s.geometry, at.y);
}

void dragHandle(zx::ActorRecord& actor, PixelPoint mouse) {
    SpriteState& s = spriteState(actor);
    moveDraggedHandle(s.geometry, mouse);
    const int32_t h = graphModule().handleIndex;
    if (h >= 0 && h < kHandleCount) {
        s.geometry.handleEnabled[h] = 1;
    }
    callWithGeometry(actor, "RedefineCurrentLine");
    s.redrawPending = true;
    memberOf(actor).mouseMove = 0;
    requestRedraw(actor);
}

// A drag over the empty plot scrolls one delta per drag, then forces a full draw.
void scrollDrag(zx::ActorRecord& actor) {
    SpriteState& s = spriteState(actor);
    GraphProperties& p = memberOf(actor);
    if (scrollTowards(p, s.traceX, s.traceY)) {
        s.scrolled = true;
        s.geometry.xMinimum = p.xMinimum;
        s.geometry.yMinimum = p.yMinimum;
    }
}

// The extended trace scrolled the geometry: the member follows through its SetProp.
void followExtendedTrace(zx::ActorRecord& actor, PixelPoint& traced) {
    SpriteState& s = spriteState(actor);
    if (!extendTrace(s.geometry, traced)) {
        return;
    }
    if (s.mouseTrace != 0) {
        moveCursorTo(s, traced);
    }
    setTracePoint(s, traced);
    if (kXMinimum.write(actor, s.geometry.xMinimum) == zx::kOk) {
        kYMinimum.write(actor, s.geometry.yMinimum);
    }
    memberOf(actor).mouseMove = 0;
    graphModule().drawn = true;
}

void trace(zx::ActorRecord& actor, PixelPoint mouse) {
    SpriteState& s = spriteState(actor);
    GraphProperties& p = memberOf(actor);
    const int32_t mode = s.geometry.mode;
    TraceSearch search{false, mouse.y};
    if (mode == 2) {
        const CurveRecord* curve = currentCurve(p);
        if (curve == nullptr) {
            return;
        }
        search = traceCurve(*curve, s.geometry, mouse, s.tracing || p.extendedTrace != 0);
    } else {
        const LineRecord* line = currentLine(p);
        if (line == nullptr) {
            return;
        }
        search = traceLine(*line, s.geometry, mouse);
    }
    if (!search.found) {
        return;
    }
    PixelPoint traced{mouse.x, search.y};
    if (traced.y != mouse.y) {
        if (s.mouseTrace != 0) {
            moveCursorTo(s, traced);
        }
        setTracePoint(s, traced);
        p.mouseMove = 1;
        requestRedraw(actor);
    }
    s.tracing = true;
    if (mode == 2 && p.extendedTrace != 0) {
        followExtendedTrace(actor, traced);
    }
}

void track(zx::ActorRecord& actor) {
    SpriteState& s = spriteState(actor);
    if (!s.placed) {
        return; // no geometry to map the cursor with before the first full draw
    }
    const PixelPoint mouse = cursorInWindow(s);
    setTracePoint(s, mouse);
    if (s.handleDrag) {
        dragHandle(actor, mouse);
        return;
    }
    s.inside = insidePlot(s.geometry, mouse);
    int32_t cursor = s.inside ? kCursorInside : kCursorOutside;
    if (!s.inside && s.tracing) {
        endTracing(actor);
    }
    requestRedraw(actor);
    if (s.inside && s.geometry.showLineHandles != 0) {
        const int32_t h = handleAt(s.geometry, mouse);
        if (h >= 0) {
            GraphModule& module = graphModule();
            module.handleIndex = h;
            module.grabX = mouse.x - s.geometry.handleX[h];
            module.grabY = mouse.y - s.geometry.handleY[h];
            if (LineRecord* line = currentLine(memberOf(actor))) {
                line->hit = 0;
            }
            cursor = kCursorOutside;
        }
    }
    setSpriteCursor(actor, cursor);
    if (s.inside && s.scrollArmed && !s.scrolled && !s.tracing) {
        scrollDrag(actor);
    }
    if (s.geometry.mode == 2 || s.geometry.mode == 3) {
        trace(actor, mouse);
    }
    requestRedraw(actor);
}

} // namespace

zx::Result graphLinkNotice(zx::ActorRecord& actor, int32_t code, zx::AssetInterface*) {
    if (zx::linkedAsset(actor) == nullptr) {
        return zx::kOk;
    }
    if (code == kRedrawNotice) {
        requestRedraw(actor);
    } else if (code == kTrackingNotice) {
        track(actor);
    }
    return zx::kOk;
}

void destructGraphSprite(zx::ActorRecord& actor) {
    SpriteState& s = spriteState(actor);
    if (actor.utilities != nullptr) {
        actor.utilities->ops->releaseValue(actor.utilities, &s.spriteReference);
    }
}

} // namespace plotmark
