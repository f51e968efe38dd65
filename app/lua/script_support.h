// Helpers shared by the functions that scripts call: turning C++ failures into Lua errors
// without unwinding C++ frames by longjmp, and reading arguments.
#pragma once

#include <lua.hpp>

#include <zxhost/host.h>

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
// false when there is none. `placed` tells whether the message names its own file and line.
// (Defined with the binding.)
bool takeHandlerFailure(lua_State* L, char* buffer, size_t size, bool* placed);
// The host the script drives. (Defined with the binding.)
zxhost::Host& hostOf(lua_State* L);

// Copies a message into a character buffer; a NUL inside it (a name given with one) is
// shown as \0 instead of ending the text.
void copyMessage(std::string_view text, char* buffer, size_t size);

// A message on one line: line breaks (a traceback, a multi-line error object) become spaces.
std::string singleLine(std::string text);

// The error object at `index` as one text, without running code that could raise outside a
// protected call: strings and numbers as they are, objects with __tostring through it (in
// protected mode), others as "(error object is a table value)". *isText tells whether the
// object was a string or number, which carries its own place.
std::string errorObjectText(lua_State* L, int index, bool* isText = nullptr);

template <int (*Body)(lua_State*)>
int guarded(lua_State* L) {
    char message[1024];
    message[0] = '\0';
    bool placed = false;
    int results = 0;
    {
        try {
            // Sprites and members that a handler removes while this call runs stay alive
            // until it returns: the body may still hold a reference to one.
            zxhost::RemovalHold hold(hostOf(L));
            results = Body(L);
        } catch (const ScriptFailure& f) {
            copyMessage(f.message, message, sizeof message);
        } catch (const std::exception& e) {
            copyMessage(e.what(), message, sizeof message);
        }
    }
    if (message[0] == '\0' && !takeHandlerFailure(L, message, sizeof message, &placed)) {
        return results;
    }
    // A handler's message that names its own file and line is raised as it is; any other
    // failure is raised at the script's line.
    return placed ? raiseAsIs(L, message) : raiseCaught(L, message);
}

// Argument readers: they check the Lua type and throw ScriptFailure naming the function
// and the argument ("bad argument #2 to 'cast.new' (string expected, got nil)").
std::string argString(lua_State* L, int index, const char* function);
lua_Integer argInteger(lua_State* L, int index, const char* function);
// A 32-bit integer as values take them: -2^31 to 2^32 - 1, 0x80000000 and above wrapping to
// negative (so that colour and flag words written in hex work); anything else is refused
// with a message naming `what`, never truncated.
int32_t toInt32(lua_Integer value, const char* what);
int32_t argInt32(lua_State* L, int index, const char* function);
// A file name: a string without NUL characters, not empty.
std::string argFileName(lua_State* L, int index, const char* function);
double argNumber(lua_State* L, int index, const char* function);
void argTable(lua_State* L, int index, const char* function);
// An optional argument: absent or nil.
bool argAbsent(lua_State* L, int index);

// Pushes a result code as scripts write it: 0x800407D5, not a negative number.
void pushResultCode(lua_State* L, int32_t code);

// Registers `functions` as the fields of a new global table `name`.
void registerLibrary(lua_State* L, const char* name, const luaL_Reg* functions);

} // namespace zxlua
