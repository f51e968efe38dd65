// The graph sprite's own state in the actor record (made and destroyed with the actor), the
// member properties it writes through the member's SetProp, and its roads to the host and the
// member.
#pragma once

#include <cstdint>
#include <string>

#include "engine/geometry_registry.h"
#include "engine/graph_properties.h"
#include "engine/pixel_point.h"
#include "engine/plot_geometry.h"
#include "graph_member.h"
#include "offscreen_cache.h"
#include "zxplugin/kind_support.h"
#include "zxplugin/records.h"

namespace plotmark {

struct SpriteState {
    // The geometry is registered under a handle for the member's methods as long as the
    // sprite lives.
    SpriteState() : handle(geometries().add(geometry)) {}
    ~SpriteState() { geometries().remove(handle); }
    SpriteState(const SpriteState&) = delete;
    SpriteState& operator=(const SpriteState&) = delete;

    PlotGeometry geometry{};
    int32_t handle = 0;
    bool placed = false; // a full draw has filled the geometry; the mouse waits for it
    OffscreenCache cache;
    RECT rect{};           // the sprite rectangle of the last full draw
    HWND window = nullptr; // the window under the cursor at the last tracking
    uint32_t traceColor = 0;
    int32_t mouseTrace = 0;
    int32_t pipTrace = 0;
    double traceX = 0.0; // the trace point in world values
    double traceY = 0.0;
    bool inside = false;
    bool redrawPending = false;
    bool scrollArmed = false;
    bool scrolled = false;
    bool handleDrag = false;
    bool tracing = false;
    zx::HostValue spriteReference{};
};

using SpriteStateOf = zx::ActorState<SpriteState>;

inline SpriteState& spriteState(zx::ActorRecord& actor) {
    return SpriteStateOf::of(actor);
}

// The linked member's property record; the frame calls the sprite only while it is linked.
inline GraphProperties& memberOf(zx::ActorRecord& actor) {
    return graphProperties(*zx::linkedAsset(actor));
}

// Member properties written through the member's own SetProp, with their effects.
inline constexpr zx::MemberProperty<double> kXMinimum{"XMinimum"};
inline constexpr zx::MemberProperty<double> kXMaximum{"XMaximum"};
inline constexpr zx::MemberProperty<double> kYMinimum{"YMinimum"};
inline constexpr zx::MemberProperty<double> kYMaximum{"YMaximum"};
inline constexpr zx::MemberProperty<double> kDeltaX{"DeltaX"};
inline constexpr zx::MemberProperty<double> kDeltaY{"DeltaY"};
inline constexpr zx::MemberProperty<int32_t> kXTickSpace{"XTickSpace"};
inline constexpr zx::MemberProperty<int32_t> kYTickSpace{"YTickSpace"};
inline constexpr zx::MemberProperty<double> kXNewValue{"XNewValue"};
inline constexpr zx::MemberProperty<double> kYNewValue{"YNewValue"};
inline constexpr zx::MemberProperty<double> kXMouseDown{"XMouseDown"};
inline constexpr zx::MemberProperty<double> kYMouseDown{"YMouseDown"};
inline constexpr zx::MemberProperty<double> kXMouseUp{"XMouseUp"};
inline constexpr zx::MemberProperty<double> kYMouseUp{"YMouseUp"};
inline constexpr zx::MemberProperty<int32_t> kMouseMoveMode{"MouseMoveMode"};
inline constexpr zx::MemberProperty<int32_t> kMouseMove{"MouseMove"};
inline constexpr zx::MemberProperty<int32_t> kCurrentCurve{"CurrentCurve"};
inline constexpr zx::MemberProperty<int32_t> kCurrentLine{"CurrentLine"};

// LineEquation through the member's SetProp, as a text value.
zx::Result writeLineEquation(zx::ActorRecord& actor, const char* text);

// The redraw request of every interaction: nothing before any sprite has drawn; while the
// mouse button is down the movie's "Refresh" handler runs (and a handler that keeps the
// button down ends it there); otherwise the host is asked to redraw the sprite.
void requestRedraw(zx::ActorRecord& actor);

// The movie's "SetSpriteCursor" handler with the sprite's reference and a cursor code.
void setSpriteCursor(zx::ActorRecord& actor, int32_t code);

// One of the member's methods that take the sprite's geometry handle ("CheckLineSelect",
// "CheckCurveSelect", "RedefineCurrentLine"); the integer it answers, 0 when none.
int32_t callWithGeometry(zx::ActorRecord& actor, const char* method);

// Moves the mouse pointer to a point of the stage window's client area.
void moveCursorTo(SpriteState& state, PixelPoint point);

// A dragged handle follows the mouse, less the grab offset: handles 0, 2 and 5 only up and
// down, 1, 3 and 4 only sideways, the free handle 6 both ways.
void moveDraggedHandle(PlotGeometry& geometry, PixelPoint mouse);

// Ends a trace: MouseMoveMode 1 in the member (stored directly) and the geometry, the trace no
// longer suspended or followed.
void endTracing(zx::ActorRecord& actor);

} // namespace plotmark
