// Plug-in modules as shared objects: dlopen, dlsym, dlclose.
#include <dlfcn.h>

#include "platform.h"

namespace zxhost::platform {

void* openLibrary(const std::string& path, std::string* why) {
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library && why) {
        const char* reason = dlerror();
        *why = reason ? reason : "unknown error";
    }
    return library;
}

void* librarySymbol(void* library, const char* name) {
    return library ? dlsym(library, name) : nullptr;
}

void closeLibrary(void* library) {
    if (library) {
        dlclose(library);
    }
}

bool isModuleFileName(const std::string& name) {
    return name.size() > 5 && name.ends_with("32.so") && !name.starts_with("lib");
}

char pathListSeparator() {
    return ':';
}

} // namespace zxhost::platform
