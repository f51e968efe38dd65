// "KeyRectList": a script moves the key areas with a list of rectangles, read item by item
// through the host's list services. The first twenty items become key areas 0-19 in order;
// areas beyond the list keep their places.
#include "calculator_block.h"
#include "zxframe/identifiers.h"
#include "zxplugin/host_ref.h"

namespace keypadix {

// An item that is no rectangle leaves its key's area as it was; the next item still goes to
// the next key. Inverted or huge rectangles are kept as given: they are simply never hit.
// A value that is not a list changes nothing, as any unconvertible property value does.
zx::Result setKeyRectList(zx::AssetRecord& asset, const zx::ScriptValue& value) {
    zx::HostRef<zx::ListServices> lists;
    const zx::Result queried =
        zx::queryService(zx::hostCallback(asset.header), zx::kListServicesId, lists);
    if (queried != zx::kOk) {
        return queried;
    }
    int32_t count = 0;
    if (lists->ops->count(lists.get(), value.raw(), &count) != zx::kOk) {
        return zx::kOk;
    }
    zx::HostUtilities& utilities = value.utilities();
    CalculatorBlock& b = calculatorBlock(asset);
    const int32_t used = count < zx::calculator::kKeyCount ? count : zx::calculator::kKeyCount;
    for (int32_t i = 0; i < used; ++i) {
        zx::HostValue item{};
        if (lists->ops->item(lists.get(), value.raw(), i + 1, &item) != zx::kOk) {
            continue;
        }
        zx::HostRect rect{};
        if (utilities.ops->valueToRect(&utilities, &item, &rect) == zx::kOk) {
            b.keyAreas[static_cast<size_t>(i)] =
                zx::calculator::KeyArea{rect.top, rect.left, rect.bottom, rect.right};
        }
        utilities.ops->releaseValue(&utilities, &item);
    }
    return zx::kOk;
}

} // namespace keypadix
