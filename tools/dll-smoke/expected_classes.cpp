// The identifiers and registration strings of the seven deliverables.
#include "expected_classes.h"

#include <cctype>

namespace dllsmoke {
namespace {

// The shared tails of the identifiers: two families of classes.
constexpr uint8_t kTailA[8] = {0xBE, 0xFD, 0x00, 0xA0, 0x24, 0x06, 0xE9, 0x43};
constexpr uint8_t kTailB[8] = {0x00, 0x00, 0x08, 0x00, 0x07, 0x4E, 0x87, 0x9F};

constexpr zx::Guid guid(uint32_t d1, uint16_t d2, uint16_t d3, const uint8_t (&tail)[8]) {
    return {d1, d2, d3, {tail[0], tail[1], tail[2], tail[3], tail[4], tail[5], tail[6], tail[7]}};
}

const ExpectedClasses kModules[] = {
    {"formulon32", guid(0x4E0F0C00, 0xF4E9, 0x11CF, kTailA),
     guid(0x751E21A0, 0xF4E9, 0x11CF, kTailA), guid(0x95326960, 0xF4E9, 0x11CF, kTailA), 1, true,
     "formulon", "Formulon", false},
    {"plotmark32", guid(0x64D37E20, 0xF440, 0x11CF, kTailA),
     guid(0xC8730860, 0xF440, 0x11CF, kTailA), guid(0xE8C2D280, 0xF440, 0x11CF, kTailA), 2, false,
     "plotmark", "Plotmark", true},
    {"keypadix32", guid(0xAE36ADB5, 0x0003, 0xBCCD, kTailB),
     guid(0xAE36ADB5, 0x0003, 0xBCD0, kTailB), guid(0xAE36ADB5, 0x0003, 0xBCD3, kTailB), 1, true,
     "keypadix", "Keypadix", false},
    {"glidebar32", guid(0xAE36A99F, 0x0002, 0xC732, kTailB),
     guid(0xAE36A9A0, 0x0002, 0xC734, kTailB), guid(0xAE36A9A0, 0x0002, 0xC737, kTailB), 1, true,
     "glidebar", "Glidebar", false},
    {"dialgauge32", guid(0xDBE8D100, 0xF421, 0x11CF, kTailA),
     guid(0x28496DC0, 0xF422, 0x11CF, kTailA), guid(0x4A7FF940, 0xF422, 0x11CF, kTailA), 1, true,
     "dialgauge", "Dialgauge", false},
    {"tallydisc32", guid(0xAE36B1BE, 0x0004, 0xAFA0, kTailB),
     guid(0xAE36B1BE, 0x0004, 0xAFA2, kTailB), guid(0xAE36B1BE, 0x0004, 0xAFA5, kTailB), 1, false,
     "tallydisc", "Tallydisc", false},
    {"gridcell32", guid(0x30F09D60, 0xF204, 0x11CF, kTailA),
     guid(0x6D91DAE0, 0xF204, 0x11CF, kTailA), guid(0x8B00A520, 0xF204, 0x11CF, kTailA), 1, true,
     "gridcell", "Gridcell", false},
};

std::string baseName(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find('.');
    if (dot != std::string::npos) {
        name.resize(dot);
    }
    for (char& c : name) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return name;
}

} // namespace

const ExpectedClasses* expectedFor(const std::string& path) {
    const std::string name = baseName(path);
    for (const ExpectedClasses& m : kModules) {
        if (name == m.module) {
            return &m;
        }
    }
    return nullptr;
}

} // namespace dllsmoke
