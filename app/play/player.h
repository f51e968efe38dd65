// The live player: the stage in a window, a person's pointer and keys delivered to the
// sprites, an idle loop at the display's rate that redraws only when a sprite asked for it,
// message boxes, beeps, cursors and the window commands of the plug-ins made real.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace zxhost {
class Host;
class Sprite;
} // namespace zxhost

namespace zentrix::play {

struct PlayOptions {
    std::string title = "Zentrix";
    int scale = 1;         // whole window pixels per stage pixel
    double seconds = 0;    // ends the player after this long; 0 plays until the window closes
    bool askPerson = true; // message boxes shown to a person (false: their first button)
    bool verbose = false;  // frame-time figures on stderr, every few seconds and at the end
    // The clock in seconds; SDL's performance counter unless a test sets its own.
    std::function<double()> clock;
};

// What the movie's script hears from the player.
struct PlayHooks {
    std::function<void(double seconds)> frame;           // every frame, seconds since the start
    std::function<void(int32_t x, int32_t y)> mouseMove; // the pointer moved on the stage
    std::function<void()> afterFrame;                    // e.g. the -v echo of host events
};

// Frame times in milliseconds.
struct FrameStats {
    int64_t frames = 0;
    int64_t redraws = 0;
    double busyTotal = 0; // events, frame handler, idle pass, redraw and presentation
    double busyMax = 0;
    double renderTotal = 0; // the stage redraws alone
    double renderMax = 0;
    double dialogOpenMs = 0; // the last dialog, from the click to its first picture
};

class Player {
public:
    // Opens the window (SDL must be initialised: SdlSession).
    Player(zxhost::Host& host, PlayHooks hooks, PlayOptions options);
    ~Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // One frame: the window events waiting, the held button's repeats, the frame handler,
    // every sprite's Idle and, when a sprite asked (or the window needs it), a redraw.
    // False once the player should end (window closed, Escape, the stage window sent
    // WM_CLOSE, the time given is up).
    bool step();
    // Plays until step() says to end, one frame per display refresh. Returns 0.
    int run();

    // The member dialog of a sprite, as a window of its own; returns when it closes.
    void openDialog(zxhost::Sprite& sprite);

    uint32_t windowId() const;
    // Beeps and sounds played (or, without an audio device, due) so far.
    int64_t sounds() const;
    const FrameStats& stats() const;
    // Seconds since the player started, on its clock.
    double elapsed() const;
    // Writes the frame-time line (-v).
    void report(const char* when) const;

    // The player's inner state (player_state.h), for its own files.
    struct State;

private:
    std::unique_ptr<State> s_;
};

} // namespace zentrix::play
