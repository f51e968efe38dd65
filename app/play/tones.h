// Beeps and sounds that plug-ins make, played as short tones through SDL audio. When no audio
// device can be opened (a server, SDL's dummy driver), nothing is heard and nothing fails.
#pragma once

#include <cstdint>
#include <string>

namespace zentrix::play {

class Tones {
public:
    Tones();
    ~Tones();
    Tones(const Tones&) = delete;
    Tones& operator=(const Tones&) = delete;

    // A beep (MessageBeep's type picks the pitch) or a named sound (a tone of its own).
    void beep(long type);
    void sound(const std::string& name);
    bool hasDevice() const { return device_ != 0; }
    // Tones queued so far, heard or not.
    int64_t played() const { return played_; }

private:
    void tone(double frequency, double seconds);

    uint32_t device_ = 0;
    int rate_ = 22050;
    int64_t played_ = 0;
};

} // namespace zentrix::play
