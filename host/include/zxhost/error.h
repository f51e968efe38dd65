// The host's own error: file and format problems, unknown kinds, modules that do not load.
// Thrown only inside the host and towards its callers, never across the plug-in boundary.
#pragma once

#include <stdexcept>
#include <string>

namespace zxhost {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// "0x800407D5": the form in which result codes appear in messages.
std::string hexCode(int32_t code);

} // namespace zxhost
