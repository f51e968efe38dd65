// The live player under SDL's offscreen video and dummy audio drivers: events pushed into
// SDL's queue as a person's clicks, drags and typing, played frame by frame on a test clock.
#include "script_fixture.h"

#include <SDL.h>
#include <mmsystem.h>
#include <windows.h>
#include <cmath>
#include <cstdlib>

#include "key_map.h"
#include "message_boxes.h"
#include "player.h"
#include "sdl_handles.h"
#include "stage_input.h"

namespace {

class PlayerTest : public ScriptTest {
protected:
    void SetUp() override {
        ::setenv("SDL_VIDEODRIVER", "offscreen", 1);
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        // No window system at all: a message box must not reach a real display.
        ::unsetenv("DISPLAY");
        ::unsetenv("WAYLAND_DISPLAY");
        ScriptTest::SetUp();
    }
    void TearDown() override {
        player_.reset();
        sdl_.reset();
        ScriptTest::TearDown();
    }

    // Opens the player on the movie the test built; frames run on the test's clock.
    zentrix::play::Player& open(zentrix::play::PlayHooks hooks = {}) {
        player_.reset();
        sdl_.reset(); // one SDL session at a time: SDL_Quit ends every one
        sdl_ = std::make_unique<zentrix::play::SdlSession>();
        zentrix::play::PlayOptions options;
        options.askPerson = false;
        options.clock = [this] { return now_; };
        player_ = std::make_unique<zentrix::play::Player>(*host_, std::move(hooks), options);
        frame();
        return *player_;
    }
    // One frame, a sixtieth of a second after the last.
    bool frame() {
        now_ += 1.0 / 60;
        return player_->step();
    }
    void push(SDL_Event e) { ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError(); }
    void button(Uint32 type, int x, int y, Uint8 which = SDL_BUTTON_LEFT) {
        SDL_Event e{};
        e.type = type;
        e.button.windowID = player_->windowId();
        e.button.button = which;
        e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.button.x = x;
        e.button.y = y;
        push(e);
    }
    // A press and its release, each in a frame of its own (a press ends its frame's events).
    void click(int x, int y) {
        button(SDL_MOUSEBUTTONDOWN, x, y);
        button(SDL_MOUSEBUTTONUP, x, y);
        frame();
        frame();
    }
    void type(const char* utf8) {
        SDL_Event e{};
        e.type = SDL_TEXTINPUT;
        e.text.windowID = player_->windowId();
        SDL_strlcpy(e.text.text, utf8, sizeof e.text.text);
        push(e);
    }
    void key(SDL_Keycode sym) {
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.windowID = player_->windowId();
        e.key.keysym.sym = sym;
        push(e);
    }

    double now_ = 100.0;
    std::unique_ptr<zentrix::play::SdlSession> sdl_;
    std::unique_ptr<zentrix::play::Player> player_;
};

TEST_F(PlayerTest, ClicksReachTheKeysOfTheSpriteUnderThePointer) {
    // Two calculators; the second lies partly over the first, so the hit test must pick the
    // topmost sprite.
    run(R"(
        stage.size(220, 190)
        a = cast.new("keypadix", "a")
        score.add(a, {left = 16, top = 18, right = 100, bottom = 172})
        b = cast.new("keypadix", "b")
        score.add(b, {left = 90, top = 18, right = 174, bottom = 172})
    )");
    open();
    // "2" of a at (32, 121) relative, "+" at (72, 121), "3" at (52, 121), "=" at (72, 141).
    for (auto [x, y] : {std::pair{32, 121}, {72, 121}, {52, 121}, {72, 141}}) {
        click(16 + x, 18 + y);
    }
    run("va, vb = a.Value, b.Value");
    EXPECT_EQ(number("va"), 5.0);
    // The "4" key of b lies at x 90 + 12: inside a's rectangle too, but b is on top.
    click(90 + 12, 18 + 101);
    run("va, vb = a.Value, b.Value");
    EXPECT_EQ(number("va"), 5.0);
    EXPECT_EQ(number("vb"), 4.0);
}

TEST_F(PlayerTest, TypingGoesToTheSpriteTheClickFocused) {
    run(R"(
        stage.size(300, 150)
        eq = cast.new("formulon", "typed")
        eq.DepVar1Name = "y"
        s = score.add(eq, {left = 10, top = 10, right = 290, bottom = 140})
        other = cast.new("formulon", "other")
        score.add(other, {left = 10, top = 140, right = 290, bottom = 150})
        function on_refresh() refreshes = (refreshes or 0) + 1 end
    )");
    open();
    click(10 + 40, 10 + 12); // the caret to the end of "y="
    type("3x");
    key(SDLK_BACKSPACE);
    type("+1");
    frame();
    run("typed, refreshed = eq.Eq1String, refreshes");
    EXPECT_EQ(text("typed"), "y=3+1@"); // the stored text ends in its end mark
    // Focus and the click each ran the movie's "Refresh" handler.
    EXPECT_GE(integer("refreshed"), 1);
    // Keys without a focused sprite go nowhere.
    click(5, 5);
    type("9");
    frame();
    run("typed = eq.Eq1String");
    EXPECT_EQ(text("typed"), "y=3+1@");
}

TEST_F(PlayerTest, AHeldButtonRepeatsAtTheHostsRate) {
    run(R"(
        stage.size(240, 40)
        volume = cast.new("glidebar", "volume")
        volume.XMinimum, volume.XMaximum, volume.Value = 0, 100, 2
        score.add(volume, {left = 20, top = 10, right = 220, bottom = 30})
    )");
    open();
    // A click is one step.
    click(20 + 190, 20);
    frame();
    run("v = volume.Value");
    const double step = number("v") - 2;
    ASSERT_GT(step, 0.0);
    button(SDL_MOUSEBUTTONDOWN, 20 + 190, 20); // the right arrow
    // One second held: the press, then a repeat after the delay and one per interval.
    for (int i = 0; i < 60; ++i) {
        frame();
    }
    button(SDL_MOUSEBUTTONUP, 20 + 190, 20);
    frame();
    run("v = volume.Value");
    const double repeats =
        std::floor((1.0 - zentrix::play::kRepeatDelay) / zentrix::play::kRepeatInterval);
    EXPECT_NEAR((number("v") - 2) / step, 1 + 1 + repeats, 1.5);
    // Released: the value stays.
    for (int i = 0; i < 30; ++i) {
        frame();
    }
    run("w = volume.Value");
    EXPECT_EQ(number("w"), number("v"));
}

TEST_F(PlayerTest, ADragFollowsThePointerOutsideTheSprite) {
    run(R"(
        stage.size(240, 60)
        dragged = cast.new("glidebar", "dragged")
        score.add(dragged, {left = 20, top = 10, right = 220, bottom = 30})
    )");
    open();
    button(SDL_MOUSEBUTTONDOWN, 20 + 98, 20); // the thumb at 0.5
    frame();
    for (int x : {150, 200, 239}) { // the last move leaves the sprite: it keeps the pointer
        SDL_Event e{};
        e.type = SDL_MOUSEMOTION;
        e.motion.windowID = player_->windowId();
        e.motion.x = x;
        e.motion.y = 45;
        e.motion.state = SDL_BUTTON_LMASK;
        push(e);
        frame();
    }
    button(SDL_MOUSEBUTTONUP, 239, 45);
    frame();
    run("v = dragged.Value");
    EXPECT_GT(number("v"), 0.9);
}

TEST_F(PlayerTest, RedrawsOnlyWhenASpriteAsks) {
    run(R"(
        stage.size(200, 100)
        n = cast.new("tallydisc", "n")
        score.add(n, {left = 10, top = 10, right = 190, bottom = 60})
    )");
    int frames = 0;
    double lastSeconds = -1;
    zentrix::play::PlayHooks hooks;
    hooks.frame = [&](double seconds) {
        ++frames;
        lastSeconds = seconds;
    };
    open(std::move(hooks));
    const int64_t first = player_->stats().redraws;
    EXPECT_EQ(first, 1); // the window's first picture
    for (int i = 0; i < 10; ++i) {
        frame();
    }
    EXPECT_EQ(player_->stats().redraws, first);
    run("n.Value = 42");
    frame();
    frame();
    EXPECT_EQ(player_->stats().redraws, first + 1);
    EXPECT_EQ(frames, 13);
    EXPECT_NEAR(lastSeconds, 13.0 / 60, 1e-9);
    // The window shows the stage as drawn.
    EXPECT_EQ(host_->stage().pixel(0, 0), host_->stage().color());
}

TEST_F(PlayerTest, EscapeClosingAndTheStageWindowsCloseMessageEndThePlayer) {
    run(R"(
        gauge = cast.new("dialgauge", "gauge")
        score.add(gauge, {left = 0, top = 0, right = 100, bottom = 100})
    )");
    open();
    EXPECT_TRUE(frame());
    run(R"(gauge:call("SendCloseMessage", "ZentrixStage", ""))");
    EXPECT_FALSE(frame());
    open();
    key(SDLK_ESCAPE);
    EXPECT_FALSE(frame());
    open();
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = player_->windowId();
    e.window.event = SDL_WINDOWEVENT_CLOSE;
    push(e);
    EXPECT_FALSE(frame());
}

TEST_F(PlayerTest, BeepsAndSoundsAreHeard) {
    run(R"(
        gauge = cast.new("dialgauge", "gauge")
        score.add(gauge, {left = 0, top = 0, right = 100, bottom = 100})
    )");
    open();
    MessageBeep(MB_ICONHAND);
    sndPlaySoundA("Default Beep", 0);
    EXPECT_EQ(player_->sounds(), 2);
    // Other events make no noise.
    OutputDebugStringA("quiet");
    EXPECT_EQ(player_->sounds(), 2);
}

TEST_F(PlayerTest, ARightClickOpensTheMembersDialogAndOkAppliesIt) {
    run(R"(
        stage.size(240, 40)
        volume = cast.new("glidebar", "volume")
        volume.XMinimum, volume.XMaximum, volume.Value = 0, 100, 50
        score.add(volume, {left = 20, top = 10, right = 220, bottom = 30})
    )");
    open();
    // Everything the person does in the dialog waits in the queue: the dialog's own loop
    // takes it. The first edit (XMinimum) has the focus with its text selected.
    button(SDL_MOUSEBUTTONDOWN, 100, 20, SDL_BUTTON_RIGHT);
    type("-50");
    key(SDLK_TAB);
    type("80");
    key(SDLK_RETURN);
    EXPECT_TRUE(frame());
    run("low, high = volume.XMinimum, volume.XMaximum");
    EXPECT_EQ(number("low"), -50.0);
    EXPECT_EQ(number("high"), 80.0);
    // Escape cancels: nothing changes, and the player goes on.
    button(SDL_MOUSEBUTTONDOWN, 100, 20, SDL_BUTTON_RIGHT);
    type("7");
    key(SDLK_ESCAPE);
    EXPECT_TRUE(frame());
    run("low = volume.XMinimum");
    EXPECT_EQ(number("low"), -50.0);
}

TEST_F(PlayerTest, TheCursorShapeAScriptSetsIsTheWindows) {
    run("stage.size(40, 40)");
    open();
    run(R"(stage.cursor_shape("none"))");
    frame();
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
    run(R"(stage.cursor_shape("cross"))");
    frame();
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
    run(R"(stage.cursor_shape("arrow"))");
}

TEST_F(PlayerTest, MessageBoxesAskAndFallBackToTheFirstButtonWithoutAWindowSystem) {
    run("stage.size(40, 40)");
    sdl_ = std::make_unique<zentrix::play::SdlSession>();
    zentrix::play::PlayOptions options;
    options.clock = [this] { return now_; };
    player_ = std::make_unique<zentrix::play::Player>(*host_, zentrix::play::PlayHooks{}, options);
    host_->messages();
    // A plug-in's box goes to the player, which cannot show one under the offscreen driver
    // and answers with the first button; the box is logged either way.
    EXPECT_EQ(MessageBoxA(nullptr, "Improper Equation", "Cannot Evaluate", MB_YESNO), IDYES);
    const std::vector<zxhost::Message> logged = host_->messages();
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_EQ(logged[0].caption, "Cannot Evaluate");
    EXPECT_EQ(zentrix::play::showMessageBox(nullptr, "t", "c", MB_YESNOCANCEL), IDYES);
    EXPECT_EQ(zentrix::play::showMessageBox(nullptr, "t", "c", MB_CANCELTRYCONTINUE), IDCANCEL);
    EXPECT_EQ(zentrix::play::showMessageBox(nullptr, "t", "c", MB_OK | MB_ICONHAND), IDOK);
}

TEST(PlayerKeys, TextArrivesAsWindows1252AndKeysAsTheHostsCodes) {
    int dropped = -1;
    EXPECT_EQ(zentrix::play::utf8ToCp1252("a\xC3\xA9\xE2\x82\xAC\xE2\x88\x9A", &dropped),
              "a\xE9\x80");
    EXPECT_EQ(dropped, 1); // the square root sign is not in the code page
    EXPECT_EQ(zentrix::play::utf8ToCp1252("\xC3", &dropped), "");
    EXPECT_EQ(dropped, 1);
    EXPECT_EQ(zentrix::play::hostKeyCode(SDLK_LEFT), 28);
    EXPECT_EQ(zentrix::play::hostKeyCode(SDLK_DELETE), 127);
    EXPECT_EQ(zentrix::play::hostKeyCode(SDLK_a), std::nullopt);
    EXPECT_EQ(zentrix::play::hostModifiers(KMOD_LSHIFT | KMOD_RCTRL), 3);
}

} // namespace
