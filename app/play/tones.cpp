#include "tones.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include <SDL.h>

namespace zentrix::play {

Tones::Tones() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = rate_;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 1;
    wanted.samples = 1024;
    SDL_AudioSpec got{};
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &got, 0);
    if (device_ == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    rate_ = got.freq;
    SDL_PauseAudioDevice(device_, 0);
}

Tones::~Tones() {
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

void Tones::beep(long type) {
    // The message box icons' beeps: error low, warning middle, question and information high.
    const double frequency = type == 0x10   ? 440.0
                             : type == 0x30 ? 660.0
                             : type != 0    ? 880.0
                                            : 750.0;
    tone(frequency, 0.12);
}

void Tones::sound(const std::string& name) {
    // Each name sounds alike every time: its pitch comes from its letters.
    unsigned hash = 0;
    for (unsigned char c : name) {
        hash = hash * 31 + c;
    }
    tone(500.0 + static_cast<double>(hash % 600), 0.2);
}

void Tones::tone(double frequency, double seconds) {
    ++played_;
    if (device_ == 0) {
        return;
    }
    const auto count = static_cast<size_t>(seconds * rate_);
    std::vector<int16_t> samples(count);
    for (size_t i = 0; i < count; ++i) {
        // A short fade at both ends keeps the tone from clicking.
        const double edge = std::min({1.0, static_cast<double>(i) / (rate_ * 0.005),
                                      static_cast<double>(count - i) / (rate_ * 0.005)});
        const double t = static_cast<double>(i) / rate_;
        samples[i] =
            static_cast<int16_t>(6000.0 * edge * std::sin(2.0 * std::numbers::pi * frequency * t));
    }
    // A backlog of more than a second means nobody is listening fast enough: skip.
    if (SDL_GetQueuedAudioSize(device_) < static_cast<Uint32>(rate_ * 2)) {
        SDL_QueueAudio(device_, samples.data(), static_cast<Uint32>(count * sizeof(int16_t)));
    }
}

} // namespace zentrix::play
