// A PNG encoder that needs no library: 8-bit RGB, no filtering, the image data in stored
// (uncompressed) deflate blocks. Files are larger than a compressing writer's but every PNG
// reader accepts them; the Windows build writes its images with it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zxhost {

// The PNG file of 0x00RRGGBB pixels in top-down rows of `width` words. Empty when a side is
// not positive or the image data would not fit a PNG.
std::vector<uint8_t> encodePng(const uint32_t* pixels, int32_t width, int32_t height);

// The checksums of the format: CRC-32 of the chunks (reflected, polynomial 0xEDB88320) and
// Adler-32 of the zlib stream. `crc32` continues from `crc` (0 to start).
uint32_t crc32(const uint8_t* data, size_t size, uint32_t crc = 0);
uint32_t adler32(const uint8_t* data, size_t size);

} // namespace zxhost
