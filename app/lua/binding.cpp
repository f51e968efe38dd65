// The binding record in the Lua registry, script-relative paths and handler failures.
#include "binding.h"

#include "script_support.h"

#include "zxlua/movie_script.h"

namespace zxlua {

namespace {
// The registry key: the address of this variable.
const char kBindingKey = 0;
} // namespace

Binding::~Binding() {
    for (HWND window : windows) {
        if (IsWindow(window)) {
            DestroyWindow(window);
        }
    }
}

void attachBinding(lua_State* L, Binding* b) {
    lua_pushlightuserdata(L, b);
    lua_rawsetp(L, LUA_REGISTRYINDEX, &kBindingKey);
}

Binding& binding(lua_State* L) {
    lua_rawgetp(L, LUA_REGISTRYINDEX, &kBindingKey);
    auto* b = static_cast<Binding*>(lua_touserdata(L, -1));
    lua_pop(L, 1);
    return *b;
}

std::filesystem::path scriptPath(lua_State* L, const std::string& path) {
    const std::filesystem::path p(path);
    if (p.is_absolute()) {
        return p;
    }
    return binding(L).baseDir / p;
}

bool takeHandlerFailure(lua_State* L, char* buffer, size_t size, bool* placed) {
    Binding& b = binding(L);
    if (b.handlerError.empty()) {
        return false;
    }
    copyMessage(b.handlerError, buffer, size);
    *placed = b.handlerErrorPlaced;
    b.handlerError.clear();
    b.handlerErrorPlaced = false;
    return true;
}

void throwHandlerFailure(Binding& b) {
    if (b.handlerError.empty()) {
        return;
    }
    std::string message = std::move(b.handlerError);
    b.handlerError.clear();
    // Outside the script's own calls there is no script line to report it at: the script
    // is named instead.
    if (!b.handlerErrorPlaced && !b.chunkName.empty()) {
        message = b.chunkName + ": " + message;
    }
    b.handlerErrorPlaced = false;
    throw ScriptError(message);
}

zxhost::Host& hostOf(lua_State* L) {
    return binding(L).host;
}

} // namespace zxlua
