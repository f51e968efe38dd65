// Plug-in modules as DLLs: LoadLibraryA, GetProcAddress, FreeLibrary.
#include <cstdio>

#include "platform.h"

namespace zxhost::platform {
namespace {

// The system's text for an error code, without the trailing line break.
std::string systemMessage(DWORD code) {
    char text[512] = "";
    const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, code, 0, text, sizeof text, nullptr);
    std::string message(text, n);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                                message.back() == ' ' || message.back() == '.')) {
        message.pop_back();
    }
    char number[32];
    std::snprintf(number, sizeof number, "error %lu", static_cast<unsigned long>(code));
    return message.empty() ? number : message + " (" + number + ")";
}

} // namespace

void* openLibrary(const std::string& path, std::string* why) {
    // A module that fails to load must not stop an unattended run with a system dialog.
    const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE library = LoadLibraryA(path.c_str());
    const DWORD error = GetLastError();
    SetErrorMode(previous);
    if (!library && why) {
        *why = systemMessage(error);
    }
    return reinterpret_cast<void*>(library);
}

void* librarySymbol(void* library, const char* name) {
    if (!library) {
        return nullptr;
    }
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void closeLibrary(void* library) {
    if (library) {
        FreeLibrary(static_cast<HMODULE>(library));
    }
}

bool isModuleFileName(const std::string& name) {
    auto lower = name;
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower.size() > 6 && lower.ends_with("32.dll") && !lower.starts_with("lib");
}

char pathListSeparator() {
    return ';';
}

} // namespace zxhost::platform
