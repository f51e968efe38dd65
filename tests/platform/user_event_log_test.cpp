// The event log: every observable effect, in order, taken and cleared by the host.
#include <gtest/gtest.h>
#include <mmsystem.h>
#include <windows.h>
#include <zxw32/user_ext.h>

namespace {

TEST(UserEventLog, RecordsEffectsInOrderAndClearsWhenTaken) {
    zxw32::takeEvents();
    EXPECT_EQ(MessageBoxA(nullptr, "Improper Equation", "Cannot Evaluate", MB_OK), IDOK);
    MessageBeep(0);
    EXPECT_TRUE(sndPlaySoundA("Default Beep", SND_ASYNC));
    OutputDebugStringA("trace");
    zxw32::logEvent({"output", "line", "", 0});
    auto events = zxw32::takeEvents();
    ASSERT_EQ(events.size(), 5u);
    EXPECT_EQ(events[0].kind, "messagebox");
    EXPECT_EQ(events[0].text, "Improper Equation");
    EXPECT_EQ(events[0].caption, "Cannot Evaluate");
    EXPECT_EQ(events[1].kind, "beep");
    EXPECT_EQ(events[1].flags, 0);
    EXPECT_EQ(events[2].kind, "sound");
    EXPECT_EQ(events[2].text, "Default Beep");
    EXPECT_EQ(events[2].flags, SND_ASYNC);
    EXPECT_EQ(events[3].kind, "debug");
    EXPECT_EQ(events[4].kind, "output");
    EXPECT_TRUE(zxw32::takeEvents().empty());
}

TEST(UserEventLog, MessageBoxAnswersWithTheFirstButtonAndKeepsFlags) {
    zxw32::takeEvents();
    EXPECT_EQ(MessageBoxA(nullptr, "q", "c", MB_YESNO), IDYES);
    EXPECT_EQ(MessageBoxA(nullptr, "q", "c", MB_RETRYCANCEL), IDRETRY);
    EXPECT_EQ(
        MessageBoxA(nullptr, "Data contains invalid points!!.", "ERROR", MB_OK | MB_SYSTEMMODAL),
        IDOK);
    auto events = zxw32::takeEvents();
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[2].flags, MB_OK | MB_SYSTEMMODAL);
}

TEST(UserEventLog, AnInstalledHandlerAnswersBoxesAndAnObserverHearsEveryEvent) {
    struct Heard {
        std::vector<std::string> kinds;
        std::string box;
    } heard;
    zxw32::setMessageBoxHandler(
        [](const char* text, const char* caption, UINT, void* context) {
            static_cast<Heard*>(context)->box = std::string(caption) + ": " + text;
            return IDNO;
        },
        &heard);
    zxw32::setEventObserver(
        [](const zxw32::Event& e, void* context) {
            static_cast<Heard*>(context)->kinds.push_back(e.kind);
        },
        &heard);
    EXPECT_EQ(MessageBoxA(nullptr, "Save?", nullptr, MB_YESNO), IDNO);
    MessageBeep(0);
    zxw32::setMessageBoxHandler(nullptr, nullptr);
    zxw32::setEventObserver(nullptr, nullptr);
    EXPECT_EQ(MessageBoxA(nullptr, "q", "c", MB_YESNO), IDYES);
    EXPECT_EQ(heard.box, "Error: Save?"); // a null caption is "Error"
    EXPECT_EQ(heard.kinds, (std::vector<std::string>{"messagebox", "beep"}));
    // The log keeps the events either way.
    EXPECT_EQ(zxw32::takeEvents().size(), 3u);
}

TEST(UserEventLog, SentWindowMessagesAreLogged) {
    HWND w = zxw32::createWindow("ZxTest", "Logged", {0, 0, 1, 1}, nullptr, nullptr);
    zxw32::takeEvents();
    SendMessageA(w, 0x1234, 0, 0);
    SendMessageA(w, WM_CLOSE, 0, 0);
    auto events = zxw32::takeEvents();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].kind, "window");
    EXPECT_EQ(events[0].text, "0x1234");
    EXPECT_EQ(events[1].text, "WM_CLOSE");
    EXPECT_EQ(events[1].caption, "Logged");
    EXPECT_EQ(events[1].flags, WM_CLOSE);
    EXPECT_FALSE(IsWindow(w));
}

} // namespace
