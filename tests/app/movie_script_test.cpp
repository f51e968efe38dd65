// Movies that carry their script: the script saved with the movie runs again when it loads,
// in its own environment, with its start handler; a failing one leaves the previous movie.
#include "script_fixture.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <sstream>

namespace {

std::string slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A counter's Value; -1 when there is no such member.
double valueOf(zxhost::Host& host, const char* member) {
    zxhost::Member* m = host.member(member);
    if (!m) {
        return -1;
    }
    const zxhost::Value value = m->getProp("Value").value;
    const auto* number = value.get<double>();
    return number ? *number : -1;
}

// A counter "c" whose start handler counts its starts: by 10 in a loaded movie, by 1 in the
// script run from its file.
const char* const kCountingStarts = R"(
    if not movie.loaded then
      local c = cast.new("tallydisc", "c")
      score.add(c, {left = 0, top = 0, right = 60, bottom = 20})
      movie.save("m.json")
    end
    function on_start_movie()
      local c = cast.get("c")
      c.Value = c.Value + (movie.loaded and 10 or 1)
    end
    function on_frame(seconds)
      cast.get("c").Value = seconds * 100
    end
    leaked = "from the movie's script"
)";

// The running movie that a failing load must leave alone: an equation sprite whose Refresh
// handler counts its calls.
const char* const kPreviousMovie = R"(
    stage.size(150, 60)
    local m = cast.new("formulon", "eq")
    s = score.add(m, {left = 10, top = 10, right = 140, bottom = 50})
    refreshes = 0
    function on_refresh(sprite) refreshes = refreshes + 1 end
)";

class MovieScriptTest : public ScriptTest {
protected:
    // A movie with a counter "b" on a 300 x 100 stage and the given script.
    void writeMovie(const std::string& name, const std::string& script) {
        const nlohmann::json movie = {
            {"format", "zentrix-movie"},
            {"version", 2},
            {"stage", {{"width", 300}, {"height", 100}}},
            {"cast",
             {{{"name", "b"}, {"kind", "tallydisc"}},
              {{"name", "movie script"}, {"kind", "script"}, {"text", script}}}},
            {"score",
             {{{"member", "b"},
               {"rect", {{"left", 0}, {"top", 0}, {"right", 40}, {"bottom", 20}}}}}}};
        std::ofstream(dir_ / name) << movie.dump();
    }

    std::string loadError(const std::filesystem::path& movie) {
        try {
            script_->loadMovie(movie);
        } catch (const zxlua::ScriptError& error) {
            return error.what();
        }
        return "";
    }

    double counterValue(const char* member) { return valueOf(*host_, member); }
};

} // namespace

TEST_F(MovieScriptTest, ScriptRunFromItsFileStartsOnceWithMovieNotLoaded) {
    run(kCountingStarts);
    EXPECT_EQ(counterValue("c"), 0.0);
    script_->startMovie();
    script_->startMovie();
    EXPECT_EQ(counterValue("c"), 1.0);
    ASSERT_TRUE(host_->movieScript().has_value());
    EXPECT_EQ(host_->movieScript()->chunk, "test.lua");
    EXPECT_EQ(host_->movieScript()->text, kCountingStarts);
}

TEST_F(MovieScriptTest, LoadedMovieRunsItsScriptInAFreshEnvironmentAndStartsIt) {
    run(kCountingStarts);
    zxhost::Host host{{ZX_BINARY_DIR "/bin"}};
    zxlua::MovieScript loaded(host);
    loaded.loadMovie(dir_ / "m.json");
    EXPECT_EQ(valueOf(host, "c"), 10.0);
    loaded.startMovie(); // already started by the load
    EXPECT_EQ(valueOf(host, "c"), 10.0);
    // The loaded script's globals are its own, not the state's.
    lua_getglobal(loaded.state(), "leaked");
    EXPECT_TRUE(lua_isnil(loaded.state(), -1));
    lua_pop(loaded.state(), 1);
    // Its frame handler is the movie's.
    EXPECT_TRUE(loaded.frame(0.25));
    EXPECT_EQ(valueOf(host, "c"), 25.0);
}

TEST_F(MovieScriptTest, FrameHandlerGetsTheSecondsAndItsErrorsAreRaised) {
    EXPECT_FALSE(script_->frame(1.0));
    run("function on_frame(t) seconds = t; frames = (frames or 0) + 1 end");
    EXPECT_TRUE(script_->frame(0.5));
    EXPECT_TRUE(script_->frame(1.75));
    EXPECT_EQ(number("seconds"), 1.75);
    EXPECT_EQ(integer("frames"), 2);
    run("function on_frame(t)\n  error('frame ' .. t)\nend");
    try {
        script_->frame(2.5);
        FAIL() << "no error";
    } catch (const zxlua::ScriptError& error) {
        EXPECT_STREQ(error.what(), "test.lua:2: frame 2.5");
    }
}

TEST_F(MovieScriptTest, FailingMovieScriptKeepsThePreviousMovie) {
    const struct {
        const char* what;
        const char* script;
        const char* message;
    } cases[] = {
        {"syntax error", "x = = 1", "bad.json: movie script:1: unexpected symbol near '='"},
        {"top level", "x = 1\nerror('boom')", "bad.json: movie script:2: boom"},
        {"start handler",
         "function on_start_movie()\n  cast.get('b').Value = 5\n  error('late')\nend",
         "bad.json: movie script:3: late"},
        {"error object", "function on_start_movie() error({}) end",
         "bad.json: movie script: on_start_movie raised an error: (error object is a table "
         "value)"},
        {"bad JSON", nullptr, "bad.json:1: invalid JSON"},
    };
    run(kPreviousMovie);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.script) {
            writeMovie("bad.json", c.script);
        } else {
            std::ofstream(dir_ / "bad.json") << "{ not json";
        }
        // From the program's side and from a script.
        const std::string error = loadError(dir_ / "bad.json");
        EXPECT_NE(error.find(c.message), std::string::npos) << error;
        EXPECT_EQ(errorOf("movie.load('bad.json')").rfind("test.lua:1: ", 0), 0u);
        run(R"(
            local w, h = stage.size()
            assert(w == 150 and h == 60, "stage " .. w .. " x " .. h)
            assert(#cast.list() == 1 and cast.get("b") == nil)
            local before = refreshes
            s:mouse_down(5, 5)
            s:mouse_up(5, 5)
            assert(refreshes > before, "the previous handler no longer answers")
        )");
        ASSERT_TRUE(host_->movieScript().has_value());
        EXPECT_NE(host_->movieScript()->text.find("refreshes"), std::string::npos);
    }
}

TEST_F(MovieScriptTest, LoadedMovieSavedAgainKeepsItsScript) {
    run(kCountingStarts);
    zxhost::Host host{{ZX_BINARY_DIR "/bin"}};
    zxlua::MovieScript loaded(host);
    loaded.loadMovie(dir_ / "m.json");
    host.saveMovie((dir_ / "kept.json").string());
    zxhost::Host third{{ZX_BINARY_DIR "/bin"}};
    zxlua::MovieScript reloaded(third);
    reloaded.loadMovie(dir_ / "kept.json");
    ASSERT_TRUE(third.movieScript().has_value());
    EXPECT_EQ(third.movieScript()->text, kCountingStarts);
    EXPECT_EQ(third.movieScript()->chunk, "test.lua");
    // Saved at 10 by the first load's start, started once more.
    EXPECT_EQ(valueOf(third, "c"), 20.0);
}

TEST_F(MovieScriptTest, MovieWithoutScriptLoadsUnchangedAndKeepsTheRunningHandlers) {
    script_->loadMovie(ZX_MOVIES_DIR "/counters.json");
    host_->saveMovie((dir_ / "counters.json").string());
    EXPECT_EQ(slurp(dir_ / "counters.json"), slurp(ZX_MOVIES_DIR "/counters.json"));

    run("function on_frame(t) seconds = t end\n"
        "warnings = #movie.load('" ZX_MOVIES_DIR "/counters.json')");
    EXPECT_EQ(integer("warnings"), 0);
    EXPECT_EQ(host_->members().size(), 3u);
    EXPECT_TRUE(script_->frame(3.0));
    EXPECT_EQ(number("seconds"), 3.0);
}

TEST_F(MovieScriptTest, MovieScriptCannotLoadAMovieWhileItsMovieLoads) {
    // Saved and loaded, this script would load itself without end.
    run(R"(
        if movie.loaded then
          movie.load("self.json")
        else
          cast.new("tallydisc", "mine")
          movie.save("self.json")
        end
    )");
    const std::string error = errorOf("movie.load('self.json')");
    EXPECT_NE(error.find("cannot load a movie while a movie script is loading"), std::string::npos)
        << error;
    EXPECT_NE(host_->member("mine"), nullptr);
}
