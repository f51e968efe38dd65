// The zentrix program as a user runs it: exit status, one-line errors, output files.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("zx_cli_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Runs zentrix with `args` in the test's folder.
    Outcome zentrix(const std::string& args, const std::string& environment = "") {
        const std::string command = "cd '" + dir_.string() + "' && " + environment + " '" +
                                    ZENTRIX_EXE "' " + args + " >out.txt 2>err.txt";
        const int raw = std::system(command.c_str());
        Outcome o;
        o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        o.out = slurp(dir_ / "out.txt");
        o.err = slurp(dir_ / "err.txt");
        fs::remove(dir_ / "out.txt");
        fs::remove(dir_ / "err.txt");
        return o;
    }
    void write(const std::string& name, const std::string& text) {
        std::ofstream(dir_ / name) << text;
    }
    static std::string slurp(const fs::path& path) {
        std::ifstream in(path);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static int lines(const std::string& text) {
        int n = 0;
        for (char c : text) {
            n += c == '\n';
        }
        return n;
    }
    bool isPng(const std::string& name) const {
        const std::string head = slurp(dir_ / name).substr(0, 4);
        return head == "\x89PNG";
    }
    fs::path dir_;
};

} // namespace

TEST_F(ProgramTest, HelpListsTheCommands) {
    const Outcome o = zentrix("--help");
    EXPECT_EQ(o.status, 0);
    for (const char* word : {"run FILE.lua", "render MOVIE.json", "kinds", "ZENTRIX_PLUGIN_PATH",
                             "dialog MOVIE MEMBER"}) {
        EXPECT_NE(o.out.find(word), std::string::npos) << word;
    }
}

TEST_F(ProgramTest, BadCommandLinesExitWithStatusTwo) {
    const Outcome noOutput = zentrix("render movie.json");
    EXPECT_EQ(noOutput.status, 2);
    EXPECT_EQ(noOutput.err, "zentrix: render: missing -o OUT.png\n");
    EXPECT_EQ(zentrix("run").status, 2);
    EXPECT_EQ(zentrix("run a.lua -o").status, 2);
    EXPECT_EQ(zentrix("dance").status, 2);
    EXPECT_EQ(zentrix("--frobnicate").status, 2);
    const Outcome noMember = zentrix("dialog m.lua -o d.png");
    EXPECT_EQ(noMember.status, 2);
    EXPECT_EQ(noMember.err, "zentrix: dialog: missing MEMBER\n");
    EXPECT_EQ(zentrix("dialog m.lua slider").err, "zentrix: dialog: missing -o OUT.png\n");
    EXPECT_EQ(zentrix("dialog m.lua slider -o d.png --focus OK").status, 2);
    EXPECT_EQ(zentrix("dialog m.lua slider -o d.png --focus").status, 2);
    EXPECT_EQ(zentrix("render m.json -o r.png --focus 1").status, 2);
    EXPECT_EQ(zentrix("--focus 1").status, 2);
}

TEST_F(ProgramTest, ScriptFailuresAreOneLineWithFileAndLine) {
    const Outcome missing = zentrix("run nowhere.lua -o x.png");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "zentrix: nowhere.lua: cannot read the script\n");

    write("syntax.lua", "stage.size(10, 10)\nlocal = 3\n");
    const Outcome syntax = zentrix("run syntax.lua -o x.png");
    EXPECT_EQ(syntax.status, 1);
    EXPECT_EQ(syntax.err.rfind("zentrix: syntax.lua:2:", 0), 0u) << syntax.err;
    EXPECT_EQ(lines(syntax.err), 1);

    write("kind.lua", "\n\ncast.new('teapot', 'pot')\n");
    const Outcome kind = zentrix("run kind.lua -o x.png");
    EXPECT_EQ(kind.status, 1);
    EXPECT_EQ(kind.err, "zentrix: kind.lua:3: cast.new: unknown kind 'teapot'\n");
    EXPECT_FALSE(fs::exists(dir_ / "x.png"));
}

TEST_F(ProgramTest, ModuleThatDoesNotLoadIsNamedAsTheCause) {
    fs::create_directories(dir_ / "plugins");
    write("plugins/broken32.so", "not a shared object");
    write("broken.lua", "cast.new('broken', 'b')\n");
    const Outcome o = zentrix("run broken.lua -o x.png", "ZENTRIX_PLUGIN_PATH=plugins");
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(lines(o.err), 1);
    EXPECT_EQ(o.err.rfind("zentrix: broken.lua:1: cast.new: unknown kind 'broken' (", 0), 0u)
        << o.err;
    EXPECT_NE(o.err.find("broken32.so"), std::string::npos) << o.err;
}

TEST_F(ProgramTest, BadMovieFileLeavesNoOutput) {
    write("bad.json", "{\"stage\": ");
    const Outcome o = zentrix("render bad.json -o out.png");
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(lines(o.err), 1);
    EXPECT_NE(o.err.find("bad.json"), std::string::npos) << o.err;
    EXPECT_FALSE(fs::exists(dir_ / "out.png"));
    EXPECT_EQ(zentrix("render absent.json -o out.png").status, 1);
}

TEST_F(ProgramTest, RunWithOutputRendersAndRenderReproducesTheMovie) {
    write("m.lua", R"(
      if not movie.loaded then
        stage.size(100, 40)
        local m = cast.new("tallydisc", "c")
        m.Value = 42.5
        score.add(m, {left = 10, top = 10, right = 60, bottom = 30})
        movie.save("m.json")
      end
    )");
    const Outcome run = zentrix("run m.lua -o run.png");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(isPng("run.png"));
    const Outcome render = zentrix("render m.json -o render.png");
    EXPECT_EQ(render.status, 0) << render.err;
    EXPECT_EQ(slurp(dir_ / "run.png"), slurp(dir_ / "render.png"));
}

TEST_F(ProgramTest, PlayRunsTheMovieAndItsFrameHandlerInAWindow) {
    const std::string headless = "SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy";
    write("m.lua", R"(
      if not movie.loaded then
        stage.size(120, 40)
        local m = cast.new("tallydisc", "count")
        score.add(m, {left = 10, top = 10, right = 110, bottom = 30})
        movie.save("m.json")
      end
      function on_frame(seconds)
        cast.get("count").Value = seconds * 10
        if seconds > 0.5 and not saved then
          saved = true
          stage.render()
          stage.save_png(movie.loaded and "from_movie.png" or "from_script.png")
        end
      end
    )");
    const Outcome script = zentrix("play m.lua --seconds 1 -v", headless);
    EXPECT_EQ(script.status, 0) << script.err;
    EXPECT_TRUE(isPng("from_script.png"));
    EXPECT_NE(script.err.find("frames in all in"), std::string::npos) << script.err;
    // The saved movie plays with the script it carries.
    const Outcome saved = zentrix("play m.json --seconds 1", headless);
    EXPECT_EQ(saved.status, 0) << saved.err;
    EXPECT_TRUE(isPng("from_movie.png"));
    // A frame handler that fails ends the player with its one line.
    write("bad.lua", "function on_frame() error('stuck') end");
    const Outcome bad = zentrix("play bad.lua --seconds 1", headless);
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("stuck"), std::string::npos) << bad.err;
    EXPECT_EQ(zentrix("play m.lua --scale 9").status, 2);
    EXPECT_EQ(zentrix("run m.lua --seconds 2").status, 2);
}

TEST_F(ProgramTest, DialogDrawsAMembersDialogFromAScriptOrASavedMovie) {
    write("m.lua", R"(
      if not movie.loaded then
        local m = cast.new("glidebar", "slider")
        m.Value = 0.25
        movie.save("m.json")
      end
    )");
    const Outcome fromScript = zentrix("dialog m.lua slider -o script.png");
    EXPECT_EQ(fromScript.status, 0) << fromScript.err;
    EXPECT_EQ(fromScript.out, "wrote script.png (276x206 dialog)\n");
    EXPECT_TRUE(isPng("script.png"));
    const Outcome fromMovie = zentrix("dialog m.json slider -o movie.png");
    EXPECT_EQ(fromMovie.status, 0) << fromMovie.err;
    EXPECT_EQ(slurp(dir_ / "script.png"), slurp(dir_ / "movie.png"));
    // The focus on OK instead of the first edit changes the picture.
    const Outcome focused = zentrix("dialog m.json slider --focus 1 -o focused.png");
    EXPECT_EQ(focused.status, 0) << focused.err;
    EXPECT_TRUE(isPng("focused.png"));
    EXPECT_NE(slurp(dir_ / "focused.png"), slurp(dir_ / "movie.png"));
}

TEST_F(ProgramTest, DialogFailuresAreOneLineAndWriteNothing) {
    write("m.lua", "cast.new('keypadix', 'keys')\ncast.new('glidebar', 'slider')\n");
    const Outcome unknown = zentrix("dialog m.lua nobody -o d.png");
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.err, "zentrix: dialog: m.lua has no member 'nobody'\n");
    const Outcome noDialog = zentrix("dialog m.lua keys -o d.png");
    EXPECT_EQ(noDialog.status, 1);
    EXPECT_EQ(noDialog.err, "zentrix: dialog: 'keys' is a keypadix, which has no properties "
                            "dialog\n");
    const Outcome noControl = zentrix("dialog m.lua slider -o d.png --focus 4321");
    EXPECT_EQ(noControl.status, 1);
    EXPECT_EQ(lines(noControl.err), 1);
    EXPECT_NE(noControl.err.find("no control with that id"), std::string::npos) << noControl.err;
    const Outcome text = zentrix("dialog m.lua slider -o d.png --focus -1");
    EXPECT_EQ(text.status, 1);
    EXPECT_FALSE(fs::exists(dir_ / "d.png"));
}

TEST_F(ProgramTest, ScriptWithoutOutputSaysWhatItDid) {
    write("quiet.lua", "cast.new('tallydisc', 'c')\n");
    const Outcome o = zentrix("run quiet.lua");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(lines(o.out), 1);
    EXPECT_NE(o.out.find("nothing written"), std::string::npos) << o.out;
}

TEST_F(ProgramTest, DemoWritesDemoPng) {
    const Outcome o = zentrix("");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_TRUE(isPng("demo.png"));
}

TEST_F(ProgramTest, TypingMovieComputesWithTheVariablePane) {
    const Outcome o =
        zentrix(std::string("run '") + ZX_MOVIES_DIR + "/equation_typing.lua' -o t.png");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_TRUE(isPng("t.png"));
    // Typed key by key, b defined through its UNCH button, x made independent through IVAR.
    EXPECT_NE(o.out.find("typed:\ty=3x^2@+/^b@&2@@"), std::string::npos) << o.out;
    EXPECT_NE(o.out.find("independent:\tx"), std::string::npos) << o.out;
    EXPECT_NE(o.out.find("result:\t8.75\tstored:\ty=3x^2@+/^b@&2@@|x|IVAR|b|4@"), std::string::npos)
        << o.out;
}

TEST_F(ProgramTest, SavedEquationMovieRendersAsItRan) {
    write("eq.lua", R"(
      if not movie.loaded then
        stage.size(200, 80)
        local m = cast.new("formulon", "eq")
        m.ShowIndepVars = 0
        m.Eq1String = "2|y=/^a@&x^2@+1@+%x@|z=2y|a|3"
        m.PropIndex = 0
        m.IndVarName = "x"
        m.IndVarValue = 2
        m:call("Calculate")
        score.add(m, {left = 5, top = 5, right = 195, bottom = 75})
        movie.save("eq.json")
      end
    )");
    const Outcome run = zentrix("run eq.lua -o run.png");
    EXPECT_EQ(run.status, 0) << run.err;
    // The saved block keeps the equations, the definition and x, but not the results: the
    // reloaded movie shows the equations without " = value".
    const Outcome render = zentrix("render eq.json -o render.png");
    EXPECT_EQ(render.status, 0) << render.err;
    EXPECT_TRUE(isPng("render.png"));
    EXPECT_NE(slurp(dir_ / "run.png"), slurp(dir_ / "render.png"));
}

TEST_F(ProgramTest, SavedMovieRunsItsScriptAndRendersLikeTheRunThatSavedIt) {
    // The start handler sets what the equation's saved block does not keep: its independent
    // variable and the results. Loaded, the movie must compute them again.
    write("eq.lua", R"(
      if not movie.loaded then
        stage.size(200, 80)
        local m = cast.new("formulon", "eq")
        m.ShowIndepVars = 0
        m.Eq1String = "2|y=/^a@&x^2@+1@+%x@|z=2y|a|3"
        score.add(m, {left = 5, top = 5, right = 195, bottom = 75})
        movie.save("eq.json")
      end
      function on_start_movie()
        local m = cast.get("eq")
        m.PropIndex = 0
        m.IndVarName = "x"
        m.IndVarValue = 2
        m:call("Calculate")
      end
    )");
    const Outcome run = zentrix("run eq.lua -o run.png");
    EXPECT_EQ(run.status, 0) << run.err;
    const Outcome render = zentrix("render eq.json -o render.png");
    EXPECT_EQ(render.status, 0) << render.err;
    EXPECT_TRUE(isPng("render.png"));
    EXPECT_EQ(slurp(dir_ / "run.png"), slurp(dir_ / "render.png"));
    const Outcome again = zentrix("run eq.json -o again.png");
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(slurp(dir_ / "run.png"), slurp(dir_ / "again.png"));
}

TEST_F(ProgramTest, MovieWhoseScriptFailsIsReportedByItsFileAndWritesNothing) {
    write("bad.lua", "if not movie.loaded then\n"
                     "  cast.new('tallydisc', 'c')\n"
                     "  movie.save('bad.json')\n"
                     "  return\n"
                     "end\n"
                     "error('boom')\n");
    EXPECT_EQ(zentrix("run bad.lua").status, 0);
    const Outcome o = zentrix("render bad.json -o out.png");
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(lines(o.err), 1);
    EXPECT_NE(o.err.find("zentrix: bad.json: movie script:6: boom"), std::string::npos) << o.err;
    EXPECT_FALSE(fs::exists(dir_ / "out.png"));
}

TEST_F(ProgramTest, KindsListsTheCounter) {
    const Outcome o = zentrix("kinds");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_NE(o.out.find("tallydisc"), std::string::npos) << o.out;
    EXPECT_NE(o.out.find("tallydisc32.so"), std::string::npos) << o.out;
}

TEST_F(ProgramTest, RenderWarnsAboutAMemberWhoseBlockIsIgnored) {
    write("short.json", R"({"format": "zentrix-movie",
        "stage": {"width": 50, "height": 20, "color": 0},
        "cast": [{"name": "odo", "kind": "tallydisc", "data": "AAAA"}], "score": []})");
    const Outcome o = zentrix("render short.json -o out.png");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_NE(o.err.find("warning: short.json: cast[0].data: member 'odo'"), std::string::npos)
        << o.err;
    EXPECT_TRUE(isPng("out.png"));
}

TEST_F(ProgramTest, ErrorObjectsWhoseToStringFailsStillEndInOneLine) {
    write("raising.lua", "error(setmetatable({}, {__tostring = function() error('no') end}))\n");
    const Outcome raising = zentrix("run raising.lua");
    EXPECT_EQ(raising.status, 1);
    EXPECT_EQ(raising.err, "zentrix: raising.lua: (error object is a table value)\n");
    write("number.lua", "error(setmetatable({}, {__tostring = function() return 7 end}))\n");
    const Outcome number = zentrix("run number.lua");
    EXPECT_EQ(number.status, 1);
    EXPECT_EQ(number.err, "zentrix: number.lua: 7\n"); // Lua takes a number for a string
    write("text.lua", "error(setmetatable({}, {__tostring = function() return 'mine' end}))\n");
    EXPECT_EQ(zentrix("run text.lua").err, "zentrix: text.lua: mine\n");
}

TEST_F(ProgramTest, ADirectoryIsNotAScript) {
    fs::create_directories(dir_ / "folder");
    const Outcome o = zentrix("run folder");
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "zentrix: folder: cannot read the script: it is a directory\n");
    EXPECT_EQ(o.out, "");
    const Outcome movie = zentrix("render folder -o x.png");
    EXPECT_EQ(movie.status, 1);
    EXPECT_EQ(movie.err, "zentrix: folder: cannot read the file: it is a directory\n");
}

TEST_F(ProgramTest, PrecompiledChunksAreRefusedAsSuch) {
    write("make.lua", "local f = io.open('compiled.lua', 'wb')\n"
                      "f:write(string.dump(function() return 1 end))\nf:close()\n");
    ASSERT_EQ(zentrix("run make.lua").status, 0);
    const Outcome o = zentrix("run compiled.lua");
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err,
              "zentrix: compiled.lua: a precompiled Lua chunk; scripts are loaded as text only\n");
    write("req.lua", "require('compiled')\n");
    const Outcome required = zentrix("run req.lua");
    EXPECT_EQ(required.status, 1);
    EXPECT_EQ(lines(required.err), 1);
    EXPECT_NE(required.err.find("attempt to load a binary chunk"), std::string::npos)
        << required.err;
}

TEST_F(ProgramTest, AKindNameWithANulIsShownWhole) {
    write("nul.lua", "cast.new('ab\\0cd', 'x')\n");
    const Outcome o = zentrix("run nul.lua");
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "zentrix: nul.lua:1: cast.new: unknown kind 'ab\\0cd'\n");
}
