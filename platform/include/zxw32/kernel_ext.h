// Extensions of the KERNEL part of libw32 for the host, the resource embedder and tests.
#pragma once

#include <stddef.h>

#include "../windef.h"

namespace zxw32 {

// One resource of a module: a Windows type number (2 bitmap, 5 dialog), an integer id and the
// bytes. The bytes are not copied: they live in the module that registers them.
struct ResourceEntry {
    int type;
    int id;
    const unsigned char* data;
    size_t size;
};

// Registers a module's resources and returns a fresh module handle for FindResourceA and
// friends. The entries array must outlive the registration.
W32API HMODULE registerModule(const char* moduleName, const ResourceEntry* entries, size_t count);
// Forgets a module; its resource handles become stale. Returns false for an unknown handle.
W32API bool unregisterModule(HMODULE module);
// The name a module was registered with, or nullptr.
W32API const char* moduleName(HMODULE module);

// Global memory bookkeeping for leak and lock checks.
W32API size_t liveGlobalCount();
// The lock count of a moveable block; -1 for an invalid handle.
W32API int globalLockCount(HGLOBAL mem);

} // namespace zxw32
