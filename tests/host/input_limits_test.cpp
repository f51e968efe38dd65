// Extreme and malformed input reaching the host: coordinates at the ends of the 32-bit range,
// stages larger than a surface can be, integers out of range in movie files, files that are
// directories, numbers too large for JSON, texts that a plug-in keeps shorter than given.
// Each is refused with a message naming the place, or reported, never wrapped or lost.
#include <climits>
#include <filesystem>
#include <fstream>

#include <windows.h>

#include "host_fixture.h"

namespace {

std::string errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const zxhost::Error& error) {
        return error.what();
    }
    return "";
}

std::string movieError(zxhost::Host& host, const std::string& name, const std::string& text) {
    const std::string path = zxtest::scratchPath(name);
    std::ofstream(path) << text;
    return errorOf([&] { host.loadMovie(path); });
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(Coordinates, RectangleSizesAreComputedIn64Bits) {
    const zxhost::Rect full{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    EXPECT_EQ(full.width(), int64_t{UINT32_MAX});
    EXPECT_EQ(full.height(), int64_t{UINT32_MAX});
    EXPECT_FALSE(full.withinLimit());
    EXPECT_TRUE(
        (zxhost::Rect{-zxhost::kCoordinateLimit, 0, zxhost::kCoordinateLimit, 1}.withinLimit()));
}

TEST(Coordinates, SpriteRectanglesEventsAndCursorOutsideTheLimitAreRefused) {
    ZX_REQUIRE_COUNTER();
    zxhost::Host host{{zxtest::pluginDir()}};
    zxhost::Member& member = host.newMember("tallydisc", "odo");
    EXPECT_TRUE(contains(errorOf([&] {
                             host.addSprite(member, zxhost::Rect{0, 0, INT32_MIN, 10});
                         }),
                         "sprite rectangle (0, 0, -2147483648, 10) lies outside the coordinate "
                         "limit of +-1073741823"));
    EXPECT_TRUE(host.sprites().empty());
    const int32_t limit = zxhost::kCoordinateLimit;
    zxhost::Sprite& edge = host.addSprite(member, zxhost::Rect{-limit, -limit, limit, limit});
    EXPECT_TRUE(contains(errorOf([&] {
                             edge.setRect(zxhost::Rect{0, 0, limit + 1, 1});
                         }),
                         "lies outside the coordinate limit"));
    EXPECT_EQ(edge.rect().right, limit);
    zxhost::Sprite& s = host.addSprite(member, zxhost::Rect{limit - 10, 0, limit, 10});
    EXPECT_TRUE(contains(errorOf([&] { s.mouseDown(INT32_MAX, 0); }),
                         "event position (2147483647, 0) lies outside"));
    // Within the limit on its own, beyond it once added to the rectangle.
    EXPECT_TRUE(contains(errorOf([&] { s.mouseDown(20, 0); }), "lies outside"));
    EXPECT_EQ(errorOf([&] { s.mouseDown(5, 5); }), "");
    EXPECT_TRUE(contains(errorOf([&] { host.stage().setCursor(INT32_MAX, 0); }),
                         "cursor position (2147483647, 0) lies outside"));
}

TEST(Coordinates, WindowAndCursorArithmeticSaturates) {
    zxhost::Host host;
    HWND stage = host.stage().window();
    ASSERT_NE(stage, nullptr);
    SetWindowPos(stage, nullptr, INT32_MAX - 10, INT32_MIN + 10, 640, 480,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    RECT rect{};
    GetWindowRect(stage, &rect);
    EXPECT_EQ(rect.right, INT32_MAX);
    EXPECT_EQ(rect.top, INT32_MIN + 10);
    POINT far{INT32_MAX, INT32_MIN};
    ClientToScreen(stage, &far);
    EXPECT_EQ(far.x, INT32_MAX);
    EXPECT_EQ(far.y, INT32_MIN);
    POINT back{INT32_MIN, INT32_MAX};
    ScreenToClient(stage, &back);
    EXPECT_EQ(back.x, INT32_MIN);
    EXPECT_EQ(back.y, INT32_MAX);
    SetWindowPos(stage, nullptr, 0, 0, INT32_MAX, INT32_MAX, SWP_NOMOVE | SWP_NOZORDER);
    GetWindowRect(stage, &rect);
    EXPECT_EQ(rect.right, INT32_MAX);
}

TEST(StageSize, AreasBeyondTheSurfaceLimitAreRefusedUpFront) {
    zxhost::Host host;
    EXPECT_EQ(errorOf([&] { host.stage().setSize(8193, 8192); }),
              "stage size 8193 x 8192 is 67117056 pixels; the stage holds at most 67108864 "
              "(8192 x 8192)");
    EXPECT_EQ(host.stage().width(), 640);
    host.stage().setSize(16384, 4096); // the same area in another shape
    host.stage().setColor(0x123456);
    host.stage().render();
    EXPECT_EQ(host.stage().pixel(16383, 4095), 0x123456u);
    EXPECT_TRUE(contains(movieError(host, "huge_stage.json",
                                    R"({"stage": {"width": 16384, "height": 16384}, "cast": []})"),
                         "huge_stage.json: stage: stage size 16384 x 16384 is 268435456 pixels"));
}

TEST(MovieIntegers, OutOfRangeIntegersAreRefusedNamingTheField) {
    zxhost::Host host{{zxtest::pluginDir()}};
    EXPECT_TRUE(contains(
        movieError(host, "params.json", R"({"cast": [], "score": [{"member": "x", "rect": {}}]})"),
        "no member named 'x'"));
    const std::string counter = R"({"name": "c", "kind": "tallydisc"})";
    const auto scoreWith = [&](const std::string& entry) {
        return R"({"cast": [)" + counter + R"(], "score": [{"member": "c", )" + entry + "}]}";
    };
    EXPECT_TRUE(
        contains(movieError(host, "params.json",
                            scoreWith(R"("rect": {"left": 0, "top": 0, "right": 9, "bottom": 9},
                                "params": [1, 1099511627776])")),
                 "params.json: score[0].params[1]: out of range (-2147483648 to 2147483647)"));
    EXPECT_TRUE(contains(
        movieError(host, "rect.json",
                   scoreWith(R"("rect": {"left": 0, "top": 0, "right": 2147483647, "bottom": 9})")),
        "rect.json: score[0].rect: rectangle (0, 0, 2147483647, 9) lies outside"));
    EXPECT_TRUE(
        contains(movieError(host, "color.json",
                            R"({"stage": {"width": 9, "height": 9, "color": -1}, "cast": []})"),
                 "color.json: stage.color: out of range (0 to 16777215)"));
    EXPECT_TRUE(contains(
        movieError(
            host, "color2.json",
            R"({"stage": {"width": 9, "height": 9, "color": 18446744073709551615}, "cast": []})"),
        "color2.json: stage.color: out of range"));
    EXPECT_TRUE(host.members().empty());
}

TEST(MovieIntegers, NumbersBeyondADoubleNameTheFileAndLine) {
    zxhost::Host host;
    EXPECT_EQ(movieError(host, "big.json", "{\"cast\": [],\n \"stage\": {\"width\": 1e400}}"),
              zxtest::scratchPath("big.json") + ":2: invalid JSON: number 1e400 is out of range");
}

TEST(InputFiles, ADirectoryGivenAsAFileIsNamedAsOne) {
    zxhost::Host host;
    const std::string dir = zxtest::scratchPath("a_directory");
    std::filesystem::create_directories(dir);
    EXPECT_EQ(errorOf([&] { host.loadMovie(dir); }),
              dir + ": cannot read the file: it is a directory");
    EXPECT_EQ(errorOf([&] { host.newBitmapMember("b", dir); }),
              dir + ": cannot read the file: it is a directory");
}

TEST(Texts, ATextThatAPlugInKeepsShorterIsReportedAsAWarning) {
    zxhost::Host host;
    host.messages();
    zx::HostValue text = host.toHostValue(zxhost::Value("abcdefgh"));
    char buffer[4] = {};
    zx::HostUtilities* u = host.utilities();
    ASSERT_EQ(u->ops->valueToString(u, &text, buffer, 3), 0);
    EXPECT_STREQ(buffer, "abc");
    const auto messages = host.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].kind, "warning");
    EXPECT_EQ(messages[0].text, "a plug-in: a text of 8 characters was cut to 3");
    host.releaseHostValue(text);
}

TEST(Texts, AWrongLengthBlockGivesAWarningFromTheMemberToo) {
    ZX_REQUIRE_COUNTER();
    zxhost::Host host{{zxtest::pluginDir()}};
    zxhost::Member& member = host.newMember("tallydisc", "odo");
    std::string warning;
    member.load(std::vector<uint8_t>(7, 0), &warning);
    EXPECT_EQ(warning, "member 'odo' got a saved block of 7 bytes where its kind saves 40");
    host.messages();
    member.load(std::vector<uint8_t>(7, 0));
    const auto messages = host.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, warning);
    warning.clear();
    member.load(member.save(), &warning);
    EXPECT_EQ(warning, "");
}

TEST(Cast, LookUpsFollowDeletionsAndKeepTheOrder) {
    ZX_REQUIRE_COUNTER();
    zxhost::Host host{{zxtest::pluginDir()}};
    for (const char* name : {"a", "b", "c"}) {
        zxhost::Member& m = host.newMember("tallydisc", name);
        host.addSprite(m, zxhost::Rect{0, 0, 10, 10});
    }
    const int32_t bId = host.member("b")->id();
    host.deleteMember(*host.member("b"));
    EXPECT_EQ(host.member("b"), nullptr);
    EXPECT_EQ(host.memberById(bId), nullptr);
    ASSERT_EQ(host.members().size(), 2u);
    EXPECT_EQ(host.members()[1]->name(), "c");
    ASSERT_EQ(host.sprites().size(), 2u);
    EXPECT_EQ(&host.sprites()[1]->member(), host.member("c"));
    // The name is free again, and the new member goes last.
    host.newMember("tallydisc", "b");
    EXPECT_EQ(host.members().back()->name(), "b");
}

} // namespace
