// The binding's plumbing: error lines, value conversion, handler names and handler calls.
#include "script_fixture.h"

#include "handler_names.h"
#include "lua_value.h"

#include "host_impl.h"

TEST(HandlerNames, CamelCaseBecomesSnakeCaseWithPrefix) {
    EXPECT_EQ(zxlua::handlerGlobalName("Refresh"), "on_refresh");
    EXPECT_EQ(zxlua::handlerGlobalName("SetSpriteCursor"), "on_set_sprite_cursor");
    EXPECT_EQ(zxlua::handlerGlobalName("HTMLText"), "on_html_text");
    EXPECT_EQ(zxlua::handlerGlobalName("Key2Down"), "on_key2_down");
}

TEST_F(ScriptTest, SyntaxAndRuntimeErrorsAreOneLineWithFileAndLine) {
    EXPECT_EQ(errorOf("local x = 1\nlocal = 2").rfind("test.lua:2:", 0), 0u);
    EXPECT_EQ(errorOf("\n\nerror('boom')"), "test.lua:3: boom");
    EXPECT_EQ(errorOf("stage.size('wide', 2)"),
              "test.lua:1: bad argument #1 to 'stage.size' (integer expected, got string)");
    EXPECT_EQ(errorOf("error({})").find('\n'), std::string::npos);
}

TEST_F(ScriptTest, ValuesRoundTripThroughHostForm) {
    lua_State* L = script_->state();
    const char* samples[] = {"return 42",
                             "return 2.5",
                             "return 'text'",
                             "return {1, 2.5, 'x', {3}}",
                             "return {left = 1, top = 2, right = 3, bottom = 4}",
                             "return 0xFFFFFFFF"};
    for (const char* code : samples) {
        ASSERT_EQ(luaL_dostring(L, code), LUA_OK) << code;
        const zxhost::Value v = zxlua::toHostValue(L, -1, "sample");
        zxlua::pushHostValue(L, v);
        EXPECT_EQ(zxlua::toHostValue(L, -1, "sample"), v) << code;
        lua_settop(L, 0);
    }
    ASSERT_EQ(luaL_dostring(L, "return 0xFFFFFFFF"), LUA_OK);
    EXPECT_EQ(zxlua::toHostValue(L, -1, "x"), zxhost::Value(int32_t{-1}));
    lua_settop(L, 0);
    ASSERT_EQ(luaL_dostring(L, "return true"), LUA_OK);
    EXPECT_EQ(zxlua::toHostValue(L, -1, "x"), zxhost::Value(int32_t{1}));
    lua_settop(L, 0);
}

TEST_F(ScriptTest, HandlerCallsReachSnakeCaseGlobalsWithTheSprite) {
    run(R"(
        calls = 0
        function on_set_sprite_cursor(sprite, ref, code)
          calls = calls + 1
          got_sprite = sprite == ref
          got_code = code
          return 7
        end
        local m = cast.new("tallydisc", "c")
        s = score.add(m, {left = 0, top = 0, right = 10, bottom = 10})
    )");
    zxhost::Sprite* sprite = host_->sprites().at(0);
    const auto result = host_->impl().callHandler("SetSpriteCursor", sprite,
                                                  {sprite->ref(), zxhost::Value(int32_t{2})});
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, zxhost::Value(int32_t{7}));
    EXPECT_EQ(integer("calls"), 1);
    EXPECT_EQ(integer("got_code"), 2);
    run("assert(got_sprite)");
    EXPECT_FALSE(host_->impl().callHandler("NoSuchHandler", sprite, {}).has_value());
}

TEST_F(ScriptTest, HandlerErrorIsRaisedWhereTheScriptResumes) {
    run(R"(
        function on_refresh(sprite)
          error("refresh went wrong")
        end
        score.add(cast.new("tallydisc", "c"), {left = 0, top = 0, right = 10, bottom = 10})
    )");
    zxhost::Sprite* sprite = host_->sprites().at(0);
    // The plug-in gets a void result; the failure waits for the script.
    EXPECT_EQ(host_->impl().callHandler("Refresh", sprite, {}), zxhost::Value{});
    EXPECT_EQ(errorOf("stage.idle()"), "test.lua:3: refresh went wrong");
    EXPECT_EQ(errorOf("stage.idle()"), "");
}
