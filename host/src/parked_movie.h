// The current movie set aside while another one loads, so that a load that fails (a bad
// member, a script that raises) can put the previous movie back exactly as it was.
#pragma once

#include <optional>

#include "host_impl.h"

namespace zxhost {

class ParkedMovie {
public:
    // Takes the members, sprites and script out of the movie (alive: look-ups, idle passes
    // and renders no longer find them) and remembers the stage. The host is left empty.
    explicit ParkedMovie(HostImpl& host);
    // Discards the parked movie unless it was restored: what a plug-in call still uses
    // waits, as with clearMovie.
    ~ParkedMovie();
    ParkedMovie(const ParkedMovie&) = delete;
    ParkedMovie& operator=(const ParkedMovie&) = delete;

    // Clears whatever the host holds now and puts the parked movie back: the same member
    // and sprite objects (references held by scripts work again), the stage's size, colour
    // and pixels, and the script.
    void restore();

private:
    HostImpl& host_;
    Roster roster_;
    Stage::Snapshot stage_;
    std::optional<ScriptSource> script_;
    bool restored_ = false;
};

} // namespace zxhost
