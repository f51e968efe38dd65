// The host's fixed 256-colour palette, used for palette-index requests and for the
// background-transparent ink: entries 0-9 and 246-255 are the Windows static colours,
// 10-225 a 6 x 6 x 6 colour cube (steps of 51) and 226-245 a grey ramp.
#include "host_impl.h"

namespace zxhost {
namespace {

struct Rgb {
    uint8_t r, g, b;
};

const Rgb kStaticLow[10] = {{0, 0, 0},       {128, 0, 0},    {0, 128, 0},   {128, 128, 0},
                            {0, 0, 128},     {128, 0, 128},  {0, 128, 128}, {192, 192, 192},
                            {192, 220, 192}, {166, 202, 240}};
const Rgb kStaticHigh[10] = {{255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},
                             {0, 255, 0},     {255, 255, 0},   {0, 0, 255},     {255, 0, 255},
                             {0, 255, 255},   {255, 255, 255}};

Rgb entry(int index) {
    if (index < 10) {
        return kStaticLow[index];
    }
    if (index < 226) {
        const int i = index - 10;
        return Rgb{static_cast<uint8_t>(i / 36 * 51), static_cast<uint8_t>(i / 6 % 6 * 51),
                   static_cast<uint8_t>(i % 6 * 51)};
    }
    if (index < 246) {
        const auto level = static_cast<uint8_t>(8 + (index - 226) * 12);
        return Rgb{level, level, level};
    }
    return kStaticHigh[index - 246];
}

} // namespace

uint32_t paletteColor(int index) {
    if (index < 0 || index > 255) {
        return 0;
    }
    const Rgb c = entry(index);
    return static_cast<uint32_t>(c.b) << 16 | static_cast<uint32_t>(c.g) << 8 | c.r;
}

// The first entry at the smallest squared distance.
uint8_t nearestPaletteIndex(uint8_t red, uint8_t green, uint8_t blue) {
    int best = 0;
    int bestDistance = 1 << 30;
    for (int i = 0; i < 256; ++i) {
        const Rgb c = entry(i);
        const int dr = c.r - red, dg = c.g - green, db = c.b - blue;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return static_cast<uint8_t>(best);
}

} // namespace zxhost
