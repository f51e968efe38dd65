// Conversion between Lua values and host values.
//
// Lua integers <-> integer values (32-bit; 2^31..2^32-1 wrap to negative, as a colour or
// flag word written in hex would), floats <-> float values, strings <-> strings (symbols
// come back as their names), booleans -> 1/0, nil <-> void, {left=, top=, right=, bottom=}
// <-> rectangles, sequences <-> lists, members and sprites <-> references, pictures <->
// opaque picture objects.
#pragma once

#include <lua.hpp>

#include <zxhost/value.h>

namespace zxlua {

// Throws ScriptFailure naming `what` when the Lua value has no host form.
zxhost::Value toHostValue(lua_State* L, int index, const char* what);
void pushHostValue(lua_State* L, const zxhost::Value& value);

// A rectangle table {left=, top=, right=, bottom=}; throws ScriptFailure otherwise.
zxhost::Rect toRect(lua_State* L, int index, const char* what);
void pushRect(lua_State* L, const zxhost::Rect& rect);

} // namespace zxlua
