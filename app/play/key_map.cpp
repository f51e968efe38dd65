#include "key_map.h"

#include <array>

#include <zxframe/abi.h>

namespace zentrix::play {

namespace {

// Virtual-key numbers as Windows numbers them.
constexpr unsigned kVkBack = 0x08, kVkTab = 0x09, kVkReturn = 0x0D, kVkEscape = 0x1B,
                   kVkSpace = 0x20, kVkEnd = 0x23, kVkHome = 0x24, kVkLeft = 0x25, kVkUp = 0x26,
                   kVkRight = 0x27, kVkDown = 0x28, kVkDelete = 0x2E;

// Unicode characters of the bytes 0x80-0x9F of Windows-1252; 0 where the code page leaves
// the byte undefined.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::optional<uint8_t> cp1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<uint8_t>(c);
    }
    for (size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] != 0 && kHigh[i] == c) {
            return static_cast<uint8_t>(0x80 + i);
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<uint8_t> hostKeyCode(SDL_Keycode key) {
    switch (key) {
    case SDLK_LEFT:
        return zx::key::kLeft;
    case SDLK_RIGHT:
        return zx::key::kRight;
    case SDLK_UP:
        return zx::key::kUp;
    case SDLK_DOWN:
        return zx::key::kDown;
    case SDLK_BACKSPACE:
        return zx::key::kBackspace;
    case SDLK_DELETE:
        return zx::key::kDelete;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return uint8_t{13};
    case SDLK_TAB:
        return uint8_t{9};
    default:
        return std::nullopt;
    }
}

std::optional<unsigned> virtualKey(SDL_Keycode key) {
    switch (key) {
    case SDLK_TAB:
        return kVkTab;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return kVkReturn;
    case SDLK_ESCAPE:
        return kVkEscape;
    case SDLK_SPACE:
        return kVkSpace;
    case SDLK_LEFT:
        return kVkLeft;
    case SDLK_RIGHT:
        return kVkRight;
    case SDLK_UP:
        return kVkUp;
    case SDLK_DOWN:
        return kVkDown;
    case SDLK_HOME:
        return kVkHome;
    case SDLK_END:
        return kVkEnd;
    case SDLK_DELETE:
        return kVkDelete;
    case SDLK_BACKSPACE:
        return kVkBack;
    default:
        break;
    }
    if (key >= SDLK_a && key <= SDLK_z) {
        return static_cast<unsigned>('A' + (key - SDLK_a));
    }
    return std::nullopt;
}

int32_t hostModifiers(uint16_t sdlModifiers) {
    int32_t bits = 0;
    if (sdlModifiers & KMOD_SHIFT) {
        bits |= zx::modifier::kFirst;
    }
    if (sdlModifiers & KMOD_CTRL) {
        bits |= zx::modifier::kSecond;
    }
    return bits;
}

std::string utf8ToCp1252(const std::string& utf8, int* dropped) {
    std::string out;
    int lost = 0;
    for (size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const size_t length = lead < 0x80           ? 1
                              : (lead >> 5) == 0x6  ? 2
                              : (lead >> 4) == 0xE  ? 3
                              : (lead >> 3) == 0x1E ? 4
                                                    : 0;
        if (length == 0 || i + length > utf8.size()) {
            ++lost;
            ++i;
            continue;
        }
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        bool valid = true;
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            valid = valid && (next >> 6) == 0x2;
            c = (c << 6) | (next & 0x3F);
        }
        i += valid ? length : 1;
        const std::optional<uint8_t> byte = valid ? cp1252Byte(c) : std::nullopt;
        if (byte) {
            out += static_cast<char>(*byte);
        } else {
            ++lost;
        }
    }
    if (dropped != nullptr) {
        *dropped = lost;
    }
    return out;
}

} // namespace zentrix::play
