// Fuzz target for the kinds' saved blocks: the first byte picks one of the seven kinds, the
// rest is a saved block handed to LoadProps. Whatever the block holds, the member then
// draws on the stage (through a sprite at the kind's default rectangle, clipped to a small
// stage), saves a block of the kind's size and loads that block back.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "zxhost/host.h"

namespace {

const std::array<const char*, 7> kKinds = {"formulon",  "plotmark",  "keypadix", "glidebar",
                                           "dialgauge", "tallydisc", "gridcell"};

zxhost::Host& sharedHost() {
    static zxhost::Host host({ZX_PLUGIN_DIR});
    return host;
}

void Require(bool ok) {
    if (!ok) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Loading the plug-ins up front keeps the first run's time out of the timings.
    sharedHost().loadPlugins();
    sharedHost().stage().setSize(320, 240);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1 || size > 1 << 14) {
        return 0;
    }
    zxhost::Host& host = sharedHost();
    const char* kind = kKinds[data[0] % kKinds.size()];
    try {
        zxhost::Member& member = host.newMember(kind, "fuzzed");
        std::string warning;
        member.load(std::vector<uint8_t>(data + 1, data + size), &warning);
        zxhost::Rect rect = member.defaultRect();
        if (rect.width() <= 0 || rect.height() <= 0 || rect.width() > 640 || rect.height() > 480) {
            rect = zxhost::Rect{10, 10, 200, 150};
        }
        host.addSprite(member, rect);
        host.stage().render();
        int32_t code = 0;
        const std::vector<uint8_t> saved = member.save(&code);
        if (code == 0) {
            // What the kind saved it must read back without complaint.
            Require(member.load(saved) == 0);
            Require(static_cast<int32_t>(saved.size()) == member.savedSize());
            host.stage().render();
        }
    } catch (const zxhost::Error&) {
    }
    host.clearMovie();
    host.messages();
    return 0;
}
