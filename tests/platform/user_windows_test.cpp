// The window registry: lookup, WM_CLOSE, placement and z-order, hit testing, coordinate
// conversion, and the focus, cursor and caret state the host reads.
#include <gtest/gtest.h>
#include <windows.h>
#include <zxw32/user_ext.h>

namespace {

// Destroys a test window at the end of the test, whatever happened to it.
struct TestWindow {
    HWND handle;
    TestWindow(const char* cls, const char* title, RECT r, zxw32::WindowHandler h = nullptr,
               void* context = nullptr)
        : handle(zxw32::createWindow(cls, title, r, h, context)) {}
    ~TestWindow() { DestroyWindow(handle); }
    operator HWND() const { return handle; }
};

bool same(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

TEST(UserWindows, FindWindowMatchesClassTitleOrBoth) {
    TestWindow a("ZxTestA", "Alpha", {0, 0, 10, 10});
    TestWindow b("ZxTestB", "Beta", {0, 0, 10, 10});
    TestWindow untitled("ZxTestB", "", {0, 0, 10, 10});
    EXPECT_EQ(FindWindowA("ZxTestA", nullptr), a);
    EXPECT_EQ(FindWindowA(nullptr, "Beta"), b);
    EXPECT_EQ(FindWindowA("zxtestb", "beta"), b);
    EXPECT_EQ(FindWindowA("ZxTestB", ""), untitled);
    EXPECT_EQ(FindWindowA("ZxTestA", "Beta"), nullptr);
    EXPECT_EQ(FindWindowA("NoSuchClass", nullptr), nullptr);
    // Both null: the top window, here the last one created.
    EXPECT_EQ(FindWindowA(nullptr, nullptr), untitled);
}

struct Received {
    std::vector<UINT> messages;
    bool deferClose = false;
};

LRESULT recordingHandler(HWND w, UINT m, WPARAM wp, LPARAM lp, void* context) {
    auto* r = static_cast<Received*>(context);
    r->messages.push_back(m);
    if (m == WM_CLOSE && !r->deferClose) {
        return 0;
    }
    return DefWindowProcA(w, m, wp, lp);
}

TEST(UserWindows, CloseReachesHandlerWhichMayKeepOrDestroyTheWindow) {
    Received kept;
    TestWindow keeper("ZxTest", "Keeper", {0, 0, 10, 10}, &recordingHandler, &kept);
    SendMessageA(keeper, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(keeper));
    EXPECT_EQ(kept.messages, std::vector<UINT>{WM_CLOSE});

    Received deferred{{}, true};
    HWND closing =
        zxw32::createWindow("ZxTest", "Closing", {0, 0, 10, 10}, &recordingHandler, &deferred);
    SendMessageA(closing, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(closing));
    EXPECT_EQ(deferred.messages, (std::vector<UINT>{WM_CLOSE, WM_DESTROY}));
    EXPECT_EQ(FindWindowA(nullptr, "Closing"), nullptr);

    HWND plain = zxw32::createWindow("ZxTest", "Plain", {0, 0, 10, 10}, nullptr, nullptr);
    SendMessageA(plain, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(plain));
    // The stale handle now fails everywhere.
    RECT r;
    EXPECT_EQ(SendMessageA(plain, WM_CLOSE, 0, 0), 0);
    EXPECT_FALSE(GetWindowRect(plain, &r));
    EXPECT_FALSE(DestroyWindow(plain));
    EXPECT_FALSE(IsWindow(nullptr));
}

TEST(UserWindows, SetWindowPosMovesAndMakesTopmost) {
    TestWindow low("ZxTest", "Low", {0, 0, 100, 100});
    TestWindow high("ZxTest", "High", {50, 50, 150, 150});
    EXPECT_EQ(WindowFromPoint({60, 60}), high);
    RECT r;
    ASSERT_TRUE(GetWindowRect(low, &r));
    zxw32::takeEvents();
    ASSERT_TRUE(SetWindowPos(low, HWND_TOPMOST, r.left, r.top, r.right - r.left, r.bottom - r.top,
                             SWP_SHOWWINDOW | SWP_NOACTIVATE));
    EXPECT_TRUE(zxw32::isTopmost(low));
    const std::vector<zxw32::Event> logged = zxw32::takeEvents();
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_EQ(logged[0].kind, "window");
    EXPECT_EQ(logged[0].text, "HWND_TOPMOST");
    EXPECT_EQ(logged[0].caption, "Low");
    EXPECT_EQ(logged[0].flags, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    EXPECT_FALSE(zxw32::isTopmost(high));
    EXPECT_EQ(WindowFromPoint({60, 60}), low);
    EXPECT_EQ(WindowFromPoint({120, 120}), high);
    EXPECT_EQ(WindowFromPoint({500, 500}), nullptr);
    // A window created later stays below the topmost band.
    TestWindow later("ZxTest", "Later", {0, 0, 100, 100});
    EXPECT_EQ(WindowFromPoint({10, 10}), low);
    SetWindowPos(high, nullptr, 200, 210, 30, 40, SWP_NOZORDER);
    GetWindowRect(high, &r);
    EXPECT_EQ(r.left, 200);
    EXPECT_EQ(r.bottom, 250);
    EXPECT_FALSE(SetWindowPos(nullptr, HWND_TOPMOST, 0, 0, 1, 1, 0));
}

TEST(UserWindows, ClientCoordinatesAreRelativeToTheWindow) {
    TestWindow stage("ZxStage", "Stage", {100, 50, 740, 530});
    POINT p{130, 70};
    ASSERT_TRUE(ScreenToClient(stage, &p));
    EXPECT_EQ(p.x, 30);
    EXPECT_EQ(p.y, 20);
    ASSERT_TRUE(ClientToScreen(stage, &p));
    EXPECT_EQ(p.x, 130);
    EXPECT_EQ(p.y, 70);
    RECT client;
    GetClientRect(stage, &client);
    EXPECT_TRUE(same(client, RECT{0, 0, 640, 480}));
}

TEST(UserWindows, CursorFocusAndActivation) {
    TestWindow stage("ZxStage", "Stage", {0, 0, 100, 100});
    SetCursorPos(12, 34);
    POINT p{};
    ASSERT_TRUE(GetCursorPos(&p));
    EXPECT_EQ(p.x, 12);
    EXPECT_EQ(p.y, 34);
    EXPECT_EQ(WindowFromPoint(p), stage);

    SetFocus(nullptr);
    EXPECT_EQ(SetFocus(stage), nullptr);
    EXPECT_EQ(GetFocus(), stage);
    EXPECT_EQ(GetActiveWindow(), stage);
    EXPECT_EQ(SetFocus(reinterpret_cast<HWND>(0x7777)), nullptr);
    EXPECT_EQ(GetFocus(), stage);
    EXPECT_EQ(SetActiveWindow(nullptr), stage);
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(SetActiveWindow(reinterpret_cast<HWND>(0x7777)), nullptr);
    EXPECT_EQ(SetActiveWindow(stage), nullptr);
    EXPECT_EQ(GetActiveWindow(), stage);
    EXPECT_TRUE(SetForegroundWindow(stage));
    EXPECT_EQ(GetForegroundWindow(), stage);
    EXPECT_FALSE(SetForegroundWindow(nullptr));
    DestroyWindow(stage);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(GetActiveWindow(), nullptr);
}

TEST(UserWindows, CaretStateFollowsTheCalls) {
    TestWindow stage("ZxStage", "Stage", {0, 0, 100, 100});
    ASSERT_TRUE(CreateCaret(stage, nullptr, 1, 12));
    EXPECT_FALSE(zxw32::caretState().visible); // a new caret is hidden
    SetCaretPos(20, 8);
    ShowCaret(stage);
    zxw32::CaretState c = zxw32::caretState();
    EXPECT_EQ(c.owner, stage.handle);
    EXPECT_EQ(c.width, 1);
    EXPECT_EQ(c.height, 12);
    EXPECT_EQ(c.position.x, 20);
    EXPECT_EQ(c.position.y, 8);
    EXPECT_TRUE(c.visible);
    HideCaret(nullptr);
    HideCaret(stage);
    ShowCaret(stage);
    EXPECT_FALSE(zxw32::caretState().visible); // hiding is counted
    ShowCaret(stage);
    EXPECT_TRUE(zxw32::caretState().visible);
    EXPECT_TRUE(DestroyCaret());
    EXPECT_EQ(zxw32::caretState().owner, nullptr);
    EXPECT_FALSE(DestroyCaret());
    EXPECT_FALSE(SetCaretPos(1, 1));
    EXPECT_FALSE(CreateCaret(nullptr, nullptr, 1, 12));
}

TEST(UserWindows, SystemCursorsAndTheShapeShowing) {
    const HCURSOR cross = LoadCursorA(nullptr, IDC_CROSS);
    ASSERT_NE(cross, nullptr);
    EXPECT_EQ(LoadCursorA(nullptr, IDC_CROSS), cross);
    EXPECT_NE(LoadCursorA(nullptr, IDC_IBEAM), cross);
    // Cursors of a module's resources, and numbers that are no system cursor, do not exist.
    EXPECT_EQ(LoadCursorA(reinterpret_cast<HINSTANCE>(0x400000), IDC_CROSS), nullptr);
    EXPECT_EQ(LoadCursorA(nullptr, MAKEINTRESOURCEA(100)), nullptr);
    EXPECT_EQ(LoadCursorA(nullptr, "cross"), nullptr);
    const HCURSOR before = SetCursor(cross);
    EXPECT_EQ(zxw32::cursorShape(), 32515);
    EXPECT_EQ(GetCursor(), cross);
    SetCursor(reinterpret_cast<HCURSOR>(0x1234)); // not a cursor: nothing changes
    EXPECT_EQ(zxw32::cursorShape(), 32515);
    EXPECT_EQ(SetCursor(nullptr), cross);
    EXPECT_EQ(zxw32::cursorShape(), 0);
    EXPECT_EQ(GetCursor(), nullptr);
    SetCursor(before);
}

TEST(UserRectangles, HalfOpenRectangles) {
    RECT r;
    SetRect(&r, 10, 20, 30, 40);
    EXPECT_TRUE(PtInRect(&r, {10, 20}));
    EXPECT_FALSE(PtInRect(&r, {30, 25}));
    EXPECT_FALSE(PtInRect(&r, {15, 40}));
    RECT other{25, 35, 50, 60}, common;
    EXPECT_TRUE(IntersectRect(&common, &r, &other));
    EXPECT_TRUE(same(common, RECT{25, 35, 30, 40}));
    RECT apart{30, 20, 40, 40};
    EXPECT_FALSE(IntersectRect(&common, &r, &apart));
    EXPECT_TRUE(IsRectEmpty(&common));
    OffsetRect(&r, 5, -5);
    InflateRect(&r, 1, 2);
    EXPECT_TRUE(same(r, RECT{14, 13, 36, 37}));
    SetRectEmpty(&r);
    EXPECT_TRUE(IsRectEmpty(&r));
}

} // namespace
