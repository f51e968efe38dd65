// What each of the seven deliverables must tell a host about itself: its three class
// identifiers, the class version, whether the asset class offers the auxiliary interface,
// and the registration strings.
#pragma once

#include <zxframe/abi.h>

#include <string>

namespace dllsmoke {

struct ExpectedClasses {
    const char* module; // file name without extension, lower case
    zx::Guid registrar;
    zx::Guid asset;
    zx::Guid actor;
    uint32_t version;
    bool assetAux;
    const char* symbol;
    const char* displayName;
    bool putsMyData;
};

// The entry whose module name matches the file name of `path` (case-insensitive, any
// folder, any extension), or null for a module this check does not know.
const ExpectedClasses* expectedFor(const std::string& path);

} // namespace dllsmoke
