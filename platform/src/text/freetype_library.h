// The process-wide FreeType library and the font files opened through it. Every realised
// font of one file shares its FT_Face (each with its own FT_Size).
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <mutex>
#include <string>

namespace w32::text {

// Guards FreeType and fontconfig, which are not thread-safe, and the caches built on them.
std::recursive_mutex& engineMutex();

// The opened face of a file, opened once and kept for the life of the process; nullptr
// when FreeType cannot read it. Call with engineMutex() held.
FT_Face openFace(const std::string& path, int index);

} // namespace w32::text
