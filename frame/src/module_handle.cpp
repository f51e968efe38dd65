// The module handle with which resources are opened through the host.
#include "frame_internal.h"

#if defined(_WIN32)

namespace {
HINSTANCE gModule = nullptr;
}

// Stores the handle on every call, whatever the reason, and always succeeds.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD, LPVOID) {
    gModule = instance;
    return TRUE;
}

HMODULE zx::moduleHandle() {
    return gModule;
}

#else

// Defined by the source that embeds the deliverable's resources.
HMODULE zxModuleHandle();

HMODULE zx::moduleHandle() {
    return zxModuleHandle();
}

#endif
