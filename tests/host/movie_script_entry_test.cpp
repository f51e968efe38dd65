// The movie's script in movie files, and loads that fail after the file was read: the
// previous movie comes back with the very same members and sprites.
#include <fstream>
#include <sstream>

#include "host_fixture.h"
#include "zxframe/result_codes.h"

namespace {

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A stage with one counter on it, rendered, as the movie a failing load must leave alone.
struct PreviousMovie : ::testing::Test {
    void SetUp() override {
        ZX_REQUIRE_COUNTER();
        host.stage().setSize(120, 40);
        host.stage().setColor(0x336699);
        member = &host.newMember("tallydisc", "odo");
        member->setProp("Value", 42.0);
        sprite = &host.addSprite(*member, zxhost::Rect{10, 10, 90, 30});
        host.setMovieScript(zxhost::ScriptSource{"-- the running script", "running.lua"});
        host.stage().render();
        pixels = host.stage().snapshot().pixels;

        // The movie that replaces it: another size, two counters, a script.
        zxhost::Host maker{{zxtest::pluginDir()}};
        maker.stage().setSize(300, 200);
        maker.newMember("tallydisc", "a");
        maker.addSprite(maker.newMember("tallydisc", "b"), zxhost::Rect{0, 0, 50, 20});
        maker.setMovieScript(zxhost::ScriptSource{"-- the loaded script", "maker.lua"});
        path = zxtest::scratchPath("replacement.json");
        maker.saveMovie(path);
    }

    void expectUnchanged() {
        EXPECT_EQ(host.members(), std::vector<zxhost::Member*>{member});
        EXPECT_EQ(host.sprites(), std::vector<zxhost::Sprite*>{sprite});
        EXPECT_EQ(host.member("odo"), member);
        EXPECT_EQ(host.spriteById(sprite->id()), sprite);
        EXPECT_EQ(member->getProp("Value").value, zxhost::Value(42.0));
        EXPECT_EQ(host.stage().width(), 120);
        EXPECT_EQ(host.stage().height(), 40);
        EXPECT_EQ(host.stage().color(), 0x336699u);
        EXPECT_EQ(host.stage().snapshot().pixels, pixels);
        ASSERT_TRUE(host.movieScript().has_value());
        EXPECT_EQ(host.movieScript()->chunk, "running.lua");
        // The sprite still draws and takes events through its host objects.
        EXPECT_EQ(sprite->event(zxhost::event::kMouseDown, 1, 1).code, 0);
        host.stage().render();
        EXPECT_EQ(host.stage().snapshot().pixels, pixels);
    }

    zxhost::Host host{{zxtest::pluginDir()}};
    zxhost::Member* member = nullptr;
    zxhost::Sprite* sprite = nullptr;
    std::vector<uint32_t> pixels;
    std::string path;
};

TEST_F(PreviousMovie, StartStepThatThrowsPutsThePreviousMovieBack) {
    bool sawNewMovie = false;
    EXPECT_THROW(host.loadMovie(path,
                                [&] {
                                    sawNewMovie = host.member("b") != nullptr &&
                                                  host.member("odo") == nullptr &&
                                                  host.stage().width() == 300 &&
                                                  host.movieScript()->chunk == "maker.lua";
                                    throw zxhost::Error("the script failed");
                                }),
                 zxhost::Error);
    EXPECT_TRUE(sawNewMovie);
    expectUnchanged();
    // The new movie's objects are gone and released; the old ones go with the movie.
    host.clearMovie();
    EXPECT_EQ(host.hooks().liveReferenceTotal(), 0);
    EXPECT_EQ(host.hooks().records.instancesCreated, host.hooks().records.instancesDestroyed);
}

TEST_F(PreviousMovie, SpriteThatCannotBeMadePutsThePreviousMovieBack) {
    // The file's sprite fails its creation, after both members were made.
    host.hooks().failNth(zxhost::fault::kCreateInstance, 1);
    try {
        host.loadMovie(path);
        FAIL() << "the load succeeded";
    } catch (const zxhost::Error& error) {
        EXPECT_NE(std::string(error.what()).find("replacement.json: score[0]"), std::string::npos)
            << error.what();
    }
    host.hooks().clearFaults();
    expectUnchanged();
}

TEST_F(PreviousMovie, BadFileLeavesTheMovieAlone) {
    std::ofstream(path) << R"({"cast": [{"name": "x", "kind": "script"}]})";
    EXPECT_THROW(host.loadMovie(path), zxhost::Error);
    expectUnchanged();
}

TEST_F(PreviousMovie, SuccessfulLoadReplacesMembersSpritesAndScript) {
    host.loadMovie(path);
    EXPECT_EQ(host.member("odo"), nullptr);
    EXPECT_EQ(host.members().size(), 2u);
    EXPECT_EQ(host.sprites().size(), 1u);
    EXPECT_EQ(host.stage().width(), 300);
    ASSERT_TRUE(host.movieScript().has_value());
    EXPECT_EQ(host.movieScript()->text, "-- the loaded script");
    host.clearMovie();
    EXPECT_EQ(host.hooks().liveReferenceTotal(), 0);
    EXPECT_EQ(host.hooks().records.instancesCreated, host.hooks().records.instancesDestroyed);
}

TEST(MovieScriptEntry, RoundTripsBesideAMemberOfTheSameName) {
    ZX_REQUIRE_COUNTER();
    zxhost::Host host{{zxtest::pluginDir()}};
    host.newMember("tallydisc", "movie script");
    // Latin-1 bytes are not UTF-8: they must come back byte for byte all the same.
    const std::string latin1 = "print('caf\xE9')\n";
    host.setMovieScript(zxhost::ScriptSource{latin1, "old.lua"});
    const std::string path = zxtest::scratchPath("script_entry.json");
    host.saveMovie(path);
    EXPECT_NE(slurp(path).find("\"version\": 2"), std::string::npos);

    zxhost::Host other{{zxtest::pluginDir()}};
    EXPECT_TRUE(other.loadMovie(path).empty());
    ASSERT_TRUE(other.movieScript().has_value());
    EXPECT_EQ(other.movieScript()->text, latin1);
    EXPECT_EQ(other.movieScript()->chunk, "old.lua");
    // The script is not a member; the member of the same name is.
    ASSERT_EQ(other.members().size(), 1u);
    EXPECT_EQ(other.members()[0]->kind(), "tallydisc");

    // Saved again, the file is the same.
    const std::string again = zxtest::scratchPath("script_entry_again.json");
    other.saveMovie(again);
    EXPECT_EQ(slurp(again), slurp(path));
}

TEST(MovieScriptEntry, MalformedEntriesAreRefusedByKey) {
    zxhost::Host host;
    const auto errorOf = [&](const std::string& text) {
        const std::string path = zxtest::scratchPath("bad_script.json");
        std::ofstream(path) << text;
        try {
            host.loadMovie(path);
        } catch (const zxhost::Error& error) {
            return std::string(error.what());
        }
        return std::string();
    };
    EXPECT_NE(
        errorOf(R"({"cast": [{"name": "s", "kind": "script"}]})").find("cast[0]: missing 'text'"),
        std::string::npos);
    EXPECT_NE(errorOf(R"({"cast": [{"name": "s", "kind": "script", "text": ""},
                                   {"name": "t", "kind": "script", "text": ""}]})")
                  .find("cast[1]: a second movie script"),
              std::string::npos);
    EXPECT_NE(errorOf(R"({"cast": [{"name": "s", "kind": "script", "text": ""}],
                          "score": [{"member": "s", "rect": {}}]})")
                  .find("score[0].member: no member named 's'"),
              std::string::npos);
}

} // namespace
