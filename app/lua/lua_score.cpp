// The score in scripts: score.add(member, rect, {ink =, params =}) makes a sprite; sprites
// take events at positions relative to their rectangle.
#include "binding.h"
#include "lua_objects.h"
#include "lua_value.h"
#include "script_support.h"

namespace zxlua {

namespace {

constexpr const char* kSpriteType = "zentrix.sprite";

// Positions within the host's coordinate limit; the host checks the stage position they
// make as well.
int32_t argCoordinate(lua_State* L, int index, const char* function) {
    const lua_Integer v = argInteger(L, index, function);
    if (!zxhost::withinCoordinateLimit(v)) {
        fail(std::string(function) + ": coordinate " + std::to_string(v) +
             " lies outside the limit of +-" + std::to_string(zxhost::kCoordinateLimit));
    }
    return static_cast<int32_t>(v);
}

// A key: a one-character string or a character code 0-255 (8 backspace, 13 return,
// 28-31 arrows, 127 delete).
uint8_t argKey(lua_State* L, int index, const char* function) {
    if (lua_type(L, index) == LUA_TSTRING) {
        size_t length = 0;
        const char* text = lua_tolstring(L, index, &length);
        if (length != 1) {
            fail(std::string(function) + ": a key is one character, got \"" +
                 std::string(text, length) + "\"");
        }
        return static_cast<uint8_t>(text[0]);
    }
    const lua_Integer code = argInteger(L, index, function);
    if (code < 0 || code > 255) {
        fail(std::string(function) + ": key code " + std::to_string(code) + " is not 0-255");
    }
    return static_cast<uint8_t>(code);
}

int scoreAdd(lua_State* L) {
    zxhost::Member& m = checkMember(L, 1, "score.add");
    const zxhost::Rect rect = toRect(L, 2, "score.add");
    int32_t ink = 0;
    std::array<int32_t, 4> params{};
    if (!argAbsent(L, 3)) {
        argTable(L, 3, "score.add");
        lua_pushstring(L, "ink");
        if (lua_rawget(L, 3) != LUA_TNIL) {
            ink = argInt32(L, -1, "score.add (ink)");
        }
        lua_pop(L, 1);
        lua_pushstring(L, "params");
        if (lua_rawget(L, 3) != LUA_TNIL) {
            argTable(L, -1, "score.add (params)");
            const lua_Integer n = static_cast<lua_Integer>(lua_rawlen(L, -1));
            if (n > 4) {
                fail("score.add: at most 4 ink parameters");
            }
            for (lua_Integer i = 1; i <= n; ++i) {
                lua_rawgeti(L, -1, i);
                const std::string field = "score.add (params[" + std::to_string(i) + "])";
                params[static_cast<size_t>(i - 1)] = argInt32(L, -1, field.c_str());
                lua_pop(L, 1);
            }
        }
        lua_pop(L, 1);
    }
    zxhost::Sprite& s = binding(L).host.addSprite(m, rect, ink, params);
    pushSprite(L, s.id());
    return 1;
}

int scoreList(lua_State* L) {
    const std::vector<zxhost::Sprite*> sprites = binding(L).host.sprites();
    lua_createtable(L, static_cast<int>(sprites.size()), 0);
    for (size_t i = 0; i < sprites.size(); ++i) {
        pushSprite(L, sprites[i]->id());
        lua_rawseti(L, -2, static_cast<lua_Integer>(i + 1));
    }
    return 1;
}

template <bool (zxhost::Sprite::*Mouse)(int32_t, int32_t)>
int spriteMouse(lua_State* L) {
    zxhost::Sprite& s = checkSprite(L, 1, "mouse event");
    const int32_t x = argCoordinate(L, 2, "mouse event");
    const int32_t y = argCoordinate(L, 3, "mouse event");
    lua_pushboolean(L, (s.*Mouse)(x, y));
    return 1;
}

// s:hold(x, y, n): the mouse pressed at (x, y) and held there for n redraws, as a host
// repeats its press events while the button is down: the press and n - 1 repeats (event
// kind 2 at the same place), each followed by stage.render(). The button stays down until
// s:mouse_up. Returns the handled flag of the last event.
int spriteHold(lua_State* L) {
    const int32_t id = checkSprite(L, 1, "hold").id();
    const int32_t x = argCoordinate(L, 2, "hold");
    const int32_t y = argCoordinate(L, 3, "hold");
    const lua_Integer times = argAbsent(L, 4) ? 1 : argInteger(L, 4, "hold");
    if (times < 1 || times > 100000) {
        fail("hold: the number of redraws is 1-100000, got " + std::to_string(times));
    }
    Binding& b = binding(L);
    bool handled = false;
    for (lua_Integer i = 0; i < times; ++i) {
        // A movie handler may have removed the sprite since the last round.
        zxhost::Sprite* s = b.host.spriteById(id);
        if (s == nullptr) {
            fail("hold: the sprite no longer exists");
        }
        const int32_t kind = i == 0 ? zxhost::event::kMouseDown : zxhost::event::kMouseDrag;
        handled = s->event(kind, x, y).handled;
        b.host.stage().render();
    }
    lua_pushboolean(L, handled);
    return 1;
}

int spriteKey(lua_State* L) {
    zxhost::Sprite& s = checkSprite(L, 1, "key");
    const uint8_t key = argKey(L, 2, "key");
    lua_pushboolean(L, s.event(zxhost::event::kKey, 0, 0, key).handled);
    return 1;
}

int spriteType(lua_State* L) {
    zxhost::Sprite& s = checkSprite(L, 1, "type");
    lua_pushboolean(L, s.typeText(argString(L, 2, "type")));
    return 1;
}

int spriteFocus(lua_State* L) {
    lua_pushboolean(L, checkSprite(L, 1, "focus").focus());
    return 1;
}

int spriteBlur(lua_State* L) {
    lua_pushboolean(L, checkSprite(L, 1, "blur").blur());
    return 1;
}

// s:event(kind, x, y, char, modifiers): any event record; returns handled and the code.
int spriteEvent(lua_State* L) {
    zxhost::Sprite& s = checkSprite(L, 1, "event");
    const int32_t kind = argInt32(L, 2, "event (kind)");
    const int32_t x = argAbsent(L, 3) ? 0 : argCoordinate(L, 3, "event");
    const int32_t y = argAbsent(L, 4) ? 0 : argCoordinate(L, 4, "event");
    const uint8_t ch = argAbsent(L, 5) ? 0 : argKey(L, 5, "event");
    const int32_t modifiers = argAbsent(L, 6) ? 0 : argInt32(L, 6, "event (modifiers)");
    const zxhost::EventOutcome outcome = s.event(kind, x, y, ch, modifiers);
    lua_pushboolean(L, outcome.handled);
    pushResultCode(L, outcome.code);
    return 2;
}

int spriteMember(lua_State* L) {
    pushMember(L, checkSprite(L, 1, "member").member().id());
    return 1;
}

int spriteRect(lua_State* L) {
    zxhost::Sprite& s = checkSprite(L, 1, "rect");
    if (!argAbsent(L, 2)) {
        s.setRect(toRect(L, 2, "rect"));
    }
    pushRect(L, s.rect());
    return 1;
}

int spriteIdle(lua_State* L) {
    lua_pushinteger(L, checkSprite(L, 1, "idle").idle());
    return 1;
}

const luaL_Reg kMethods[] = {{"mouse_down", guarded<spriteMouse<&zxhost::Sprite::mouseDown>>},
                             {"mouse_drag", guarded<spriteMouse<&zxhost::Sprite::mouseDrag>>},
                             {"mouse_up", guarded<spriteMouse<&zxhost::Sprite::mouseUp>>},
                             {"hold", guarded<spriteHold>},
                             {"key", guarded<spriteKey>},
                             {"type", guarded<spriteType>},
                             {"focus", guarded<spriteFocus>},
                             {"blur", guarded<spriteBlur>},
                             {"event", guarded<spriteEvent>},
                             {"member", guarded<spriteMember>},
                             {"rect", guarded<spriteRect>},
                             {"idle", guarded<spriteIdle>},
                             {nullptr, nullptr}};

const luaL_Reg kScore[] = {
    {"add", guarded<scoreAdd>}, {"list", guarded<scoreList>}, {nullptr, nullptr}};

int spriteEqual(lua_State* L) {
    const auto a = testSprite(L, 1);
    const auto b = testSprite(L, 2);
    lua_pushboolean(L, a && b && *a == *b);
    return 1;
}

int spriteToString(lua_State* L) {
    lua_pushfstring(L, "sprite #%d", static_cast<int>(*testSprite(L, 1)));
    return 1;
}

} // namespace

void openSpriteType(lua_State* L) {
    luaL_newmetatable(L, kSpriteType);
    lua_newtable(L);
    luaL_setfuncs(L, kMethods, 0);
    lua_setfield(L, -2, "__index");
    lua_pushcfunction(L, spriteEqual);
    lua_setfield(L, -2, "__eq");
    lua_pushcfunction(L, spriteToString);
    lua_setfield(L, -2, "__tostring");
    lua_pop(L, 1);
}

void openScore(lua_State* L) {
    registerLibrary(L, "score", kScore);
}

void pushSprite(lua_State* L, int32_t id) {
    *static_cast<int32_t*>(lua_newuserdatauv(L, sizeof(int32_t), 0)) = id;
    luaL_setmetatable(L, kSpriteType);
}

std::optional<int32_t> testSprite(lua_State* L, int index) {
    if (auto* id = static_cast<int32_t*>(luaL_testudata(L, index, kSpriteType))) {
        return *id;
    }
    return std::nullopt;
}

zxhost::Sprite& checkSprite(lua_State* L, int index, const char* function) {
    const auto id = testSprite(L, index);
    if (!id) {
        fail(std::string("bad argument #") + std::to_string(index) + " to '" + function +
             "' (sprite expected, got " + luaL_typename(L, index) + ")");
    }
    zxhost::Sprite* s = binding(L).host.spriteById(*id);
    if (!s) {
        fail(std::string(function) +
             ": the sprite no longer exists (it was removed, or the movie was replaced)");
    }
    return *s;
}

} // namespace zxlua
