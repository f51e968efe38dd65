// The stage, the score, the event log and movie files from scripts.
#include "script_fixture.h"

#include <fstream>

namespace {

bool isPng(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    char signature[8] = {};
    in.read(signature, 8);
    return in && std::string(signature + 1, 3) == "PNG";
}

} // namespace

TEST_F(ScriptTest, RenderPaintsStageColourAndSpritesInScoreOrder) {
    run(R"(
        stage.size(120, 60)
        stage.color(0x00FF00)
        local back = cast.new("tallydisc", "back")
        back.BackColorLeft = 0x0000FF
        back.DigitsLeft = 1
        local front = cast.new("tallydisc", "front")
        front.BackColorLeft = 0xFF0000
        front.DigitsLeft = 1
        score.add(back, {left = 10, top = 10, right = 50, bottom = 40})
        score.add(front, {left = 30, top = 10, right = 70, bottom = 40})
        stage.render()
        w, h = stage.size()
        outside = stage.pixel(100, 50)
        back_only = stage.pixel(12, 12)
        overlap = stage.pixel(32, 12)
        sprites = #score.list()
    )");
    EXPECT_EQ(integer("w"), 120);
    EXPECT_EQ(integer("h"), 60);
    EXPECT_EQ(integer("outside"), 0x00FF00);
    EXPECT_EQ(integer("back_only"), 0x0000FF);
    EXPECT_EQ(integer("overlap"), 0xFF0000);
    EXPECT_EQ(integer("sprites"), 2);
}

TEST_F(ScriptTest, CursorShapeIsSetByNameAndReadBack) {
    run(R"(
        before = stage.cursor_shape()
        crossed = stage.cursor_shape("cross")
        hidden = stage.cursor_shape("none")
        after = stage.cursor_shape("arrow")
    )");
    EXPECT_EQ(text("crossed"), "cross");
    EXPECT_EQ(text("hidden"), "none");
    EXPECT_EQ(text("after"), "arrow");
    EXPECT_NE(errorOf(R"(stage.cursor_shape("spinner"))")
                  .find("unknown shape 'spinner' (one of arrow, ibeam"),
              std::string::npos);
}

TEST_F(ScriptTest, IdleCountsOneRedrawPerChangedSprite) {
    run(R"(
        local m = cast.new("tallydisc", "c")
        local s = score.add(m, {left = 0, top = 0, right = 30, bottom = 16})
        stage.idle()
        m.Value = 3.5
        first = stage.idle()
        second = stage.idle()
    )");
    EXPECT_EQ(integer("first"), 1);
    EXPECT_EQ(integer("second"), 0);
}

TEST_F(ScriptTest, SpritesTakeEventsAndKnowTheirMember) {
    run(R"(
        local m = cast.new("tallydisc", "c")
        local s = score.add(m, {left = 5, top = 6, right = 35, bottom = 22}, {ink = 0, params = {1, 2}})
        -- The counter ignores events: nothing is handled.
        handled = s:mouse_down(1, 1) or s:mouse_drag(2, 2) or s:mouse_up(2, 2) or s:key("5")
                  or s:key(13) or s:type("12") or s:focus() or s:blur()
        local h, code = s:event(24, 0, 0, "?")
        same_member = s:member() == m
        left = s:rect().left
    )");
    run("assert(handled == false and same_member)");
    EXPECT_EQ(integer("left"), 5);
    EXPECT_NE(errorOf("local s = score.add(cast.new('tallydisc', 'k'), "
                      "{left = 0, top = 0, right = 1, bottom = 1})\ns:key('ab')"),
              "");
    EXPECT_EQ(errorOf("score.add('odo', {left = 0, top = 0, right = 1, bottom = 1})"),
              "test.lua:1: bad argument #1 to 'score.add' (member expected, got string)");
}

TEST_F(ScriptTest, SavePngWritesBesideTheScript) {
    run(R"(
        stage.size(40, 20)
        stage.render()
        stage.save_png("out.png")
    )");
    EXPECT_TRUE(isPng(dir_ / "out.png"));
    ASSERT_EQ(script_->written().size(), 1u);
    EXPECT_EQ(script_->written()[0], dir_ / "out.png");
}

TEST_F(ScriptTest, MovieSaveAndLoadRoundTrip) {
    // The saved movie carries this script; loaded, it must not run its building code again.
    run(R"(
      if not movie.loaded then
        stage.size(200, 50)
        stage.color(0x112233)
        local m = cast.new("tallydisc", "odo")
        m.Value = 1234.5678
        m.DigitsRight = 3
        score.add(m, {left = 1, top = 2, right = 101, bottom = 22}, {ink = 36, params = {7}})
        movie.save("m.json")
        old = m
        cast.new("tallydisc", "extra")
        stage.size(10, 10)
        warnings = movie.load("m.json")
        local back = cast.get("odo")
        value, right = back.Value, back.DigitsRight
        members, sprites = #cast.list(), #score.list()
        w, h = stage.size()
        color = stage.color()
        local s = score.list()[1]
        ink_left = s:rect().left
      end
    )");
    EXPECT_EQ(number("value"), 1234.5678);
    EXPECT_EQ(integer("right"), 3);
    EXPECT_EQ(integer("members"), 1);
    EXPECT_EQ(integer("sprites"), 1);
    EXPECT_EQ(integer("w"), 200);
    EXPECT_EQ(integer("color"), 0x112233);
    EXPECT_EQ(integer("ink_left"), 1);
    // A reference from before the load names a member that is gone.
    EXPECT_NE(errorOf("print(old.Value)").find("no longer exists"), std::string::npos);
}

TEST_F(ScriptTest, MovieLoadErrorNamesTheFile) {
    std::ofstream(dir_ / "bad.json") << "{ not json";
    const std::string error = errorOf("movie.load('bad.json')");
    EXPECT_EQ(error.rfind("test.lua:1: ", 0), 0u) << error;
    EXPECT_NE(error.find("bad.json"), std::string::npos) << error;
}

TEST_F(ScriptTest, MessagesAreDrainedOncePerCall) {
    run(R"(
        local first = host.messages()
        second = host.messages()
        kinds = host.kinds()
        has_counter = false
        for _, k in ipairs(kinds) do
          if k.symbol == "tallydisc" then has_counter = k.category == "Zentrix" end
        end
    )");
    run("assert(type(second) == 'table' and #second == 0 and has_counter)");
}

TEST_F(ScriptTest, DefaultRectCursorAndDeletion) {
    run(R"(
        local m = cast.new("tallydisc", "c")
        local r = m:default_rect()
        left, top, right, bottom = r.left, r.top, r.right, r.bottom
        score.add(m, {left = 0, top = 0, right = 30, bottom = 16})
        stage.cursor(5, 5)
        cast.delete(m)
        members, sprites = #cast.list(), #score.list()
    )");
    EXPECT_EQ(integer("left"), -15);
    EXPECT_EQ(integer("top"), -8);
    EXPECT_EQ(integer("right"), 15);
    EXPECT_EQ(integer("bottom"), 8);
    EXPECT_EQ(integer("members"), 0);
    EXPECT_EQ(integer("sprites"), 0);
}
