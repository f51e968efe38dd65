// The sprite's roads out: redraw requests and movie handlers through the sprite host and its
// services, the member's methods through the member's CallFunction, the member's text
// property LineEquation, and the mouse pointer.
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

void callHandler(zx::ActorRecord& actor, const char* name, int32_t argc,
                 const zx::HostValue* argv) {
    zx::SpriteServices* services = actor.spriteServices;
    const zx::Symbol handler = symbolOf(actor, name);
    if (services == nullptr || handler == 0) {
        return;
    }
    zx::HostValue answer{};
    if (services->ops->callHandler(services, handler, argc, argv, &answer) == zx::kOk) {
        actor.utilities->ops->releaseValue(actor.utilities, &answer);
    }
}

} // namespace

zx::Result writeLineEquation(zx::ActorRecord& actor, const char* text) {
    zx::HostUtilities* utilities = actor.utilities;
    if (actor.asset == nullptr || utilities == nullptr) {
        return zx::kUnknownProperty;
    }
    zx::HostValue value{};
    zx::Result result = utilities->ops->stringToValue(utilities, text, &value);
    if (result != zx::kOk) {
        return result;
    }
    // The symbol does not depend on the property's type.
    static constexpr zx::MemberProperty<int32_t> kLineEquation{"LineEquation"};
    result = actor.asset->ops->setProp(actor.asset, kLineEquation.symbol(actor), &value);
    utilities->ops->releaseValue(utilities, &value);
    return result;
}

void requestRedraw(zx::ActorRecord& actor) {
    GraphModule& module = graphModule();
    if (!module.drawn || module.requestingRedraw) {
        return;
    }
    module.requestingRedraw = true;
    if (module.buttonDown) {
        callHandler(actor, "Refresh", 0, nullptr);
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
    callHandler(actor, "SetSpriteCursor", 2, arguments);
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
