// host.messages(): the event log since the last call, host.kinds(), and host.window() for
// top-level windows that the plug-ins' window commands can find and close.
#include <zxw32/user_ext.h>

#include "binding.h"
#include "lua_value.h"
#include "script_support.h"

namespace zxlua {

namespace {

void setString(lua_State* L, const char* field, const std::string& text) {
    lua_pushlstring(L, text.data(), text.size());
    lua_setfield(L, -2, field);
}

int hostMessages(lua_State* L) {
    Binding& b = binding(L);
    const std::vector<zxhost::Message> messages = b.host.messages();
    lua_createtable(L, static_cast<int>(messages.size()), 0);
    for (size_t i = 0; i < messages.size(); ++i) {
        const zxhost::Message& m = messages[i];
        if (b.echo) {
            b.echo(m);
        }
        lua_createtable(L, 0, 4);
        setString(L, "kind", m.kind);
        setString(L, "text", m.text);
        setString(L, "caption", m.caption);
        lua_pushinteger(L, static_cast<lua_Integer>(m.flags));
        lua_setfield(L, -2, "flags");
        lua_rawseti(L, -2, static_cast<lua_Integer>(i + 1));
    }
    return 1;
}

// host.kinds(): {symbol=, name=, category=, module=} per registered kind.
int hostKinds(lua_State* L) {
    const std::vector<zxhost::KindInfo> kinds = binding(L).host.kinds();
    lua_createtable(L, static_cast<int>(kinds.size()), 0);
    for (size_t i = 0; i < kinds.size(); ++i) {
        lua_createtable(L, 0, 4);
        setString(L, "symbol", kinds[i].symbol);
        setString(L, "name", kinds[i].displayName);
        setString(L, "category", kinds[i].category);
        setString(L, "module", kinds[i].modulePath);
        lua_rawseti(L, -2, static_cast<lua_Integer>(i + 1));
    }
    return 1;
}

// host.window(class, title [, {left =, top =, right =, bottom =}]): a top-level window
// with that class name and title, at a screen rectangle (by default an empty one at the
// screen origin, which the mouse never lands on). It lives until something destroys it
// (WM_CLOSE does) or the script ends.
int hostWindow(lua_State* L) {
    const std::string className = argString(L, 1, "host.window");
    const std::string title = argAbsent(L, 2) ? std::string() : argString(L, 2, "host.window");
    if (className.empty()) {
        fail("host.window: a window needs a class name");
    }
    RECT screen{0, 0, 0, 0};
    if (!argAbsent(L, 3)) {
        const zxhost::Rect r = toRect(L, 3, "host.window");
        screen = RECT{r.left, r.top, r.right, r.bottom};
    }
    HWND window = zxw32::createWindow(className.c_str(), title.c_str(), screen, nullptr, nullptr);
    if (window == nullptr) {
        fail("host.window: the window could not be created");
    }
    binding(L).windows.push_back(window);
    return 0;
}

const luaL_Reg kHost[] = {{"messages", guarded<hostMessages>},
                          {"kinds", guarded<hostKinds>},
                          {"window", guarded<hostWindow>},
                          {nullptr, nullptr}};

} // namespace

void openHostLibrary(lua_State* L) {
    registerLibrary(L, "host", kHost);
}

} // namespace zxlua
