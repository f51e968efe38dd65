// "ReplaceMedia": a script gives a part of the slider the picture of another cast member.
#include <array>

#include "slider_block.h"

namespace glidebar {
namespace {

// Part names are read as texts of up to 40 characters.
constexpr size_t kPartNameCapacity = 40;

// The part names in the order "ReplaceMedia" compares them.
const std::array<const char*, kPartPictureCount>& partNames() {
    static const auto names = [] {
        std::array<const char*, kPartPictureCount> n{};
        for (int i = 0; i < kPartPictureCount; ++i) {
            n[static_cast<size_t>(i)] = kPartPictures[i].name;
        }
        return n;
    }();
    return names;
}

} // namespace

// An unknown part name changes nothing and is no error. A member without a usable picture
// leaves the part as it was and answers the host's result.
zx::Result replaceMedia(zx::CommandCall& call) {
    const int part = call.choice(1, kPartNameCapacity, partNames());
    if (part < 0) {
        return zx::kOk;
    }
    auto& b = zx::blockOf<SliderBlock>(call.asset);
    const zx::Result result =
        zx::copyPictureFromMember(call.asset.header, call.argument(2), b.parts[part]);
    if (result == zx::kOk) {
        call.asset.changedFlag = 1;
    }
    return result;
}

} // namespace glidebar
