// The gauge's window commands through the host, on the windows of libw32's registry.
#include <windows.h>
#include <zxw32/user_ext.h>

#include "gauge_fixture.h"
#include "zxframe/result_codes.h"

using zxhost::Value;

namespace {

// A top-level window for the commands to act on, destroyed at the end of the test unless a
// command closed it.
struct TestWindow {
    HWND handle;
    TestWindow(const char* cls, const char* title)
        : handle(zxw32::createWindow(cls, title, RECT{300, 300, 340, 320}, nullptr, nullptr)) {}
    ~TestWindow() {
        if (IsWindow(handle)) {
            DestroyWindow(handle);
        }
    }
};

} // namespace

TEST_F(GaugeThroughHost, WindowCommandsNeedClassAndTitle) {
    for (const char* command : {"SendCloseMessage", "MakeTopmost", "FindWindow"}) {
        EXPECT_EQ(gauge->call(command).code, zx::kTooFewArguments2) << command;
        EXPECT_EQ(gauge->call(command, {Value("ZentrixStage")}).code, zx::kTooFewArguments2)
            << command;
    }
}

TEST_F(GaugeThroughHost, FindWindowAnswersWhetherSuchAWindowExists) {
    TestWindow notes("ZxNotes", "Notes");
    EXPECT_EQ(gauge->call("FindWindow", {Value(""), Value("")}).value, Value(1));
    EXPECT_EQ(gauge->call("FindWindow", {Value("ZxNotes"), Value("")}).value, Value(1));
    EXPECT_EQ(gauge->call("FindWindow", {Value(""), Value("Notes")}).value, Value(1));
    EXPECT_EQ(gauge->call("FindWindow", {Value("ZxNotes"), Value("Other")}).value, Value(0));
    EXPECT_EQ(gauge->call("FindWindow", {Value("ZentrixStage"), Value("")}).value, Value(1));
}

TEST_F(GaugeThroughHost, SendCloseMessageClosesTheNamedWindowOnly) {
    TestWindow notes("ZxNotes", "Notes");
    host.messages();
    // Two empty texts name no window: nothing is closed.
    EXPECT_EQ(gauge->call("SendCloseMessage", {Value(""), Value("")}).code, zx::kOk);
    EXPECT_TRUE(IsWindow(notes.handle));
    EXPECT_TRUE(host.messages().empty());
    // A window that is not there: nothing happens.
    EXPECT_EQ(gauge->call("SendCloseMessage", {Value("ZxNone"), Value("")}).code, zx::kOk);
    EXPECT_EQ(gauge->call("SendCloseMessage", {Value(""), Value("Notes")}).code, zx::kOk);
    EXPECT_FALSE(IsWindow(notes.handle));
    const auto log = host.messages();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].kind, "window");
    EXPECT_EQ(log[0].text, "WM_CLOSE");
    EXPECT_EQ(log[0].caption, "Notes");
}

TEST_F(GaugeThroughHost, MakeTopmostKeepsThePlaceAndSize) {
    TestWindow low("ZxLow", "Low");
    TestWindow high("ZxHigh", "High");
    host.messages();
    EXPECT_EQ(gauge->call("MakeTopmost", {Value("ZxLow"), Value("")}).code, zx::kOk);
    EXPECT_TRUE(zxw32::isTopmost(low.handle));
    EXPECT_EQ(WindowFromPoint(POINT{310, 310}), low.handle);
    RECT r{};
    GetWindowRect(low.handle, &r);
    EXPECT_EQ(r.left, 300);
    EXPECT_EQ(r.bottom, 320);
    const auto log = host.messages();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].kind, "window");
    EXPECT_EQ(log[0].text, "HWND_TOPMOST");
    EXPECT_EQ(log[0].caption, "Low");
    EXPECT_EQ(log[0].flags, SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

TEST_F(GaugeThroughHost, MakeTopmostWithTwoEmptyTextsTakesTheTopWindow) {
    TestWindow top("ZxTop", "Top");
    EXPECT_EQ(gauge->call("MakeTopmost", {Value(""), Value("")}).code, zx::kOk);
    EXPECT_TRUE(zxw32::isTopmost(top.handle));
}

TEST_F(GaugeThroughHost, ActivateStageWindowBringsTheStageForwardOnce) {
    TestWindow other("ZxOther", "Other");
    SetActiveWindow(other.handle);
    const int32_t references = host.hooks().liveReferenceTotal();
    EXPECT_EQ(gauge->call("ActivateStageWindow").value, Value(1));
    EXPECT_EQ(GetActiveWindow(), host.stage().window());
    EXPECT_EQ(gauge->call("ActivateStageWindow").value, Value(0));
    EXPECT_EQ(host.hooks().liveReferenceTotal(), references); // movie and surface released
}

TEST_F(GaugeThroughHost, ActivateStageWindowPassesHostFailuresOn) {
    const int32_t references = host.hooks().liveReferenceTotal();
    host.hooks().failAt(zxhost::fault::kMovieStageSurface,
                        zxhost::FaultRule{0, static_cast<int32_t>(0x80040004u)});
    EXPECT_EQ(gauge->call("ActivateStageWindow").code, zx::kNoSuchInterface);
    EXPECT_EQ(host.hooks().liveReferenceTotal(), references);
}
