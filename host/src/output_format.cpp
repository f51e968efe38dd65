// The plug-ins' message output: a printf-style format with two integer arguments.
#include <cstdio>

#include "host_impl.h"

namespace zxhost {

std::string formatOutput(const char* format, int32_t a, int32_t b) {
    constexpr size_t kLimit = 1024;
    std::string out;
    if (!format) {
        return out;
    }
    const int32_t args[2] = {a, b};
    int next = 0;
    for (const char* p = format; *p && out.size() < kLimit; ++p) {
        if (*p != '%') {
            out += *p;
            continue;
        }
        // Flags, width and an 'l' or 'h' prefix, then the conversion.
        const char* start = p++;
        std::string pattern = "%";
        while (*p && std::string("-+ #0").find(*p) != std::string::npos) {
            pattern += *p++;
        }
        while (*p >= '0' && *p <= '9') {
            pattern += *p++;
        }
        while (*p == 'l' || *p == 'h') {
            ++p;
        }
        const char conversion = *p;
        if (conversion == '%') {
            out += '%';
            continue;
        }
        if (std::string("diuxXc").find(conversion) == std::string::npos || conversion == 0 ||
            next >= 2) {
            // Not one we format: copy it as it stands.
            out.append(start, static_cast<size_t>((conversion ? p + 1 : p) - start));
            if (!conversion) {
                break;
            }
            continue;
        }
        pattern += conversion;
        char buffer[64];
        const int32_t value = args[next++];
        if (conversion == 'u' || conversion == 'x' || conversion == 'X') {
            std::snprintf(buffer, sizeof buffer, pattern.c_str(), static_cast<unsigned>(value));
        } else {
            std::snprintf(buffer, sizeof buffer, pattern.c_str(), value);
        }
        out += buffer;
    }
    if (out.size() > kLimit) {
        out.resize(kLimit);
    }
    return out;
}

} // namespace zxhost
