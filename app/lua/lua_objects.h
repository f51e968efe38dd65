// Members and sprites as Lua userdata: each holds the host's id and is looked up at every
// use, so a reference outliving its object (after movie.load) raises a clear error
// instead of touching freed memory.
#pragma once

#include <lua.hpp>

#include <zxhost/host.h>

#include <cstdint>
#include <optional>

namespace zxlua {

void pushMember(lua_State* L, int32_t id);
std::optional<int32_t> testMember(lua_State* L, int index);
// The member at `index`; throws ScriptFailure when it is not a member or no longer exists.
zxhost::Member& checkMember(lua_State* L, int index, const char* function);

void pushSprite(lua_State* L, int32_t id);
std::optional<int32_t> testSprite(lua_State* L, int index);
zxhost::Sprite& checkSprite(lua_State* L, int index, const char* function);

} // namespace zxlua
