// "ReplaceMedia": a script gives a part of the slider the picture of another cast member.
#include <string>

#include "slider_block.h"

namespace glidebar {
namespace {

// Part names are read as texts of up to 40 characters.
constexpr size_t kPartNameCapacity = 40;

// The part a name stands for, compared as host symbols so that names match as the host's
// symbols do; kPartPictureCount for none.
int partNamed(zx::HostUtilities& utilities, const std::string& name) {
    zx::Symbol wanted = 0;
    if (utilities.ops->stringToSymbol(&utilities, name.c_str(), &wanted) != zx::kOk) {
        return kPartPictureCount;
    }
    for (int i = 0; i < kPartPictureCount; ++i) {
        zx::Symbol part = 0;
        if (utilities.ops->stringToSymbol(&utilities, kPartPictures[i].name, &part) == zx::kOk &&
            part == wanted) {
            return i;
        }
    }
    return kPartPictureCount;
}

} // namespace

// An unknown part name changes nothing and is no error. A member without a usable picture
// leaves the part as it was and answers the host's result.
zx::Result replaceMedia(zx::CommandCall& call) {
    const int part = partNamed(call.utilities, call.text(1, kPartNameCapacity));
    if (part == kPartPictureCount) {
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
