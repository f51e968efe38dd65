// The sprite's roads out: redraw requests and movie handlers through the sprite host and its
// services, the member's methods through the member's CallFunction, the member's text
// property LineEquation, and the mouse pointer.
#include <string>

#include "graph_module.h"
#include "graph_sprite_state.h"

namespace plotmark {
namespace {

zx::Symbol symbolOf(zx::ActorRecord& actor, const char* name) {
    zx::Symbol symbol = 0;
    if (actor.utilities == nullptr ||
        actor.utilities->ops->stringToSymbol(actor.utilities, name, &symbol) != zx::kOk) {
        return 0;
    }
    return symbol;
}

} // namespace

zx::Result writeLineEquation(zx::ActorRecord& actor, const char* text) {
    static constexpr zx::MemberProperty<std::string> kLineEquation{"LineEquation"};
    return kLineEquation.write(actor, text);
}

void requestRedraw(zx::ActorRecord& actor) {
    GraphModule& module = graphModule();
    if (!module.drawn || module.requestingRedraw) {
        return;
    }
    module.requestingRedraw = true;
    if (module.buttonDown) {
        zx::callMovieHandler(actor, "Refresh");
    }
    if (!module.buttonDown && actor.spriteHost != nullptr) {
        actor.spriteHost->ops->requestRedraw(actor.spriteHost);
    }
    module.requestingRedraw = false;
}

void setSpriteCursor(zx::ActorRecord& actor, int32_t code) {
    if (actor.utilities == nullptr) {
        return;
    }
    zx::HostValue arguments[2] = {spriteState(actor).spriteReference, {}};
    if (actor.utilities->ops->integerToValue(actor.utilities, code, &arguments[1]) != zx::kOk) {
        return;
    }
    zx::callMovieHandler(actor, "SetSpriteCursor", arguments);
    actor.utilities->ops->releaseValue(actor.utilities, &arguments[1]);
}

int32_t callWithGeometry(zx::ActorRecord& actor, const char* method) {
    zx::HostUtilities* utilities = actor.utilities;
    const zx::Symbol symbol = symbolOf(actor, method);
    if (actor.asset == nullptr || utilities == nullptr || symbol == 0) {
        return 0;
    }
    // Element 0 stands for the member reference, which the member's own methods never read.
    zx::HostValue arguments[2] = {};
    if (utilities->ops->integerToValue(utilities, spriteState(actor).handle, &arguments[1]) !=
        zx::kOk) {
        return 0;
    }
    zx::HostValue answer{};
    int32_t picked = 0;
    if (actor.asset->ops->callFunction(actor.asset, symbol, 1, arguments, &answer) == zx::kOk) {
        utilities->ops->valueToInteger(utilities, &answer, &picked);
        utilities->ops->releaseValue(utilities, &answer);
    }
    utilities->ops->releaseValue(utilities, &arguments[1]);
    return picked;
}

void moveCursorTo(SpriteState& state, PixelPoint point) {
    POINT screen{point.x, point.y};
    if (state.window != nullptr) {
        ClientToScreen(state.window, &screen);
    }
    SetCursorPos(screen.x, screen.y);
}

void endTracing(zx::ActorRecord& actor) {
    SpriteState& state = spriteState(actor);
    memberOf(actor).mouseMoveMode = 1;
    state.geometry.mode = 1;
    graphModule().traceSuspended = false;
    state.tracing = false;
}

} // namespace plotmark
