// The stage in scripts: size, colour, cursor, idle, render, pixels and PNG output.
#include "binding.h"
#include "script_support.h"

#include "zxlua/atomic_file.h"

#include <zxw32/user_ext.h>

namespace zxlua {

namespace {

int32_t argDimension(lua_State* L, int index) {
    const lua_Integer v = argInteger(L, index, "stage.size");
    // The surface is width x height 32-bit words: keep it within a sane allocation.
    if (v < 1 || v > 16384) {
        fail("stage.size: " + std::to_string(v) + " is not a size from 1 to 16384");
    }
    return static_cast<int32_t>(v);
}

int32_t argPosition(lua_State* L, int index, const char* function) {
    const lua_Integer v = argInteger(L, index, function);
    if (v < INT32_MIN || v > INT32_MAX) {
        fail(std::string(function) + ": position out of range");
    }
    return static_cast<int32_t>(v);
}

// Cursor positions stay within the host's coordinate limit.
int32_t argCursorPosition(lua_State* L, int index) {
    const lua_Integer v = argInteger(L, index, "stage.cursor");
    if (!zxhost::withinCoordinateLimit(v)) {
        fail("stage.cursor: position " + std::to_string(v) + " lies outside the limit of +-" +
             std::to_string(zxhost::kCoordinateLimit));
    }
    return static_cast<int32_t>(v);
}

// stage.size(w, h) sets; stage.size() returns w, h.
int stageSize(lua_State* L) {
    zxhost::Stage& stage = binding(L).host.stage();
    if (lua_gettop(L) > 0) {
        const int32_t width = argDimension(L, 1);
        const int32_t height = argDimension(L, 2);
        const std::string problem = zxhost::Stage::sizeProblem(width, height);
        if (!problem.empty()) {
            fail("stage.size: " + problem);
        }
        stage.setSize(width, height);
    }
    lua_pushinteger(L, stage.width());
    lua_pushinteger(L, stage.height());
    return 2;
}

// stage.color(0xBBGGRR) sets; stage.color() returns the colour.
int stageColor(lua_State* L) {
    zxhost::Stage& stage = binding(L).host.stage();
    if (lua_gettop(L) > 0) {
        const lua_Integer c = argInteger(L, 1, "stage.color");
        if (c < 0 || c > 0xFFFFFF) {
            fail("stage.color: " + std::to_string(c) + " is not a colour 0xBBGGRR");
        }
        stage.setColor(static_cast<uint32_t>(c));
    }
    lua_pushinteger(L, stage.color());
    return 1;
}

// With a position: moves the cursor there. Always: the cursor's stage position, so a movie
// sees where a sprite moved the pointer (a graph snapping it onto a traced curve).
int stageCursor(lua_State* L) {
    zxhost::Stage& stage = binding(L).host.stage();
    if (lua_gettop(L) > 0) {
        const int32_t x = argCursorPosition(L, 1);
        const int32_t y = argCursorPosition(L, 2);
        stage.setCursor(x, y);
    }
    POINT cursor{0, 0};
    GetCursorPos(&cursor);
    if (stage.window() != nullptr) {
        ScreenToClient(stage.window(), &cursor);
    }
    lua_pushinteger(L, cursor.x);
    lua_pushinteger(L, cursor.y);
    return 2;
}

// The system cursors by name, as SetCursor shows them ("none" hides the cursor).
struct CursorName {
    const char* name;
    int shape; // the IDC_* number; 0 hides
};
constexpr CursorName kCursorNames[] = {
    {"arrow", 32512},       {"ibeam", 32513},    {"wait", 32514},     {"cross", 32515},
    {"uparrow", 32516},     {"sizenwse", 32642}, {"sizenesw", 32643}, {"sizewe", 32644},
    {"sizens", 32645},      {"sizeall", 32646},  {"no", 32648},       {"hand", 32649},
    {"appstarting", 32650}, {"none", 0}};

// stage.cursor_shape(name) sets the cursor's shape; both forms return the shape's name.
int stageCursorShape(lua_State* L) {
    if (lua_gettop(L) > 0) {
        const std::string wanted = argString(L, 1, "stage.cursor_shape");
        const CursorName* found = nullptr;
        std::string names;
        for (const CursorName& c : kCursorNames) {
            found = wanted == c.name ? &c : found;
            names += names.empty() ? c.name : std::string(", ") + c.name;
        }
        if (found == nullptr) {
            fail("stage.cursor_shape: unknown shape '" + wanted + "' (one of " + names + ")");
        }
        SetCursor(found->shape == 0 ? nullptr
                                    : LoadCursorA(nullptr, MAKEINTRESOURCEA(found->shape)));
    }
    const int shape = zxw32::cursorShape();
    const char* name = "arrow";
    for (const CursorName& c : kCursorNames) {
        name = c.shape == shape ? c.name : name;
    }
    lua_pushstring(L, name);
    return 1;
}

int stageIdle(lua_State* L) {
    lua_pushinteger(L, binding(L).host.stage().idle());
    return 1;
}

int stageRender(lua_State* L) {
    binding(L).host.stage().render();
    return 0;
}

int stageSavePng(lua_State* L) {
    Binding& b = binding(L);
    const std::filesystem::path path = scriptPath(L, argFileName(L, 1, "stage.save_png"));
    writeAtomically(
        path, [&](const std::filesystem::path& tmp) { b.host.stage().savePng(tmp.string()); });
    b.written.push_back(path);
    return 0;
}

int stagePixel(lua_State* L) {
    const int32_t x = argPosition(L, 1, "stage.pixel");
    const int32_t y = argPosition(L, 2, "stage.pixel");
    lua_pushinteger(L, binding(L).host.stage().pixel(x, y));
    return 1;
}

const luaL_Reg kStage[] = {{"size", guarded<stageSize>},
                           {"color", guarded<stageColor>},
                           {"cursor", guarded<stageCursor>},
                           {"idle", guarded<stageIdle>},
                           {"render", guarded<stageRender>},
                           {"save_png", guarded<stageSavePng>},
                           {"pixel", guarded<stagePixel>},
                           {"cursor_shape", guarded<stageCursorShape>},
                           {nullptr, nullptr}};

} // namespace

void openStage(lua_State* L) {
    registerLibrary(L, "stage", kStage);
}

} // namespace zxlua
