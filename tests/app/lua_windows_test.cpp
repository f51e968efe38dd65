// Top-level windows that a script makes for the plug-ins' window commands, and a mouse
// button held down over a sprite.
#include "script_fixture.h"

#include <windows.h>

TEST_F(ScriptTest, ScriptWindowIsFoundClosedAndLogged) {
    run(R"(
        host.window("ZxScriptWindow", "Notes")
        local g = cast.new("dialgauge", "g")
        before = g:call("FindWindow", "ZxScriptWindow", "")
        host.messages()
        g:call("SendCloseMessage", "", "Notes")
        local log = host.messages()
        closed = log[1].kind .. " " .. log[1].text .. " " .. log[1].caption
        after = g:call("FindWindow", "ZxScriptWindow", "Notes")
    )");
    EXPECT_EQ(integer("before"), 1);
    EXPECT_EQ(text("closed"), "window WM_CLOSE Notes");
    EXPECT_EQ(integer("after"), 0);
}

TEST_F(ScriptTest, ScriptWindowsEndWithTheScript) {
    run(R"(host.window("ZxLeftOpen", "Left open", {left = 0, top = 0, right = 50, bottom = 20}))");
    ASSERT_NE(FindWindowA("ZxLeftOpen", nullptr), nullptr);
    RECT r{};
    GetWindowRect(FindWindowA("ZxLeftOpen", nullptr), &r);
    EXPECT_EQ(r.right, 50);
    script_.reset();
    EXPECT_EQ(FindWindowA("ZxLeftOpen", nullptr), nullptr);
}

TEST_F(ScriptTest, ScriptWindowNeedsAClassName) {
    EXPECT_NE(
        errorOf(R"(host.window("", "Untitled"))").find("host.window: a window needs a class name"),
        std::string::npos);
}

// Three redraws with the right arrow held: three one-pixel steps of the 157-pixel track.
TEST_F(ScriptTest, HoldRepeatsThePressOncePerRedrawUntilRelease) {
    run(R"(
        local m = cast.new("glidebar", "s")
        m.Value = 0
        local s = score.add(m, {left = 0, top = 0, right = 200, bottom = 20})
        stage.render()
        s:hold(195, 10, 3)
        held = m.ActiveComponent
        value = m.Value
        s:mouse_up(195, 10)
        stage.render()
        released = m.ActiveComponent
        still = m.Value
    )");
    EXPECT_EQ(integer("held"), 3);
    EXPECT_DOUBLE_EQ(number("value"), 3.0 / 157.0);
    EXPECT_EQ(integer("released"), 0);
    EXPECT_DOUBLE_EQ(number("still"), 3.0 / 157.0);
}
