// A module handle without resources: a registration with libw32 that lists none.
#include "platform.h"
#include "zxw32/kernel_ext.h"

namespace zxhost::platform {

HINSTANCE newEmptyModule() {
    return zxw32::registerModule("foreign", nullptr, 0);
}

void releaseEmptyModule(HINSTANCE module) {
    if (module) {
        zxw32::unregisterModule(module);
    }
}

} // namespace zxhost::platform
