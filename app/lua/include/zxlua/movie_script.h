// A movie script: a Lua 5.4 state with the movie API (stage, cast, score, host, movie and
// the on_* script handlers) bound to one host.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

struct lua_State;

namespace zxhost {
class Host;
struct Message;
} // namespace zxhost

namespace zxlua {

// A script that failed to load or run. what() is one line: "file:line: cause".
class ScriptError : public std::runtime_error {
public:
    explicit ScriptError(const std::string& message) : std::runtime_error(message) {}
};

struct Binding;

class MovieScript {
public:
    explicit MovieScript(zxhost::Host& host);
    ~MovieScript();
    MovieScript(const MovieScript&) = delete;
    MovieScript& operator=(const MovieScript&) = delete;

    // Loads and runs a script file. Relative paths inside the script (bitmaps, PNGs, movie
    // files) are taken from the script's folder. Throws ScriptError.
    void runFile(const std::filesystem::path& file);
    // Runs script text under a chunk name (used in messages); relative paths are taken
    // from `baseDir`. The text becomes the movie's script: movie.save stores it, and its
    // globals (movie.loaded false) hold the handlers. Throws ScriptError.
    void runString(const std::string& code, const std::string& chunkName,
                   const std::filesystem::path& baseDir = std::filesystem::current_path());

    // Calls the movie's on_start_movie() when it is defined and has not run for this movie
    // yet (loadMovie runs it, and so does a movie.load inside the script). Throws
    // ScriptError.
    void startMovie();
    // Calls the movie's on_frame(seconds) (seconds since the movie started) when it is
    // defined; returns whether it is. Throws ScriptError.
    bool frame(double seconds);
    // Calls the movie's on_mouse_move(x, y) (the pointer's stage position, as a player sees
    // it move) when it is defined; returns whether it is. Throws ScriptError.
    bool mouseMove(int32_t x, int32_t y);
    // Loads a saved movie: its stage, cast and score, then its script (when it carries one)
    // in a fresh environment in which movie.loaded is true, then its on_start_movie. When the
    // file is bad or the script fails, the previous movie stays as it was (members, sprites,
    // stage, script and handlers) and ScriptError says why in one line naming the file
    // ("saved.json: movie script:12: cause"). Returns the loader's warnings.
    std::vector<std::string> loadMovie(const std::filesystem::path& movieFile);

    // Throws the ScriptError of a script handler that failed while the host called it
    // outside the script (e.g. during a render after the script ended), once.
    void throwHandlerFailure();

    // The files the script wrote (stage.save_png, movie.save), in order.
    const std::vector<std::filesystem::path>& written() const;

    // Called with every host event the script drains with host.messages() (and with those
    // drained by drainMessages), e.g. to echo them with --verbose.
    void onMessage(std::function<void(const zxhost::Message&)> echo);
    // Drains the host's events not yet seen by the script and passes them to the echo.
    void drainMessages();

    lua_State* state() { return L_; }

private:
    std::unique_ptr<Binding> binding_;
    lua_State* L_ = nullptr;
};

} // namespace zxlua
