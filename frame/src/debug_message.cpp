// The diagnostic message box of every kind.
#include "zxplugin/debug_message.h"

#include <cstdarg>
#include <cstdio>

#include <windows.h>

namespace zx {

int debugMessage(const char* format, ...) {
    // Bounded: a long message is cut at 255 characters instead of overrunning the buffer.
    char text[256];
    va_list args;
    va_start(args, format);
    const int written = std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    if (written < 0) {
        text[0] = '\0';
    }
    return MessageBoxA(GetActiveWindow(), text, "MOA_DEBUG", MB_OK);
}

} // namespace zx
