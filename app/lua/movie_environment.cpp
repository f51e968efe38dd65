// Fresh global environments made from a snapshot of a new state's globals, and the registry
// slot naming the movie's environment.
#include "movie_environment.h"

#include <cstring>

namespace zxlua {

namespace {

// Registry keys: the addresses of these variables.
const char kMovieEnvironmentKey = 0;
const char kFreshEnvironmentKey = 0;

// Returns the factory of fresh environments. The snapshot copies each library table one
// level deep, so that later changes to the state's globals (a script adding to `string`)
// are not carried into the environments made from it.
constexpr const char* kEnvironmentFactory = R"(
local pairs, type = pairs, type
movie.loaded = false
local shared = {_G = true, package = true}
local function copy(t)
  local c = {}
  for k, v in pairs(t) do c[k] = v end
  return c
end
local snapshot = {}
for k, v in pairs(_G) do
  if type(v) == "table" and not shared[k] then v = copy(v) end
  snapshot[k] = v
end
return function(loaded)
  local env = {}
  for k, v in pairs(snapshot) do
    if type(v) == "table" and not shared[k] then v = copy(v) end
    env[k] = v
  end
  env._G = env
  env.movie.loaded = loaded
  return env
end
)";

} // namespace

int prepareEnvironments(lua_State* L) {
    if (luaL_loadbufferx(L, kEnvironmentFactory, std::strlen(kEnvironmentFactory), "=environments",
                         "t") != LUA_OK) {
        return lua_error(L);
    }
    lua_call(L, 0, 1);
    lua_rawsetp(L, LUA_REGISTRYINDEX, &kFreshEnvironmentKey);
    useStateGlobalsAsMovieEnvironment(L);
    return 0;
}

bool pushFreshEnvironment(lua_State* L, bool loaded) {
    lua_rawgetp(L, LUA_REGISTRYINDEX, &kFreshEnvironmentKey);
    lua_pushboolean(L, loaded);
    return lua_pcall(L, 1, 1, 0) == LUA_OK;
}

void pushMovieEnvironment(lua_State* L) {
    lua_rawgetp(L, LUA_REGISTRYINDEX, &kMovieEnvironmentKey);
}

int getMovieGlobal(lua_State* L) {
    pushMovieEnvironment(L);
    lua_pushvalue(L, 1);
    lua_gettable(L, -2);
    return 1;
}

void setMovieEnvironment(lua_State* L, int index) {
    lua_pushvalue(L, index);
    lua_rawsetp(L, LUA_REGISTRYINDEX, &kMovieEnvironmentKey);
}

void useStateGlobalsAsMovieEnvironment(lua_State* L) {
    lua_rawgeti(L, LUA_REGISTRYINDEX, LUA_RIDX_GLOBALS);
    lua_rawsetp(L, LUA_REGISTRYINDEX, &kMovieEnvironmentKey);
}

} // namespace zxlua
