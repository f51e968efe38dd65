// Sprites on the stage: creation, idle and redraw requests, rendering, events, movies.
#include <fstream>

#include <windows.h>

#include "host_fixture.h"
#include "zxframe/result_codes.h"

namespace {

struct StageWithCounter : ::testing::Test {
    void SetUp() override {
        ZX_REQUIRE_COUNTER();
        host.stage().setSize(200, 100);
        host.stage().setColor(0x00FF00);
        member = &host.newMember("tallydisc", "odo");
        member->setProp("DigitsLeft", 4);
        member->setProp("Value", 1234.0);
        sprite = &host.addSprite(*member, zxhost::Rect{20, 30, 60, 46});
    }
    zxhost::Host host{{zxtest::pluginDir()}};
    zxhost::Member* member = nullptr;
    zxhost::Sprite* sprite = nullptr;
};

TEST_F(StageWithCounter, DisplayOnlySpriteAnswersCapsZero) {
    EXPECT_EQ(sprite->caps()[0], 0);
    EXPECT_EQ(sprite->caps()[3], 1);
}

TEST_F(StageWithCounter, OneRedrawRequestPerChange) {
    EXPECT_EQ(host.stage().idle(), 1);
    EXPECT_EQ(host.stage().idle(), 0);
    member->setProp("Value", 2.0);
    EXPECT_EQ(host.stage().idle(), 1);
    ASSERT_FALSE(host.hooks().records.redrawRequests.empty());
    EXPECT_EQ(host.hooks().records.redrawRequests.back().spriteId, sprite->id());
}

TEST_F(StageWithCounter, RenderFillsTheStageAndDrawsTheSpriteInsideItsRectangle) {
    const int32_t references = host.hooks().liveReferenceTotal();
    host.stage().render();
    EXPECT_EQ(host.hooks().liveReferenceTotal(), references); // Draw released what it took
    EXPECT_EQ(host.stage().pixel(5, 5), 0x00FF00u);
    EXPECT_EQ(host.stage().pixel(199, 99), 0x00FF00u);
    // The counter paints its white integer block over the sprite's rectangle.
    int changed = 0;
    for (int y = 30; y < 46; ++y) {
        for (int x = 20; x < 60; ++x) {
            changed += host.stage().pixel(x, y) != 0x00FF00u;
        }
    }
    EXPECT_GT(changed, 40 * 16 / 2);
    EXPECT_EQ(host.stage().pixel(19, 38), 0x00FF00u);
    EXPECT_EQ(host.stage().pixel(60, 38), 0x00FF00u);
    host.stage().savePng(zxtest::scratchPath("counter_stage.png"));
}

TEST_F(StageWithCounter, RedrawingSingleSpritesMatchesAFullRenderAndLeavesOthersAlone) {
    zxhost::Member& other = host.newMember("tallydisc", "other");
    other.setProp("Value", 7.0);
    host.addSprite(other, zxhost::Rect{100, 30, 160, 46});
    zxhost::Member& above = host.newMember("tallydisc", "above");
    zxhost::Sprite& over = host.addSprite(above, zxhost::Rect{50, 40, 90, 56}); // over odo
    host.stage().render();
    host.takeRedrawRequests();
    const auto snapshot = [&] {
        const uint32_t* bits = host.stage().bits();
        return std::vector<uint32_t>(bits, bits + 200 * 100);
    };
    member->setProp("Value", 987.0);
    host.stage().idle();
    const std::vector<int32_t> asked = host.takeRedrawRequests();
    ASSERT_EQ(asked, std::vector<int32_t>{sprite->id()});
    // odo and the sprite lying over it, not "other".
    EXPECT_EQ(host.stage().renderSprites(asked), 2);
    const std::vector<uint32_t> partial = snapshot();
    host.stage().render();
    EXPECT_EQ(partial, snapshot());
    // A removed sprite asks for nothing.
    host.removeSprite(over);
    EXPECT_EQ(host.stage().renderSprites({999}), 0);
}

TEST_F(StageWithCounter, EventsCarryStageCoordinatesAndMoveTheCursorThere) {
    const auto outcome = sprite->event(zxhost::event::kMouseDown, 5, 7);
    EXPECT_EQ(outcome.code, 0);
    EXPECT_FALSE(outcome.handled); // the counter ignores events
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(host.stage().window(), &cursor);
    EXPECT_EQ(cursor.x, 25);
    EXPECT_EQ(cursor.y, 37);
    // The stage window is where a plug-in looks for it.
    EXPECT_EQ(WindowFromPoint(POINT{cursor.x + 80, cursor.y + 60}), host.stage().window());
    // Keys and focus changes leave the cursor where the mouse put it.
    sprite->key('x');
    sprite->focus();
    POINT after{};
    GetCursorPos(&after);
    ScreenToClient(host.stage().window(), &after);
    EXPECT_EQ(after.x, 25);
    EXPECT_EQ(after.y, 37);
}

TEST_F(StageWithCounter, MovieRoundTripKeepsCastScoreAndStage) {
    const std::string path = zxtest::scratchPath("round_trip.json");
    member->setProp("DigitsRight", 2);
    const auto block = member->save();
    host.saveMovie(path);
    zxhost::Host other{{zxtest::pluginDir()}};
    EXPECT_TRUE(other.loadMovie(path).empty());
    EXPECT_EQ(other.stage().width(), 200);
    EXPECT_EQ(other.stage().color(), 0x00FF00u);
    ASSERT_NE(other.member("odo"), nullptr);
    EXPECT_EQ(other.member("odo")->save(), block);
    ASSERT_EQ(other.sprites().size(), 1u);
    EXPECT_EQ(other.sprites()[0]->rect(), (zxhost::Rect{20, 30, 60, 46}));
}

TEST_F(StageWithCounter, RemovingASpriteReleasesItsHostObjects) {
    host.removeSprite(*sprite);
    EXPECT_EQ(host.sprites().size(), 0u);
    EXPECT_EQ(host.hooks().liveReferences[zxhost::object::kSpriteHost], 0);
    host.clearMovie();
    EXPECT_EQ(host.hooks().liveReferenceTotal(), 0);
    EXPECT_EQ(host.hooks().records.instancesCreated, host.hooks().records.instancesDestroyed);
}

std::string loadError(zxhost::Host& host, const std::string& name, const std::string& text) {
    const std::string path = zxtest::scratchPath(name);
    std::ofstream(path) << text;
    try {
        host.loadMovie(path);
    } catch (const zxhost::Error& error) {
        return error.what();
    }
    return "";
}

TEST(MovieFiles, ErrorsNameTheFileAndTheKey) {
    zxhost::Host host{{zxtest::pluginDir()}};
    EXPECT_NE(loadError(host, "bad.json", "{\"cast\": [").find("bad.json:1: invalid JSON"),
              std::string::npos);
    EXPECT_NE(loadError(host, "kind.json", R"({"cast": [{"name": "a", "kind": "nosuch"}]})")
                  .find("kind.json: cast[0].kind: unknown kind 'nosuch'"),
              std::string::npos);
    EXPECT_NE(
        loadError(host, "score.json", R"({"cast": [], "score": [{"member": "x", "rect": {}}]})")
            .find("score[0].member: no member named 'x'"),
        std::string::npos);
    EXPECT_NE(
        loadError(host, "b64.json", R"({"cast": [{"name": "a", "kind": "bitmap", "bmp": "%%"}]})")
            .find("cast[0].bmp: not valid base64"),
        std::string::npos);
    EXPECT_NE(loadError(host, "empty.json", "").find("invalid JSON"), std::string::npos);
    try {
        host.loadMovie("/nonexistent/dir/m.json");
        FAIL() << "no error";
    } catch (const zxhost::Error& error) {
        EXPECT_EQ(std::string(error.what()), "/nonexistent/dir/m.json: cannot read the file");
    }
}

TEST(MovieFiles, FailedSaveLeavesNoFile) {
    zxhost::Host host;
    EXPECT_THROW(host.saveMovie("/nonexistent/dir/m.json"), zxhost::Error);
    EXPECT_FALSE(std::filesystem::exists("/nonexistent/dir/m.json.tmp"));
}

TEST(MovieFiles, WrongSizedSavedBlockIsReportedByMember) {
    ZX_REQUIRE_COUNTER();
    zxhost::Host host{{zxtest::pluginDir()}};
    const std::string path = zxtest::scratchPath("short_block.json");
    // 36 bytes of zeros in base64.
    std::ofstream(path) << R"({"cast": [{"name": "odo", "kind": "tallydisc", "data": ")"
                        << std::string(48, 'A') << R"("}], "score": []})";
    const auto warnings = host.loadMovie(path);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("member 'odo'"), std::string::npos) << warnings[0];
    EXPECT_NE(warnings[0].find("36 bytes"), std::string::npos) << warnings[0];
    EXPECT_EQ(host.member("odo")->getProp("DigitsLeft").value, zxhost::Value(3));
}

} // namespace
