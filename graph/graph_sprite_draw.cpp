// The graph sprite's Draw: a full draw of the plot into a fresh off-screen bitmap that is kept,
// or, while the mouse only moves, the kept bitmap copied with the trace drawn over it. Steps
// that change the member's scale (whole-number ticks, the snapped origin, the visible maxima,
// the picked line's equation) go through the member's own SetProp, as a script's would.
#include "engine/axis_scaling.h"
#include "engine/line_marks.h"
#include "engine/plot_frame.h"
#include "graph_drawing.h"
#include "graph_module.h"
#include "graph_sprite.h"
#include "graph_sprite_state.h"
#include "graph_trace_overlay.h"

namespace plotmark {
namespace {

// Writes a double when the rule changed it; the first failure is kept.
zx::Result update(zx::ActorRecord& actor, const zx::MemberProperty<double>& property, double before,
                  double after) {
    if (after == before || (after != after && before != before)) {
        return zx::kOk;
    }
    return property.write(actor, after);
}

// Steps 3 and 4: whole-number ticks on a forced axis, then the origin snapped to the grid.
zx::Result scaleAxis(zx::ActorRecord& actor, bool forced, const zx::MemberProperty<double>& delta,
                     const zx::MemberProperty<int32_t>& tickSpace,
                     const zx::MemberProperty<double>& minimum, double (*deltaOf)(GraphProperties&),
                     int32_t (*tickSpaceOf)(GraphProperties&),
                     double (*minimumOf)(GraphProperties&)) {
    GraphProperties& p = memberOf(actor);
    if (forced) {
        const WholeNumberTicks t = wholeNumberTicks(deltaOf(p), tickSpaceOf(p));
        zx::Result result = update(actor, delta, deltaOf(p), t.delta);
        if (result == zx::kOk && t.tickSpace != tickSpaceOf(p)) {
            result = tickSpace.write(actor, t.tickSpace);
        }
        if (result != zx::kOk) {
            return result;
        }
    }
    return update(actor, minimum, minimumOf(p), snappedMinimum(minimumOf(p), deltaOf(p)));
}

// Steps 3 to 5 for both axes.
zx::Result scale(zx::ActorRecord& actor, const RECT& r, int32_t x0, int32_t y0) {
    GraphProperties& p = memberOf(actor);
    zx::Result result = scaleAxis(
        actor, p.forceIntegerX != 0, kDeltaX, kXTickSpace, kXMinimum,
        [](GraphProperties& q) { return q.deltaX; },
        [](GraphProperties& q) { return q.xTickSpace; },
        [](GraphProperties& q) { return q.xMinimum; });
    if (result == zx::kOk) {
        result = scaleAxis(
            actor, p.forceIntegerY != 0, kDeltaY, kYTickSpace, kYMinimum,
            [](GraphProperties& q) { return q.deltaY; },
            [](GraphProperties& q) { return q.yTickSpace; },
            [](GraphProperties& q) { return q.yMinimum; });
    }
    if (result != zx::kOk) {
        return result;
    }
    const int32_t g = gridSquare(p.blueSpacing);
    const double xMaximum =
        visibleMaximum(p.xMinimum, p.deltaX, int64_t{r.right} - p.rightMargin - x0, g, p.xMaximum);
    result = kXMaximum.write(actor, xMaximum);
    if (result != zx::kOk) {
        return result;
    }
    const double yMaximum =
        visibleMaximum(p.yMinimum, p.deltaY, int64_t{y0} - r.top - p.topMargin, g, p.yMaximum);
    return kYMaximum.write(actor, yMaximum);
}

void fillBackground(HDC memory, HDC screen, const GraphProperties& p, const RECT& r, int w, int h) {
    if (p.backgroundTransparent != 0) {
        BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
        return;
    }
    zx::GdiObject<HBRUSH> brush(CreateSolidBrush(p.backColor));
    zx::Selection selectedBrush(memory, brush.get());
    zx::Selection pen(memory, GetStockObject(p.blackBorder != 0 ? BLACK_PEN : NULL_PEN));
    Rectangle(memory, 0, 0, w, h);
}

// Steps 6 to 16 on the fresh bitmap; the result of the LineEquation write.
zx::Result paintPlot(zx::ActorRecord& actor, HDC screen, const RECT& r) {
    SpriteState& s = spriteState(actor);
    GraphProperties& p = memberOf(actor);
    HDC dc = s.cache.dc();
    const int w = s.cache.width();
    const int h = s.cache.height();
    zx::ScopedRop2 rop(dc, R2_COPYPEN);
    zx::ScopedMapMode mapMode(dc, MM_TEXT);
    fillBackground(dc, screen, p, r, w, h);
    PlotCanvas canvas{dc, p, s.geometry, plotFrame(p, w, h), w, h};
    clipTo(dc, canvas.frame.left, canvas.frame.top, canvas.frame.right, canvas.frame.bottom);
    zx::ScopedBkMode bkMode(dc, p.backgroundTransparent != 0 ? TRANSPARENT : OPAQUE);
    zx::ScopedBkColor bkColor(dc, p.backColor);
    zx::ScopedTextColor textColor(dc, RGB(0, 0, 0));
    zx::ScopedTextAlign textAlign(dc, TA_LEFT | TA_TOP);
    paintAxes(canvas);
    paintLines(canvas);
    const zx::Result result = writeLineEquation(actor, s.geometry.equationText);
    if (result != zx::kOk) {
        SelectClipRgn(dc, nullptr);
        return result;
    }
    paintCurves(canvas);
    SelectClipRgn(dc, nullptr);
    zx::Selection pen(dc, GetStockObject(BLACK_PEN));
    MoveToEx(dc, s.geometry.x0, canvas.frame.top, nullptr);
    LineTo(dc, canvas.frame.right, canvas.frame.top);
    LineTo(dc, canvas.frame.right, s.geometry.y0);
    return zx::kOk;
}

// Places the geometry on the sprite, in bitmap pixels while drawing. The free drag handle is
// the mouse's, kept in screen pixels: it moves along into the bitmap's.
void placeOnBitmap(SpriteState& s, const GraphProperties& p, const RECT& r) {
    const int32_t dragEnabled = s.geometry.handleEnabled[kFreeHandle];
    const int32_t dragX = s.geometry.handleX[kFreeHandle];
    const int32_t dragY = s.geometry.handleY[kFreeHandle];
    s.geometry = placeGeometry(p, {r.top, r.left, r.bottom, r.right});
    s.geometry.x0 = static_cast<int16_t>(s.geometry.x0 - r.left);
    s.geometry.y0 = static_cast<int16_t>(s.geometry.y0 - r.top);
    s.geometry.handleEnabled[kFreeHandle] = dragEnabled;
    s.geometry.handleX[kFreeHandle] = dragX - r.left;
    s.geometry.handleY[kFreeHandle] = dragY - r.top;
    s.placed = true;
}

// Step 19: the handles and the origin in the screen's pixels, where the mouse meets them.
void moveToScreen(PlotGeometry& g, const RECT& r) {
    for (int h = 0; h < kHandleCount; ++h) {
        if (g.handleEnabled[h] != 0) {
            g.handleX[h] += r.left;
            g.handleY[h] += r.top;
        }
    }
    g.x0 = static_cast<int16_t>(g.x0 + r.left);
    g.y0 = static_cast<int16_t>(g.y0 + r.top);
}

zx::Result fullDraw(zx::ActorRecord& actor, HDC screen, const RECT& r) {
    SpriteState& s = spriteState(actor);
    GraphProperties& p = memberOf(actor);
    s.redrawPending = false;
    if (actor.spriteServices != nullptr) {
        actor.utilities->ops->releaseValue(actor.utilities, &s.spriteReference);
        s.spriteReference = {};
        actor.spriteServices->ops->spriteReference(actor.spriteServices, &s.spriteReference);
    }
    const int32_t x0 = static_cast<int32_t>(int64_t{r.left} + p.leftMargin);
    const int32_t y0 = static_cast<int32_t>(int64_t{r.bottom} - p.bottomMargin);
    zx::Result result = scale(actor, r, x0, y0);
    if (result != zx::kOk) {
        return result;
    }
    placeOnBitmap(s, p, r);
    s.rect = r;
    if (!s.cache.make(screen, r.right - r.left, r.bottom - r.top)) {
        moveToScreen(s.geometry, r);
        return zx::kOk;
    }
    result = paintPlot(actor, screen, r);
    if (result == zx::kOk) {
        copyCache(s, screen, p.blackBorder != 0);
    }
    moveToScreen(s.geometry, r);
    return result;
}

} // namespace

zx::Result drawGraphSprite(zx::ActorRecord& actor, const zx::DrawRecord& record, HDC dc,
                           zx::DrawContext*) {
    GraphModule& module = graphModule();
    module.drawn = false;
    SpriteState& s = spriteState(actor);
    GraphProperties& p = memberOf(actor);
    s.traceColor = p.traceColor;
    s.mouseTrace = p.mouseTrace;
    s.pipTrace = p.pipTrace;

    int32_t mouseMove = 0;
    kMouseMove.read(actor, &mouseMove);
    const RECT r{record.words[1], record.words[0], record.words[3], record.words[2]};
    zx::Result result = zx::kOk;
    if (mouseMove == 0 || s.redrawPending || s.scrolled) {
        result = fullDraw(actor, dc, r);
    } else if (s.cache) {
        paintTraceOverlay(actor, dc, r);
    }
    // The frame clears the member's ChangedFlag after every Draw (the writes above set it).
    module.drawn = true;
    return result;
}

} // namespace plotmark
