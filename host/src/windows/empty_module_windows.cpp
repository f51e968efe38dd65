// A module handle without resources: the program's own, which carries no bitmaps or dialogs.
#include "platform.h"

namespace zxhost::platform {

HINSTANCE newEmptyModule() {
    return GetModuleHandleA(nullptr);
}

// The program's handle is not counted: nothing to release.
void releaseEmptyModule(HINSTANCE) {}

} // namespace zxhost::platform
