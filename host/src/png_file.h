// Writing 32-bit pixels (0x00RRGGBB, top-down rows) as an RGB PNG file.
#pragma once

#include <cstdint>
#include <string>

namespace zxhost {

// Throws Error "path: cause" when the file cannot be written.
void writePng(const std::string& path, const uint32_t* pixels, int32_t width, int32_t height);

} // namespace zxhost
