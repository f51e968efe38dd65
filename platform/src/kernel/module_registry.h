// The resources of the registered modules, for the resource calls, LoadBitmapA and dialogs.
#pragma once

#include <cstddef>
#include <optional>

#include <windef.h>

namespace zxw32::kernel {

struct ResourceBytes {
    const unsigned char* data;
    size_t size;
};

// Finds a resource by Windows name ("#102" or an integer id as a pointer) and type; nullopt
// for an unknown module, type or id.
std::optional<ResourceBytes> findResourceBytes(HMODULE module, const char* name, const char* type);

// Reads "#123" or an integer resource id; nullopt for names that are not ids.
std::optional<int> resourceId(const char* name);

} // namespace zxw32::kernel
