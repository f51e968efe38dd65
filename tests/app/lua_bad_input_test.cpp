// Scripts that push the API to its edges: handlers that remove their own sprite or load
// another movie, errors that are not strings, precompiled chunks, integers out of range,
// NUL characters in file names, texts that a plug-in cuts, saved blocks of the wrong length.
#include "script_fixture.h"

#include <filesystem>
#include <fstream>

namespace {

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// An equation sprite whose Refresh handler runs `action`, for the events that call it.
const char* const kEquationWithHandler = R"(
    local m = cast.new("formulon", "eq")
    s = score.add(m, {left = 10, top = 10, right = 200, bottom = 60})
    function on_refresh(sprite)
      if armed then armed = false; action(sprite) end
    end
)";

} // namespace

TEST_F(ScriptTest, HandlerDeletingItsOwnMemberInsideAnEventIsSafe) {
    run(kEquationWithHandler);
    for (const char* event :
         {"s:mouse_down(5, 5)", "s:mouse_up(5, 5)", "s:focus()", "s:event(10, 5, 5)"}) {
        SCOPED_TRACE(event);
        run("local m = cast.get('eq') or cast.new('formulon', 'eq')\n"
            "s = score.list()[1] or score.add(m, {left = 10, top = 10, right = 200, bottom = 60})\n"
            "armed = true\n"
            "action = function(sprite) cast.delete(sprite:member()) end\n");
        run(std::string("handled = ") + event);
        run("assert(handled == true and cast.get('eq') == nil and #score.list() == 0)");
        EXPECT_EQ(errorOf("\ns:mouse_down(1, 1)"),
                  "test.lua:2: mouse event: the sprite no longer exists (it was removed, or the "
                  "movie was replaced)");
    }
}

TEST_F(ScriptTest, HandlerLoadingAnotherMovieInsideAnEventIsSafe) {
    run(kEquationWithHandler);
    // The saved movie carries this script; loaded, it must not run its building code again.
    run(R"(
      if not movie.loaded then
        movie.save("saved.json")
        armed = true
        action = function(sprite) movie.load("saved.json") end
        handled = s:mouse_down(5, 5)
        fresh = score.list()[1]
      end
    )");
    run("assert(handled == true and fresh ~= s and cast.get('eq') ~= nil)");
    EXPECT_TRUE(contains(errorOf("s:mouse_up(1, 1)"), "the sprite no longer exists"));
}

TEST_F(ScriptTest, HandlerFailuresThatAreNotStringsNameTheScriptLine) {
    run(kEquationWithHandler);
    EXPECT_EQ(errorOf("armed = true\naction = function() error({}) end\ns:mouse_down(5, 5)"),
              "test.lua:3: on_refresh raised an error: (error object is a table value)");
    EXPECT_EQ(errorOf("armed = true\naction = function() error(setmetatable({}, "
                      "{__tostring = function() error('x') end})) end\n\ns:mouse_down(5, 5)"),
              "test.lua:4: on_refresh raised an error: (error object is a table value)");
    EXPECT_EQ(errorOf("function on_refresh() return print end\ns:mouse_down(5, 5)"),
              "test.lua:2: on_refresh result: a function has no host value");
    // A global table whose look-up raises does not escape the protected call.
    EXPECT_EQ(errorOf("on_refresh = nil\n"
                      "setmetatable(_G, {__index = function() error('no', 0) end})\n"
                      "s:mouse_down(5, 5)"),
              "test.lua:3: looking up on_refresh: no");
}

TEST_F(ScriptTest, DeletedMembersAreReportedAsDeleted) {
    EXPECT_EQ(errorOf("local m = cast.new('tallydisc', 'c')\ncast.delete(m)\nprint(m.Value)"),
              "test.lua:3: index: the member no longer exists (it was deleted, or the movie was "
              "replaced)");
}

TEST_F(ScriptTest, ChunksAreLoadedAsTextOnly) {
    run(R"(
        local f, message = load(string.dump(function() return 1 end))
        refused = f == nil and message
        local g = load("return 2", "x", "b")   -- the mode asked for is ignored
        two = g()
    )");
    EXPECT_TRUE(contains(text("refused"), "attempt to load a binary chunk"));
    EXPECT_EQ(integer("two"), 2);
    EXPECT_EQ(errorOf(std::string(LUA_SIGNATURE) + "junk"),
              "test.lua: a precompiled Lua chunk; scripts are loaded as text only");
}

TEST_F(ScriptTest, AByteOrderMarkIsSkipped) {
    run("\xEF\xBB\xBFvalue = 3");
    EXPECT_EQ(integer("value"), 3);
}

TEST_F(ScriptTest, IntegersOutOfRangeAreRefusedNamingTheField) {
    run("m = cast.new('tallydisc', 'c')");
    const char* rect = "{left = 0, top = 0, right = 9, bottom = 9}";
    EXPECT_EQ(errorOf(std::string("score.add(m, ") + rect + ", {ink = 1 << 40})"),
              "test.lua:1: score.add (ink): integer 1099511627776 does not fit 32 bits");
    EXPECT_EQ(errorOf(std::string("score.add(m, ") + rect + ", {params = {1, 1 << 40}})"),
              "test.lua:1: score.add (params[2]): integer 1099511627776 does not fit 32 bits");
    run(std::string("s = score.add(m, ") + rect + ", {ink = 0xFFFFFFFF})");
    EXPECT_EQ(errorOf("s:event(1 << 40, 0, 0)"),
              "test.lua:1: event (kind): integer 1099511627776 does not fit 32 bits");
    EXPECT_EQ(errorOf("s:mouse_down(2147483647, 0)"),
              "test.lua:1: mouse event: coordinate 2147483647 lies outside the limit of "
              "+-1073741823");
    EXPECT_EQ(errorOf("stage.cursor(2147483647, 0)"),
              "test.lua:1: stage.cursor: position 2147483647 lies outside the limit of "
              "+-1073741823");
    EXPECT_TRUE(contains(errorOf("s:rect({left = 0, top = 0, right = 1 << 31, bottom = 1})"),
                         "lies outside the coordinate limit"));
    EXPECT_EQ(errorOf("stage.size(8193, 8192)"),
              "test.lua:1: stage.size: stage size 8193 x 8192 is 67117056 pixels; the stage "
              "holds at most 67108864 (8192 x 8192)");
    EXPECT_EQ(errorOf("m:dialog({[1000] = 1 << 40})"),
              "test.lua:1: dialog: control 1000: integer 1099511627776 does not fit 32 bits");
}

TEST_F(ScriptTest, FileNamesWithANulAreRefused) {
    EXPECT_EQ(errorOf("stage.save_png('a\\0b.png')"),
              "test.lua:1: stage.save_png: a file name must not contain a NUL character");
    EXPECT_FALSE(std::filesystem::exists(dir_ / "a"));
    EXPECT_TRUE(contains(errorOf("movie.save('m\\0.json')"), "must not contain a NUL"));
    EXPECT_TRUE(contains(errorOf("movie.load('m\\0.json')"), "must not contain a NUL"));
    EXPECT_TRUE(contains(errorOf("cast.bitmap('b', 'x\\0.bmp')"), "must not contain a NUL"));
    EXPECT_EQ(errorOf("\nio.open('c\\0d', 'w')"),
              "test.lua:2: io.open: a file name must not contain a NUL character");
    EXPECT_FALSE(std::filesystem::exists(dir_ / "c"));
    EXPECT_TRUE(contains(errorOf("dofile('e\\0.lua')"), "dofile: a file name must not"));
}

TEST_F(ScriptTest, TextsThatAPlugInCutsAreReported) {
    run(R"(
        host.messages()
        m = cast.new("formulon", "eq")
        m.Eq1String = string.rep("1", 4276)
        m:call("InsertString", string.rep("2", 100))
        local log = host.messages()
        cut_property = log[1] and log[1].kind .. ": " .. log[1].text
        cut_command = log[2] and log[2].text
    )");
    EXPECT_EQ(text("cut_property"), "warning: SetProp 'Eq1String' of member 'eq': a text of 4276 "
                                    "characters was cut to 4095");
    EXPECT_EQ(text("cut_command"), "CallFunction 'InsertString' of member 'eq': a text of 100 "
                                   "characters was cut to 79");
}

TEST_F(ScriptTest, SavingAMovieNamesTheMemberWhoseTextItCuts) {
    run(R"(
        local m = cast.new("formulon", "eq")
        m.Eq1String = "1+" .. string.rep("2", 289)
        whole = #m.Eq1String
        local warnings = movie.save("long.json")
        warning = warnings[1]
        count = #warnings
        local short = cast.new("formulon", "short")
        short.Eq1String = "1+2"
        none = #movie.save("long.json") == 1
    )");
    EXPECT_GT(integer("whole"), 256);
    EXPECT_EQ(integer("count"), 1);
    EXPECT_TRUE(contains(text("warning"), "long.json: member 'eq': its text 'Eq1String' does not "
                                          "survive saving (" +
                                              std::to_string(integer("whole")) + " characters, "))
        << text("warning");
    run("assert(none)");
}

TEST_F(ScriptTest, LoadingAWrongLengthBlockReturnsTheWarning) {
    run(R"(
        local m = cast.new("tallydisc", "c")
        short = m:load("abc")
        fine = m:load(m:save())
    )");
    EXPECT_EQ(text("short"), "member 'c' got a saved block of 3 bytes where its kind saves 40");
    run("assert(fine == nil)");
}
