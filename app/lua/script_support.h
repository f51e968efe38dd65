// Helpers shared by the functions that scripts call: turning C++ failures into Lua errors
// without unwinding C++ frames by longjmp, and reading arguments.
#pragma once

#include <lua.hpp>

#include <algorithm>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

namespace zxlua {

// A failure inside a script-called function. It becomes a Lua error raised at the
// script's line ("demo.lua:12: cause").
struct ScriptFailure {
    std::string message;
};

[[noreturn]] void fail(std::string message);

// Lua raises errors with longjmp, which skips C++ destructors; so every function that
// scripts call runs its body here, where C++ exceptions are caught and only a plain
// character buffer is alive when the Lua error is raised.
int raiseCaught(lua_State* L, const char* message);
// Raises a Lua error with the message unchanged.
int raiseAsIs(lua_State* L, const char* message);

// Moves a failure that a script handler left while the host called it into `buffer`;
// false when there is none. (Defined with the binding.)
bool takeHandlerFailure(lua_State* L, char* buffer, size_t size);

template <int (*Body)(lua_State*)>
int guarded(lua_State* L) {
    char message[1024];
    message[0] = '\0';
    {
        try {
            const int results = Body(L);
            if (!takeHandlerFailure(L, message, sizeof message)) {
                return results;
            }
            // The handler's message already names its own file and line.
            return raiseAsIs(L, message);
        } catch (const ScriptFailure& f) {
            f.message.copy(message, sizeof message - 1);
            message[std::min(f.message.size(), sizeof message - 1)] = '\0';
        } catch (const std::exception& e) {
            std::string_view text = e.what();
            text.copy(message, sizeof message - 1);
            message[std::min(text.size(), sizeof message - 1)] = '\0';
        }
    }
    return raiseCaught(L, message);
}

// Argument readers: they check the Lua type and throw ScriptFailure naming the function
// and the argument ("bad argument #2 to 'cast.new' (string expected, got nil)").
std::string argString(lua_State* L, int index, const char* function);
lua_Integer argInteger(lua_State* L, int index, const char* function);
double argNumber(lua_State* L, int index, const char* function);
void argTable(lua_State* L, int index, const char* function);
// An optional argument: absent or nil.
bool argAbsent(lua_State* L, int index);

// Pushes a result code as scripts write it: 0x800407D5, not a negative number.
void pushResultCode(lua_State* L, int32_t code);

// Registers `functions` as the fields of a new global table `name`.
void registerLibrary(lua_State* L, const char* name, const luaL_Reg* functions);

} // namespace zxlua
